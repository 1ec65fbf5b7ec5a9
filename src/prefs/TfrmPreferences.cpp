#include "TfrmPreferences.h"

#include "GroupFrame.h"
#include "platform/PaletteStrip.h"
#include "main/TfrmMain.h"
#include "persist/Settings.h"
#include "platform/CaptionFit.h"
#include "platform/Canvas.h"
#include "platform/Fonts.h"
#include "platform/RatioPicture.h"
#include "platform/Services.h"
#include "platform/Translated.h"
#include "platform/WindowPlacement.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>
#include <iterator>

namespace {

constexpr QSize kClientSize(472, 347);
constexpr QPoint kPagePlace(151, 34);
// The palette pictures show the strip without its etched frame: exactly the coloured area and its outline.
const QRect kPalettePictureArea(2, 2, 253, 43);

struct Page {
    const char* node;
    const char* heading;
};
constexpr Page kPages[] = {
    //: The name of the page of general settings.
    { QT_TRANSLATE_NOOP("TfrmPreferences", "General"),
        QT_TRANSLATE_NOOP("TfrmPreferences", "General Preferences") },
    { QT_TRANSLATE_NOOP("TfrmPreferences", "Favorite Colors"),
        QT_TRANSLATE_NOOP("TfrmPreferences", "Favorite Colors Preferences") },
    { QT_TRANSLATE_NOOP("TfrmPreferences", "Color Palette"),
        QT_TRANSLATE_NOOP("TfrmPreferences", "Color Palette Preferences") },
    { QT_TRANSLATE_NOOP("TfrmPreferences", "Copy Menus"),
        QT_TRANSLATE_NOOP("TfrmPreferences", "Copy Menus Preferences") },
};
constexpr int kPageCount = static_cast<int>(std::size(kPages));

// Titles and captions are set off from their frame and their box by a space either side, outside the translation.
GroupFrame* MakeGroup(QWidget* page, const QString& title, QRect geometry)
{
    auto* group = new GroupFrame(QLatin1Char(' ') + title + QLatin1Char(' '), page);
    group->setGeometry(geometry);
    return group;
}

QCheckBox* MakeCheckBox(QWidget* group, const char* name, const QString& caption, QRect geometry)
{
    auto* box = new QCheckBox(QLatin1Char(' ') + caption, group);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QLabel* MakeWrappedLabel(QWidget* group, const QString& caption, QRect geometry)
{
    auto* label = new QLabel(caption, group);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QPoint pos)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(pos, QSize(96, 26)));
    return button;
}

// The text a step field may hold: a whole number 0..25. Only a paste can bring anything but digits.
QString CorrectedStepText(const QString& text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    if (digits.isEmpty())
        return QStringLiteral("0");
    if (digits.size() > 2 || digits.toInt() > kMaxStepPercent)
        return QString::number(kMaxStepPercent);
    return digits;
}

// The step fields take digits and backspace; every other typed character is dropped, the control
// characters of Ctrl+C, Ctrl+V and Ctrl+X included.
bool IsRefusedStepKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
    // These belong to the dialog: moving on, Apply, Cancel.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString typed = key.text();
    // Keys that type nothing (arrows, Home, End) and Delete, whose text is a control character of its own,
    // only move or erase.
    if (typed.isEmpty() || (!typed[0].isPrint() && !(key.modifiers() & Qt::ControlModifier)))
        return false;
    return !(typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9');
}

} // namespace

TfrmPreferences::TfrmPreferences(TfrmMain& main)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("TfrmPreferences"));
    setWindowTitle(tr("Tintwell Preferences"));
    setFont(TahomaFont(11));
    setFixedSize(kClientSize);

    tvwMain = new QTreeWidget(this);
    tvwMain->setObjectName(QStringLiteral("tvwMain"));
    tvwMain->setGeometry(4, 4, 140, 292);
    tvwMain->setHeaderHidden(true);
    tvwMain->setRootIsDecorated(false);
    tvwMain->setIndentation(22);
    tvwMain->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvwMain->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The chosen page stays marked while the focus is on the page's controls.
    QPalette treePalette = tvwMain->palette();
    for (QPalette::ColorRole role : { QPalette::Highlight, QPalette::HighlightedText })
        treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
    tvwMain->setPalette(treePalette);
    for (const Page& page : kPages)
        tvwMain->addTopLevelItem(new QTreeWidgetItem(QStringList(tr(page.node))));
    connect(tvwMain, &QTreeWidget::currentItemChanged, this, &TfrmPreferences::tvwMainChange);

    lblMain = new QLabel(this);
    lblMain->setObjectName(QStringLiteral("lblMain"));
    lblMain->setGeometry(151, 4, 316, 30);
    lblMain->setFont(TahomaFont(16, true));
    lblMain->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblMain->setAutoFillBackground(true);
    // Qt knows no title-bar colours; the selection colours are the desktop's nearest pair.
    QPalette headingPalette = lblMain->palette();
    headingPalette.setColor(QPalette::Window, headingPalette.color(QPalette::Active, QPalette::Highlight));
    headingPalette.setColor(QPalette::WindowText, headingPalette.color(QPalette::Active, QPalette::HighlightedText));
    lblMain->setPalette(headingPalette);

    CreateGeneralPage();
    CreateFavoritesPage();
    CreateColorPalettePage();
    CreateCopyMenusPage();

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("rule"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(0, 305, kClientSize.width(), 2);

    cmdOK = MakeButton(this, "cmdOK", tr("Apply"), { 269, 314 });
    cmdOK->setDefault(true);
    cmdCancel = MakeButton(this, "cmdCancel", tr("Cancel"), { 370, 314 });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPreferences::cmdOKClick);
    // Esc and the title bar's close button reject the dialog the same way.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    WidenForCaptions();

    m_main.CarryOut(MainCommand::EditPreferences, this, [this] { Preferences(); });

    LoadPreferences();
}

void TfrmPreferences::CreateGeneralPage()
{
    pnlGeneral = new QWidget(this);
    pnlGeneral->setObjectName(QStringLiteral("pnlGeneral"));
    pnlGeneral->setGeometry(QRect(kPagePlace, QSize(328, 268)));

    GroupFrame* general = MakeGroup(pnlGeneral, tr("General", "group of settings"), QRect(4, 9, 310, 74));
    chkRememberScheme = MakeCheckBox(
        general, "chkRememberScheme", tr("Remember color scheme between sessions"), QRect(16, 18, 232, 21));
    chkExitWarn = MakeCheckBox(
        general, "chkExitWarn", tr("Warn if scheme has not been saved before exiting"), QRect(16, 42, 291, 21));

    GroupFrame* baseColor = MakeGroup(pnlGeneral, tr("Base Color"), QRect(4, 93, 310, 71));
    lblStepAmount = MakeWrappedLabel(
        //: The doubled ampersand shows as one "&".
        baseColor, tr("Enter lighten/darken && saturate/desaturate button step amount:"), QRect(16, 18, 287, 24));
    lblStepAmount->setObjectName(QStringLiteral("lblStepAmount"));
    struct Step {
        QLineEdit** field;
        const char* name;
        QString caption;
        int x;
    };
    const Step steps[] = {
        //: Follows the field that holds the step in percent.
        { &txtLIncrement, "txtLIncrement", tr("%  Lightness (1-25%)"), 16 },
        //: Follows the field that holds the step in percent.
        { &txtSIncrement, "txtSIncrement", tr("%  Saturation (1-25%)"), 162 },
    };
    // A longer first caption moves the second field along, clear of it.
    int nextFree = 0;
    for (const Step& step : steps) {
        const int x = ShowsTranslation() ? std::max(step.x, nextFree) : step.x;
        auto* field = new QLineEdit(QStringLiteral("5"), baseColor);
        field->setObjectName(QString::fromLatin1(step.name));
        field->setGeometry(x, 40, 20, 17);
        field->setFont(TahomaFont(10));
        field->setMaxLength(2);
        field->setTextMargins(0, 0, 0, 0);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this, field] { StepFieldChange(field); });
        auto* label = new QLabel(step.caption, baseColor);
        label->setFont(TahomaFont(10));
        label->move(x + 22, 43);
        label->adjustSize();
        label->setBuddy(field);
        nextFree = label->geometry().right() + 8;
        *step.field = field;
    }
    // With a buddy the label reads its caption as a control's caption: the doubled "&" shows as one. Its buddy is
    // the group: each field is named by its own label.
    lblStepAmount->setBuddy(baseColor);

    GroupFrame* history = MakeGroup(pnlGeneral, tr("History"), QRect(4, 174, 310, 87));
    MakeWrappedLabel(
        history, tr("Use this button to clear your history of colors on the main window."), QRect(16, 18, 291, 27));
    cmdClearHist = MakeButton(history, "cmdClearHist", tr("Clear History"), { 15, 50 });
    connect(cmdClearHist, &QPushButton::clicked, this, &TfrmPreferences::cmdClearHistClick);
}

void TfrmPreferences::CreateFavoritesPage()
{
    pnlFavorites = new QWidget(this);
    pnlFavorites->setObjectName(QStringLiteral("pnlFavorites"));
    pnlFavorites->setGeometry(QRect(kPagePlace, QSize(347, 71)));

    GroupFrame* notifications = MakeGroup(pnlFavorites, tr("Notifications"), QRect(4, 9, 310, 49));
    chkDeleteWarn = MakeCheckBox(
        notifications, "chkDeleteWarn", tr("Warn before deleting Favorite Colors"), QRect(16, 18, 212, 21));
}

void TfrmPreferences::CreateColorPalettePage()
{
    pnlColorPalette = new QWidget(this);
    pnlColorPalette->setObjectName(QStringLiteral("pnlColorPalette"));
    pnlColorPalette->setGeometry(QRect(kPagePlace, QSize(323, 268)));

    GroupFrame* display = MakeGroup(pnlColorPalette, tr("Display Palette"), QRect(4, 9, 310, 253));
    struct Choice {
        QRadioButton** button;
        QLabel** picture;
        const char* name;
        const char* pictureName;
        QString caption;
        int y;
        PaletteKind kind;
    };
    const Choice choices[] = {
        { &radWebPal, &imgWebPal, "radWebPal", "imgWebPal", tr("Websafe Palette:"), 20, PaletteKind::Websafe },
        { &radSpectrumPal, &imgSpectrumPal, "radSpectrumPal", "imgSpectrumPal", tr("Spectrum Palette:"), 96,
            PaletteKind::Spectrum },
        { &radSpectrumSafePal, &imgSpectrumSafePal, "radSpectrumSafePal", "imgSpectrumSafePal",
            tr("Websafe Spectrum Palette:"), 172, PaletteKind::WebsafeSpectrum },
    };
    for (const Choice& choice : choices) {
        auto* button = new QRadioButton(QLatin1Char(' ') + choice.caption, display);
        button->setObjectName(QString::fromLatin1(choice.name));
        button->move(16, choice.y);
        button->adjustSize();
        auto* picture = new QLabel(display);
        picture->setObjectName(QString::fromLatin1(choice.pictureName));
        picture->setGeometry(QRect(QPoint(36, choice.y + 20), kPalettePictureArea.size()));
        // Drawn at the first opening rather than at start-up, where the two spectra would cost time for a dialog
        // that may never be opened.
        ShowDrawnPicture(picture, [kind = choice.kind](qreal ratio) {
            const QImage strip = DrawPalette(kind, ratio);
            const QPoint topLeft(canvas::DeviceEdge(kPalettePictureArea.left(), ratio),
                canvas::DeviceEdge(kPalettePictureArea.top(), ratio));
            const QPoint end(canvas::DeviceEdge(kPalettePictureArea.right() + 1, ratio),
                canvas::DeviceEdge(kPalettePictureArea.bottom() + 1, ratio));
            QImage shown = strip.copy(QRect(topLeft, end - QPoint(1, 1)));
            shown.setDevicePixelRatio(ratio);
            return QPixmap::fromImage(shown);
        });
        *choice.button = button;
        *choice.picture = picture;
    }
}

void TfrmPreferences::CreateCopyMenusPage()
{
    pnlCopyMenus = new QWidget(this);
    pnlCopyMenus->setObjectName(QStringLiteral("pnlCopyMenus"));
    pnlCopyMenus->setGeometry(QRect(kPagePlace, QSize(323, 104)));
    GroupFrame* formats = MakeGroup(pnlCopyMenus, tr("Copy Formats"), QRect(4, 9, 310, 88));
    chkMoreCopyFormats
        = MakeCheckBox(formats, "chkMoreCopyFormats", tr("More copy formats"), QRect(16, 18, 212, 21));
    MakeWrappedLabel(formats,
        tr("Adds the rgb(), hsl() and oklch() forms that style sheets use to every copy menu."),
        QRect(16, 44, 287, 30));
}

void TfrmPreferences::WidenForCaptions()
{
    if (!ShowsTranslation())
        return;
    // Each caption gets the width its text takes, each wrapped text the height of its lines; a group whose controls
    // then reach past its edge, or whose title is longer than its edge, sets how much wider every page must be.
    constexpr int kGroupMargin = 3;
    constexpr int kMostWider = 400;
    // Apply and Cancel: Cancel this far from the right edge, Apply this far left of it, both right of the tree.
    constexpr int kButtonMargin = 6;
    constexpr int kButtonGap = 5;
    QWidget* const pages[] = { pnlGeneral, pnlFavorites, pnlColorPalette, pnlCopyMenus };
    int wider = 0;
    for (QWidget* page : pages) {
        for (auto* group : page->findChildren<GroupFrame*>()) {
            wider = std::max(wider, group->minimumSizeHint().width() - group->width());
            for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (auto* button = qobject_cast<QAbstractButton*>(control))
                    button->resize(button->width() + CaptionOverflow(*button), button->height());
                wider = std::max(wider, control->geometry().right() + 1 + kGroupMargin - group->width());
                // Lines that would not fit the label's height are made longer instead.
                if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
                    int longer = 0;
                    while (label->heightForWidth(label->width() + longer) > label->height() && longer < kMostWider)
                        longer += 4;
                    wider = std::max(wider, longer);
                }
            }
        }
    }
    // The heading shows each page's in turn; LoadPreferences() sets the first page's.
    for (const Page& page : kPages) {
        lblMain->setText(QLatin1Char(' ') + tr(page.heading));
        wider = std::max(wider, lblMain->sizeHint().width() - lblMain->width());
    }
    for (QPushButton* button : { cmdOK, cmdCancel })
        button->resize(button->width() + CaptionOverflow(*button), button->height());
    wider = std::max(
        wider, cmdOK->width() + kButtonGap + cmdCancel->width() + kButtonMargin - (width() - kPagePlace.x()));
    if (wider <= 0)
        return;

    for (QWidget* page : pages) {
        page->resize(page->width() + wider, page->height());
        for (auto* group : page->findChildren<GroupFrame*>()) {
            group->resize(group->width() + wider, group->height());
            for (auto* label : group->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                if (label->wordWrap())
                    label->resize(label->width() + wider, label->height());
        }
    }
    lblMain->resize(lblMain->width() + wider, lblMain->height());
    setFixedSize(width() + wider, height());
    findChild<QFrame*>(QStringLiteral("rule"))->resize(width(), 2);
    cmdCancel->move(width() - kButtonMargin - cmdCancel->width(), cmdCancel->y());
    cmdOK->move(cmdCancel->x() - kButtonGap - cmdOK->width(), cmdOK->y());
}

void TfrmPreferences::LoadPreferences()
{
    const Settings settings;
    chkDeleteWarn->setChecked(settings.WarnBeforeDelete());
    chkExitWarn->setChecked(settings.WarnBeforeExit());
    chkRememberScheme->setChecked(settings.RememberScheme());
    chkMoreCopyFormats->setChecked(settings.MoreCopyFormats());

    QRadioButton* const palettes[] = { radWebPal, radSpectrumPal, radSpectrumSafePal };
    if (const std::optional<PaletteKind> kind = settings.Palette())
        palettes[static_cast<int>(*kind)]->setChecked(true);

    // The step the main window actually uses: a hand-edited value it rejects shows as the default it took, and one
    // larger than the fields hold as the largest they do.
    txtSIncrement->setText(QString::number(std::min(settings.SaturationStep(), kMaxStepPercent)));
    txtLIncrement->setText(QString::number(std::min(settings.LightnessStep(), kMaxStepPercent)));

    QTreeWidgetItem* general = tvwMain->topLevelItem(0);
    if (tvwMain->currentItem() == general)
        tvwMainChange(general);
    else
        tvwMain->setCurrentItem(general);
}

void TfrmPreferences::Preferences()
{
    LoadPreferences();
    KeepAboveOwnWindows(this);
    MoveFrameTo(this, DeviceCentredOnScreen(*this));
    // The frame is known only once the dialog is shown the first time: centred again then, by its outer size.
    WhenFramed(this, [this] { MoveFrameTo(this, DeviceCentredOnScreen(*this)); });
    exec();
}

void TfrmPreferences::tvwMainChange(QTreeWidgetItem* node)
{
    QWidget* const panels[kPageCount] = { pnlGeneral, pnlFavorites, pnlColorPalette, pnlCopyMenus };
    for (QWidget* panel : panels)
        panel->move(kPagePlace);
    if (!node)
        return;
    const int page = tvwMain->indexOfTopLevelItem(node);
    if (page < 0 || page >= kPageCount)
        return;
    lblMain->setText(QLatin1Char(' ') + tr(kPages[page].heading));
    for (int j = 0; j < kPageCount; ++j)
        panels[j]->setVisible(j == page);
}

bool TfrmPreferences::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == txtLIncrement || watched == txtSIncrement) && event->type() == QEvent::KeyPress)
        return IsRefusedStepKey(*static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void TfrmPreferences::StepFieldChange(QLineEdit* field)
{
    const QString corrected = CorrectedStepText(field->text());
    if (corrected == field->text())
        return;
    field->setText(corrected);
    // Selected, so the next digit typed replaces the correction.
    field->selectAll();
}

void TfrmPreferences::cmdOKClick()
{
    Settings settings;
    settings.SetWarnBeforeDelete(chkDeleteWarn->isChecked());
    settings.SetWarnBeforeExit(chkExitWarn->isChecked());
    settings.SetRememberScheme(chkRememberScheme->isChecked());
    settings.SetMoreCopyFormats(chkMoreCopyFormats->isChecked());

    const std::pair<const QRadioButton*, PaletteKind> palettes[] = {
        { radWebPal, PaletteKind::Websafe },
        { radSpectrumPal, PaletteKind::Spectrum },
        { radSpectrumSafePal, PaletteKind::WebsafeSpectrum },
    };
    for (const auto& [button, kind] : palettes) {
        if (button->isChecked()) {
            settings.SetPalette(kind);
            m_main.RebuildPalette(kind);
            break;
        }
    }

    // The fields hold whole numbers 0..25 (see CorrectedStepText).
    const int lightness = txtLIncrement->text().toInt();
    const int saturation = txtSIncrement->text().toInt();
    settings.SetLightnessStep(lightness);
    settings.SetSaturationStep(saturation);
    m_main.SetSteps(lightness, saturation);

    // The choices still hold for this run; only keeping them failed.
    if (const QString message = settings.CommitFailureMessage(settings.Commit(), Settings::Kept::Preferences);
        !message.isEmpty())
        platform::Messages().ShowMessage(this, message);
    accept();
}

void TfrmPreferences::cmdClearHistClick()
{
    m_main.ClearHistory();
}
