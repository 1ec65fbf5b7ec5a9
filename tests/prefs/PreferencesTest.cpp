#include "platform/PaletteStrip.h"
#include "main/TfrmMain.h"
#include "platform/Canvas.h"
#include "persist/IniFile.h"
#include "platform/PaintBox.h"
#include "prefs/TfrmPreferences.h"
#include "support/Controls.h"
#include "support/FileReplacements.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<TfrmMain>();
        main->show();
        prefs = std::make_unique<TfrmPreferences>(*main);
    }

    // What the Preferences command does, without waiting in a modal loop.
    void Open()
    {
        prefs->LoadPreferences();
        prefs->show();
    }

    // The dialog's controls, found by their object names.
    QTreeWidget* Tree() const { return Named<QTreeWidget>(*prefs, "tvwMain"); }
    QLabel* Heading() const { return Named<QLabel>(*prefs, "lblMain"); }
    QWidget* Page(const char* name) const { return Named<QWidget>(*prefs, name); }
    QCheckBox* Check(const char* name) const { return Named<QCheckBox>(*prefs, name); }
    QRadioButton* Radio(const char* name) const { return Named<QRadioButton>(*prefs, name); }
    QPushButton* Button(const char* name) const { return Named<QPushButton>(*prefs, name); }
    QLineEdit* LightnessStep() const { return Named<QLineEdit>(*prefs, "txtLIncrement"); }
    QLineEdit* SaturationStep() const { return Named<QLineEdit>(*prefs, "txtSIncrement"); }

    QString Stored(const char* key) const
    {
        return IniFile(SettingsPath()).ReadString(QStringLiteral("Prefs"), QString::fromLatin1(key), QStringLiteral("<none>"));
    }

    void ChoosePage(const char* node)
    {
        const auto found = Tree()->findItems(QString::fromLatin1(node), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect row = Tree()->visualItemRect(found[0]);
        mouse::Click(Tree()->viewport(), row.center());
    }

    QWidget* VisiblePage() const
    {
        QWidget* shown = nullptr;
        for (const char* name : { "pnlGeneral", "pnlFavorites", "pnlColorPalette", "pnlCopyMenus" }) {
            QWidget* page = Page(name);
            EXPECT_EQ(page->pos(), QPoint(151, 34));
            if (page->isVisible()) {
                EXPECT_EQ(shown, nullptr) << "two pages shown";
                shown = page;
            }
        }
        return shown;
    }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmPreferences> prefs;
};

TEST_F(PreferencesTest, FirstOpeningShowsTheDefaultsOnTheGeneralPage)
{
    Open();
    EXPECT_EQ(prefs->windowTitle(), "Tintwell Preferences");
    EXPECT_EQ(prefs->size(), QSize(472, 347));
    EXPECT_EQ(Heading()->text(), " General Preferences");
    EXPECT_EQ(VisiblePage(), Page("pnlGeneral"));
    EXPECT_TRUE(Check("chkRememberScheme")->isChecked());
    EXPECT_TRUE(Check("chkExitWarn")->isChecked());
    EXPECT_FALSE(Check("chkDeleteWarn")->isChecked());
    EXPECT_FALSE(Check("chkMoreCopyFormats")->isChecked());
    EXPECT_TRUE(Radio("radWebPal")->isChecked());
    EXPECT_EQ(LightnessStep()->text(), "5");
    EXPECT_EQ(SaturationStep()->text(), "5");
    EXPECT_TRUE(Button("cmdOK")->isDefault());
    EXPECT_TRUE(Named<QAction>(*main, "mnuEditPreferences")->isEnabled());
}

TEST_F(PreferencesTest, CaptionsKeepTheirSpacesAndTheDoubledAmpersandShowsAsOne)
{
    QStringList titles;
    for (const QGroupBox* group : prefs->findChildren<QGroupBox*>())
        titles << group->title();
    titles.sort();
    EXPECT_EQ(titles, QStringList({ " Base Color ", " Copy Formats ", " Display Palette ", " General ", " History ",
                          " Notifications " }));
    EXPECT_EQ(Check("chkRememberScheme")->text(), " Remember color scheme between sessions");
    EXPECT_EQ(Check("chkExitWarn")->text(), " Warn if scheme has not been saved before exiting");
    EXPECT_EQ(Check("chkDeleteWarn")->text(), " Warn before deleting Favorite Colors");
    EXPECT_EQ(Check("chkMoreCopyFormats")->text(), " More copy formats");
    EXPECT_EQ(Radio("radWebPal")->text(), " Websafe Palette:");
    EXPECT_EQ(Radio("radSpectrumPal")->text(), " Spectrum Palette:");
    EXPECT_EQ(Radio("radSpectrumSafePal")->text(), " Websafe Spectrum Palette:");
    EXPECT_EQ(Button("cmdClearHist")->text(), "Clear History");
    EXPECT_EQ(Button("cmdOK")->text(), "Apply");
    EXPECT_EQ(Button("cmdCancel")->text(), "Cancel");

    // The stored caption has "&&"; on screen it must read exactly like the same words with a single "&".
    Open();
    QLabel* label = Named<QLabel>(*prefs, "lblStepAmount");
    ASSERT_EQ(label->text(), "Enter lighten/darken && saturate/desaturate button step amount:");
    QLabel plain(QStringLiteral("Enter lighten/darken & saturate/desaturate button step amount:"), label->parentWidget());
    plain.setWordWrap(true);
    plain.setAlignment(label->alignment());
    plain.setGeometry(label->geometry());
    plain.show();
    EXPECT_EQ(label->grab().toImage(), plain.grab().toImage());
}

TEST_F(PreferencesTest, PalettePicturesAreTheStripsWithoutTheirFrame)
{
    Open();
    const std::pair<QLabel*, PaletteKind> pictures[] = {
        { Named<QLabel>(*prefs, "imgWebPal"), PaletteKind::Websafe },
        { Named<QLabel>(*prefs, "imgSpectrumPal"), PaletteKind::Spectrum },
        { Named<QLabel>(*prefs, "imgSpectrumSafePal"), PaletteKind::WebsafeSpectrum },
    };
    // Drawn when the page first shows them, for the screen's ratio (ctest's prefs_dpr2 runs this at 2): every
    // device pixel is the strip's own at that ratio, not the ordinary picture stretched.
    const qreal ratio = prefs->devicePixelRatioF();
    if (const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR"); !scale.isEmpty()) {
        ASSERT_EQ(ratio, scale.toDouble()) << "the dense-screen pass did not get a dense screen";
    }
    for (const auto& [picture, kind] : pictures)
        picture->grab();
    const QImage websafe = Named<QLabel>(*prefs, "imgWebPal")->pixmap().toImage();
    for (const auto& [picture, kind] : pictures) {
        const QImage shown = picture->pixmap().toImage();
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        ASSERT_EQ(shown.size(), QSize(canvas::DeviceEdge(253, ratio), canvas::DeviceEdge(43, ratio)));
        const QImage strip = DrawPalette(kind, ratio);
        const QPoint frame(canvas::DeviceEdge(2, ratio), canvas::DeviceEdge(2, ratio));
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y), strip.pixel(QPoint(x, y) + frame)) << x << "," << y;
        if (kind != PaletteKind::Websafe) {
            EXPECT_NE(shown, websafe);
        }
    }
    // The websafe grid is black on every edge: the frame is gone, the outline kept.
    EXPECT_EQ(canvas::PixelAt(websafe, { 0, 20 }) & 0xFFFFFF, 0u);
    EXPECT_EQ(canvas::PixelAt(websafe, { 252, 20 }) & 0xFFFFFF, 0u);
    EXPECT_EQ(canvas::PixelAt(websafe, { 100, 42 }) & 0xFFFFFF, 0u);
}

TEST_F(PreferencesTest, StepFieldsTakeOnlyDigitsAndStayWithinZeroToTwentyFive)
{
    Open();
    QLineEdit* field = LightnessStep();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "3");
    EXPECT_EQ(field->text(), "3");
    QTest::keyClicks(field, "0");
    EXPECT_EQ(field->text(), "25");
    EXPECT_EQ(field->selectedText(), "25");

    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "0");
    EXPECT_EQ(field->selectedText(), "0");

    QTest::keyClicks(field, "a-+ .Z");
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "0");
    EXPECT_EQ(SaturationStep()->text(), "5");

    QTest::keyClicks(field, "7");
    EXPECT_EQ(field->text(), "7");
    // A refused letter never reaches the field: nothing to correct, nothing selected.
    QTest::keyClicks(field, "x");
    EXPECT_EQ(field->text(), "7");
    EXPECT_FALSE(field->hasSelectedText());
    // Delete and the arrows still edit: they type no character.
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->text(), "0");

    // Whatever a paste brings, the field keeps a whole number 0..25.
    SaturationStep()->setText(QStringLiteral("9x"));
    EXPECT_EQ(SaturationStep()->text(), "9");
    SaturationStep()->setText(QStringLiteral("99"));
    EXPECT_EQ(SaturationStep()->text(), "25");
    SaturationStep()->setText(QStringLiteral("-"));
    EXPECT_EQ(SaturationStep()->text(), "0");
}

TEST_F(PreferencesTest, ApplyStoresEveryKeyAndHandsTheStepsToTheMainWindowAtOnce)
{
    Open();
    LightnessStep()->setText(QString());
    ASSERT_EQ(LightnessStep()->text(), "0");
    SaturationStep()->setText(QStringLiteral("12"));
    Check("chkDeleteWarn")->setChecked(true);
    Check("chkExitWarn")->setChecked(false);
    Check("chkMoreCopyFormats")->setChecked(true);
    FileReplacements writes(SettingsPath());
    mouse::Click(Button("cmdOK"), { 10, 10 });

    EXPECT_FALSE(prefs->isVisible());
    EXPECT_EQ(writes.Count(), 1) << "all keys in one write";
    EXPECT_EQ(Stored("LInc"), "0");
    EXPECT_EQ(Stored("SInc"), "12");
    EXPECT_EQ(Stored("FavDelWarn"), "1");
    EXPECT_EQ(Stored("FavExitWarn"), "0");
    EXPECT_EQ(Stored("RememberScheme"), "1");
    EXPECT_EQ(Stored("MoreCopyFormats"), "1");
    EXPECT_EQ(Stored("Palette"), "0");
    EXPECT_EQ(main->LightnessStep(), 0);
    EXPECT_EQ(main->SaturationStep(), 12);
    EXPECT_TRUE(desktop.messages.isEmpty());

    // The adjustments use the new steps straight away: lightness does not move, saturation moves by 12 %.
    const ColorValue red = main->BaseColor();
    Named<QAction>(*main, "mnuAdjustLighten")->trigger();
    Named<QAction>(*main, "mnuAdjustDarken")->trigger();
    EXPECT_EQ(main->BaseColor(), red);
    Named<QAction>(*main, "mnuAdjustDesaturate")->trigger();
    const Hsl hsl = RgbToHsl(main->BaseColor());
    EXPECT_NEAR(hsl.s, 0.88, 0.005);
}

TEST_F(PreferencesTest, EnterAppliesAndEscCancelsWithoutWritingAnything)
{
    Open();
    LightnessStep()->setText(QStringLiteral("20"));
    Check("chkRememberScheme")->setChecked(false);
    ChoosePage("Color Palette");
    mouse::Click(Radio("radSpectrumSafePal"), { 5, 5 });
    ASSERT_TRUE(Radio("radSpectrumSafePal")->isChecked());
    QTest::keyClick(prefs.get(), Qt::Key_Escape);

    EXPECT_FALSE(prefs->isVisible());
    EXPECT_FALSE(QFile::exists(SettingsPath()));
    EXPECT_EQ(main->LightnessStep(), 5);
    EXPECT_EQ(Named<PaintBox>(*main, "pbPalette")->Surface(), DrawPalette(PaletteKind::Websafe));

    // The next opening shows the stored values again, on the General page.
    Open();
    EXPECT_EQ(LightnessStep()->text(), "5");
    EXPECT_TRUE(Check("chkRememberScheme")->isChecked());
    EXPECT_TRUE(Radio("radWebPal")->isChecked());
    EXPECT_EQ(Heading()->text(), " General Preferences");
    EXPECT_EQ(VisiblePage(), Page("pnlGeneral"));
    EXPECT_EQ(Tree()->currentItem()->text(0), "General");

    SaturationStep()->setText(QStringLiteral("8"));
    SaturationStep()->setFocus();
    QTest::keyClick(SaturationStep(), Qt::Key_Return);
    EXPECT_FALSE(prefs->isVisible());
    EXPECT_EQ(Stored("SInc"), "8");
    EXPECT_EQ(main->SaturationStep(), 8);
}

TEST_F(PreferencesTest, TreeNodesChooseThePageAndItsHeading)
{
    Open();
    ChoosePage("Favorite Colors");
    EXPECT_EQ(Heading()->text(), " Favorite Colors Preferences");
    EXPECT_EQ(VisiblePage(), Page("pnlFavorites"));
    ChoosePage("Color Palette");
    EXPECT_EQ(Heading()->text(), " Color Palette Preferences");
    EXPECT_EQ(VisiblePage(), Page("pnlColorPalette"));
    ChoosePage("Copy Menus");
    EXPECT_EQ(Heading()->text(), " Copy Menus Preferences");
    EXPECT_EQ(VisiblePage(), Page("pnlCopyMenus"));
    // The arrow keys walk the pages too.
    Tree()->setFocus();
    QTest::keyClick(Tree(), Qt::Key_Up);
    EXPECT_EQ(VisiblePage(), Page("pnlColorPalette"));
    ChoosePage("General");
    EXPECT_EQ(VisiblePage(), Page("pnlGeneral"));
}

TEST_F(PreferencesTest, SpectrumAndApplyRebuildsTheStripAtOnceAndStoresOne)
{
    const PaintBox* strip = Named<PaintBox>(*main, "pbPalette");
    const QPoint probes[] = { { 40, 20 }, { 128, 10 }, { 200, 35 } };
    for (const QPoint p : probes)
        ASSERT_EQ(strip->PixelAt(p), DrawPalette(PaletteKind::Websafe).pixel(p));
    Open();
    ChoosePage("Color Palette");
    mouse::Click(Radio("radSpectrumPal"), { 5, 5 });
    mouse::Click(Button("cmdOK"), { 10, 10 });

    EXPECT_EQ(Stored("Palette"), "1");
    const QImage spectrum = DrawPalette(PaletteKind::Spectrum);
    for (const QPoint p : probes)
        EXPECT_EQ(strip->PixelAt(p), spectrum.pixel(p)) << p.x() << "," << p.y();
    EXPECT_EQ(Named<PaintBox>(*main, "pbPalette")->grab().toImage().pixel(40, 20), spectrum.pixel(40, 20));
}

TEST_F(PreferencesTest, ClearHistoryActsAtOnceAndCancelDoesNotUndoIt)
{
    main->SetBaseColor(Pack(0, 255, 0));
    main->SetBaseColor(Pack(0, 0, 255));
    ASSERT_EQ(main->HistoryCount(), 3);
    Open();
    mouse::Click(Button("cmdClearHist"), { 10, 10 });
    EXPECT_EQ(main->HistoryCount(), 1);
    EXPECT_EQ(Named<QComboBox>(*main, "cboHistory")->itemText(0), "#0000FF");
    mouse::Click(Button("cmdCancel"), { 10, 10 });
    EXPECT_FALSE(prefs->isVisible());
    EXPECT_EQ(main->HistoryCount(), 1);
    EXPECT_FALSE(Named<QToolButton>(*main, "tbBack")->isEnabled());
    EXPECT_FALSE(Named<QAction>(*main, "mnuEditUndo")->isEnabled());
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(PreferencesTest, EveryOpeningReadsTheSettingsFileAnew)
{
    Open();
    prefs->reject();
    folder.Write(QStringLiteral("tw3.ini"),
        "[Prefs]\nPalette=2\nLInc=7\nSInc=25\nFavDelWarn=1\nFavExitWarn=0\nRememberScheme=0\nMoreCopyFormats=1\n");
    Open();
    EXPECT_TRUE(Radio("radSpectrumSafePal")->isChecked());
    EXPECT_EQ(LightnessStep()->text(), "7");
    EXPECT_EQ(SaturationStep()->text(), "25");
    EXPECT_TRUE(Check("chkDeleteWarn")->isChecked());
    EXPECT_FALSE(Check("chkExitWarn")->isChecked());
    EXPECT_FALSE(Check("chkRememberScheme")->isChecked());
    EXPECT_TRUE(Check("chkMoreCopyFormats")->isChecked());
    prefs->reject();

    // A palette value outside 0..2 leaves the radio buttons as they were; a step the main window would
    // refuse shows as the default it uses instead, and one larger than the fields hold as the largest they do.
    folder.Write(QStringLiteral("tw3.ini"), "[Prefs]\nPalette=7\nLInc=abc\nSInc=40\n");
    Open();
    EXPECT_TRUE(Radio("radSpectrumSafePal")->isChecked());
    EXPECT_EQ(LightnessStep()->text(), "5");
    EXPECT_EQ(SaturationStep()->text(), "25");
    prefs->reject();
    folder.Write(QStringLiteral("tw3.ini"), "[Prefs]\nLInc=100\nSInc=7\n");
    Open();
    EXPECT_EQ(LightnessStep()->text(), "25");
    EXPECT_EQ(SaturationStep()->text(), "7");
}

// Each step field is spoken by its own label, not by the instruction above them or the group's title.
TEST_F(PreferencesTest, StepFieldsAreNamedByTheirOwnLabels)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(LightnessStep())->text(QAccessible::Name), "%  Lightness (1-25%)");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(SaturationStep())->text(QAccessible::Name), "%  Saturation (1-25%)");
}

TEST_F(PreferencesTest, TheMenuCommandReloadsAndShowsTheDialogModally)
{
    folder.Write(QStringLiteral("tw3.ini"), "[Prefs]\nLInc=9\n");
    bool modal = false;
    QString shownStep;
    QTimer::singleShot(0, prefs.get(), [&] {
        modal = QApplication::activeModalWidget() == prefs.get();
        shownStep = LightnessStep()->text();
        mouse::Click(Button("cmdCancel"), { 10, 10 });
    });
    QTimer::singleShot(3000, prefs.get(), [&] { prefs->reject(); });
    Named<QAction>(*main, "mnuEditPreferences")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_EQ(shownStep, "9");
    EXPECT_FALSE(prefs->isVisible());
}

TEST_F(PreferencesTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheChoicesStillApply)
{
    // A folder where the settings file should be makes every write fail.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tw3.ini")));
    Open();
    LightnessStep()->setText(QStringLiteral("11"));
    mouse::Click(Button("cmdOK"), { 10, 10 });
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.value(0).startsWith("The preferences could not be saved")) << desktop.messages.value(0).toStdString();
    EXPECT_EQ(main->LightnessStep(), 11);
    EXPECT_FALSE(prefs->isVisible());
}

TEST_F(PreferencesTest, AFolderThatTakesNoNewFileIsNamedWhenApplyFails)
{
    const UnwritableFolder frozen(folder.path());
    if (!frozen.made())
        GTEST_SKIP() << "cannot make a folder unwritable here";
    Open();
    mouse::Click(Button("cmdOK"), { 10, 10 });
    EXPECT_EQ(desktop.messages, QStringList { "The preferences could not be saved in " + folder.file("tw3.ini")
                                    + ".  The folder " + folder.path() + " is not writable." });
}

} // namespace
