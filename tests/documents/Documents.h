#pragma once

#include "app/DocumentCommands.h"
#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "persist/Session.h"
#include "platform/DragManager.h"
#include "preview/TfrmPreview.h"
#include "support/Controls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QToolButton>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

// The program's windows and its document commands, created and wired as at start-up, on a fresh program folder
// and a scripted desktop.
class Documents : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override
    {
        DragManager::Instance().Cancel();
        Stop();
    }

    void Start()
    {
        main = std::make_unique<TfrmMain>();
        main->move(300, 40);
        main->show();
        {
            const SessionStartReading session;
            favs = std::make_unique<TfrmFavorites>(*main);
            favs->show();
            preview = std::make_unique<TfrmPreview>(*main);
        }
        commands = std::make_unique<DocumentCommands>(*main, favs->Model(), *preview);
        QApplication::processEvents();
    }

    void Stop()
    {
        commands.reset();
        preview.reset();
        favs.reset();
        main.reset();
    }

    // The program as the next run finds it.
    void Restart()
    {
        Stop();
        Start();
    }

    // Exit from the File menu; true when the main window closed.
    bool Exit()
    {
        Named<QAction>(*main, "mnuFileExit")->trigger();
        return !main->isVisible();
    }

    FavoritesModel& Model() { return favs->Model(); }
    const FavColorList& Favorites() { return favs->Model().FavColors(); }

    // Favourites as the user adds them: each one a change to the scheme.
    void AddFavorites(std::initializer_list<ColorValue> colors)
    {
        for (ColorValue c : colors)
            Model().InsertFavorite(Model().Count(), c);
    }

    void SetPage(PreviewColorSlot slot, ColorValue color)
    {
        PreviewColors colors = preview->Colors();
        colors[slot] = color;
        preview->SetColors(colors);
    }

    bool ToolButtonsEnabled()
    {
        const bool copy = Named<QToolButton>(*favs, "tbCopy")->isEnabled();
        EXPECT_EQ(Named<QToolButton>(*favs, "tbDelete")->isEnabled(), copy);
        EXPECT_EQ(Named<QToolButton>(*favs, "tbFavWebsafe")->isEnabled(), copy);
        return copy;
    }

    bool FileExists(const QString& name) const { return QFile::exists(folder.file(name)); }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmFavorites> favs;
    std::unique_ptr<TfrmPreview> preview;
    std::unique_ptr<DocumentCommands> commands;
};
