#include "persist/SchemeFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// As many favourites as a scheme file can hold, each as the Favorites window makes it.
SchemeData FullScheme()
{
    SchemeData scheme;
    scheme.baseColor = Pack(200, 40, 90);
    scheme.favorites.reserve(kMaxSchemeFavorites);
    for (std::size_t i = 0; i < kMaxSchemeFavorites; ++i)
        scheme.favorites.push_back(TFavColor::FromColor(static_cast<ColorValue>(i * 2654435761u) & 0xFFFFFF));
    return scheme;
}

void SetBytes(benchmark::State& state, std::size_t bytesPerIteration)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesPerIteration));
}

void BM_EncodeScheme(benchmark::State& state)
{
    const SchemeData scheme = FullScheme();
    std::size_t size = 0;
    for (auto _ : state) {
        const EncodedScheme encoded = EncodeScheme(scheme);
        size = encoded.bytes.size();
        benchmark::DoNotOptimize(encoded.bytes.data());
    }
    SetBytes(state, size);
}

void BM_DecodeScheme(benchmark::State& state)
{
    const std::string bytes = EncodeScheme(FullScheme()).bytes;
    for (auto _ : state) {
        const DecodedScheme decoded = DecodeScheme(bytes, VersionCheck::Required);
        if (decoded.status != DecodeStatus::Ok) {
            state.SkipWithError("a full scheme was rejected");
            break;
        }
        benchmark::DoNotOptimize(decoded.scheme.favorites.data());
    }
    SetBytes(state, bytes.size());
}

// The whole Save and Open path: encoding, the atomic replace with its flush to disk, reading back.
void BM_WriteSchemeFile(benchmark::State& state)
{
    const SchemeData scheme = FullScheme();
    QTemporaryDir dir;
    const QString path = dir.filePath("full.tw");
    for (auto _ : state) {
        if (WriteSchemeFile(path, scheme) != SchemeWriteStatus::Ok) {
            state.SkipWithError("cannot write the scheme file");
            break;
        }
    }
    SetBytes(state, EncodeScheme(scheme).bytes.size());
}

void BM_ReadSchemeFile(benchmark::State& state)
{
    const SchemeData scheme = FullScheme();
    QTemporaryDir dir;
    const QString path = dir.filePath("full.tw");
    if (WriteSchemeFile(path, scheme) != SchemeWriteStatus::Ok)
        state.SkipWithError("cannot write the scheme file");
    for (auto _ : state) {
        const SchemeRead read = ReadSchemeFile(path, VersionCheck::Required);
        if (read.status != SchemeReadStatus::Ok) {
            state.SkipWithError("a full scheme file was rejected");
            break;
        }
        benchmark::DoNotOptimize(read.scheme.favorites.data());
    }
    SetBytes(state, EncodeScheme(scheme).bytes.size());
}

} // namespace

BENCHMARK(BM_EncodeScheme)->Name("EncodeScheme/65535 favourites")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeScheme)->Name("DecodeScheme/65535 favourites")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSchemeFile)->Name("WriteSchemeFile/65535 favourites")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSchemeFile)->Name("ReadSchemeFile/65535 favourites")->Unit(benchmark::kMillisecond);
