#pragma once

#include "color/Color.h"
#include "color/Oklab.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <vector>

class QThreadPool;

// The colours a picture is made of, found in Oklab, where distances follow what the eye sees.
namespace extraction {

inline constexpr int kMinColors = 2;
inline constexpr int kMaxColors = 16;
inline constexpr int kDefaultColors = 6;
// The working copy is area-averaged down to about this many pixels: enough for a one-percent accent to keep
// hundreds of pixels, few enough for a new count to come back at once.
inline constexpr int kSamplePixels = 250'000;

// A group of nearly equal colours of the working copy: the sum of their Oklab values, how many picture pixels they
// stand for, and of the picture's pixels among them the one nearest the picture's middle.
struct ColorBin {
    Oklab sum;
    double weight = 0;
    QPoint where;

    Oklab Mean() const { return { sum.L / weight, sum.a / weight, sum.b / weight }; }
};

// The picture reduced to what extraction needs; made once per picture, then extracted from at any count.
struct Sample {
    QSize picture;             // the picture's own size
    std::vector<ColorBin> bins; // in a fixed order, whatever the number of threads that made them
    double opaqueWeight = 0;    // picture pixels that count (transparent ones do not)
};

// Area-averages the picture down to at most about `maxPixels` blocks, ignoring pixels less than half opaque, and
// gathers the blocks into bins of nearly equal colour. `pool` runs the work (the global pool when null); the result
// does not depend on its number of threads.
Sample MakeSample(const QImage& picture, int maxPixels = kSamplePixels, QThreadPool* pool = nullptr);

struct ExtractedColor {
    ColorValue color;
    double share = 0; // of the picture's opaque pixels, 0..1
    QPoint typical;   // a picture pixel whose colour stands nearest to this one
};

// `count` colours (fewer when the picture has fewer distinct ones, none when no pixel is opaque), largest share
// first. The same sample and count give the same colours on every machine: the start is drawn from a generator of
// our own with a fixed seed.
std::vector<ExtractedColor> Extract(const Sample& sample, int count);

// The generator the start is drawn from: splitmix64, fixed by its own arithmetic rather than by a library's.
class SeededGenerator {
public:
    explicit SeededGenerator(std::uint64_t seed)
        : m_state(seed)
    {
    }
    std::uint64_t Next();
    // Uniform in [0, 1), from the top 53 bits.
    double NextUnit();

private:
    std::uint64_t m_state;
};

} // namespace extraction
