#include "MainFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QImage>
#include <QToolButton>

namespace {

class MainCommandsTest : public MainFixture {};

// The tool bar's buttons and the menu commands they run.
struct SharedCommand {
    const char* button;
    const char* command;
    const char* hint;
};
constexpr SharedCommand kSharedCommands[] = {
    { "tbOpen", "mnuFileOpen", "Open Scheme" },
    { "tbSave", "mnuFileSave", "Save Scheme" },
    { "tbPicker", "mnuToolsPicker", "Screen Color Picker" },
    { "tbWebsafe", "mnuEditWebsafe", "Make Websafe" },
    { "tbPreview", "mnuToolsPreview", "QuickPreview" },
    { "tbBack", "mnuEditUndo", "Back" },
    { "tbForward", "mnuEditRedo", "Forward" },
    { "tbLighten", "mnuAdjustLighten", "Lighten" },
    { "tbDarken", "mnuAdjustDarken", "Darken" },
    { "tbSaturate", "mnuAdjustSaturate", "Saturate" },
    { "tbDesaturate", "mnuAdjustDesaturate", "Desaturate" },
};

TEST_F(MainCommandsTest, EachToolButtonRunsItsMenuCommandAndKeepsItsOwnLook)
{
    auto w = Start();
    for (const SharedCommand& shared : kSharedCommands) {
        SCOPED_TRACE(shared.button);
        auto* button = Named<QToolButton>(*w, shared.button);
        auto* command = Named<QAction>(*w, shared.command);
        ASSERT_TRUE(button && command);

        command->setEnabled(true);
        EXPECT_TRUE(button->isEnabled());
        int runs = 0;
        const auto counting = QObject::connect(command, &QAction::triggered, [&runs] { ++runs; });
        button->click();
        EXPECT_EQ(runs, 1);
        QObject::disconnect(counting);
        command->setEnabled(false);
        EXPECT_FALSE(button->isEnabled());

        // A picture on the command would widen its whole menu; the button's picture and hint are its own.
        command->setText(QStringLiteral("Renamed"));
        EXPECT_TRUE(command->icon().isNull());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->toolTip(), shared.hint);
    }
}

TEST_F(MainCommandsTest, ToolWindowTogglesNameTheirNextStepAndShowNoCheckMark)
{
    auto w = Start();
    auto* favorites = Named<QAction>(*w, "mnuToolsFavs");
    auto* preview = Named<QAction>(*w, "mnuToolsPreview");
    auto* tools = Named<QMenu>(*w, "mnuTools");
    auto* button = Named<QToolButton>(*w, "tbPreview");
    ASSERT_TRUE(favorites && preview && tools && button);
    // As at start-up: Favorites shown, QuickPreview hidden.
    EXPECT_EQ(favorites->text(), "Hide Favorites");
    EXPECT_EQ(preview->text(), "Show QuickPreview");
    EXPECT_FALSE(button->isChecked());

    const auto picture = [tools] {
        tools->popup(QPoint(0, 0));
        const QImage shown = tools->grab().toImage();
        tools->close();
        return shown;
    };
    const QImage hidden = picture();
    preview->setChecked(true);
    EXPECT_EQ(preview->text(), "Hide QuickPreview");
    EXPECT_TRUE(button->isChecked());
    // The same caption with the other state: the menu looks the same, no check mark beside it.
    preview->setText(QStringLiteral("Show QuickPreview"));
    EXPECT_EQ(picture(), hidden);

    favorites->setChecked(false);
    EXPECT_EQ(favorites->text(), "Show Favorites");
    favorites->setChecked(true);
    EXPECT_EQ(favorites->text(), "Hide Favorites");
}

TEST_F(MainCommandsTest, OtherWindowsReachTheirCommandsByName)
{
    auto w = Start();
    const std::pair<MainCommand, const char*> commands[] = {
        { MainCommand::FileNew, "mnuFileNew" },
        { MainCommand::FileOpen, "mnuFileOpen" },
        { MainCommand::FileSave, "mnuFileSave" },
        { MainCommand::EditPreferences, "mnuEditPreferences" },
        { MainCommand::ToolsFavorites, "mnuToolsFavs" },
        { MainCommand::ToolsPreview, "mnuToolsPreview" },
        { MainCommand::ToolsPicker, "mnuToolsPicker" },
        { MainCommand::HelpHelp, "mnuHelpHelp" },
        { MainCommand::HelpWebsite, "mnuHelpWebsite" },
        { MainCommand::HelpForums, "mnuHelpForums" },
        { MainCommand::HelpTutorial, "mnuHelpTutorial" },
        { MainCommand::HelpAbout, "mnuHelpAbout" },
    };
    for (const auto& [command, name] : commands) {
        EXPECT_EQ(w->Command(command), Named<QAction>(*w, name)) << name;
        // Only the picker runs without a window of its own being there.
        EXPECT_EQ(w->Command(command)->isEnabled(), command == MainCommand::ToolsPicker) << name;
    }
}

} // namespace
