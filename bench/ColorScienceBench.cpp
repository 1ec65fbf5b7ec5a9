#include "color/NamedColors.h"
#include "color/VisionSimulation.h"
#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "persist/AppPaths.h"
#include "platform/ShownVision.h"
#include "preview/TfrmPreview.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The main window painted into a picture, as the windows' own repaint does, and then, when a mode is given, seen
// as with that colour-vision deficiency. Comparing the two gives the cost of the simulation on a real repaint.
template <VisionMode Mode, bool Simulate>
void BM_MainWindowPaint(benchmark::State& state)
{
    QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    TfrmMain window;
    window.show();
    QImage picture(window.size(), QImage::Format_ARGB32_Premultiplied);
    ColorValue color = Pack(180, 130, 70);
    for (auto _ : state) {
        // A new base colour each time, so the simulation meets new colours as it would after each change.
        color = (color + 0x010305) & 0xFFFFFF;
        window.SetBaseColor(color);
        window.render(&picture);
        if constexpr (Simulate)
            SimulateVisionOnPixels(reinterpret_cast<std::uint32_t*>(picture.bits()),
                static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()), Mode);
        benchmark::DoNotOptimize(picture.constBits());
    }
    SetAppFolderForTesting(QString());
}

// Every window of the program repainted with every picture in it new (a new base colour, favourites and page
// colours, a freshly drawn palette strip), shown for a colour vision as the program itself shows it: each paint
// box turns its picture as it hands it over. Against Normal this is the cost of the simulation on a full repaint.
// At a ratio of 2 the pictures are drawn for a dense screen, twice the pixels each way.
template <VisionMode Mode, int Ratio = 1>
void BM_AllWindowsPaint(benchmark::State& state)
{
    QTemporaryDir folder;
    SetAppFolderForTesting(folder.path());
    {
        TfrmMain main;
        TfrmFavorites favorites(main);
        TfrmPreview preview(main);
        main.show();
        favorites.show();
        preview.show();
        FavColorList colors;
        for (int i = 0; i < 12; ++i)
            colors.push_back(TFavColor::FromColor(static_cast<ColorValue>(i * 2654435761u) & 0xFFFFFF));
        favorites.Model().Replace(colors);
        SetShownVision(Mode);
        QWidget* const windows[] = { &main, &favorites, &preview };
        std::vector<QImage> pictures;
        for (QWidget* window : windows) {
            pictures.emplace_back(window->size() * Ratio, QImage::Format_ARGB32_Premultiplied);
            pictures.back().setDevicePixelRatio(Ratio);
        }
        ColorValue color = Pack(180, 130, 70);
        int palette = 0;
        for (auto _ : state) {
            color = (color + 0x010305) & 0xFFFFFF;
            main.SetBaseColor(color);
            palette = (palette + 1) % 3;
            main.RebuildPalette(static_cast<PaletteKind>(palette));
            favorites.Model().Replace(colors); // repaints the list
            PreviewColors page = preview.Colors();
            page[kNavBG] = color;
            page[kMainText] = color ^ 0x808080;
            preview.SetColors(page);
            for (std::size_t i = 0; i < pictures.size(); ++i)
                windows[i]->render(&pictures[i]);
            benchmark::DoNotOptimize(pictures.back().constBits());
        }
        SetShownVision(VisionMode::Normal);
    }
    SetAppFolderForTesting(QString());
}

// The worst case: a full-screen picture in which no pixel repeats its neighbour.
void BM_SimulateNoisePicture(benchmark::State& state)
{
    std::vector<std::uint32_t> noise(1920 * 1080);
    std::uint32_t seed = 16;
    for (std::uint32_t& p : noise) {
        seed = seed * 1664525u + 1013904223u;
        p = 0xFF000000u | seed >> 8;
    }
    std::vector<std::uint32_t> pixels;
    for (auto _ : state) {
        state.PauseTiming();
        pixels = noise;
        state.ResumeTiming();
        SimulateVisionOnPixels(pixels.data(), pixels.size(), VisionMode::Tritanopia);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(noise.size()));
}

void BM_NearestNamedColor(benchmark::State& state)
{
    ColorValue c = 0x123456;
    for (auto _ : state) {
        c = (c * 2654435761u + 12345u) & 0xFFFFFFu;
        benchmark::DoNotOptimize(NearestNamedColor(c));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_MainWindowPaint<VisionMode::Normal, false>)->Name("MainWindowPaint")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowPaint<VisionMode::Normal, true>)->Name("MainWindowPaint+Normal")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowPaint<VisionMode::Deuteranopia, true>)
    ->Name("MainWindowPaint+Deuteranopia")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowPaint<VisionMode::Tritanopia, true>)
    ->Name("MainWindowPaint+Tritanopia")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllWindowsPaint<VisionMode::Normal>)->Name("AllWindowsPaint")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllWindowsPaint<VisionMode::Normal, 2>)->Name("AllWindowsPaint at ratio 2")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllWindowsPaint<VisionMode::Protanopia>)->Name("AllWindowsPaint+Protanopia")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllWindowsPaint<VisionMode::Deuteranopia>)
    ->Name("AllWindowsPaint+Deuteranopia")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllWindowsPaint<VisionMode::Tritanopia>)->Name("AllWindowsPaint+Tritanopia")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllWindowsPaint<VisionMode::Achromatopsia>)
    ->Name("AllWindowsPaint+Achromatopsia")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SimulateNoisePicture)->Name("SimulateVision 1920x1080 noise")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearestNamedColor)->Name("NearestNamedColor");
