#include "ScreenPicker.h"

#include "Lens.h"
#include "main/TfrmMain.h"
#include "main/CopyMenu.h"
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
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLensPeriodMilliseconds = 3;

} // namespace

// The window places itself over the whole desktop without the window manager's help (which would keep it inside
// one monitor and give it a frame) and stays above everything while open.
ScreenPicker::ScreenPicker(TfrmMain& main)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("ScreenPicker"));
    setWindowTitle(tr("Screen Color Picker"));

    imgDesktop = new PaintBox(QStringLiteral("imgDesktop"), this);
    imgDesktop->setCursor(Qt::CrossCursor);
    connect(imgDesktop, &PaintBox::mousePressed, this, &ScreenPicker::imgDesktopMouseDown);

    // A panel above the photograph: presses on it are taken by it and pick nothing.
    pnlColor = new PaintBox(QStringLiteral("pnlColor"), this);
    pnlColor->setGeometry(lens::kPanelMargin, lens::kPanelMargin, lens::kPanelSize, lens::kPanelSize);
    pnlColor->SetSurfaceSource([](qreal ratio) { return lens::PanelPicture(ratio); });
    imgZoom = new PaintBox(QStringLiteral("imgZoom"), pnlColor);
    imgZoom->setGeometry(lens::kLensRect);
    imgColor = new PaintBox(QStringLiteral("imgColor"), pnlColor);
    imgColor->setGeometry(lens::kColorBoxRect);
    imgColor->SetSpeech(QAccessible::Graphic, [this] {
        return PaintBox::Spoken { SpokenColor(tr("Color under the pointer"), canvas::FromRgb(imgColor->PixelAt({ 0, 0 }))),
            {}, {} };
    });
    imgDesktop->setAccessibleName(tr("Desktop"));
    imgZoom->setAccessibleName(tr("Magnified view"));
    // The desktop is shown as it is, so the lens and the pick agree with what is on the screen.
    for (PaintBox* box : { imgDesktop, pnlColor, imgZoom, imgColor })
        box->SetShowsTrueColors(true);

    tmrZoom = new QTimer(this);
    tmrZoom->setObjectName(QStringLiteral("tmrZoom"));
    tmrZoom->setInterval(kLensPeriodMilliseconds);
    tmrZoom->setTimerType(Qt::PreciseTimer);
    connect(tmrZoom, &QTimer::timeout, this, &ScreenPicker::RefreshLens);

    connect(m_main.Command(MainCommand::ToolsPicker), &QAction::triggered, this, &ScreenPicker::tbPickerClick);

    FormCreate();
}

ScreenPicker::~ScreenPicker() = default;

void ScreenPicker::FormCreate()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect();
    setGeometry(desktop);
    imgDesktop->setGeometry(QRect(QPoint(0, 0), desktop.size()));
    ShowLens(std::nullopt);
}

void ScreenPicker::SetToolWindows(QWidget* favorites, QWidget* preview)
{
    m_favorites = favorites;
    m_preview = preview;
}

void ScreenPicker::tbPickerClick()
{
    // Hidden whatever their state: the main window's Tools captions tell afterwards which ones come back.
    m_main.hide();
    for (QWidget* tool : { m_favorites, m_preview }) {
        if (tool)
            tool->hide();
    }
    // Photographed only once the hidden windows have left the screen.
    QTimer::singleShot(platform::Screen().VanishMilliseconds(), this, &ScreenPicker::Capture);
}

void ScreenPicker::Capture()
{
    platform::Screen().CaptureVirtualDesktop(
        this, [this](platform::CaptureResult result) { TakeCapture(std::move(result)); });
}

void ScreenPicker::TakeCapture(platform::CaptureResult result)
{
    if (auto* photo = std::get_if<platform::DesktopPhoto>(&result)) {
        ShowPhotograph(*photo);
        return;
    }
    LeavePicker();
    if (const auto* picked = std::get_if<platform::PickedPixel>(&result))
        m_main.SetBaseColor(canvas::FromRgb(picked->color));
    else if (const auto* failed = std::get_if<platform::CaptureFailed>(&result))
        platform::Messages().ShowMessage(&m_main, failed->message);
}

void ScreenPicker::ShowPhotograph(const platform::DesktopPhoto& photo)
{
    if (photo.image.isNull() || photo.geometry.isEmpty()) {
        // A blank picker would only offer black to pick.
        LeavePicker();
        platform::Messages().ShowMessage(&m_main, tr("The screen could not be captured."));
        return;
    }
    m_photo = photo.image.convertToFormat(QImage::Format_RGB32);
    m_photo.setDevicePixelRatio(1);
    // The photograph decides the window's place and size, so a desktop changed since start-up is still covered.
    // On a scaled desktop the window shows its device pixels one to one, as the screen had them; the lens and the
    // pick read the same pixels.
    const QSize window = photo.geometry.size();
    setGeometry(photo.geometry);
    imgDesktop->setGeometry(QRect(QPoint(0, 0), window));
    const qreal ratio = imgDesktop->devicePixelRatioF();
    const QSize device(canvas::DeviceEdge(window.width(), ratio), canvas::DeviceEdge(window.height(), ratio));
    QImage shown = m_photo.size() == device
        ? m_photo
        : m_photo.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    imgDesktop->SetSurface(shown);
    if (pnlColor->x() != lens::kPanelMargin)
        pnlColor->move(width() - lens::kPanelSize - lens::kPanelMargin, lens::kPanelMargin);

    m_lensPixel.reset();
    m_lastMove.reset();
    // A Wayland compositor places no window where the program asks; covering the screen is the one way to cover it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        showFullScreen();
    else
        show();
    // Widgets get the pointer rounded to logical pixels; their window gets it as the desktop sent it.
    windowHandle()->installEventFilter(this);
    raise();
    activateWindow();
    // Without the window manager the picker gets no focus of its own; Esc must still reach it.
    grabKeyboard();
    RefreshLens();
    tmrZoom->start();
}

void ScreenPicker::RefreshLens()
{
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    if (const auto left = lens::DodgedPanelLeft(pnlColor->geometry(), pointer, width())) {
        pnlColor->move(*left, lens::kPanelMargin);
        return;
    }
    const QPoint pixel = lens::PhotoPoint(PointerAt(pointer), imgDesktop->size(), m_photo.size());
    // The photograph stands still while the picker is open: an unmoved pointer leaves nothing to redraw.
    if (pixel == m_lensPixel)
        return;
    m_lensPixel = pixel;
    ShowLens(pixel);
}

void ScreenPicker::ShowLens(std::optional<QPoint> pixel)
{
    // Black until the pointer is first seen.
    imgZoom->SetSurfaceSource([this, pixel](qreal ratio) {
        return pixel ? lens::RenderLens(m_photo, *pixel, ratio)
                     : canvas::NewPicture(lens::kLensWidth, lens::kLensHeight, qRgb(0, 0, 0), ratio);
    });
    const QRgb color = pixel ? lens::PhotoPixel(m_photo, *pixel) : qRgb(0, 0, 0);
    imgColor->SetSurfaceSource([color](qreal ratio) {
        return canvas::NewPicture(lens::kColorBoxRect.width(), lens::kColorBoxRect.height(), color, ratio);
    });
}

QPointF ScreenPicker::PointerAt(QPointF toolkit) const
{
    // The toolkit rounds the pointer's position to logical pixels, which on a scaled desktop leaves device pixels
    // out. The desktop may tell the device pixel itself; else the last move over the photograph has it exactly in
    // tests and on desktops that pass fractions on, for as long as it still agrees with the toolkit.
    const auto agrees = [toolkit](QPointF at) {
        return std::abs(at.x() - toolkit.x()) < 1 && std::abs(at.y() - toolkit.y()) < 1;
    };
    if (const auto device = platform::PointerInDevicePixels()) {
        const QPointF at = (QPointF(*device) + QPointF(0.5, 0.5)) / devicePixelRatioF() - QPointF(pos());
        if (agrees(at))
            return at;
    }
    if (m_lastMove && agrees(*m_lastMove))
        return *m_lastMove;
    return toolkit;
}

bool ScreenPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress))
        m_lastMove = static_cast<QMouseEvent*>(event)->position();
    return QWidget::eventFilter(watched, event);
}

void ScreenPicker::imgDesktopMouseDown(QMouseEvent* event)
{
    // Every button picks alike.
    PickAt(event->position());
}

void ScreenPicker::PickAt(QPointF at)
{
    LeavePicker();
    const QPoint pixel = lens::PhotoPoint(PointerAt(at), imgDesktop->size(), m_photo.size());
    m_main.SetBaseColor(canvas::FromRgb(lens::PhotoPixel(m_photo, pixel)));
}

void ScreenPicker::LeavePicker()
{
    m_main.show();
    if (m_favorites && m_main.Command(MainCommand::ToolsFavorites)->isChecked())
        m_favorites->show();
    if (m_preview && m_main.Command(MainCommand::ToolsPreview)->isChecked())
        m_preview->show();
    hide();
    m_main.activateWindow();
}

void ScreenPicker::keyPressEvent(QKeyEvent* event)
{
    // A full-screen window needs a way out that does not depend on the mouse, and the keyboard can aim and pick:
    // an arrow moves the pointer a pixel (ten with Shift), Enter or Space is a click where it stands.
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Escape:
        LeavePicker();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PickAt(imgDesktop->mapFromGlobal(QCursor::pos()));
        return;
    case Qt::Key_Left: move = { -step, 0 }; break;
    case Qt::Key_Right: move = { step, 0 }; break;
    case Qt::Key_Up: move = { 0, -step }; break;
    case Qt::Key_Down: move = { 0, step }; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const QRect desktop = geometry();
    const QPoint to = QCursor::pos() + move;
    QCursor::setPos(std::clamp(to.x(), desktop.left(), desktop.right()), std::clamp(to.y(), desktop.top(), desktop.bottom()));
    // The lens follows at once rather than at its next tick.
    m_lastMove.reset();
    RefreshLens();
}

void ScreenPicker::hideEvent(QHideEvent* event)
{
    tmrZoom->stop();
    releaseKeyboard();
    QWidget::hideEvent(event);
}
