#include "main/TfrmMain.h"
#include "persist/AppPaths.h"
#include "prefs/TfrmPreferences.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The dialog is built at start-up, before the main window is first shown: its three palette pictures are
// part of what the user waits for.
static void BM_PreferencesDialogCreation(benchmark::State& state)
{
    QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    TfrmMain main;
    for (auto _ : state) {
        TfrmPreferences dialog(main);
        benchmark::DoNotOptimize(&dialog);
    }
    SetAppFolderForTesting(QString());
}
BENCHMARK(BM_PreferencesDialogCreation)->Unit(benchmark::kMillisecond);

// Every opening reads the settings file again.
static void BM_PreferencesLoad(benchmark::State& state)
{
    QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    TfrmMain main;
    TfrmPreferences dialog(main);
    for (auto _ : state)
        dialog.LoadPreferences();
    SetAppFolderForTesting(QString());
}
BENCHMARK(BM_PreferencesLoad)->Unit(benchmark::kMicrosecond);
