#include "TfrmPreview.h"

#include "main/CopyMenu.h"
#include "main/ColorDrag.h"
#include "main/TfrmMain.h"
#include "persist/Session.h"
#include "persist/Settings.h"
#include "platform/ToolButton.h"
#include "platform/ToolWindow.h"
#include "platform/WindowPlacement.h"
#include "platform/Artwork.h"
#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "platform/ItemMark.h"
#include "platform/KeyboardFocus.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"
#include "platform/ShownNumber.h"
#include "platform/Translated.h"

#include <QAction>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kClientWidth = 333;
constexpr int kClientHeight = 274;
constexpr int kPageDragThreshold = 10;
constexpr int kSwatchDragThreshold = 8;

// The contrast badges: a tool tip's pale yellow, with the verdict of a failing text in red.
constexpr int kBadgePixelSize = 9;
constexpr QRgb kBadgeFill = qRgb(255, 255, 225);
constexpr QRgb kBadgeOutline = qRgb(128, 128, 128);
constexpr QRgb kBadgeText = qRgb(0, 0, 0);
constexpr QRgb kBadgeFailText = qRgb(192, 0, 0);

} // namespace

QString ContrastBadgeText(const ContrastReading& reading)
{
    return QStringLiteral("%1 %2").arg(ShownDecimal(QString::fromStdString(ContrastText(reading.ratio))),
        // AA and AAA are the accessibility guidelines' own names, the same in every language.
        reading.grade == ContrastGrade::Fail ? TfrmPreview::tr("Fail", "contrast verdict: too little contrast")
                                             : QString::fromLatin1(ContrastGradeText(reading.grade)));
}

namespace {

void DrawBadge(QImage& picture, QPainter& painter, const ContrastReading& reading)
{
    const QString text = ContrastBadgeText(reading);
    const QFontMetrics metrics(painter.font());
    const int w = metrics.horizontalAdvance(text) + 5;
    const int h = metrics.height() + 1;
    const QPoint at = reading.pair->badgeAt;
    const int left = reading.pair->alignRight ? at.x() - w : at.x();
    canvas::Rectangle(picture, left, at.y(), left + w, at.y() + h, kBadgeOutline, kBadgeFill);
    painter.setPen(QColor(reading.grade == ContrastGrade::Fail ? kBadgeFailText : kBadgeText));
    painter.drawText(QRect(left, at.y(), w, h), Qt::AlignCenter, text);
}

// The page's parts as a screen reader names them, in the page's stacking order.
const char* const kSpokenParts[kPageElementCount] = {
    QT_TRANSLATE_NOOP("TfrmPreview", "Page background"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Table header background"),
    //: The sample page's title.
    QT_TRANSLATE_NOOP("TfrmPreview", "Header"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Table header text"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Navigation background"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Main background"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Link 1"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Link 2"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Link 3"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Link 4"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Body header"),
    QT_TRANSLATE_NOOP("TfrmPreview", "Body text"),
};

// The order the keyboard walks the parts in: as the page reads, from the top down, each background before what
// stands on it.
constexpr PageElement kKeyOrder[kPageElementCount] = { PageElement::Background, PageElement::Header,
    PageElement::tHeaderBG, PageElement::tHeader, PageElement::tNavBG, PageElement::Link1, PageElement::Link2,
    PageElement::Link3, PageElement::Link4, PageElement::tMainBG, PageElement::tBodyHeader, PageElement::tMainText };

int KeyOrderIndex(PageElement part)
{
    return static_cast<int>(std::find(std::begin(kKeyOrder), std::end(kKeyOrder), part) - std::begin(kKeyOrder));
}

PaintBox* MakeSwatch(QWidget* parent, const char* name, int x, QRgb fill)
{
    auto* swatch = new PaintBox(QString::fromLatin1(name), parent);
    swatch->setGeometry(x, 0, 18, 18);
    swatch->SetSurfaceSource([fill](qreal ratio) {
        QImage picture = canvas::NewPicture(18, 18, fill, ratio);
        canvas::Rectangle(picture, 0, 0, 18, 18, qRgb(0, 0, 0), fill);
        return picture;
    });
    return swatch;
}

} // namespace

TfrmPreview::TfrmPreview(TfrmMain& main)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("TfrmPreview"));
    setWindowTitle(tr("QuickPreview"));
    ShowHintsWhenInactive(this);
    AskForToolWindowFrame(this);
    setFont(TahomaFont(11));
    setFixedSize(kClientWidth, kClientHeight);
    CreateControls();
    CreateMenus();
    FormCreate();

    ConnectToolWindowToggle(this, m_main.Command(MainCommand::ToolsPreview));
}

TfrmPreview::~TfrmPreview() = default;

void TfrmPreview::CreateControls()
{
    auto* pnlSwatches = new QWidget(this);
    pnlSwatches->setObjectName(QStringLiteral("pnlSwatches"));
    pnlSwatches->setGeometry(290, 2, 41, 19);
    shpBlack = MakeSwatch(pnlSwatches, "shpBlack", 0, qRgb(0, 0, 0));
    Shape1 = MakeSwatch(pnlSwatches, "Shape1", 22, qRgb(255, 255, 255));
    for (PaintBox* swatch : { shpBlack, Shape1 })
        connect(swatch, &PaintBox::mousePressed, this, [this, swatch](QMouseEvent* e) { shpBlackMouseDown(swatch, e); });
    shpBlack->SetSpeech(QAccessible::Button,
        [] { return PaintBox::Spoken { SpokenColor(tr("Black"), Pack(0, 0, 0)), {}, {} }; });
    Shape1->SetSpeech(QAccessible::Button,
        [] { return PaintBox::Spoken { SpokenColor(tr("White"), Pack(255, 255, 255)), {}, {} }; });

    pnlBG = new QFrame(this);
    pnlBG->setObjectName(QStringLiteral("pnlBG"));
    pnlBG->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    pnlBG->setGeometry(0, 22, kClientWidth, 229);
    pbPage = new PaintBox(QStringLiteral("pbPage"), pnlBG);
    pbPage->setGeometry(QRect(QPoint(2, 2), PreviewPage::kSize));
    DragManager::Instance().RegisterTarget(pbPage, this);
    pbPage->SetSpeech(QAccessible::List, [] { return PaintBox::Spoken { tr("Sample page"), {}, {} }; });
    pbPage->SetItemSpeech(QAccessible::ListItem, [] { return kPageElementCount; },
        [this](int part) {
            const auto element = static_cast<PageElement>(part);
            return PaintBox::Spoken { SpokenColor(tr(kSpokenParts[part]), m_page.ElementColor(element)),
                {}, PreviewPage::Info(element).box };
        },
        [this] { return static_cast<int>(m_focusedPart); });
    SetUpPageKeys();

    auto* tlbMain = new QWidget(this);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setGeometry(0, 0, 227, 22);
    tbSave = MakeToolButton(tlbMain, "tbSave", tr("Save as Webpage"), QStringLiteral("qp_save.svg"), QRect(0, 0, 23, 22));
    tbReset = MakeToolButton(tlbMain, "tbReset", tr("Reset Colors"), QStringLiteral("qp_reset.svg"), QRect(23 + 8, 0, 23, 22));
    connect(tbSave, &QToolButton::clicked, this, &TfrmPreview::tbSaveClick);
    connect(tbReset, &QToolButton::clicked, this, &TfrmPreview::tbResetClick);
    // No menu holds these two commands: Tab reaches them after the page, the window's first stop (made after it for
    // that), and Space presses them.
    for (QToolButton* button : { tbSave, tbReset })
        button->setFocusPolicy(Qt::TabFocus);

    auto* statusBar = new QWidget(this);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setGeometry(0, kClientHeight - 23, kClientWidth, 23);
    Status = new QLabel(QLatin1Char(' ') + tr("Drag & Drop colors to QuickPreview (right-click colors for options)"), statusBar);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setFont(TahomaFont(11));
    Status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Status->setGeometry(0, 2, kClientWidth, 21);
    // A language whose hint is longer than the window is wide has it on more lines, the window taller by as much.
    if (ShowsTranslation() && Status->sizeHint().width() > kClientWidth) {
        Status->setWordWrap(true);
        const int grown = Status->heightForWidth(kClientWidth) - Status->height();
        Status->resize(kClientWidth, Status->height() + grown);
        statusBar->resize(kClientWidth, statusBar->height() + grown);
        setFixedSize(kClientWidth, kClientHeight + grown);
    }
}

void TfrmPreview::CreateMenus()
{
    mnuColorPop = new QMenu(this);
    mnuColorPop->setObjectName(QStringLiteral("mnuColorPop"));
    mnuPopCopy = mnuColorPop->addMenu(tr("Copy..."));
    mnuPopCopy->setObjectName(QStringLiteral("mnuPopCopy"));
    AddCopyEntries(mnuPopCopy, { "mnuPopCopyHex1", "mnuPopCopyHex2", "mnuPopCopyRgb" },
        [this] { return CopyTextsOf(m_main.SelectedColor()); }, [this] { return std::optional(m_main.SelectedColor()); });
    mnuColorPop->addSeparator();
    mnuPopSetBase = mnuColorPop->addAction(tr("Set as Base Color"));
    mnuPopSetBase->setObjectName(QStringLiteral("mnuPopSetBase"));
    mnuColorPop->addSeparator();
    mnuPopShowContrast = mnuColorPop->addAction(tr("Show Contrast"));
    mnuPopShowContrast->setObjectName(QStringLiteral("mnuPopShowContrast"));
    mnuPopShowContrast->setCheckable(true);

    connect(mnuPopSetBase, &QAction::triggered, this, &TfrmPreview::mnuPopSetBaseClick);
    connect(mnuPopShowContrast, &QAction::toggled, this, &TfrmPreview::mnuPopShowContrastClick);

    // The page is a colour source like the main window's colour areas, with its pop-up menu.
    m_main.Drag().AddSource(pbPage, kPageDragThreshold,
        [this](QPoint at) { return m_page.ElementColor(PreviewPage::ElementAt(at)); }, mnuColorPop,
        [this] { return PreviewPage::PointOf(m_focusedPart); });
}

void TfrmPreview::FormCreate()
{
    ResetPreviewColors();

    const Settings settings;
    const int outerWidth = OuterSize(*this, m_main).width();
    const QPoint place = settings.PreviewPlace(m_main.frameGeometry(), outerWidth);
    move(place);
    // Docked in logical pixels, the frame is docked to the device pixel once the window manager has framed it.
    if (IsDockedPlace(place, Settings::DefaultPreviewPlace(m_main.frameGeometry(), outerWidth), devicePixelRatioF())) {
        WhenFramed(this, [this] {
            const QRect main = DeviceFrame(m_main);
            MoveFrameTo(this, { main.left() - DeviceFrame(*this).width(), main.top() });
        });
    }
    m_showContrast = settings.ShowContrast();
    mnuPopShowContrast->setChecked(m_showContrast);
    if (settings.RememberScheme())
        LoadPreviewSession();
}

void TfrmPreview::LoadPreviewSession()
{
    // Restored as it was left: no change to the scheme.
    if (const std::optional<SchemeData> session = LoadSessionScheme(platform::ShowMessageWithoutParent))
        SetColors(session->preview);
}

void TfrmPreview::SetColors(const PreviewColors& colors)
{
    m_page.SetColors(colors);
    PaintPage();
}

void TfrmPreview::ResetPreviewColors()
{
    m_page.ResetPreviewColors();
    PaintPage();
}

void TfrmPreview::PaintPage()
{
    // Drawn when the page is first shown or read: its faces cost more to load than the whole main window.
    pbPage->SetSurfaceSource([this](qreal ratio) { return DrawPage(ratio); });
}

QImage TfrmPreview::DrawPage(qreal ratio) const
{
    const QSize size = PreviewPage::kSize;
    QImage picture = canvas::NewPicture(
        size.width(), size.height(), canvas::ToRgb(m_page.ElementColor(PageElement::Background)), ratio);
    QPainter painter(&picture);
    for (int i = 1; i < kPageElementCount; ++i) {
        const auto element = static_cast<PageElement>(i);
        const PageElementInfo& info = PreviewPage::Info(element);
        const QRgb color = canvas::ToRgb(m_page.ElementColor(element));
        const QRect& box = info.box;
        if (info.kind == ElementKind::Fill) {
            canvas::Rectangle(picture, box.left(), box.top(), box.right() + 1, box.bottom() + 1, qRgb(0, 0, 0), color);
            continue;
        }
        const PageTextStyle& text = PreviewPage::TextStyle(element);
        QFont font = VerdanaFont(text.pixelSize, text.bold);
        font.setUnderline(text.underline);
        painter.setFont(font);
        painter.setPen(QColor(color));
        // A single line may run past its box in a wider stand-in face rather than lose letters; the wrapped
        // text keeps to its fixed box.
        const int flags = Qt::AlignLeft | Qt::AlignTop | (text.wrap ? Qt::TextWordWrap : Qt::TextDontClip);
        painter.drawText(box, flags, QString::fromLatin1(text.caption));
    }
    if (m_showContrast) {
        painter.setFont(TahomaFont(kBadgePixelSize));
        for (const ContrastReading& reading : m_page.Contrasts())
            DrawBadge(picture, painter, reading);
    }
    painter.end();
    return picture;
}

bool TfrmPreview::DragOver(QWidget*, QPoint)
{
    return true;
}

void TfrmPreview::DragDrop(QWidget* source, QPoint pos)
{
    ColorPart(PreviewPage::ElementAt(pos), m_main.Drag().Carried(source));
}

void TfrmPreview::ColorPart(PageElement part, ColorValue color)
{
    m_page.SetElementColor(part, color);
    m_main.MarkSchemeModified();
    PaintPage();
}

void TfrmPreview::SetUpPageKeys()
{
    // Reached by the keyboard alone; the mark round the part lies over the page, never in what is drawn or saved.
    pbPage->setFocusPolicy(Qt::TabFocus);
    m_partMark = new ItemMark(pbPage);
    pbPage->installEventFilter(this);
    HandleKeys(pbPage, [this](QKeyEvent* event) { return PageKey(event); });
    ShowFocusedPart(m_focusedPart);
}

bool TfrmPreview::PageKey(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (const std::optional<ColorValue> color = PastedColor(this))
            ColorPart(m_focusedPart, *color);
        return true;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int at = KeyOrderIndex(m_focusedPart);
    int to = at;
    switch (event->key()) {
    case Qt::Key_Tab:
        if (modifiers != Qt::NoModifier)
            return false;
        to = at + 1;
        break;
    case Qt::Key_Backtab:
        to = at - 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (modifiers != Qt::NoModifier)
            return false;
        ShowFocusedPart(kKeyOrder[std::max(at - 1, 0)]);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (modifiers != Qt::NoModifier)
            return false;
        ShowFocusedPart(kKeyOrder[std::min(at + 1, kPageElementCount - 1)]);
        return true;
    default:
        return false;
    }
    // Tab past the last part, or back before the first, goes on to the window's next stop, or round the page again
    // when it is the only one.
    if (to < 0 || to >= kPageElementCount) {
        if (HasOtherTabStop(pbPage))
            return false;
        to = (to + kPageElementCount) % kPageElementCount;
    }
    ShowFocusedPart(kKeyOrder[to]);
    return true;
}

void TfrmPreview::ShowFocusedPart(PageElement part)
{
    m_focusedPart = part;
    m_partMark->SetArea(PreviewPage::Info(part).box);
    pbPage->SpokenItemFocused(static_cast<int>(part));
}

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event)
{
    // Tab comes in at the first part, Shift+Tab at the last.
    if (watched == pbPage && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason)
            ShowFocusedPart(kKeyOrder[0]);
        else if (reason == Qt::BacktabFocusReason)
            ShowFocusedPart(kKeyOrder[kPageElementCount - 1]);
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPreview::shpBlackMouseDown(PaintBox* swatch, QMouseEvent* event)
{
    m_main.Drag().Begin(swatch, event->globalPosition().toPoint(), kSwatchDragThreshold,
        [this, swatch] { shpBlackStartDrag(swatch); });
}

void TfrmPreview::shpBlackStartDrag(PaintBox* swatch)
{
    m_main.SetSelectedColor(swatch == shpBlack ? Pack(0, 0, 0) : Pack(255, 255, 255));
}

void TfrmPreview::mnuPopShowContrastClick(bool on)
{
    if (on == m_showContrast)
        return;
    m_showContrast = on;
    PaintPage();
    // Kept at once, as the Preferences keep theirs; the badges still show or hide for this run if that fails.
    Settings settings;
    settings.SetShowContrast(on);
    if (const QString message = settings.CommitFailureMessage(settings.Commit()); !message.isEmpty())
        platform::Messages().ShowMessage(this, message);
}

void TfrmPreview::mnuPopSetBaseClick()
{
    m_main.SetBaseColor(m_main.SelectedColor());
}

void TfrmPreview::tbResetClick()
{
    const platform::Answer answer = platform::Messages().Confirm(
        this, tr("Are you sure you want to reset the current QuickPreview colors?"), platform::ConfirmButtons::YesNo);
    if (answer != platform::Answer::Yes)
        return;
    ResetPreviewColors();
    m_main.MarkSchemeModified();
}

void TfrmPreview::tbSaveClick()
{
    m_export.Save(this, m_page.Colors());
}
