#include "exchange/PaletteFormats.h"

#include <benchmark/benchmark.h>

namespace {

// As many colours as favourites can hold, named as the Favorites window names its entries.
Palette FullPalette()
{
    Palette palette { QStringLiteral("Full"), {} };
    palette.entries.reserve(kMaxPaletteColors);
    for (std::size_t i = 0; i < kMaxPaletteColors; ++i) {
        const auto color = static_cast<ColorValue>(i * 2654435761u) & 0xFFFFFF;
        palette.entries.push_back(FavoriteEntry(HashHexText(color), color));
    }
    return palette;
}

void BM_WritePalette(benchmark::State& state, PaletteFormat format)
{
    const Palette palette = FullPalette();
    qsizetype size = 0;
    for (auto _ : state) {
        const PaletteExport exported = WritePalette(palette, format);
        size = exported.bytes.size();
        benchmark::DoNotOptimize(exported.bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_ReadPalette(benchmark::State& state, PaletteFormat format)
{
    const QByteArray bytes = WritePalette(FullPalette(), format).bytes;
    for (auto _ : state) {
        const PaletteImport imported = ReadPalette(bytes, format);
        if (!imported.ok()) {
            state.SkipWithError("a full palette was rejected");
            break;
        }
        benchmark::DoNotOptimize(imported.palette.entries.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

const bool kRegistered = [] {
    for (const PaletteFormatInfo& info : PaletteFormats()) {
        const std::string suffix = std::string("/") + info.extension + "/65535 colors";
        benchmark::RegisterBenchmark(("WritePalette" + suffix).c_str(), BM_WritePalette, info.format)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ReadPalette" + suffix).c_str(), BM_ReadPalette, info.format)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
