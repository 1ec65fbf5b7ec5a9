#include "TForm1.h"

#include "Lens.h"
#include "main/TfrmMain.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

// Long enough for the hidden windows to leave the screen before it is photographed.
constexpr int kVanishMilliseconds = 150;
constexpr int kLensPeriodMilliseconds = 3;

} // namespace

// The window places itself over the whole desktop without the window manager's help (which would keep it inside
// one monitor and give it a frame) and stays above everything while open.
TForm1::TForm1(TfrmMain& main)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Screen Color Picker"));

    imgDesktop = new PaintBox(QStringLiteral("imgDesktop"), this);
    imgDesktop->setCursor(Qt::CrossCursor);
    connect(imgDesktop, &PaintBox::mousePressed, this, &TForm1::imgDesktopMouseDown);

    // A panel above the photograph: presses on it are taken by it and pick nothing.
    pnlColor = new PaintBox(QStringLiteral("pnlColor"), this);
    pnlColor->setGeometry(lens::kPanelMargin, lens::kPanelMargin, lens::kPanelSize, lens::kPanelSize);
    pnlColor->SetSurface(lens::PanelPicture());
    imgZoom = new PaintBox(QStringLiteral("imgZoom"), pnlColor);
    imgZoom->setGeometry(lens::kLensRect);
    imgColor = new PaintBox(QStringLiteral("imgColor"), pnlColor);
    imgColor->setGeometry(lens::kColorBoxRect);

    tmrZoom = new QTimer(this);
    tmrZoom->setObjectName(QStringLiteral("tmrZoom"));
    tmrZoom->setInterval(kLensPeriodMilliseconds);
    tmrZoom->setTimerType(Qt::PreciseTimer);
    connect(tmrZoom, &QTimer::timeout, this, &TForm1::RefreshLens);

    connect(m_main.tbPicker, &QToolButton::clicked, this, &TForm1::tbPickerClick);
    connect(m_main.mnuToolsPicker, &QAction::triggered, this, &TForm1::tbPickerClick);

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect();
    setGeometry(desktop);
    imgDesktop->setGeometry(QRect(QPoint(0, 0), desktop.size()));
    imgZoom->SetSurface(canvas::NewPicture(lens::kLensWidth, lens::kLensHeight, qRgb(0, 0, 0)));
    imgColor->SetSurface(canvas::NewPicture(lens::kColorBoxRect.width(), lens::kColorBoxRect.height(), qRgb(0, 0, 0)));
}

void TForm1::SetToolWindows(QWidget* favorites, QWidget* preview)
{
    m_favorites = favorites;
    m_preview = preview;
}

void TForm1::tbPickerClick()
{
    // Hidden whatever their state: the main window's Tools captions tell afterwards which ones come back.
    m_main.hide();
    for (QWidget* tool : { m_favorites, m_preview }) {
        if (tool)
            tool->hide();
    }
    QTimer::singleShot(kVanishMilliseconds, this, &TForm1::ShowPhotograph);
}

void TForm1::ShowPhotograph()
{
    const platform::DesktopPhoto photo = platform::Screen().CaptureVirtualDesktop();
    if (photo.image.isNull()) {
        // A blank picker would only offer black to pick.
        LeavePicker();
        platform::Messages().ShowMessage(&m_main, QStringLiteral("The screen could not be captured."));
        return;
    }
    m_photo = photo.image.convertToFormat(QImage::Format_RGB32);
    // The photograph decides the window's place and size, so a desktop changed since start-up is still covered 1:1.
    setGeometry(QRect(photo.geometry.topLeft(), m_photo.size()));
    imgDesktop->setGeometry(QRect(QPoint(0, 0), m_photo.size()));
    imgDesktop->SetSurface(m_photo);
    if (pnlColor->x() != lens::kPanelMargin)
        pnlColor->move(width() - lens::kPanelSize - lens::kPanelMargin, lens::kPanelMargin);

    m_lensPointer.reset();
    show();
    raise();
    activateWindow();
    // Without the window manager the picker gets no focus of its own; Esc must still reach it.
    grabKeyboard();
    RefreshLens();
    tmrZoom->start();
}

void TForm1::RefreshLens()
{
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    if (const auto left = lens::DodgedPanelLeft(pnlColor->geometry(), pointer, width())) {
        pnlColor->move(*left, lens::kPanelMargin);
        return;
    }
    // The photograph stands still while the picker is open: an unmoved pointer leaves nothing to redraw.
    if (pointer == m_lensPointer)
        return;
    m_lensPointer = pointer;
    imgZoom->SetSurface(lens::RenderLens(m_photo, pointer));
    imgColor->SetSurface(canvas::NewPicture(
        lens::kColorBoxRect.width(), lens::kColorBoxRect.height(), lens::PhotoPixel(m_photo, pointer)));
}

void TForm1::imgDesktopMouseDown(QMouseEvent* event)
{
    // Every button picks alike.
    LeavePicker();
    m_main.SetBaseColor(canvas::FromRgb(lens::PhotoPixel(m_photo, event->position().toPoint())));
}

void TForm1::LeavePicker()
{
    m_main.show();
    if (m_favorites && m_main.mnuToolsFavs->text() == QStringLiteral("Hide Favorites"))
        m_favorites->show();
    if (m_preview && m_main.mnuToolsPreview->text() == QStringLiteral("Hide QuickPreview"))
        m_preview->show();
    hide();
    m_main.activateWindow();
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // A full-screen window needs a way out that does not depend on the mouse.
    if (event->key() == Qt::Key_Escape)
        LeavePicker();
    else
        QWidget::keyPressEvent(event);
}

void TForm1::hideEvent(QHideEvent* event)
{
    tmrZoom->stop();
    releaseKeyboard();
    QWidget::hideEvent(event);
}
