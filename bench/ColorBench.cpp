#include "color/Scheme.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Bases spread over the whole cube so the walk visits every band and both lightness branches.
std::vector<ColorValue> SampleBases()
{
    std::vector<ColorValue> bases;
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51)
                bases.push_back(Pack(r + 7 * (g & 1), g, b));
    return bases;
}

template <SchemeColorArray (*Compute)(ColorValue)>
void BM_Scheme(benchmark::State& state)
{
    const std::vector<ColorValue> bases = SampleBases();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Compute(bases[i]));
        if (++i == bases.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_RoundTrip(benchmark::State& state)
{
    ColorValue c = 0x123456;
    for (auto _ : state) {
        c = (c * 2654435761u + 12345u) & 0xFFFFFFu;
        benchmark::DoNotOptimize(HslToRgb(RgbToHsl(c)));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_Scheme<ComputeRybScheme>)->Name("ComputeRybScheme");
BENCHMARK(BM_Scheme<ComputeRgbScheme>)->Name("ComputeRgbScheme");
BENCHMARK(BM_RoundTrip)->Name("RgbToHsl+HslToRgb");
