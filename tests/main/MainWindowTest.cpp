#include "main/TfrmMain.h"
#include "platform/Artwork.h"
#include "platform/PaintBox.h"
#include "support/Controls.h"
#include "support/FileReplacements.h"
#include "support/MainControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"
#include "persist/AppPaths.h"
#include "persist/IniFile.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

ColorValue SwatchPixel(const PaintBox* box, QPoint at = { 5, 5 })
{
    const QRgb p = box->PixelAt(at);
    return Pack(qRed(p), qGreen(p), qBlue(p));
}

class MainWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<TfrmMain> Start()
    {
        auto window = std::make_unique<TfrmMain>();
        window->show();
        return window;
    }

    TestFolder folder;
    ScriptedPlatform desktop;
};

TEST_F(MainWindowTest, FirstStartShowsRedOnTheTraditionalWheel)
{
    auto w = Start();
    const MainControls ui(*w);
    EXPECT_EQ(w->BaseColor(), Pack(255, 0, 0));
    EXPECT_EQ(w->SchemeColors(), ComputeRybScheme(Pack(255, 0, 0)));
    EXPECT_TRUE(Named<QAction>(*w, "mnuRYB")->isChecked());
    EXPECT_FALSE(Named<QAction>(*w, "mnuRGB")->isChecked());
    EXPECT_EQ(w->CheckedHarmony(), Harmony::None);
    EXPECT_EQ(w->HistoryCount(), 1);
    EXPECT_EQ(ui.cboHistory->itemText(0), "#FF0000");
    EXPECT_FALSE(Named<QToolButton>(*w, "tbBack")->isEnabled());
    EXPECT_FALSE(Named<QToolButton>(*w, "tbForward")->isEnabled());
    EXPECT_FALSE(Named<QAction>(*w, "mnuEditUndo")->isEnabled());
    EXPECT_FALSE(Named<QAction>(*w, "mnuEditRedo")->isEnabled());
    EXPECT_EQ(ui.txtR->text(), "255");
    EXPECT_EQ(ui.txtG->text(), "0");
    EXPECT_EQ(ui.txtB->text(), "0");
    EXPECT_EQ(ui.txtHex->text(), "FF0000");
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 255.0.0");
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #FF0000");
    EXPECT_EQ(w->LightnessStep(), 5);
    EXPECT_EQ(w->SaturationStep(), 5);
    EXPECT_EQ(w->centralWidget()->size(), QSize(263, 294));
}

TEST_F(MainWindowTest, SwatchesAndBaseAreaShowTheScheme)
{
    auto w = Start();
    const MainControls ui(*w);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(SwatchPixel(ui.pbColors[n - 1]), w->SchemeColors()[n - 1]) << "swatch " << n;
    EXPECT_EQ(SwatchPixel(ui.pbBase), w->BaseColor());
    // Base area: black outline inside a white right column and bottom row.
    EXPECT_EQ(SwatchPixel(ui.pbBase, { 1, 1 }), 0u);
    EXPECT_EQ(SwatchPixel(ui.pbBase, { 60, 20 }), Pack(255, 255, 255));
    EXPECT_EQ(SwatchPixel(ui.pbBase, { 20, 53 }), Pack(255, 255, 255));
    // Swatch: black outline, white right column and bottom row.
    EXPECT_EQ(SwatchPixel(ui.pbColors[0], { 1, 1 }), 0u);
    EXPECT_EQ(SwatchPixel(ui.pbColors[0], { 36, 10 }), Pack(255, 255, 255));
    EXPECT_EQ(SwatchPixel(ui.pbColors[0], { 10, 36 }), Pack(255, 255, 255));
}

TEST_F(MainWindowTest, HarmonyRingsMarkExactlyTheMembers)
{
    auto w = Start();
    const MainControls ui(*w);
    const int historyBefore = w->HistoryCount();
    Named<QAction>(*w, "mnuTriads")->trigger();
    EXPECT_EQ(w->HistoryCount(), historyBefore);
    for (int n = 1; n <= 16; ++n) {
        const ColorValue fill = w->SchemeColors()[n - 1];
        const bool member = n == 1 || n == 5 || n == 9;
        EXPECT_EQ(SwatchPixel(ui.pbColors[n - 1], { 2, 2 }), member ? Pack(255, 255, 255) : fill) << n;
        EXPECT_EQ(SwatchPixel(ui.pbColors[n - 1], { 3, 3 }), member ? 0u : fill) << n;
        EXPECT_EQ(SwatchPixel(ui.pbColors[n - 1], { 5, 5 }), fill) << n;
    }
    Named<QAction>(*w, "mnuNone")->trigger();
    EXPECT_EQ(SwatchPixel(ui.pbColors[0], { 2, 2 }), w->SchemeColors()[0]);
}

TEST_F(MainWindowTest, StoredSettingsChooseColourWheelAndHarmony)
{
    folder.Write("tw3.ini", "[Main]\r\nBaseColor=65280\r\n[Prefs]\r\nRYBMode=0\r\nHighlight=3\r\n");
    auto w = Start();
    const MainControls ui(*w);
    EXPECT_EQ(w->BaseColor(), Pack(0, 255, 0));
    EXPECT_TRUE(Named<QAction>(*w, "mnuRGB")->isChecked());
    EXPECT_EQ(w->SchemeColors(), ComputeRgbScheme(Pack(0, 255, 0)));
    EXPECT_EQ(w->CheckedHarmony(), Harmony::Triads);
    EXPECT_EQ(SwatchPixel(ui.pbColors[4], { 2, 2 }), Pack(255, 255, 255));
}

// Hues just under a full turn come back from the traditional wheel slightly changed; on the computer wheel the
// scheme starts at the colour itself, and everything that shows the base colour agrees on it.
TEST_F(MainWindowTest, TheComputerWheelShowsAHueJustUnderAFullTurnAsItIs)
{
    for (const ColorValue color : { Pack(255, 0, 1), Pack(254, 1, 3), Pack(128, 0, 1) }) {
        folder.Write("tw3.ini", QStringLiteral("[Main]\r\nBaseColor=%1\r\n[Prefs]\r\nRYBMode=0\r\n").arg(color).toLatin1());
        auto w = Start();
        const MainControls ui(*w);
        const std::string hex = HexText(color);
        ASSERT_NE(ComputeRybScheme(color)[0], color) << hex;
        EXPECT_EQ(w->SchemeColors()[0], color) << hex;
        EXPECT_EQ(w->BaseColor(), color) << hex;
        EXPECT_EQ(SwatchPixel(ui.pbBase, { 30, 30 }), color) << hex;
        EXPECT_EQ(SwatchPixel(ui.pbColors[0], { 5, 5 }), color) << hex;
        EXPECT_EQ(ui.txtHex->text().toStdString(), hex);
        EXPECT_EQ(ui.sbPanel1->text().toStdString(), StatusHexText(color));

        w->SetBaseColor(color); // shown already: no second entry
        EXPECT_EQ(w->HistoryCount(), 1) << hex;
    }
}

TEST_F(MainWindowTest, HexadecimalBaseColourAndOutOfRangeHarmony)
{
    folder.Write("tw3.ini", "[main]\nbasecolor=$FF0000\n[Prefs]\nHighlight=9\nLInc=abc\nSInc=12\n");
    auto w = Start();
    EXPECT_EQ(w->BaseColor(), Pack(0, 0, 255));
    EXPECT_EQ(w->CheckedHarmony(), Harmony::None);
    EXPECT_EQ(w->LightnessStep(), 5);
    EXPECT_EQ(w->SaturationStep(), 12);
}

TEST_F(MainWindowTest, ClosingWritesTheWindowKeys)
{
    folder.Write("tw3.ini", "; kept\n[Other]\nKey=1\n");
    auto w = Start();
    Named<QAction>(*w, "mnuRGB")->trigger();
    Named<QAction>(*w, "mnuTetrads")->trigger();
    w->SetBaseColor(Pack(1, 2, 3));
    const QRect frame = w->frameGeometry();
    FileReplacements writes(folder.file("tw3.ini"));
    w->close();
    EXPECT_EQ(writes.Count(), 1) << "all keys in one write";
    // The tool windows do not exist here: they are written at their default places.
    EXPECT_EQ(QString::fromLatin1(folder.Read("tw3.ini")),
        QStringLiteral("; kept\n[Other]\nKey=1\n\n[Favs]\nTop=%1\nLeft=%2\n\n[Preview]\nTop=%1\nLeft=%3\n\n"
                       "[Main]\nTop=%1\nLeft=%4\nBaseColor=%5\n\n[Prefs]\nHighlight=4\nRYBMode=0\nFavOnTop=0\n")
            .arg(frame.top())
            .arg(frame.left() + frame.width())
            .arg(frame.left() - 333)
            .arg(frame.left())
            .arg(Pack(1, 2, 3)));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(MainWindowTest, UnwritableSettingsAreReportedWithoutBlockingTheClose)
{
    auto w = Start();
    // Under a file, where no folder can be made.
    folder.Write("file", "x");
    SetAppFolderForTesting(folder.file("file/folder"));
    w->close();
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].contains("tw3.ini"));
}

// Closed before the tool windows were made (right after start-up): their stored places stay.
TEST_F(MainWindowTest, ClosingBeforeTheToolWindowsExistKeepsTheirStoredPlaces)
{
    folder.Write("tw3.ini", "[Favs]\nLeft=700\nTop=60\n[Preview]\nLeft=12\nTop=34\n");
    auto w = Start();
    w->close();
    const IniFile ini(folder.file("tw3.ini"));
    EXPECT_EQ(ini.ReadInteger("Favs", "Left", 0), 700);
    EXPECT_EQ(ini.ReadInteger("Favs", "Top", 0), 60);
    EXPECT_EQ(ini.ReadInteger("Preview", "Left", 0), 12);
    EXPECT_EQ(ini.ReadInteger("Preview", "Top", 0), 34);
}

// A settings file that turned into something else while the program ran: the close says it kept nothing.
TEST_F(MainWindowTest, ASettingsFileThatCannotBeReplacedAtTheCloseIsReported)
{
    auto w = Start();
    ASSERT_TRUE(QDir(folder.path()).mkdir("tw3.ini"));
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(desktop.messages, QStringList { "The settings could not be saved in " + folder.file("tw3.ini") + ": it is a folder." });
}

TEST_F(MainWindowTest, SettingTheShownColourAgainAddsNoHistoryEntry)
{
    auto w = Start();
    w->SetBaseColor(Pack(255, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 1);
    w->SetBaseColor(Pack(255, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 1);
    EXPECT_EQ(w->BaseColor(), w->SchemeColors()[0]);
}

TEST_F(MainWindowTest, HarmonyAndWheelChangesReshowTheSchemeWithoutAHistoryEntry)
{
    auto w = Start();
    w->SetBaseColor(Pack(200, 40, 10));
    const int entries = w->HistoryCount();
    const SchemeColorArray before = w->SchemeColors();
    Named<QAction>(*w, "mnuRGB")->trigger();
    EXPECT_NE(w->SchemeColors(), before);
    Named<QAction>(*w, "mnuTriads")->trigger();
    EXPECT_EQ(w->HistoryCount(), entries);
    // A colour set after the re-shows adds its entry again: they left nothing behind.
    w->SetBaseColor(Pack(10, 40, 200));
    EXPECT_EQ(w->HistoryCount(), entries + 1);
}

TEST_F(MainWindowTest, WebsafeIndicatorFollowsTheFields)
{
    auto w = Start();
    const MainControls ui(*w);
    EXPECT_TRUE(ui.imgwebsafe->isVisible());
    EXPECT_TRUE(ui.imgsafe->isVisible());
    EXPECT_FALSE(ui.imgnotwebsafe->isVisible());
    w->SetBaseColor(Pack(51, 102, 152));
    EXPECT_FALSE(ui.imgwebsafe->isVisible());
    EXPECT_TRUE(ui.imgnotwebsafe->isVisible());
    EXPECT_TRUE(ui.imgnotsafe->isVisible());
}

TEST_F(MainWindowTest, BaseHueJustBelowFullTurnSettlesOnTheFirstRingColour)
{
    auto w = Start();
    const MainControls ui(*w);
    const ColorValue base = Pack(255, 0, 2); // hue about 359.5 degrees
    w->SetBaseColor(base);
    EXPECT_NE(w->SchemeColors()[0], base);
    EXPECT_EQ(w->BaseColor(), w->SchemeColors()[0]);
    EXPECT_EQ(ui.txtHex->text(), "FF0002"); // the fields keep the value that was set
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 255.0.2");
}

TEST_F(MainWindowTest, WheelSwitchKeepsHistoryAndRecomputes)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(0xB4, 0x82, 0x46));
    Named<QAction>(*w, "mnuRGB")->trigger();
    EXPECT_EQ(w->SchemeColors(), ComputeRgbScheme(Pack(0xB4, 0x82, 0x46)));
    EXPECT_EQ(w->HistoryCount(), 2);
    EXPECT_EQ(w->HistoryIndex(), 1);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(SwatchPixel(ui.pbColors[n - 1]), w->SchemeColors()[n - 1]);
}

TEST_F(MainWindowTest, HistoryIconHasATransparentRing)
{
    auto w = Start();
    const MainControls ui(*w);
    const QImage icon = ui.cboHistory->itemIcon(0).pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(15, 8)), 0);
    EXPECT_EQ(icon.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(icon.pixel(7, 7), qRgb(255, 0, 0));
}

TEST_F(MainWindowTest, ToolButtonsShowTheirPicturesAtThePicturesOwnSize)
{
    // At its own size a picture comes ready drawn; at any other it is drawn from its SVG file while the window
    // opens.
    auto w = Start();
    int buttons = 0;
    for (const QToolButton* button : w->findChildren<QToolButton*>()) {
        if (!button->objectName().startsWith("tb"))
            continue; // the toolkit's own, such as the menu bar's overflow button
        const QList<QSize> own = button->icon().availableSizes();
        ASSERT_EQ(own.size(), 1) << button->objectName().toStdString();
        EXPECT_EQ(button->icon().pixmap(button->iconSize()).deviceIndependentSize().toSize(), own.first())
            << button->objectName().toStdString();
        ++buttons;
    }
    EXPECT_EQ(buttons, 11);
}

TEST_F(MainWindowTest, ColourAreasShowTheProgramsCursorsOnceTheWindowHasPainted)
{
    auto w = Start();
    const MainControls ui(*w);
    const auto sameCursor = [](const QWidget* widget, CursorId id) {
        const QCursor& expected = AppCursor(id);
        return widget->cursor().shape() == Qt::BitmapCursor && widget->cursor().hotSpot() == expected.hotSpot()
            && widget->cursor().pixmap().toImage() == expected.pixmap().toImage();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return sameCursor(ui.pbPalette, CursorId::Dropper); }, 5000));
    for (const PaintBox* swatch : ui.pbColors)
        EXPECT_TRUE(sameCursor(swatch, CursorId::Hand)) << swatch->objectName().toStdString();
    EXPECT_TRUE(sameCursor(ui.imgnotwebsafe, CursorId::Hand));
    EXPECT_TRUE(sameCursor(ui.imgnotsafe, CursorId::Hand));
    EXPECT_NE(ui.pbBase->cursor().shape(), Qt::BitmapCursor) << "the base colour is not picked from";
}

TEST_F(MainWindowTest, CommandsOfLaterWindowsStayDisabled)
{
    auto w = Start();
    for (QAction* item : { Named<QAction>(*w, "mnuFileNew"), Named<QAction>(*w, "mnuFileOpen"),
             Named<QAction>(*w, "mnuFileSave"), Named<QAction>(*w, "mnuHelpAbout") })
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_TRUE(Named<QAction>(*w, "mnuFileExit")->isEnabled());
    EXPECT_EQ(Named<QAction>(*w, "mnuEditUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Named<QAction>(*w, "mnuToolsPicker")->shortcut(), QKeySequence(Qt::Key_F3));
}

} // namespace
