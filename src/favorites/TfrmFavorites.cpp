#include "favorites/TfrmFavorites.h"

#include "favorites/FavoritesLayout.h"
#include "favorites/FavoritesList.h"
#include "main/ColorDrag.h"
#include "main/TfrmMain.h"
#include "persist/Session.h"
#include "persist/Settings.h"
#include "platform/ToolButton.h"
#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "platform/KeyboardFocus.h"
#include "platform/ToolWindow.h"
#include "platform/Services.h"
#include "platform/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

using favlayout::kRowHeight;

namespace {

constexpr int kClientWidth = 131;
constexpr int kListWidth = 114;
constexpr int kScrollBarWidth = 17;
constexpr int kBottomBand = 25; // separator line and tool bar below the list
constexpr int kSmallStep = 5;
constexpr int kLargeStep = 20;
constexpr int kDragThreshold = 10;
constexpr int kAutoScrollBand = 10;
constexpr int kAutoScrollStep = 2;
constexpr int kDockDistance = 15; // closer than this, each way, counts as docked

void MakeToolSeparator(QWidget* parent, int x, int height)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    line->setGeometry(x + 3, 2, 2, height - 4);
}

} // namespace

// The delete button takes only rows dragged from the list: dropping one there deletes it.
class TfrmFavorites::DeleteButtonTarget final : public DropTarget {
public:
    explicit DeleteButtonTarget(TfrmFavorites& window)
        : m_window(window)
    {
    }
    bool DragOver(QWidget* source, QPoint) override { return source == m_window.pbFavs; }
    void DragDrop(QWidget* source, QPoint) override
    {
        if (source == m_window.pbFavs)
            m_window.DeleteSelectedClick();
    }

private:
    TfrmFavorites& m_window;
};

TfrmFavorites::TfrmFavorites(TfrmMain& main)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("TfrmFavorites"));
    setWindowTitle(tr("Favorites"));
    setFont(TahomaFont(10));
    setAttribute(Qt::WA_ShowWithoutActivating);
    ShowHintsWhenInactive(this);
    AskForToolWindowFrame(this);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor::fromRgb(canvas::ButtonFace()));
    setPalette(face);
    setAutoFillBackground(true);

    // As tall as the main window: both get the same frame from the window manager, so equal client heights
    // give equal outer heights, whether or not the frames are known yet.
    const int clientHeight = main.height();
    setFixedSize(kClientWidth, clientHeight);
    CreateCommands();
    CreateControls(clientHeight);
    CreateMenus();
    FormCreate();
}

TfrmFavorites::~TfrmFavorites()
{
    m_main.Drag().RemoveListSource(pbFavs);
}

void TfrmFavorites::CreateCommands()
{
    mnuFavPopWebsafe = new QAction(tr("Make Websafe"), this);
    mnuFavPopWebsafe->setObjectName(QStringLiteral("mnuFavPopWebsafe"));
    connect(mnuFavPopWebsafe, &QAction::triggered, &m_model, &FavoritesModel::MakeSelectedWebsafe);
    mnuFavPopDelete = new QAction(tr("Delete", "remove the favorite color"), this);
    mnuFavPopDelete->setObjectName(QStringLiteral("mnuFavPopDelete"));
    connect(mnuFavPopDelete, &QAction::triggered, this, &TfrmFavorites::DeleteSelectedClick);
}

void TfrmFavorites::CreateControls(int clientHeight)
{
    const int listHeight = clientHeight - kBottomBand;
    pbFavs = new FavoritesList(m_model, this);
    pbFavs->setGeometry(0, 0, kListWidth, listHeight);

    sbFavs = new QScrollBar(Qt::Vertical, this);
    sbFavs->setObjectName(QStringLiteral("sbFavs"));
    sbFavs->setGeometry(kListWidth, 0, kScrollBarWidth, listHeight);
    sbFavs->setFocusPolicy(Qt::NoFocus);
    sbFavs->setSingleStep(kSmallStep);
    // The page step sizes the thumb to the visible part; a click beside the thumb moves a smaller, fixed step.
    sbFavs->setPageStep(listHeight);
    connect(sbFavs, &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderPageStepAdd)
            sbFavs->setSliderPosition(sbFavs->value() + kLargeStep);
        else if (action == QAbstractSlider::SliderPageStepSub)
            sbFavs->setSliderPosition(sbFavs->value() - kLargeStep);
    });
    connect(sbFavs, &QAbstractSlider::valueChanged, pbFavs, &FavoritesList::SetPosition);

    // A one-pixel shape whose outline is all that shows of it.
    auto* shpBottom = new QWidget(this);
    shpBottom->setObjectName(QStringLiteral("shpBottom"));
    shpBottom->setGeometry(-17, listHeight, 152, 1);
    QPalette white = shpBottom->palette();
    white.setColor(QPalette::Window, Qt::white);
    shpBottom->setPalette(white);
    shpBottom->setAutoFillBackground(true);

    tlbFavs = new QWidget(this);
    tlbFavs->setObjectName(QStringLiteral("tlbFavs"));
    tlbFavs->setGeometry(1, clientHeight - 23, 130, 22);
    int x = 0;
    const auto next = [&x](int width) {
        const QRect r(x, 0, width, 22);
        x += width;
        return r;
    };
    const auto separator = [&x, this] {
        MakeToolSeparator(tlbFavs, x, 22);
        x += 8;
    };
    tbOnTop = MakeToolButton(tlbFavs, "tbOnTop", tr("Always On Top"), QStringLiteral("fav_ontop.svg"), next(23));
    tbOnTop->setCheckable(true);
    separator();
    tbCopy = MakeToolButton(tlbFavs, "tbCopy", tr("Copy HEX"), QStringLiteral("fav_copy.svg"), next(35));
    tbCopy->setPopupMode(QToolButton::MenuButtonPopup);
    separator();
    tbFavWebsafe = MakeCommandButton(tlbFavs, "tbFavWebsafe", tr("Make Websafe"),
        QStringLiteral("fav_websafe.svg"), next(23), mnuFavPopWebsafe);
    separator();
    tbDelete = MakeCommandButton(tlbFavs, "tbDelete", tr("Delete Color"), QStringLiteral("fav_delete.svg"),
        next(23), mnuFavPopDelete);
    // Always On Top has no key of its own: Tab reaches the buttons after the list, and Space presses them.
    for (QToolButton* button : { tbOnTop, tbCopy, tbFavWebsafe, tbDelete })
        button->setFocusPolicy(Qt::TabFocus);

    m_dragTimer = new QTimer(this);
    m_dragTimer->setObjectName(QStringLiteral("DragTimer"));
    m_dragTimer->setInterval(5);
    connect(m_dragTimer, &QTimer::timeout, this, &TfrmFavorites::DragTimerTimer);

    SetUpListKeys();
    connect(pbFavs, &PaintBox::mousePressed, this, &TfrmFavorites::pbFavsMouseDown);
    connect(pbFavs, &PaintBox::doubleClicked, this, &TfrmFavorites::pbFavsDblClick);
    connect(tbOnTop, &QToolButton::clicked, this, &TfrmFavorites::tbOnTopClick);
    connect(tbCopy, &QToolButton::clicked, this, &TfrmFavorites::tbCopyClick);
}

void TfrmFavorites::CreateMenus()
{
    mnuFavPop = new QMenu(this);
    mnuFavPop->setObjectName(QStringLiteral("mnuFavPop"));
    mnuFavPopCopy = mnuFavPop->addMenu(tr("Copy..."));
    mnuFavPopCopy->setObjectName(QStringLiteral("mnuFavPopCopy"));
    m_fillCopyEntries = AddCopyEntries(mnuFavPopCopy, { "mnuFavPopCopyHex1", "mnuFavPopCopyHEX2", "mnuFavPopCopyRGB" },
        [this] { return SelectedCopyTexts(); }, [this] { return SelectedCopyColor(); });
    mnuFavPop->addSeparator()->setObjectName(QStringLiteral("sepAfterCopy"));
    mnuFavPop->addAction(mnuFavPopWebsafe);
    mnuFavPopSetBase = mnuFavPop->addAction(tr("Set as Base Color"));
    mnuFavPopSetBase->setObjectName(QStringLiteral("mnuFavPopSetBase"));
    mnuFavPop->addSeparator()->setObjectName(QStringLiteral("sepBeforeDelete"));
    mnuFavPop->addAction(mnuFavPopDelete);

    // The copy button's arrow opens the same submenu as the pop-up menu.
    tbCopy->setMenu(mnuFavPopCopy);
    connect(mnuFavPopSetBase, &QAction::triggered, this, [this] {
        if (m_model.HasSelection())
            m_main.SetBaseColor(m_model.SelectedFavoriteColor());
    });
    m_main.CarryOut(MainCommand::AddToFavorites, this, [this] { AddFavorite(m_model.Count(), m_main.SelectedColor()); });
}

void TfrmFavorites::SetUpListKeys()
{
    // Reached by the keyboard alone, as the main window's colour areas are: a click selects as it always did.
    pbFavs->setFocusPolicy(Qt::TabFocus);
    ShowFocusRing(pbFavs);
    HandleKeys(pbFavs, [this](QKeyEvent* event) { return ListKey(event); });
}

bool TfrmFavorites::ListKey(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        tbCopyClick();
        return true;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (const std::optional<ColorValue> color = PastedColor(this))
            AddFavorite(m_model.HasSelection() ? m_model.FavSelected() + 1 : m_model.Count(), *color);
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int selected = m_model.FavSelected();
    const int last = m_model.Count() - 1;
    if (modifiers == Qt::AltModifier) {
        // One place up or down; the insertion index counts the list as it stands before the move.
        if (event->key() == Qt::Key_Up && selected > 0)
            m_model.MoveSelectedFavorite(selected - 1);
        else if (event->key() == Qt::Key_Down && selected >= 0 && selected < last)
            m_model.MoveSelectedFavorite(selected + 2);
        else
            return event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
        ScrollToSelected();
        return true;
    }
    const bool menuKey = event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
    if (menuKey && m_model.HasSelection()) {
        ScrollToSelected();
        m_fillCopyEntries();
        const int middle = kRowHeight * selected - pbFavs->Position() + kRowHeight / 2;
        mnuFavPop->popup(pbFavs->mapToGlobal(QPoint(pbFavs->width() / 2, middle)));
        return true;
    }
    if (modifiers != Qt::NoModifier || m_model.IsEmpty())
        return false;
    const int page = std::max(1, pbFavs->height() / kRowHeight);
    int to = selected;
    switch (event->key()) {
    case Qt::Key_Up: to = selected < 0 ? last : selected - 1; break;
    case Qt::Key_Down: to = selected + 1; break;
    case Qt::Key_PageUp: to = selected - page; break;
    case Qt::Key_PageDown: to = selected < 0 ? page - 1 : selected + page; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = last; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_model.HasSelection())
            m_main.SetBaseColor(m_model.SelectedFavoriteColor());
        return true;
    case Qt::Key_Delete:
        DeleteSelectedClick();
        return true;
    default:
        return false;
    }
    m_model.Select(std::clamp(to, 0, last));
    ScrollToSelected();
    return true;
}

void TfrmFavorites::ScrollToSelected()
{
    if (!m_model.HasSelection())
        return;
    const qint64 top = qint64(kRowHeight) * m_model.FavSelected();
    const int position = pbFavs->Position();
    if (top < position)
        sbFavs->setValue(static_cast<int>(top));
    else if (top + kRowHeight > position + pbFavs->height())
        sbFavs->setValue(static_cast<int>(std::min<qint64>(top + kRowHeight - pbFavs->height(), sbFavs->maximum())));
}

void TfrmFavorites::AddFavorite(int index, ColorValue color)
{
    m_model.InsertFavorite(index, color);
    ScrollToSelected();
}

void TfrmFavorites::FormCreate()
{
    // The list redraws itself on every change.
    connect(&m_model, &FavoritesModel::changed, this, [this] {
        UpdateFavScrollRange();
        UpdateToolButtons();
    });
    connect(&m_model, &FavoritesModel::modified, this, [this] { m_main.MarkSchemeModified(); });

    // Drags carry no data: a drag from the list carries its selection.
    m_main.Drag().SetListSource(pbFavs, [this] { return m_model.SelectedFavoriteColor(); });
    connect(&m_main.Drag(), &ColorDrag::ended, pbFavs, &FavoritesList::Redraw);
    DragManager::Instance().RegisterTarget(pbFavs, this);
    m_deleteTarget = std::make_unique<DeleteButtonTarget>(*this);
    DragManager::Instance().RegisterTarget(tbDelete, m_deleteTarget.get());

    ConnectToolWindowToggle(this, m_main.Command(MainCommand::ToolsFavorites));
    m_mainFrame = m_main.frameGeometry();
    m_main.installEventFilter(this);

    const Settings settings;
    const QPoint place = settings.FavoritesPlace(m_mainFrame);
    move(place);
    // Docked in logical pixels, the frame is docked to the device pixel once the window manager has framed it.
    if (IsDockedPlace(place, Settings::DefaultFavoritesPlace(m_mainFrame), devicePixelRatioF()))
        WhenFramed(this, [this] { DockToMainWindow(); });
    if (settings.FavoritesOnTop()) {
        tbOnTop->setChecked(true);
        tbOnTopClick();
    }
    if (settings.RememberScheme())
        LoadFavoritesSession();

    UpdateFavScrollRange();
    UpdateToolButtons();
}

void TfrmFavorites::LoadFavoritesSession()
{
    // Restored as it was left: no change to the scheme.
    if (std::optional<SchemeData> session = LoadSessionScheme(platform::ShowMessageWithoutParent))
        m_model.Replace(std::move(session->favorites));
}

bool TfrmFavorites::AutoScrolling() const
{
    return m_dragTimer->isActive();
}

bool TfrmFavorites::StaysOnTop() const
{
    return tbOnTop->isChecked();
}

void TfrmFavorites::UpdateFavScrollRange()
{
    const int maximum = pbFavs->MaxPosition();
    sbFavs->setRange(0, maximum);
    sbFavs->setEnabled(maximum > 0);
}

void TfrmFavorites::UpdateToolButtons()
{
    const bool any = !m_model.IsEmpty();
    tbCopy->setEnabled(any);
    for (QAction* command : { mnuFavPopWebsafe, mnuFavPopDelete })
        command->setEnabled(any);
}

void TfrmFavorites::pbFavsMouseDown(QMouseEvent* event)
{
    if (m_model.IsEmpty())
        return;
    const QPoint pos = event->position().toPoint();
    m_mouseDownY = pos.y();
    const int row = pbFavs->RowAt(pos.y());
    if (row < 0)
        return;
    m_model.Select(row);
    if (event->button() == Qt::RightButton) {
        m_fillCopyEntries();
        mnuFavPop->popup(event->globalPosition().toPoint());
        return;
    }
    // The end of the drag repaints the list, through the drag's end signal.
    m_main.Drag().Begin(pbFavs, event->globalPosition().toPoint(), kDragThreshold);
}

void TfrmFavorites::pbFavsDblClick()
{
    // The double click belongs to the row of the press that began it.
    const int row = pbFavs->RowAt(m_mouseDownY);
    if (row < 0)
        return;
    m_model.Select(row);
    m_main.SetBaseColor(m_model.SelectedFavoriteColor());
}

bool TfrmFavorites::DragOver(QWidget* source, QPoint pos)
{
    const int position = pbFavs->Position();
    if (pos.y() < kAutoScrollBand && position > 0) {
        m_favScrollUp = true;
        if (!m_dragTimer->isActive())
            m_dragTimer->start();
    } else if (pos.y() > pbFavs->height() - kAutoScrollBand && position < pbFavs->MaxPosition()) {
        m_favScrollUp = false;
        if (!m_dragTimer->isActive())
            m_dragTimer->start();
    } else {
        m_dragTimer->stop();
    }

    // A row dropped just above or below itself stays where it is: no insertion line promises a move.
    const int selected = m_model.FavSelected();
    const int target = pbFavs->InsertionIndexAt(pos.y());
    const bool unchangedOrder = source == pbFavs && (target == selected || target == selected + 1);
    pbFavs->ShowDropMarker(pos.y(), !unchangedOrder);
    return true;
}

void TfrmFavorites::DragDrop(QWidget* source, QPoint pos)
{
    const int target = pbFavs->InsertionIndexAt(pos.y());
    if (source == pbFavs) {
        m_model.MoveSelectedFavorite(target);
    } else {
        m_model.InsertFavorite(target, m_main.Drag().Carried(source));
        m_main.SetSelectedColor(m_main.BaseColor());
    }
}

void TfrmFavorites::DragTimerTimer()
{
    if (!sbFavs->isEnabled()) {
        m_dragTimer->stop();
        return;
    }
    sbFavs->setValue(sbFavs->value() + (m_favScrollUp ? -kAutoScrollStep : kAutoScrollStep));
    // Shown at once, not when the event loop next gets round to it.
    pbFavs->repaint();
    const int position = pbFavs->Position();
    if (position == 0 || position + pbFavs->height() >= pbFavs->ContentHeight())
        m_dragTimer->stop();
}

void TfrmFavorites::tbOnTopClick()
{
    // Changing the flag on the existing window keeps its place and does not activate it.
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, tbOnTop->isChecked());
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle())
        handle->setFlags(flags);
}

void TfrmFavorites::tbCopyClick()
{
    if (!m_model.HasSelection())
        return;
    platform::ClipboardService().SetText(SelectedCopyTexts()[0]);
}

std::optional<ColorValue> TfrmFavorites::SelectedCopyColor() const
{
    // The entry's own channels, as its R,G,B text shows them.
    if (!m_model.HasSelection())
        return std::nullopt;
    const TFavColor& fav = m_model.SelectedFavorite();
    return Pack(fav.R, fav.G, fav.B);
}

CopyTexts TfrmFavorites::SelectedCopyTexts() const
{
    // The list's own texts: a favourite read from a file keeps the text the file gave it.
    if (!m_model.HasSelection())
        return {};
    const TFavColor& fav = m_model.SelectedFavorite();
    const QString hex = FavoriteHexText(fav);
    return { hex, QLatin1Char('#') + hex, QStringLiteral("%1,%2,%3").arg(fav.R).arg(fav.G).arg(fav.B) };
}

void TfrmFavorites::DeleteSelectedClick()
{
    if (!m_model.HasSelection())
        return;
    // Read anew each time: the preferences may have changed it since the last delete.
    if (Settings().WarnBeforeDelete()
        && platform::Messages().Confirm(this, tr("Are you sure you want to delete the selected color?"),
               platform::ConfirmButtons::YesNo)
            != platform::Answer::Yes)
        return;
    m_model.DeleteSelectedFavorite();
}

void TfrmFavorites::wheelEvent(QWheelEvent* event)
{
    m_wheelDelta += event->angleDelta().y();
    const int notches = m_wheelDelta / QWheelEvent::DefaultDeltasPerStep;
    m_wheelDelta -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0 && sbFavs->isEnabled())
        sbFavs->setValue(sbFavs->value() - notches * QApplication::wheelScrollLines() * kSmallStep);
    event->accept();
}

bool TfrmFavorites::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_main) {
        if (event->type() == QEvent::Move)
            MainWindowMoved();
        else if (event->type() == QEvent::Resize)
            m_mainFrame = m_main.frameGeometry();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmFavorites::MainWindowMoved()
{
    const QRect before = m_mainFrame;
    const QRect now = m_main.frameGeometry();
    m_mainFrame = now;
    // The window manager's frame arriving around the main window is no move of it.
    if (now.topLeft() == before.topLeft())
        return;
    const int d1 = x() - (before.left() + before.width());
    const int d2 = y() - before.top();
    if (std::abs(d1) < kDockDistance && std::abs(d2) < kDockDistance)
        DockToMainWindow();
}

void TfrmFavorites::DockToMainWindow()
{
    const QRect main = DeviceFrame(m_main);
    MoveFrameTo(this, { main.left() + main.width(), main.top() });
}
