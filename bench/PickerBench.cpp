#include "main/TfrmMain.h"
#include "persist/AppPaths.h"
#include "picker/Lens.h"
#include "picker/ScreenPicker.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

QImage BenchPhoto()
{
    QImage photo(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    return photo;
}

class FixedCapture final : public platform::ScreenCapture {
public:
    int VanishMilliseconds() override { return 0; }
    void CaptureVirtualDesktop(QObject*, std::function<void(platform::CaptureResult)> done) override
    {
        done(platform::DesktopPhoto { BenchPhoto(), QRect(0, 0, 1920, 1080) });
    }
};

} // namespace

// The lens alone: the 9 × 5 block magnified with its cross-hair, and the colour under the pointer.
static void BM_LensRender(benchmark::State& state)
{
    const QImage photo = BenchPhoto();
    int x = 100;
    for (auto _ : state) {
        x = x < 1800 ? x + 1 : 100;
        benchmark::DoNotOptimize(lens::RenderLens(photo, { x, 500 }));
        benchmark::DoNotOptimize(lens::PhotoPixel(photo, { x, 500 }));
    }
}
BENCHMARK(BM_LensRender)->Unit(benchmark::kMicrosecond);

// One tick of the open picker with a moving pointer, as the event loop runs it: the pointer's move, the lens and
// colour box, and their repaint (the budget is the 3 ms timer period).
static void BM_LensRefreshWithRepaint(benchmark::State& state)
{
    QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    FixedCapture capture;
    platform::ServicesOverride useCapture({ .screen = &capture });
    {
        TfrmMain main;
        ScreenPicker picker(main);
        main.Command(MainCommand::ToolsPicker)->trigger();
        while (!picker.isVisible())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        picker.findChild<QTimer*>(QStringLiteral("tmrZoom"))->stop();
        int x = 300;
        for (auto _ : state) {
            x = x < 1800 ? x + 1 : 300;
            QCursor::setPos(x, 500);
            picker.RefreshLens();
            QCoreApplication::processEvents();
        }
    }
    SetAppFolderForTesting(QString());
}
BENCHMARK(BM_LensRefreshWithRepaint)->Unit(benchmark::kMicrosecond);
