// The windows in another language: every text a person reads is translated, none is cut off by the control that
// shows it, and every accelerator is unique within its menu or dialog. Run with the pseudo-translation made at
// build time (every text a third longer and marked "[!...!]"), with each shipped language, and in English, where
// the same checks hold for the texts as they have always been.
#include "app/Application.h"
#include "app/Translations.h"
#include "favorites/FavoritesList.h"
#include "favorites/TfrmFavorites.h"
#include "image/TfrmImage.h"
#include "main/PaletteSetDialog.h"
#include "main/TfrmMain.h"
#include "picker/ScreenPicker.h"
#include "platform/Fonts.h"
#include "platform/Translated.h"
#include "prefs/TfrmPreferences.h"
#include "preview/TfrmPreview.h"
#include "support/Controls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

struct Language {
    std::string name;
    bool pseudo; // the pseudo-translation, whose every text must carry its marks; else a language the program ships
};

std::ostream& operator<<(std::ostream& out, const Language& language) { return out << language.name; }

// The part of a text no pseudo-translation mark encloses: marks nest where a translated text fills in another.
QString Unmarked(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\\[!(?:(?!\\[!|!\\]).)*!\\]"),
        QRegularExpression::DotMatchesEverythingOption);
    for (QString before; before != text;) {
        before = text;
        text.remove(innermost);
    }
    return text;
}

// Where a button sets its caption, as its style lays it out: the part beside the check box's or radio button's
// mark, or inside a push button's bevel.
int TextRoom(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(&button))
        contents = QStyle::SE_RadioButtonContents;
    return button.style()->subElementRect(contents, &option, &button).width();
}

// The pseudo-translation's marks show which text went through the translation; the third it adds is what stands
// for a longer language. A text's room is measured without the marks.
int MarksWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.horizontalAdvance(QStringLiteral("[!")) * int(text.count(QLatin1String("[!")))
        + metrics.horizontalAdvance(QStringLiteral("!]")) * int(text.count(QLatin1String("!]")));
}

// The caption's own width, its accelerator mark and the pseudo-translation's marks not counted.
int TextWidth(const QAbstractButton& button)
{
    QString shown = button.text();
    shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return button.fontMetrics().horizontalAdvance(shown) - MarksWidth(button.fontMetrics(), shown);
}

// Words of English left outside the marks; colour values (FF8000) are data.
bool HasWords(const QString& text)
{
    static const QRegularExpression words(QStringLiteral("\\b(?![0-9A-Fa-f]{6}\\b)[A-Za-z]{2,}"));
    return words.match(text).hasMatch();
}

class TranslatedWindows : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        if (GetParam().pseudo) {
            m_translator = std::make_unique<QTranslator>();
            ASSERT_TRUE(m_translator->load(QStringLiteral(TW_PSEUDO_QM)));
            QCoreApplication::installTranslator(m_translator.get());
            SetShowsTranslation(true);
        } else if (GetParam().name != "English") {
            // As start-up loads it: the program's own texts and the toolkit's.
            m_installed = InstallTranslations({ QString::fromStdString(GetParam().name) }, QStringLiteral(TW_QM_DIR),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            ASSERT_FALSE(m_installed.language.isEmpty());
        }
        // Three windows apart, the main one where its menus have room below it.
        m_folder.Write(QStringLiteral("tw3.ini"), "[Main]\nLeft=345\nTop=40\n[Preview]\nLeft=0\nTop=40\n");
        m_app = std::make_unique<Application>();
        m_app->CreateToolWindows();
        m_app->Show();
        Named<QAction>(m_app->Main(), "mnuToolsPreview")->trigger();
        QApplication::processEvents();
    }

    void TearDown() override
    {
        m_app.reset();
        m_translator.reset();
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        SetShowsTranslation(false);
    }

    template <class T>
    T* Window() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<T*>(w))
                return window;
        ADD_FAILURE() << "no window of that kind";
        return nullptr;
    }

    // A text the person reads, from where: in the pseudo-translation it must be marked throughout.
    void ExpectTranslated(const QString& where, const QString& text)
    {
        if (!GetParam().pseudo || text.isEmpty())
            return;
        const QString left = Unmarked(text);
        EXPECT_FALSE(HasWords(left)) << where.toStdString() << ": \"" << text.toStdString() << "\" shows \""
                                     << left.toStdString() << "\" untranslated";
    }

    // A control's text fits the control: one line is no wider than the control gives it room for, lines that wrap
    // are no taller; and the control lies within what its parent shows of it.
    void ExpectFits(const QString& where, QWidget* control, const QSize& needed)
    {
        const bool fits = needed.width() <= control->width() && needed.height() <= control->height();
        EXPECT_TRUE(fits) << where.toStdString() << " needs " << needed.width() << "x" << needed.height()
                          << " but has " << control->width() << "x" << control->height();
        if (QWidget* parent = control->parentWidget(); parent && !control->isWindow()) {
            EXPECT_TRUE(parent->rect().contains(control->geometry()))
                << where.toStdString() << " reaches out of " << parent->objectName().toStdString();
        }
    }

    void WalkControls(QWidget* window)
    {
        const QString name = window->objectName();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window))
                continue;
            const QString where = name + QLatin1Char('/') + control->objectName();
            ExpectTranslated(where + QStringLiteral(" tip"), control->toolTip());
            ExpectTranslated(where + QStringLiteral(" name"), control->accessibleName());
            if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
                if (!kData.contains(label->objectName()))
                    ExpectTranslated(where, label->text());
                ExpectFits(where, label,
                    label->wordWrap()
                        ? QSize(label->width(), label->heightForWidth(label->width()))
                        : QSize(label->sizeHint().width() - MarksWidth(label->fontMetrics(), label->text()), 0));
            } else if (auto* button = qobject_cast<QAbstractButton*>(control);
                       button && !button->text().isEmpty() && !qobject_cast<QToolButton*>(control)) {
                // The standard buttons' captions are the toolkit's, translated by its own translation.
                const auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
                if (!box || box->standardButton(button) != QDialogButtonBox::Cancel)
                    ExpectTranslated(where, button->text());
                ExpectFits(where, button, QSize(button->width() - TextRoom(*button) + TextWidth(*button), 0));
            } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
                ExpectTranslated(where, group->title());
                ExpectFits(where, group,
                    QSize(group->minimumSizeHint().width() - MarksWidth(group->fontMetrics(), group->title()), 0));
            } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
                // An item's text, with the margins the style sets it in, within the row the tree shows.
                constexpr int kItemMargins = 8;
                for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                    QTreeWidgetItem* item = tree->topLevelItem(i);
                    ExpectTranslated(where, item->text(0));
                    EXPECT_LE(tree->visualItemRect(item).left() + tree->fontMetrics().horizontalAdvance(item->text(0))
                            + kItemMargins,
                        tree->viewport()->width())
                        << where.toStdString() << ": \"" << item->text(0).toStdString() << "\" is cut off";
                }
            }
            // The painted areas are named for screen readers; the colour's CSS name after its value is data.
            if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
                spoken && control->inherits("PaintBox")) {
                ExpectTranslated(where + QStringLiteral(" spoken"), spoken->text(QAccessible::Name).section(u',', 0, 0));
                ExpectTranslated(where + QStringLiteral(" described"), spoken->text(QAccessible::Description));
                for (int i = 0; i < spoken->childCount(); ++i)
                    ExpectTranslated(where + QStringLiteral(" part"),
                        spoken->child(i)->text(QAccessible::Name).section(u',', 0, 0));
            }
        }
        for (QMenu* menu : window->findChildren<QMenu*>())
            WalkMenu(name, menu);
    }

    void WalkMenu(const QString& window, QMenu* menu)
    {
        const QString where = window + QLatin1Char('/') + menu->objectName();
        emit menu->aboutToShow(); // menus that fill their entries as they open
        ExpectTranslated(where, menu->title());
        std::map<QString, QString> mnemonics;
        for (QAction* entry : menu->actions()) {
            // Copy entries show the text they copy.
            if (entry->isSeparator() || !entry->isVisible() || entry->data().typeId() == QMetaType::QString)
                continue;
            ExpectTranslated(where + QLatin1Char('/') + entry->objectName(), entry->text());
            ExpectUniqueMnemonic(where, mnemonics, entry->text());
        }
    }

    static void ExpectUniqueMnemonic(const QString& where, std::map<QString, QString>& taken, const QString& text)
    {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty())
            return;
        const auto [at, added] = taken.emplace(key, text);
        EXPECT_TRUE(added) << where.toStdString() << ": \"" << text.toStdString() << "\" and \""
                           << at->second.toStdString() << "\" share " << key.toStdString();
    }

    // Texts that are data, never translated: the web address beside the program's name, the status bar's
    // readout of the colour's hexadecimal value.
    const QStringList kData { QStringLiteral("lblWebsite"), QStringLiteral("sbPanel1") };

    TestFolder m_folder;
    ScriptedPlatform m_desktop;
    std::unique_ptr<QTranslator> m_translator;
    InstalledTranslations m_installed;
    std::unique_ptr<Application> m_app;
};

TEST_P(TranslatedWindows, MainWindowMenusAndMenuBarFit)
{
    TfrmMain& main = m_app->Main();
    // Main's title is the program's name and version.
    WalkControls(&main);
    // The menu titles in one row of the fixed window's menu bar: each as wide as its text and the style's padding
    // around it (as the first title has it), the pseudo-translation's marks not counted.
    std::map<QString, QString> mnemonics;
    QMenuBar* bar = main.menuBar();
    const QList<QAction*> titles = bar->actions();
    ASSERT_FALSE(titles.isEmpty());
    const auto textWidth = [bar](const QString& title) {
        QString shown = title;
        shown.remove(QLatin1Char('&'));
        return bar->fontMetrics().horizontalAdvance(shown) - MarksWidth(bar->fontMetrics(), shown);
    };
    const int padding = bar->actionGeometry(titles.first()).width() - bar->fontMetrics().horizontalAdvance(
        QString(titles.first()->text()).remove(QLatin1Char('&')));
    int row = 0;
    for (QAction* title : titles) {
        row += textWidth(title->text()) + padding;
        ExpectTranslated(QStringLiteral("menu bar"), title->text());
        ExpectUniqueMnemonic(QStringLiteral("menu bar"), mnemonics, title->text());
    }
    EXPECT_LE(row, bar->width()) << "the menu titles do not fit on the menu bar's one row";
    if (!GetParam().pseudo) {
        // Without marks, what the bar shows is the row itself.
        for (QAction* title : titles)
            EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(title))) << title->text().toStdString();
    }

    // The colour-vision sign shows in the status bar with its tip.
    Named<QAction>(main, "mnuVisionProtanopia")->trigger();
    auto* sign = Named<QLabel>(main, "sbVision");
    ASSERT_TRUE(sign->isVisible());
    ExpectTranslated(QStringLiteral("sbVision tip"), sign->toolTip());
    ExpectFits(QStringLiteral("sbVision"), sign, QSize(sign->sizeHint().width(), 0));
    EXPECT_LE(sign->width() + 40, Named<QWidget>(main, "sb")->width()) << "the sign leaves no room for the readout";
    Named<QAction>(main, "mnuVisionNormal")->trigger();
}

TEST_P(TranslatedWindows, ToolWindowsAndTheirPaintedTextFit)
{
    auto* favorites = Window<TfrmFavorites>();
    auto* preview = Window<TfrmPreview>();
    ASSERT_TRUE(favorites && preview);
    ExpectTranslated(QStringLiteral("Favorites title"), favorites->windowTitle());
    ExpectTranslated(QStringLiteral("QuickPreview title"), preview->windowTitle());
    WalkControls(favorites);
    WalkControls(preview);
    // The picker's window is the desktop's photograph; what it names is spoken.
    auto* picker = Window<ScreenPicker>();
    ASSERT_TRUE(picker);
    ExpectTranslated(QStringLiteral("picker title"), picker->windowTitle());
    WalkControls(picker);

    // The empty list's invitation is painted, a line each, centred in the list.
    auto* list = Named<QWidget>(*favorites, "pbFavs");
    const QFontMetrics metrics(TahomaFont(10));
    const QStringList lines = FavoritesList::EmptyListLines(metrics, list->width());
    ExpectTranslated(QStringLiteral("empty Favorites list"), lines.join(u' '));
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line) - MarksWidth(metrics, line), list->width())
            << "\"" << line.toStdString() << "\" is cut off";
    }
    EXPECT_LE(9 + 14 * lines.size(), list->height());
}

TEST_P(TranslatedWindows, DialogsFitAndTheirAcceleratorsAreUnique)
{
    auto* preferences = Window<TfrmPreferences>();
    ASSERT_TRUE(preferences);
    ExpectTranslated(QStringLiteral("Preferences title"), preferences->windowTitle());
    preferences->LoadPreferences();
    preferences->show();
    auto* pages = Named<QTreeWidget>(*preferences, "tvwMain");
    for (int i = 0; i < pages->topLevelItemCount(); ++i) {
        pages->setCurrentItem(pages->topLevelItem(i));
        QApplication::processEvents();
        WalkControls(preferences);
    }
    // English keeps the size the dialog was drawn at.
    if (GetParam().name == "English") {
        EXPECT_EQ(preferences->size(), QSize(472, 347));
    }
    preferences->hide();

    PaletteSetDialog exportChoice(&m_app->Main(), 1234, PaletteSet::Scheme);
    exportChoice.show();
    QApplication::processEvents();
    // Its layout fixes its size when it next runs, which a busy machine may leave for a later turn of the event
    // loop than the one above; the person only ever sees it done.
    exportChoice.layout()->activate();
    ExpectTranslated(QStringLiteral("Export Palette title"), exportChoice.windowTitle());
    WalkControls(&exportChoice);
    std::map<QString, QString> mnemonics;
    for (QAbstractButton* button : exportChoice.findChildren<QAbstractButton*>())
        ExpectUniqueMnemonic(QStringLiteral("dlgPaletteSet"), mnemonics, button->text());
    // Qt's own words come in the user's language too, where the system has them.
    if (m_installed.toolkit) {
        EXPECT_NE(Named<QAbstractButton>(exportChoice, "cmdCancel")->text(), QStringLiteral("Cancel"));
    }

    QDialog* about = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("TfrmAbout"))
            about = qobject_cast<QDialog*>(w);
    ASSERT_TRUE(about);
    ExpectTranslated(QStringLiteral("About title"), about->windowTitle());
    about->show();
    QApplication::processEvents();
    WalkControls(about);
    about->hide();
}

TEST_P(TranslatedWindows, QuestionsAndMessagesAreTranslated)
{
    TfrmMain& main = m_app->Main();
    // Reset the page: asked first.
    m_desktop.answers.push_back(platform::Answer::No);
    Named<QToolButton>(*Window<TfrmPreview>(), "tbReset")->click();
    // A scheme that is no scheme.
    m_folder.Write(QStringLiteral("broken.tw"), "no scheme at all");
    m_desktop.openChoices.push_back(m_folder.file(QStringLiteral("broken.tw")));
    Named<QAction>(main, "mnuFileOpen")->trigger();
    // A palette that is no palette.
    m_desktop.openChoices.push_back(m_folder.file(QStringLiteral("broken.tw")));
    Named<QAction>(main, "mnuFileImportPalette")->trigger();
    // Leaving a changed scheme: asked whether to save, and staying.
    main.MarkSchemeModified();
    m_desktop.answers.push_back(platform::Answer::Cancel);
    main.close();
    QApplication::processEvents();
    EXPECT_TRUE(main.isVisible());

    ASSERT_EQ(m_desktop.questions.size(), 2);
    ASSERT_EQ(m_desktop.messages.size(), 2);
    for (const QString& text : m_desktop.questions + m_desktop.messages)
        ExpectTranslated(QStringLiteral("message"), text);
    ExpectTranslated(QStringLiteral("scheme file filter"), m_desktop.dialogRequests.front().filter);
    main.ClearSchemeModified();
}

TEST_P(TranslatedWindows, PictureWindowAndItsMessagesFit)
{
    TfrmMain& main = m_app->Main();
    // Pasted, so that its name in the title and the progress text is the program's own words, not a file's.
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(qRgb(30, 90, 200));
    QPainter(&picture).fillRect(0, 0, 20, 48, qRgb(240, 200, 20));
    m_desktop.clipboardImage = picture;
    Named<QAction>(main, "mnuEditPasteImage")->trigger();
    // Made at once, shown only when taking the colours lasts.
    auto* progress = main.findChild<QProgressDialog*>(QStringLiteral("dlgPictureProgress"));
    ASSERT_TRUE(progress);
    ExpectTranslated(QStringLiteral("progress"), progress->labelText());
    QElapsedTimer clock;
    clock.start();
    TfrmImage* window = nullptr;
    for (; !window && clock.elapsed() < 10000; QApplication::processEvents(QEventLoop::AllEvents, 10)) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* image = qobject_cast<TfrmImage*>(w); image && image->isVisible())
                window = image;
    }
    ASSERT_TRUE(window) << "the picture window did not open";
    ExpectTranslated(QStringLiteral("picture window title"), window->windowTitle());
    WalkControls(window);
    window->close();

    // The refusals: nothing on the clipboard, a file that is no picture (named in digits, which are no words).
    m_desktop.clipboardImage = QImage();
    Named<QAction>(main, "mnuEditPasteImage")->trigger();
    m_folder.Write(QStringLiteral("12345"), "no picture at all");
    m_desktop.openChoices.push_back(m_folder.file(QStringLiteral("12345")));
    Named<QAction>(main, "mnuFilePaletteFromImage")->trigger();
    for (clock.restart(); m_desktop.messages.size() < 2 && clock.elapsed() < 10000;)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(m_desktop.messages.size(), 2);
    for (const QString& text : m_desktop.messages)
        ExpectTranslated(QStringLiteral("picture message"), text);
    ExpectTranslated(QStringLiteral("picture file filter"), m_desktop.dialogRequests.front().filter);
}

std::vector<Language> Languages()
{
    std::vector<Language> languages { { "English", false }, { "pseudo", true } };
    for (const QString& shipped : QStringLiteral(TW_SHIPPED_LANGUAGES).split(u' ', Qt::SkipEmptyParts))
        languages.push_back({ shipped.toStdString(), false });
    return languages;
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows, ::testing::ValuesIn(Languages()),
    [](const ::testing::TestParamInfo<Language>& info) { return info.param.name; });

} // namespace
