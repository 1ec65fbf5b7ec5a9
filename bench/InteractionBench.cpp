#include "platform/PaletteStrip.h"
#include "main/TfrmMain.h"
#include "persist/AppPaths.h"
#include "platform/PaintBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <optional>

namespace {

// A main window on a settings folder of its own, shown as the user sees it.
class BenchWindow {
public:
    BenchWindow()
    {
        SetAppFolderForTesting(m_folder.path());
        m_window.emplace();
        m_window->show();
    }
    ~BenchWindow()
    {
        m_window.reset();
        SetAppFolderForTesting(QString());
    }
    TfrmMain& operator*() { return *m_window; }
    TfrmMain* operator->() { return &*m_window; }

private:
    QTemporaryDir m_folder;
    std::optional<TfrmMain> m_window;
};

} // namespace

// Drawing one palette into the strip's picture: done at start-up and when the preferences change it.
static void BM_DrawPalette(benchmark::State& state)
{
    const auto kind = static_cast<PaletteKind>(state.range(0));
    const qreal ratio = state.range(1) / 100.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawPalette(kind, ratio));
}
BENCHMARK(BM_DrawPalette)->ArgsProduct({ { 0, 1, 2 }, { 100, 200 } })->ArgNames({ "kind", "ratio%" })
    ->Unit(benchmark::kMicrosecond);

// One pointer movement over the palette strip: pick, status bar, and the base area painted again.
static void BM_PaletteHoverReadOut(benchmark::State& state)
{
    BenchWindow window;
    // Found by their object names, as the tests find them.
    PaintBox* strip = window->findChild<PaintBox*>(QStringLiteral("pbPalette"));
    PaintBox* base = window->findChild<PaintBox*>(QStringLiteral("pbBase"));
    const QPointF cells[] = { { 55, 20 }, { 250, 40 } };
    int i = 0;
    for (auto _ : state) {
        const QPointF at = cells[i++ % 2];
        QMouseEvent move(QEvent::MouseMove, at, at, strip->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &move);
        base->repaint();
    }
}
BENCHMARK(BM_PaletteHoverReadOut)->Unit(benchmark::kMicrosecond);

// One step back or forward in the history, with the window painted again.
static void BM_HistoryNavigation(benchmark::State& state)
{
    BenchWindow window;
    window->SetBaseColor(Pack(180, 130, 70));
    int i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            window->Back();
        else
            window->Forward();
        window->centralWidget()->repaint();
    }
}
BENCHMARK(BM_HistoryNavigation)->Unit(benchmark::kMicrosecond);
