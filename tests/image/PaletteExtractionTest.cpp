#include "image/PaletteExtraction.h"

#include "color/Oklab.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace extraction;

namespace {

double Distance(ColorValue p, ColorValue q) { return std::sqrt(OklabDistanceSquared(ColorToOklab(p), ColorToOklab(q))); }

QRgb ToQRgb(ColorValue c) { return qRgb(Red(c), Green(c), Blue(c)); }

// The extracted colour nearest to `wanted`, and how far it is.
double NearestDistance(const std::vector<ExtractedColor>& colors, ColorValue wanted)
{
    double best = 1e9;
    for (const ExtractedColor& c : colors)
        best = std::min(best, Distance(c.color, wanted));
    return best;
}

enum class Spoil { None, Noise, Gradient, Jpeg };

// Vertical bands of the given colours, of equal width, spoiled as a camera or an encoder would.
QImage Bands(const std::vector<ColorValue>& colors, Spoil spoil, int width = 600, int height = 400)
{
    QImage picture(width, height, QImage::Format_RGB32);
    SeededGenerator noise(7);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const ColorValue c = colors[static_cast<std::size_t>(x * int(colors.size()) / width)];
            int r = Red(c), g = Green(c), b = Blue(c);
            if (spoil == Spoil::Noise) {
                const int n = int(noise.Next() % 17) - 8;
                r += n;
                g += n;
                b += n;
            } else if (spoil == Spoil::Gradient) {
                const int shade = (y * 12) / height - 6;
                r += shade;
                g += shade;
                b += shade;
            }
            picture.setPixel(x, y, qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)));
        }
    }
    if (spoil == Spoil::Jpeg) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPEG", 80);
        picture = QImage::fromData(buffer.data(), "JPEG");
    }
    return picture;
}

TEST(PaletteExtraction, KnownAreasComeBackAsTheirColours)
{
    const std::vector<std::vector<ColorValue>> sets {
        { Pack(200, 30, 40), Pack(20, 120, 60) },
        { Pack(240, 240, 235), Pack(30, 30, 40), Pack(230, 180, 20), Pack(40, 90, 200) },
        { Pack(250, 250, 250), Pack(10, 10, 10), Pack(200, 40, 40), Pack(40, 160, 70), Pack(50, 80, 200), Pack(240, 200, 60) },
    };
    const std::pair<Spoil, const char*> spoils[] = { { Spoil::None, "flat" }, { Spoil::Noise, "noise" },
        { Spoil::Gradient, "gradient" }, { Spoil::Jpeg, "JPEG" } };
    for (const auto& colors : sets) {
        for (const auto& [spoil, name] : spoils) {
            const std::vector<ExtractedColor> got = Extract(MakeSample(Bands(colors, spoil)), int(colors.size()));
            ASSERT_EQ(got.size(), colors.size()) << name;
            double shares = 0;
            for (std::size_t i = 0; i < got.size(); ++i) {
                shares += got[i].share;
                if (i > 0) {
                    EXPECT_GE(got[i - 1].share, got[i].share) << name;
                }
            }
            EXPECT_NEAR(shares, 1.0, 1e-9) << name;
            for (ColorValue wanted : colors) {
                EXPECT_LT(NearestDistance(got, wanted), 0.03)
                    << name << ", " << colors.size() << " bands: #" << std::hex << wanted << " not found";
            }
        }
    }
}

TEST(PaletteExtraction, SharesFollowTheAreasAndMarksStandInThem)
{
    // Three quarters blue, one quarter orange.
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(qRgb(30, 60, 200));
    QPainter(&picture).fillRect(300, 0, 100, 200, QColor(250, 150, 20));
    const std::vector<ExtractedColor> got = Extract(MakeSample(picture), 6);
    ASSERT_EQ(got.size(), 2u) << "two colours in the picture, so two in the palette";
    EXPECT_EQ(got[0].color, Pack(30, 60, 200));
    EXPECT_EQ(got[1].color, Pack(250, 150, 20));
    EXPECT_NEAR(got[0].share, 0.75, 0.01);
    EXPECT_NEAR(got[1].share, 0.25, 0.01);
    for (const ExtractedColor& c : got) {
        ASSERT_TRUE(picture.valid(c.typical));
        EXPECT_EQ(picture.pixel(c.typical), ToQRgb(c.color)) << "the mark stands on its own colour";
    }
    // On each area where it is nearest the middle, not where a scan first meets it.
    EXPECT_NEAR(got[0].typical.x(), 200, 4);
    EXPECT_NEAR(got[0].typical.y(), 100, 4);
    EXPECT_NEAR(got[1].typical.x(), 300, 4);
    EXPECT_NEAR(got[1].typical.y(), 100, 4);
}

// A landscape of large soft areas with a small sign of saturated red: the red must be one of six colours.
QImage LandscapeWithAccent(double accentShare)
{
    const int w = 800, h = 600;
    QImage picture(w, h, QImage::Format_RGB32);
    SeededGenerator noise(11);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r, g, b;
            if (y < h / 2) { // sky: a gradient from deep to pale blue
                r = 60 + y * 120 / (h / 2);
                g = 110 + y * 100 / (h / 2);
                b = 200 + y * 40 / (h / 2);
            } else if (x < w / 2) { // meadow
                r = 70 + x % 23;
                g = 130 + (x * y) % 31;
                b = 50;
            } else { // field
                r = 180 + y % 19;
                g = 150 + x % 13;
                b = 80;
            }
            const int n = int(noise.Next() % 9) - 4;
            picture.setPixel(x, y, qRgb(std::clamp(r + n, 0, 255), std::clamp(g + n, 0, 255), std::clamp(b + n, 0, 255)));
        }
    }
    const int side = int(std::sqrt(accentShare * w * h));
    QPainter(&picture).fillRect(w / 2 + 100, h - side - 40, side, side, QColor(220, 20, 40));
    return picture;
}

TEST(PaletteExtraction, SmallDistinctAccentIsKept)
{
    for (double share : { 0.003, 0.01, 0.03 }) {
        const QImage picture = LandscapeWithAccent(share);
        const std::vector<ExtractedColor> got = Extract(MakeSample(picture), kDefaultColors);
        ASSERT_EQ(got.size(), std::size_t(kDefaultColors));
        EXPECT_LT(NearestDistance(got, Pack(220, 20, 40)), 0.03) << "accent of " << share * 100 << "% lost";
    }
}

TEST(PaletteExtraction, SameImageGivesSamePaletteWhateverTheThreads)
{
    const QImage picture = LandscapeWithAccent(0.01);
    QThreadPool one, four;
    one.setMaxThreadCount(1);
    four.setMaxThreadCount(4);
    // Small blocks, so the rows are many and finish in a different order on each thread count.
    const Sample a = MakeSample(picture, 20'000, &one);
    const Sample b = MakeSample(picture, 20'000, &four);
    // And on a pool whose every thread is itself making one there: none may wait for a thread that never comes.
    QThreadPool full;
    full.setMaxThreadCount(2);
    Sample onFull[2];
    for (Sample& sample : onFull)
        full.start([&sample, &picture, &full] { sample = MakeSample(picture, 20'000, &full); });
    ASSERT_TRUE(full.waitForDone(60'000)) << "the working copies wait for each other";
    for (const Sample* other : std::initializer_list<const Sample*> { &b, &onFull[0], &onFull[1] }) {
        ASSERT_EQ(a.bins.size(), other->bins.size());
        for (std::size_t i = 0; i < a.bins.size(); ++i) {
            EXPECT_EQ(a.bins[i].sum.L, other->bins[i].sum.L);
            EXPECT_EQ(a.bins[i].weight, other->bins[i].weight);
            EXPECT_EQ(a.bins[i].where, other->bins[i].where);
        }
    }
    for (int count = kMinColors; count <= kMaxColors; ++count) {
        const std::vector<ExtractedColor> first = Extract(a, count);
        const std::vector<ExtractedColor> second = Extract(b, count);
        const std::vector<ExtractedColor> again = Extract(a, count);
        ASSERT_EQ(first.size(), second.size());
        ASSERT_EQ(first.size(), again.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(first[i].color, second[i].color) << count;
            EXPECT_EQ(first[i].color, again[i].color) << count;
            EXPECT_EQ(first[i].typical, again[i].typical) << count;
        }
    }
}

TEST(PaletteExtraction, GeneratorIsFixedByItsOwnArithmetic)
{
    // splitmix64's published first outputs for seed 0: any library's distributions would differ by platform.
    SeededGenerator generator(0);
    EXPECT_EQ(generator.Next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(generator.Next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(generator.Next(), 0x06C45D188009454FULL);
    SeededGenerator unit(42);
    for (int i = 0; i < 1000; ++i) {
        const double v = unit.NextUnit();
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

TEST(PaletteExtraction, FinePatternAveragesAsLightDoes)
{
    // One-pixel black and white checks seen from afar are half the light of white: #BCBCBC, not #808080.
    QImage picture(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    const Sample sample = MakeSample(picture);
    EXPECT_EQ(sample.bins.size(), 1u) << "every block is the same grey";
    EXPECT_EQ(sample.opaqueWeight, 1000.0 * 1000.0);
    const std::vector<ExtractedColor> got = Extract(sample, 6);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].color, Pack(188, 188, 188));
}

TEST(PaletteExtraction, TransparentPixelsDoNotCount)
{
    struct Case {
        const char* name;
        QImage::Format format;
        int opaqueColumns; // of 100, from the left; the rest transparent red
        int alpha;         // of the opaque columns: at least half opaque counts as opaque
        std::size_t colors;
    };
    const Case cases[] = {
        { "half transparent", QImage::Format_ARGB32, 50, 255, 1 },
        { "premultiplied", QImage::Format_ARGB32_Premultiplied, 50, 255, 1 },
        { "fully transparent", QImage::Format_ARGB32, 0, 255, 0 },
        { "partly transparent", QImage::Format_ARGB32, 100, 200, 1 },
        { "partly transparent, premultiplied", QImage::Format_ARGB32_Premultiplied, 100, 200, 1 },
    };
    for (const Case& c : cases) {
        QImage picture(100, 80, c.format);
        picture.fill(Qt::transparent);
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 100; ++x)
                picture.setPixelColor(x, y, x < c.opaqueColumns ? QColor(20, 200, 90, c.alpha) : QColor(255, 0, 0, 60));
        }
        const Sample sample = MakeSample(picture);
        EXPECT_EQ(sample.opaqueWeight, c.opaqueColumns * 80.0) << c.name;
        const std::vector<ExtractedColor> got = Extract(sample, 6);
        ASSERT_EQ(got.size(), c.colors) << c.name;
        if (!got.empty()) {
            // Premultiplied, a partly transparent colour keeps only so many digits.
            EXPECT_LE(Distance(got[0].color, Pack(20, 200, 90)), c.alpha == 255 ? 0 : 0.005) << c.name;
            EXPECT_EQ(got[0].share, 1.0) << c.name;
        }
    }
}

TEST(PaletteExtraction, TinyAndEmptyPictures)
{
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(qRgb(12, 34, 56));
    const std::vector<ExtractedColor> got = Extract(MakeSample(one), kMaxColors);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].color, Pack(12, 34, 56));
    EXPECT_EQ(got[0].typical, QPoint(0, 0));

    EXPECT_TRUE(Extract(MakeSample(QImage()), 6).empty());
    // An indexed picture goes through a conversion and comes out the same.
    QImage indexed(3, 1, QImage::Format_Indexed8);
    indexed.setColorTable({ qRgb(255, 0, 0), qRgb(0, 0, 255) });
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    indexed.setPixel(2, 0, 1);
    const std::vector<ExtractedColor> two = Extract(MakeSample(indexed), 6);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].color, Pack(0, 0, 255));
    EXPECT_EQ(two[1].color, Pack(255, 0, 0));
}

TEST(PaletteExtraction, EveryPixelFormatGivesTheSamePalette)
{
    // Few enough colours for an indexed copy to be exact, areas that cross the working copy's blocks, a transparent
    // corner; a small working copy makes the blocks 7 pixels square, so their rows straddle the picture's lines.
    QImage picture(301, 203, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb area = (x / 37 + y / 23) % 3 == 0 ? qRgb(200, 40, 60) : (x * 3 > y * 4 ? qRgb(30, 90, 220) : qRgb(240, 230, 20));
            picture.setPixel(x, y, x < 40 && y < 30 ? qRgba(0, 0, 0, 0) : area);
        }
    }
    const int maxPixels = 1300;
    const Sample reference = MakeSample(picture, maxPixels);
    const std::vector<ExtractedColor> palette = Extract(reference, 6);
    ASSERT_EQ(palette.size(), 6u);
    // The toolkit's own conversion to indexes dithers: the indexed copy is made here.
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (!table.contains(pixel))
                table.append(pixel);
            indexed.setColorTable(table);
            indexed.setPixel(x, y, uint(table.indexOf(pixel)));
        }
    }
    for (const QImage::Format format : { QImage::Format_Indexed8, QImage::Format_RGBA64, QImage::Format_RGBA8888,
             QImage::Format_RGBA64_Premultiplied }) {
        const QImage converted = format == QImage::Format_Indexed8 ? indexed : picture.convertToFormat(format);
        const Sample sample = MakeSample(converted, maxPixels);
        EXPECT_EQ(sample.opaqueWeight, reference.opaqueWeight) << format;
        ASSERT_EQ(sample.bins.size(), reference.bins.size()) << format;
        const std::vector<ExtractedColor> got = Extract(sample, 6);
        ASSERT_EQ(got.size(), palette.size()) << format;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].color, palette[i].color) << format << " colour " << i;
            EXPECT_EQ(got[i].share, palette[i].share) << format << " colour " << i;
            EXPECT_EQ(got[i].typical, palette[i].typical) << format << " colour " << i;
        }
    }
    // A grey picture stored a byte a pixel, as grey photographs decode: two greys, each once, although rounding
    // spreads a grey's bins on both sides of zero in a and b.
    QImage grey(250, 170, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        std::memset(grey.scanLine(y), y < 60 ? 40 : 210, std::size_t(grey.width()));
    const std::vector<ExtractedColor> greys = Extract(MakeSample(grey, maxPixels), 6);
    const std::vector<ExtractedColor> asRgb = Extract(MakeSample(grey.convertToFormat(QImage::Format_RGB32), maxPixels), 6);
    ASSERT_EQ(greys.size(), 2u);
    EXPECT_EQ(greys[0].color, Pack(210, 210, 210));
    for (std::size_t i = 0; i < greys.size(); ++i) {
        EXPECT_EQ(greys[i].color, asRgb[i].color);
        EXPECT_EQ(greys[i].share, asRgb[i].share);
    }
}

TEST(PaletteExtraction, LargePictureIsAveragedDownToTheSampleSize)
{
    // 6 megapixels of distinct colours: the blocks, and so the bins, stay within the sample's size.
    QImage picture(3000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgb(x % 256, y % 256, (x / 256 + y / 256 * 12) * 2);
    }
    const Sample sample = MakeSample(picture);
    EXPECT_LE(sample.bins.size(), std::size_t(kSamplePixels));
    EXPECT_EQ(sample.opaqueWeight, 6'000'000.0);
    EXPECT_EQ(sample.picture, picture.size());
    for (const ColorBin& bin : sample.bins)
        ASSERT_TRUE(picture.valid(bin.where));
}

} // namespace
