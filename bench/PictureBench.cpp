#include "image/PaletteExtraction.h"
#include "image/PictureLoading.h"

#include <QBuffer>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

enum class Tones { Colour, Grey };

// A 24-megapixel picture with a photograph's make-up, JPEG-encoded: soft sky and ground gradients, textured areas,
// grain and a small bright sign. A grey one decodes to a byte a pixel, as black-and-white photographs do.
QByteArray MakePhotographJpeg(Tones tones)
{
    const int w = 6000, h = 4000;
    QImage picture(w, h, tones == Tones::Grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    extraction::SeededGenerator grain(3);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        uchar* greyLine = picture.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int n = int(grain.Next() % 13) - 6;
            int r, g, b;
            if (y < h * 2 / 5) {
                r = 70 + y * 110 / h;
                g = 120 + y * 90 / h;
                b = 210 + y * 30 / h;
            } else if ((x / 300 + y / 400) % 3 == 0) {
                r = 60 + int(20 * std::sin(x * 0.01));
                g = 110 + (x * 7 + y * 3) % 40;
                b = 45;
            } else {
                r = 170 + (y * 13) % 30;
                g = 140 + (x * 5) % 25;
                b = 90 + int(15 * std::cos(y * 0.02));
            }
            if (x > 4200 && x < 4500 && y > 2800 && y < 3000) {
                r = 225;
                g = 25;
                b = 45;
            }
            const QRgb pixel = qRgb(std::clamp(r + n, 0, 255), std::clamp(g + n, 0, 255), std::clamp(b + n, 0, 255));
            if (tones == Tones::Grey)
                greyLine[x] = uchar(qGray(pixel));
            else
                line[x] = pixel;
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG", 90);
    return bytes;
}

const QByteArray& PhotographJpeg()
{
    static const QByteArray jpeg = MakePhotographJpeg(Tones::Colour);
    return jpeg;
}

} // namespace

// What opening a photograph costs before its palette shows: decoding, the working copy, six colours and the
// overview the window shows.
static void BM_PictureDecodeAndExtract24MP(benchmark::State& state)
{
    const QByteArray& jpeg = PhotographJpeg();
    for (auto _ : state) {
        const QImage picture = QImage::fromData(jpeg, "JPEG");
        benchmark::DoNotOptimize(LoadPictureImage(picture, QStringLiteral("photograph"), extraction::kDefaultColors));
    }
}
BENCHMARK(BM_PictureDecodeAndExtract24MP)->Unit(benchmark::kMillisecond);

// The same for a black-and-white photograph, whose pixels are converted for the working copy as it is made.
static void BM_PictureDecodeAndExtract24MPGrey(benchmark::State& state)
{
    static const QByteArray jpeg = MakePhotographJpeg(Tones::Grey);
    for (auto _ : state) {
        const QImage picture = QImage::fromData(jpeg, "JPEG");
        benchmark::DoNotOptimize(LoadPictureImage(picture, QStringLiteral("photograph"), extraction::kDefaultColors));
    }
}
BENCHMARK(BM_PictureDecodeAndExtract24MPGrey)->Unit(benchmark::kMillisecond);

// The working copy alone, from the decoded photograph.
static void BM_PictureSample24MP(benchmark::State& state)
{
    const QImage picture = QImage::fromData(PhotographJpeg(), "JPEG");
    for (auto _ : state)
        benchmark::DoNotOptimize(extraction::MakeSample(picture));
}
BENCHMARK(BM_PictureSample24MP)->Unit(benchmark::kMillisecond);

// A new count: the palette taken again from the working copy, at the largest count.
static void BM_PictureReextract16(benchmark::State& state)
{
    const extraction::Sample sample = extraction::MakeSample(QImage::fromData(PhotographJpeg(), "JPEG"));
    for (auto _ : state)
        benchmark::DoNotOptimize(extraction::Extract(sample, extraction::kMaxColors));
}
BENCHMARK(BM_PictureReextract16)->Unit(benchmark::kMillisecond);
