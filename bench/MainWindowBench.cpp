#include "main/TfrmMain.h"
#include "persist/AppPaths.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A full base-colour change: fields, scheme, sixteen swatches, history, status bar, and the window's repaint.
static void BM_SetBaseColorWithRepaint(benchmark::State& state)
{
    QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    TfrmMain window;
    window.show();
    ColorValue color = Pack(180, 130, 70);
    for (auto _ : state) {
        color = (color + 0x010305) & 0xFFFFFF;
        window.SetBaseColor(color);
        window.centralWidget()->repaint();
    }
    SetAppFolderForTesting(QString());
}
BENCHMARK(BM_SetBaseColorWithRepaint)->Unit(benchmark::kMicrosecond);
