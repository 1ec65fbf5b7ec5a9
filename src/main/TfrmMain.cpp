#include "TfrmMain.h"

#include "ColorDrag.h"
#include "ColorField.h"
#include "platform/PaletteStrip.h"
#include "persist/Settings.h"
#include "platform/ToolButton.h"
#include "platform/Artwork.h"
#include "platform/Canvas.h"
#include "platform/ColorSquareIcon.h"
#include "platform/Fonts.h"
#include "platform/ItemMark.h"
#include "platform/KeyboardFocus.h"
#include "platform/PaintBox.h"
#include "platform/RatioPicture.h"
#include "platform/Services.h"
#include "platform/ShownVision.h"
#include "platform/Translated.h"
#include "platform/ToolWindow.h"
#include "platform/WindowPlacement.h"

#include <QScopedValueRollback>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <QtMath>

#include <algorithm>

namespace {

constexpr int kClientWidth = 263;
// The status bar's RGB readout, as wide as it has always been unless a language needs more for its widest value.
constexpr int kStatusRgbWidth = 104;
constexpr int kClientHeight = 294;

// Swatch n (1..16) sits at this grid cell; the ring runs clockwise from the top-left corner.
constexpr QPoint kSwatchPositions[16] = {
    { 78, 34 }, { 126, 34 }, { 174, 34 }, { 222, 34 }, { 222, 82 }, { 222, 130 }, { 222, 178 }, { 174, 178 },
    { 126, 178 }, { 78, 178 }, { 78, 130 }, { 78, 82 }, { 126, 82 }, { 174, 82 }, { 174, 130 }, { 126, 130 },
};

const char* const kHarmonyNames[kHarmonyCount] = { "mnuNone", "mnuComplements", "mnuSplitComplements", "mnuTriads",
    "mnuTetrads", "mnuAnalogous", "mnuMonochromatic" };
const char* const kHarmonyCaptions[kHarmonyCount] = {
    //: No harmony is highlighted.
    QT_TRANSLATE_NOOP("TfrmMain", "None"),
    QT_TRANSLATE_NOOP("TfrmMain", "Complements"), QT_TRANSLATE_NOOP("TfrmMain", "Split Complements"),
    QT_TRANSLATE_NOOP("TfrmMain", "Triads"), QT_TRANSLATE_NOOP("TfrmMain", "Tetrads"),
    QT_TRANSLATE_NOOP("TfrmMain", "Analogous"), QT_TRANSLATE_NOOP("TfrmMain", "Monochromatic") };

// The colour-vision modes' menu entries; the colour layer names them in English for files and object names.
const char* const kVisionCaptions[] = {
    //: Normal color vision.
    QT_TRANSLATE_NOOP("TfrmMain", "Normal"),
    QT_TRANSLATE_NOOP("TfrmMain", "Protanopia"), QT_TRANSLATE_NOOP("TfrmMain", "Deuteranopia"),
    QT_TRANSLATE_NOOP("TfrmMain", "Tritanopia"), QT_TRANSLATE_NOOP("TfrmMain", "Achromatopsia") };
static_assert(std::size(kVisionCaptions) == static_cast<std::size_t>(VisionMode::Achromatopsia) + 1,
    "a caption for each colour-vision mode, in the modes' order");

QString RgbReadout(const QString& red, const QString& green, const QString& blue)
{
    //: The status bar's readout of the red, green and blue values.
    return QLatin1Char(' ') + TfrmMain::tr("RGB: %1.%2.%3").arg(red, green, blue);
}

// The status bar's hex readout, right of the RGB one, which shares its room with the colour-vision sign while one
// shows.
QRect StatusHexPanel(const QLabel& rgbReadout)
{
    const int left = rgbReadout.geometry().right() + 3;
    return { left, 2, kClientWidth - left, 20 };
}

QLabel* MakePicture(QWidget* parent, const char* name, const QString& art, QPoint pos)
{
    const QSize size = ArtSize(art);
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    ShowDrawnPicture(label, [art, size](qreal ratio) { return ArtPixmap(art, size, ratio); });
    label->setGeometry(QRect(pos, size));
    return label;
}

QFrame* MakeBevel(QWidget* parent, QRect geometry)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setGeometry(geometry);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

// White one-pixel diagonals behind the swatches, every fifth. On a dense screen each diagonal starts on the device
// pixel its logical pixel starts on and is a whole number of device pixels wide, the same for every one.
QPixmap HatchPicture(qreal ratio)
{
    const int width = canvas::DeviceEdge(193, ratio);
    const int height = canvas::DeviceEdge(192, ratio);
    const int thickness = std::max(1, qRound(ratio));
    // Every pixel is opaque white or clear, the same in the premultiplied form a picture on the screen is kept in:
    // drawn in that form, it is shown without a converted copy.
    QImage hatch(width, height, QImage::Format_ARGB32_Premultiplied);
    hatch.fill(Qt::transparent);
    // Written line by line: pixel by pixel through setPixel it was a measurable part of start-up.
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(hatch.scanLine(y));
        for (int diagonal = 1; canvas::DeviceEdge(diagonal, ratio) - y < width; diagonal += 5) {
            const int start = canvas::DeviceEdge(diagonal, ratio) - y;
            for (int x = std::max(start, 0); x < std::min(start + thickness, width); ++x)
                line[x] = qRgb(255, 255, 255);
        }
    }
    hatch.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(hatch));
}

constexpr int kHistoryRowHeight = 16;

// The name of the style the application's style is, or builds on.
QString ApplicationStyleName()
{
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name();
}

// The application's style, except that a drop-down list drops down as a list. A style sheet said as much in one
// line, but then every paint of the box went through the style-sheet engine, the dearest control of the window's
// first paint.
class ListPopupStyle final : public QProxyStyle {
public:
    explicit ListPopupStyle(QObject* owner)
        : QProxyStyle(QStyleFactory::create(ApplicationStyleName()))
    {
        setParent(owner);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Every history row as high as its icon, whatever height the style would give a row of a list.
class HistoryRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return { QStyledItemDelegate::sizeHint(option, index).width(), kHistoryRowHeight };
    }
};

// The Tools menu names each tool-window toggle by what choosing it does next, so its entries show no check
// mark; the toggle's checked state is what a tool button shows pressed in.
class ToolsMenu final : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override
    {
        QMenu::initStyleOption(option, action);
        option->checkType = QStyleOptionMenuItem::NotCheckable;
        option->checked = false;
        option->menuHasCheckableItems = false;
    }
};

} // namespace

QString ToolWindowToggleCaption(const QString& window, bool meantVisible)
{
    //: %1 is a tool window's name, such as "Favorites".
    return (meantVisible ? TfrmMain::tr("Hide %1") : TfrmMain::tr("Show %1")).arg(window);
}

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMain"));
    m_drag = new ColorDrag(*this);
    setWindowTitle(QStringLiteral("Tintwell v3.1"));
    // A fixed single border with the system menu and minimise button, but no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ShowHintsWhenInactive(this);
    setFont(TahomaFont(11));
    CreateCommands();
    CreateControls();
    CreateMenus();
    ConnectCommands();
    FormCreate();
    // No pointer needs a cursor of the program's own before the window is on the screen, and making them is a
    // measurable part of the start-up: they follow the first paint.
    WhenFramed(this, [this] { QMetaObject::invokeMethod(this, &TfrmMain::SetCursors, Qt::QueuedConnection); });
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    auto* tlbMain = new QWidget(client);
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setGeometry(0, 3, kClientWidth, 24);
    const QSize buttonSize(23, 22);
    int x = 0;
    auto nextButton = [&](int width = 23) {
        QRect r(QPoint(x, 0), QSize(width, buttonSize.height()));
        x += width;
        return r;
    };
    tbOpen = MakeCommandButton(
        tlbMain, "tbOpen", tr("Open Scheme"), QStringLiteral("tb_open.svg"), nextButton(), mnuFileOpen);
    tbSave = MakeCommandButton(
        tlbMain, "tbSave", tr("Save Scheme"), QStringLiteral("tb_save.svg"), nextButton(), mnuFileSave);
    tbPicker = MakeCommandButton(tlbMain, "tbPicker", tr("Screen Color Picker"),
        QStringLiteral("tb_picker.svg"), nextButton(), mnuToolsPicker);
    tbWebsafe = MakeCommandButton(tlbMain, "tbWebsafe", tr("Make Websafe"),
        QStringLiteral("tb_websafe.svg"), nextButton(), mnuEditWebsafe);
    tbPreview = MakeCommandButton(tlbMain, "tbPreview", tr("QuickPreview"),
        QStringLiteral("tb_preview.svg"), nextButton(), mnuToolsPreview);
    x += 6;
    tbBack = MakeCommandButton(
        tlbMain, "tbBack", tr("Back", "to the previous base color"), QStringLiteral("tb_back.svg"), nextButton(), mnuEditUndo);
    tbForward = MakeCommandButton(
        tlbMain, "tbForward", tr("Forward", "to the next base color"), QStringLiteral("tb_forward.svg"), nextButton(), mnuEditRedo);

    cboHistory = new QComboBox(client);
    cboHistory->setObjectName(QStringLiteral("cboHistory"));
    cboHistory->setGeometry(169, 3, 92, 22);
    cboHistory->setFont(TahomaFont(9));
    cboHistory->setIconSize(QSize(16, 16));
    // Dropped down, the history is a list of eight rows that scrolls. Some styles would rather show every entry
    // in a menu as tall as the screen, and pay no heed to the number of rows.
    cboHistory->setStyle(new ListPopupStyle(cboHistory));
    cboHistory->setItemDelegate(new HistoryRowDelegate(cboHistory));
    cboHistory->setMaxVisibleItems(8);
    // Reached by the Tab key alone: a click leaves the focus where it was, and the list's look with it.
    cboHistory->setFocusPolicy(Qt::TabFocus);
    cboHistory->setAccessibleName(tr("History", "the list of base colors"));
    connect(cboHistory, &QComboBox::activated, this, &TfrmMain::HistoryListChoice);

    pbBase = new PaintBox(QStringLiteral("pbBase"), client);
    pbBase->setGeometry(5, 34, 61, 54);

    //: The red, green and blue fields' short labels.
    const QString labels[] = { tr("R:"), tr("G:"), tr("B:") };
    const QString spokenNames[] = { tr("Red"), tr("Green"), tr("Blue") };
    QLineEdit** fields[] = { &txtR, &txtG, &txtB };
    const char* fieldNames[] = { "txtR", "txtG", "txtB" };
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(labels[i], client);
        label->setGeometry(7, 92 + 20 * i, 30, 14);
        auto* field = new ColorField(ColorField::Kind::Decimal, QString::fromLatin1(fieldNames[i]), client);
        field->setText(QStringLiteral("255"));
        field->setGeometry(39, 92 + 20 * i, 26, 17);
        field->setAccessibleName(spokenNames[i]);
        label->setBuddy(field);
        *fields[i] = field;
    }
    auto* hashLabel = new QLabel(QStringLiteral("#"), client);
    hashLabel->setGeometry(7, 153, 10, 14);
    txtHex = new ColorField(ColorField::Kind::Hex, QStringLiteral("txtHex"), client);
    txtHex->setGeometry(17, 152, 48, 17);
    txtHex->setAccessibleName(tr("Hexadecimal"));
    hashLabel->setBuddy(txtHex);
    setTabOrder(txtR, txtG);
    setTabOrder(txtG, txtB);
    setTabOrder(txtB, txtHex);

    for (QLineEdit* field : { txtR, txtG, txtB })
        connect(field, &QLineEdit::textChanged, this, [this, field] { DecimalFieldChange(field); });
    connect(txtHex, &QLineEdit::textChanged, this, &TfrmMain::txtHexChange);

    imgwebsafe = MakePicture(client, "imgwebsafe", QStringLiteral("ws_tick.svg"), { 11, 175 });
    imgnotwebsafe = MakePicture(client, "imgnotwebsafe", QStringLiteral("ws_warning.svg"), { 5, 175 });
    imgsafe = MakePicture(client, "imgsafe", QStringLiteral("ws_word_safe.svg"), { 28, 177 });
    imgnotsafe = MakePicture(client, "imgnotsafe", QStringLiteral("ws_word_notsafe.svg"), { 20, 177 });
    imgwebsafe->setAccessibleName(tr("Websafe"));
    imgsafe->setAccessibleName(tr("Websafe"));
    imgnotwebsafe->setAccessibleName(tr("Not websafe: make websafe"));
    imgnotsafe->setAccessibleName(tr("Not websafe: make websafe"));

    struct Adjust {
        QToolButton** button;
        const char* name;
        QString hint;
        const char* art;
        int x;
        QAction* command;
    };
    const Adjust adjusts[] = {
        { &tbLighten, "tbLighten", tr("Lighten"), "adj_lighten.svg", 1, mnuAdjustLighten },
        { &tbDarken, "tbDarken", tr("Darken"), "adj_darken.svg", 18, mnuAdjustDarken },
        { &tbSaturate, "tbSaturate", tr("Saturate"), "adj_saturate.svg", 35, mnuAdjustSaturate },
        { &tbDesaturate, "tbDesaturate", tr("Desaturate"), "adj_desaturate.svg", 52, mnuAdjustDesaturate },
    };
    for (const Adjust& a : adjusts) {
        *a.button = MakeCommandButton(client, a.name, a.hint, QString::fromLatin1(a.art),
            QRect(a.x, 197, 17, 23), a.command);
        (*a.button)->setIconSize(QSize(13, 19));
    }

    auto* imgHatch = new QLabel(client);
    imgHatch->setObjectName(QStringLiteral("imgHatch"));
    imgHatch->setGeometry(71, 28, 193, 192);
    ShowDrawnPicture(imgHatch, HatchPicture);
    MakeBevel(client, QRect(71, 28, 193, 193));
    MakeBevel(client, QRect(120, 76, 96, 96));

    for (int n = 1; n <= 16; ++n) {
        auto* box = new PaintBox(QStringLiteral("pbColors%1").arg(n), client);
        box->setGeometry(QRect(kSwatchPositions[n - 1], QSize(37, 37)));
        pbColors[n - 1] = box;
    }

    pbPalette = new PaintBox(QStringLiteral("pbPalette"), client);
    pbPalette->setGeometry(3, 223, kPaletteWidth, kPaletteHeight);
    SetUpSwatchKeys();

    auto* sb = new QWidget(client);
    sb->setObjectName(QStringLiteral("sb"));
    sb->setGeometry(0, kClientHeight - 22, kClientWidth, 22);
    sbPanel0 = new QLabel(sb);
    sbPanel0->setObjectName(QStringLiteral("sbPanel0"));
    sbPanel0->setText(RgbReadout(QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255")));
    sbPanel0->setGeometry(
        0, 2, ShowsTranslation() ? std::max(kStatusRgbWidth, sbPanel0->sizeHint().width()) : kStatusRgbWidth, 20);
    sbPanel1 = new QLabel(sb);
    sbPanel1->setObjectName(QStringLiteral("sbPanel1"));
    sbPanel1->setGeometry(StatusHexPanel(*sbPanel0));
    // Shown only while the colours are seen as with a colour-vision deficiency.
    sbVision = new QLabel(sb);
    sbVision->setObjectName(QStringLiteral("sbVision"));
    sbVision->setFont(TahomaFont(9, true));
    sbVision->setAlignment(Qt::AlignCenter);
    sbVision->hide();
    for (QLabel* panel : { sbPanel0, sbPanel1, sbVision })
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void TfrmMain::SetCursors()
{
    imgnotwebsafe->setCursor(AppCursor(CursorId::Hand));
    imgnotsafe->setCursor(AppCursor(CursorId::Hand));
    for (PaintBox* box : pbColors)
        box->setCursor(AppCursor(CursorId::Hand));
    pbPalette->setCursor(AppCursor(CursorId::Dropper));
}

void TfrmMain::SetUpSwatchKeys()
{
    // The colour areas take the focus from the Tab key only, so a click shows nothing new; the ring a focused area
    // shows lies outside its own pixels. The fields come first, as they always have.
    pbBase->setFocusPolicy(Qt::TabFocus);
    ShowFocusRing(pbBase);
    setTabOrder(txtHex, pbBase);
    // The grid is one stop of the Tab key, at the swatch that had the focus last; the arrow keys move among the
    // swatches as they stand on the screen.
    QWidget* previous = pbBase;
    for (int n = 1; n <= 16; ++n) {
        PaintBox* swatch = pbColors[n - 1];
        swatch->setFocusPolicy(n == 1 ? Qt::TabFocus : Qt::NoFocus);
        ShowFocusRing(swatch);
        setTabOrder(previous, swatch);
        previous = swatch;
        HandleKeys(swatch, [this, n](QKeyEvent* event) {
            if (event->modifiers() & ~Qt::KeypadModifier)
                return false;
            constexpr int kPitch = 48;
            QPoint step;
            switch (event->key()) {
            case Qt::Key_Left: step = { -kPitch, 0 }; break;
            case Qt::Key_Right: step = { kPitch, 0 }; break;
            case Qt::Key_Up: step = { 0, -kPitch }; break;
            case Qt::Key_Down: step = { 0, kPitch }; break;
            default: return false;
            }
            const QPoint to = kSwatchPositions[n - 1] + step;
            const auto next = std::find(std::begin(kSwatchPositions), std::end(kSwatchPositions), to);
            if (next != std::end(kSwatchPositions)) {
                PaintBox* target = pbColors[static_cast<std::size_t>(next - std::begin(kSwatchPositions))];
                target->setFocusPolicy(Qt::TabFocus);
                target->setFocus(Qt::TabFocusReason);
                pbColors[n - 1]->setFocusPolicy(Qt::NoFocus);
            }
            return true;
        });
    }
    pbPalette->setFocusPolicy(Qt::TabFocus);
    ShowFocusRing(pbPalette);
    setTabOrder(previous, pbPalette);
    setTabOrder(pbPalette, cboHistory);
    // The first field takes the focus when the window opens, as it did before the other stops were added.
    txtR->setFocus();
}

void TfrmMain::CreateCommands()
{
    auto command = [this](const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    mnuFileNew = command("mnuFileNew", tr("&New Scheme"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = command("mnuFileOpen", tr("&Open Scheme..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = command("mnuFileSave", tr("&Save Scheme..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileExportPalette = command("mnuFileExportPalette", tr("&Export Palette..."));
    mnuFileImportPalette = command("mnuFileImportPalette", tr("&Import Palette..."));
    mnuFilePaletteFromImage = command("mnuFilePaletteFromImage", tr("Palette from Ima&ge..."));
    mnuEditPasteImage = command("mnuEditPasteImage", tr("Paste &Image as Palette"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    mnuFileExit = command("mnuFileExit", tr("E&xit"));
    mnuEditUndo = command("mnuEditUndo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = command("mnuEditRedo", tr("&Redo"));
    mnuEditPreferences = command("mnuEditPreferences", tr("&Preferences..."));
    mnuEditWebsafe = command("mnuEditWebsafe", tr("Make &Websafe"), QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuAdjustLighten = command("mnuAdjustLighten", tr("Lighten"), QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuAdjustDarken = command("mnuAdjustDarken", tr("Darken"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuAdjustSaturate = command("mnuAdjustSaturate", tr("Saturate"));
    mnuAdjustDesaturate = command("mnuAdjustDesaturate", tr("Desaturate"));
    mnuRYB = command("mnuRYB", tr("Traditional Color Wheel (RYB)"));
    mnuRGB = command("mnuRGB", tr("Computer Color Wheel (RGB)"));
    for (int i = 0; i < kHarmonyCount; ++i)
        mnuHarmony[i] = command(kHarmonyNames[i], tr(kHarmonyCaptions[i]));
    mnuToolsFavs = command("mnuToolsFavs", QString());
    mnuToolsPreview = command("mnuToolsPreview", QString());
    mnuToolsPicker = command("mnuToolsPicker", tr("Screen Color Picker"), QKeySequence(Qt::Key_F3));
    mnuHelpHelp = command("mnuHelpHelp", tr("Tintwell v3 Help"), QKeySequence(Qt::Key_F1));
    mnuHelpWebsite = command("mnuHelpWebsite", tr("Tintwell Website"));
    mnuHelpForums = command("mnuHelpForums", tr("Tintwell Forums"));
    mnuHelpTutorial = command("mnuHelpTutorial", tr("Online Color Tutorial"));
    mnuHelpAbout = command("mnuHelpAbout", tr("About Tintwell v3"));

    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuEditUndo, &QAction::triggered, this, &TfrmMain::Back);
    connect(mnuEditRedo, &QAction::triggered, this, &TfrmMain::Forward);

    auto* harmonyGroup = new QActionGroup(this);
    for (QAction* item : mnuHarmony) {
        item->setCheckable(true);
        harmonyGroup->addAction(item);
    }
    mnuHarmony[0]->setChecked(true);
    connect(harmonyGroup, &QActionGroup::triggered, this, &TfrmMain::HarmonyClick);
    auto* wheelGroup = new QActionGroup(this);
    for (QAction* item : { mnuRYB, mnuRGB }) {
        item->setCheckable(true);
        wheelGroup->addAction(item);
    }
    mnuRYB->setChecked(true);
    connect(wheelGroup, &QActionGroup::triggered, this, &TfrmMain::WheelModeClick);

    auto* visionGroup = new QActionGroup(this);
    for (const VisionModeInfo& info : VisionModes()) {
        auto* item = new QAction(
            tr(kVisionCaptions[static_cast<int>(info.mode)]), this);
        item->setObjectName(QStringLiteral("mnuVision") + QString::fromLatin1(info.name));
        item->setCheckable(true);
        item->setChecked(info.mode == VisionMode::Normal);
        item->setData(static_cast<int>(info.mode));
        visionGroup->addAction(item);
        mnuVision.push_back(item);
    }
    connect(visionGroup, &QActionGroup::triggered, this, &TfrmMain::VisionClick);

    // The Favorites window is shown at start-up, QuickPreview when its toggle is first used.
    const std::pair<QAction*, QString> toggles[] = { { mnuToolsFavs, tr("Favorites") },
        { mnuToolsPreview, tr("QuickPreview") } };
    for (const auto& [toggle, window] : toggles) {
        toggle->setCheckable(true);
        connect(toggle, &QAction::toggled, this,
            [toggle, window](bool meantVisible) { toggle->setText(ToolWindowToggleCaption(window, meantVisible)); });
        toggle->setText(ToolWindowToggleCaption(window, false));
    }
    mnuToolsFavs->setChecked(true);

    // Commands that arrive with their own windows and dialogs stay disabled until then.
    for (QAction* later : { mnuFileNew, mnuFileOpen, mnuFileSave, mnuFileExportPalette, mnuFileImportPalette,
             mnuFilePaletteFromImage, mnuEditPasteImage,
             mnuEditPreferences, mnuToolsFavs, mnuToolsPreview,
             mnuHelpHelp, mnuHelpWebsite, mnuHelpForums, mnuHelpTutorial, mnuHelpAbout })
        later->setEnabled(false);
}

QAction* TfrmMain::Command(MainCommand command) const
{
    switch (command) {
    case MainCommand::FileNew:
        return mnuFileNew;
    case MainCommand::FileOpen:
        return mnuFileOpen;
    case MainCommand::FileSave:
        return mnuFileSave;
    case MainCommand::FileExportPalette:
        return mnuFileExportPalette;
    case MainCommand::FileImportPalette:
        return mnuFileImportPalette;
    case MainCommand::FilePaletteFromImage:
        return mnuFilePaletteFromImage;
    case MainCommand::EditPasteImage:
        return mnuEditPasteImage;
    case MainCommand::EditPreferences:
        return mnuEditPreferences;
    case MainCommand::ToolsFavorites:
        return mnuToolsFavs;
    case MainCommand::ToolsPreview:
        return mnuToolsPreview;
    case MainCommand::ToolsPicker:
        return mnuToolsPicker;
    case MainCommand::AddToFavorites:
        return mnuPopAddFavorite;
    case MainCommand::HelpHelp:
        return mnuHelpHelp;
    case MainCommand::HelpWebsite:
        return mnuHelpWebsite;
    case MainCommand::HelpForums:
        return mnuHelpForums;
    case MainCommand::HelpTutorial:
        return mnuHelpTutorial;
    case MainCommand::HelpAbout:
        return mnuHelpAbout;
    }
    Q_UNREACHABLE();
}

void TfrmMain::CarryOut(MainCommand command, const QObject* context, std::function<void()> handler) const
{
    QAction* action = Command(command);
    action->setEnabled(true);
    connect(action, &QAction::triggered, context, std::move(handler));
}

void TfrmMain::CreateMenus()
{
    auto menu = [this](QMenu* parent, const char* name, const QString& title) {
        QMenu* m = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    QMenu* mnuFile = menu(nullptr, "mnuFile", tr("&File"));
    mnuFile->addActions({ mnuFileNew, mnuFileOpen, mnuFileSave });
    mnuFile->addSeparator();
    mnuFile->addActions({ mnuFileExportPalette, mnuFileImportPalette, mnuFilePaletteFromImage });
    mnuFile->addSeparator();
    mnuFile->addAction(mnuFileExit);

    QMenu* mnuEdit = menu(nullptr, "mnuEdit", tr("&Edit"));
    mnuEdit->addActions({ mnuEditUndo, mnuEditRedo });
    mnuEdit->addSeparator();
    mnuEditCopyBase = menu(mnuEdit, "mnuEditCopyBase", tr("&Copy Base Color"));
    mnuEdit->addAction(mnuEditPasteImage);
    mnuEdit->addSeparator();
    mnuEdit->addAction(mnuEditPreferences);

    QMenu* mnuAdjust = menu(nullptr, "mnuAdjust", tr("&Adjust"));
    mnuAdjust->addAction(mnuEditWebsafe);
    mnuAdjust->addSeparator();
    mnuAdjust->addActions({ mnuAdjustLighten, mnuAdjustDarken, mnuAdjustSaturate, mnuAdjustDesaturate });

    auto* mnuTools = new ToolsMenu(tr("&Tools"), menuBar());
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    menuBar()->addMenu(mnuTools);
    menu(mnuTools, "mnuToolsHarmonies", tr("Highlight Harmonies"))
        ->addActions({ mnuHarmony.begin(), mnuHarmony.end() });
    menu(mnuTools, "mnuToolsWheelMode", tr("Color Wheel Mode"))->addActions({ mnuRYB, mnuRGB });
    menu(mnuTools, "mnuToolsVision", tr("Simulate Color Vision"))->addActions(mnuVision);
    mnuTools->addSeparator();
    mnuTools->addActions({ mnuToolsFavs, mnuToolsPreview });
    mnuTools->addSeparator();
    mnuTools->addAction(mnuToolsPicker);

    QMenu* mnuHelp = menu(nullptr, "mnuHelp", tr("&Help"));
    mnuHelp->addAction(mnuHelpHelp);
    mnuHelp->addSeparator();
    mnuHelp->addActions({ mnuHelpWebsite, mnuHelpForums, mnuHelpTutorial });
    mnuHelp->addSeparator();
    mnuHelp->addAction(mnuHelpAbout);
}

void TfrmMain::FormCreate()
{
    const Settings settings;
    RebuildPalette(settings.Palette());

    // The wheel before the colour: computed on the other wheel first, a hue just under a full turn would come back
    // from the traditional one slightly changed, and the computer wheel would then show that instead of the colour.
    (settings.Wheel() == WheelMode::Traditional ? mnuRYB : mnuRGB)->setChecked(true);
    SetBaseColor(settings.BaseColor());

    mnuHarmony[static_cast<int>(settings.Highlight())]->setChecked(true);
    for (int n = 1; n <= 16; ++n)
        PaintSwatch(n);

    m_saturationStep = settings.SaturationStep();
    m_lightnessStep = settings.LightnessStep();

    adjustSize();
    setFixedSize(size());
    PlaceWindow(settings);
    // The window manager adds the frame only when the window is shown: a window centred on the screen is centred
    // again then, by its outer size, from the settings as they were read now. A window put back where it was left
    // is not asked there again: the window manager may have moved it (onto the screen, from a monitor that is
    // gone), and where it put the window is where the window is.
    if (!settings.MainPlaceStored()) {
        WhenFramed(this, [this, settings] { PlaceWindow(settings); });
    } else if (devicePixelRatioF() != 1) {
        // On a scaled desktop the toolkit put the frame only near its device pixel; unless the window manager took
        // it elsewhere, it goes right there now.
        WhenFramed(this, [this, asked = DevicePlace(settings.MainPlace({}), devicePixelRatioF())] {
            if ((DeviceFrame(*this).topLeft() - asked).manhattanLength() <= 2 * qCeil(devicePixelRatioF()))
                MoveFrameTo(this, asked);
        });
    }

    ApplyHistoryEnabling();
}

void TfrmMain::PlaceWindow(const Settings& settings)
{
    const qreal ratio = devicePixelRatioF();
    const QPoint centred = DeviceCentredOnScreen(*this);
    const QPoint centredLogical = LogicalPlace(centred, ratio);
    const QPoint logical = settings.MainPlace(centredLogical);
    // A coordinate the file does not hold stays centred to the device pixel.
    QPoint device = DevicePlace(logical, ratio);
    if (logical.x() == centredLogical.x())
        device.setX(centred.x());
    if (logical.y() == centredLogical.y())
        device.setY(centred.y());
    MoveFrameTo(this, device);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (m_closeQuery && !m_closeQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    emit closing();
    event->accept();
    emit closed();
}

void TfrmMain::FormClose()
{
    Settings settings;
    const QRect main = frameGeometry();
    const ToolWindowPlaces tools = m_toolWindowPlaces ? m_toolWindowPlaces() : ToolWindowPlaces {};
    // Windows that do not exist yet (a close right after start-up) keep the places they were to take.
    settings.SetFavoritesPlace(tools.favorites.value_or(settings.FavoritesPlace(main)));
    settings.SetPreviewPlace(tools.preview.value_or(settings.PreviewPlace(main, 333)));
    settings.SetMainPlace(LogicalPlace(DeviceFrame(*this).topLeft(), devicePixelRatioF()));
    settings.SetBaseColor(ChosenBaseColor());
    settings.SetHighlight(CheckedHarmony());
    settings.SetWheel(CheckedWheelMode());
    settings.SetFavoritesOnTop(tools.favoritesOnTop);
    if (const QString message = settings.CommitFailureMessage(settings.Commit()); !message.isEmpty())
        platform::Messages().ShowMessage(this, message);
}

WheelMode TfrmMain::CheckedWheelMode() const
{
    return mnuRYB->isChecked() ? WheelMode::Traditional : WheelMode::Computer;
}

Harmony TfrmMain::CheckedHarmony() const
{
    for (int i = 0; i < kHarmonyCount; ++i) {
        if (mnuHarmony[i]->isChecked())
            return static_cast<Harmony>(i);
    }
    return Harmony::None;
}

void TfrmMain::SetBaseColor(ColorValue color)
{
    // The colour already shown is the scheme's first colour, and also the colour last given here: a hue just
    // under a full turn comes back from the traditional wheel slightly changed, yet entering it again is no
    // new colour (the fields still show it, and every key let go in them gives it back).
    const bool alreadyShown = color == m_schemeColors[0] || color == m_shownColor;
    if (alreadyShown && isVisible() && !m_reshowing)
        return;
    m_shownColor = color;
    AssignText(txtHex, QString::fromStdString(HexText(color)));
    // When the fields already showed this colour, no change ran to bring BaseColor along: a palette preview taken
    // back, or a pointer leaving a swatch, may have put the scheme's colour there meanwhile.
    if (m_baseColor != color) {
        m_baseColor = color;
        PaintBaseArea();
    }
    m_schemeColors = ComputeScheme(m_baseColor, CheckedWheelMode());
    for (int n = 1; n <= 16; ++n)
        PaintSwatch(n);
    if (!m_reshowing)
        AddHistoryEntry(color);
    m_selectedColor = color;
    UpdateStatusBar();
    UpdateWebsafeIndicator();
    ApplyHistoryEnabling();
}

ColorValue TfrmMain::ChosenBaseColor() const
{
    // Leaving the strip puts the scheme's colour back: that is the colour the preview stands in front of.
    return m_previewing ? m_schemeColors[0] : m_baseColor;
}

void TfrmMain::UpdateStatusBar()
{
    m_previewing = false;
    if (m_schemeColors[0] != m_baseColor) {
        m_baseColor = m_schemeColors[0];
        PaintBaseArea();
    }
    sbPanel0->setText(RgbReadout(txtR->text(), txtG->text(), txtB->text()));
    sbPanel1->setText(QString::fromStdString(StatusHexText(m_baseColor)));
}

void TfrmMain::PaintBaseArea()
{
    const QRgb fill = canvas::ToRgb(m_baseColor);
    pbBase->SetSurfaceSource([w = pbBase->width(), h = pbBase->height(), fill](qreal ratio) {
        QImage picture = canvas::NewPicture(w, h, canvas::ButtonShadow(), ratio);
        canvas::Rectangle(picture, -1, -1, w, h, qRgb(255, 255, 255), canvas::ButtonShadow());
        canvas::Rectangle(picture, 1, 1, w - 1, h - 1, qRgb(0, 0, 0), fill);
        return picture;
    });
}

void TfrmMain::PaintSwatch(int number)
{
    PaintBox* box = pbColors[number - 1];
    const QRgb fill = canvas::ToRgb(m_schemeColors[number - 1]);
    const bool ringed = IsHarmonyMember(number - 1, CheckedHarmony());
    box->SetSurfaceSource([w = box->width(), h = box->height(), fill, ringed](qreal ratio) {
        QImage picture = canvas::NewPicture(w, h, qRgb(255, 255, 255), ratio);
        canvas::Rectangle(picture, 0, 0, w + 1, h + 1, canvas::ButtonShadow(), qRgb(255, 255, 255));
        canvas::Rectangle(picture, 1, 1, w - 1, h - 1, qRgb(0, 0, 0), fill);
        if (ringed) {
            canvas::Rectangle(picture, 2, 2, w - 2, h - 2, qRgb(255, 255, 255), fill);
            canvas::Rectangle(picture, 3, 3, w - 3, h - 3, qRgb(0, 0, 0), fill);
        }
        return picture;
    });
}

int TfrmMain::FieldNumber(const QLineEdit* field) const
{
    const QString text = field->text().trimmed();
    if (text.isEmpty())
        return 0;
    for (QChar ch : text) {
        if (!ch.isDigit())
            return 0; // only a paste can bring other characters here
    }
    // Any run of digits longer than three is above the largest channel.
    return text.size() > 3 ? 256 : text.toInt();
}

ColorValue TfrmMain::FieldColor() const
{
    return Pack(FieldNumber(txtR), FieldNumber(txtG), FieldNumber(txtB));
}

void TfrmMain::DecimalFieldChange(QLineEdit* field)
{
    if (field->text().trimmed().isEmpty()) {
        field->setText(QStringLiteral("0"));
        field->setSelection(0, 1);
    } else if (FieldNumber(field) >= 256) {
        field->setText(QStringLiteral("255"));
        field->setSelection(0, 3);
    }
    m_baseColor = FieldColor();
    m_previewing = false;
    PaintBaseArea();
    AssignText(txtHex, QString::fromStdString(HexText(m_baseColor)));
}

void TfrmMain::txtHexChange()
{
    Rgb rgb;
    // One byte per character, so the length counted is the length shown.
    if (!ParseHexText(txtHex->text().toLatin1().toStdString(), rgb))
        return;
    AssignText(txtR, QString::number(rgb.r));
    AssignText(txtG, QString::number(rgb.g));
    AssignText(txtB, QString::number(rgb.b));
}

void TfrmMain::UpdateWebsafeIndicator()
{
    const bool websafe = IsWebsafe(FieldNumber(txtR), FieldNumber(txtG), FieldNumber(txtB));
    imgwebsafe->setVisible(websafe);
    imgsafe->setVisible(websafe);
    imgnotwebsafe->setVisible(!websafe);
    imgnotsafe->setVisible(!websafe);
}

void TfrmMain::HarmonyClick(QAction*)
{
    ReshowBaseColor(m_schemeColors[0]);
}

void TfrmMain::VisionClick(QAction* item)
{
    const auto mode = static_cast<VisionMode>(item->data().toInt());
    SetShownVision(mode);
    UpdateVisionSign();
}

void TfrmMain::UpdateVisionSign()
{
    // The status bar has room for the colour readout and a short word beside it; the tip says it in full.
    struct Sign {
        VisionMode mode;
        const char* word;
        const char* inSentence; // the mode's name inside the tip's sentence
    };
    static constexpr Sign kSigns[] = {
        { VisionMode::Protanopia,
            //: A short sign in the status bar for the simulated color vision.
            QT_TRANSLATE_NOOP("TfrmMain", "Protan"),
            //: Inside the sentence "Colors are shown as seen with %1".
            QT_TRANSLATE_NOOP("TfrmMain", "protanopia") },
        { VisionMode::Deuteranopia,
            //: A short sign in the status bar for the simulated color vision.
            QT_TRANSLATE_NOOP("TfrmMain", "Deutan"),
            //: Inside the sentence "Colors are shown as seen with %1".
            QT_TRANSLATE_NOOP("TfrmMain", "deuteranopia") },
        { VisionMode::Tritanopia,
            //: A short sign in the status bar for the simulated color vision.
            QT_TRANSLATE_NOOP("TfrmMain", "Tritan"),
            //: Inside the sentence "Colors are shown as seen with %1".
            QT_TRANSLATE_NOOP("TfrmMain", "tritanopia") },
        { VisionMode::Achromatopsia,
            //: A short sign in the status bar for the simulated color vision.
            QT_TRANSLATE_NOOP("TfrmMain", "Achromat"),
            //: Inside the sentence "Colors are shown as seen with %1".
            QT_TRANSLATE_NOOP("TfrmMain", "achromatopsia") },
    };
    const QRect full = StatusHexPanel(*sbPanel0);
    const VisionMode mode = ShownVision();
    const auto sign = std::find_if(std::begin(kSigns), std::end(kSigns), [mode](const Sign& s) { return s.mode == mode; });
    if (sign == std::end(kSigns)) {
        sbVision->hide();
        sbPanel1->setGeometry(full);
        return;
    }
    sbVision->setText(tr(sign->word));
    sbVision->setToolTip(tr("Colors are shown as seen with %1; what is copied, saved and picked keeps its "
                            "true colors (Tools, Simulate Color Vision)")
                             .arg(tr(sign->inSentence)));
    const int width = sbVision->fontMetrics().horizontalAdvance(sbVision->text()) + 8;
    sbVision->setGeometry(full.right() + 1 - width, full.top(), width, full.height());
    sbPanel1->setGeometry(full.adjusted(0, 0, -width - 2, 0));
    sbVision->show();
}

void TfrmMain::WheelModeClick(QAction*)
{
    ReshowBaseColor(m_schemeColors[0]);
}

void TfrmMain::ReshowBaseColor(ColorValue color)
{
    const QScopedValueRollback<bool> noHistoryEntry(m_reshowing, true);
    SetBaseColor(color);
}

int TfrmMain::HistoryCount() const { return m_history.Count(); }
int TfrmMain::HistoryIndex() const { return m_history.Index(); }

void TfrmMain::AddHistoryEntry(ColorValue color)
{
    const int added = m_history.Add(color);
    while (cboHistory->count() > added)
        cboHistory->removeItem(cboHistory->count() - 1);
    cboHistory->addItem(ColorSquareIcon(canvas::ToRgb(color)), QString::fromStdString(HashHexText(color)));
    cboHistory->setCurrentIndex(added);
}

void TfrmMain::HistoryListChoice(int index)
{
    if (m_history.Select(index))
        SelectHistoryEntry();
}

void TfrmMain::SelectHistoryEntry()
{
    cboHistory->setCurrentIndex(m_history.Index());
    AssignText(txtHex, QString::fromStdString(HexText(m_history.Selected())));
    // The fields now show the entry; BaseColor does not follow them when they showed it already.
    ReshowBaseColor(FieldColor());
}

void TfrmMain::Back()
{
    if (m_history.Back())
        SelectHistoryEntry();
    ApplyHistoryEnabling();
}

void TfrmMain::Forward()
{
    if (m_history.Forward())
        SelectHistoryEntry();
    ApplyHistoryEnabling();
}

void TfrmMain::ClearHistory()
{
    const ColorValue base = ChosenBaseColor();
    m_history = {};
    cboHistory->clear();
    AddHistoryEntry(base);
    ApplyHistoryEnabling();
}

void TfrmMain::ApplyHistoryEnabling()
{
    mnuEditUndo->setEnabled(m_history.CanGoBack());
    mnuEditRedo->setEnabled(m_history.CanGoForward());
}
