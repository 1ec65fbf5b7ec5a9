#include "PaletteExtraction.h"

#include "PictureBand.h"
#include "color/Srgb.h"

#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace extraction {
namespace {

// Colours closer than this in Oklab share a bin; well under the smallest difference a designer would name.
constexpr double kBinEdge = 0.008;
// An area this far in Oklab from every extracted colour is a colour of its own...
constexpr double kDistinct = 0.1;
// ... when it covers at least this share of the picture: a logo's dot of colour, not a few stray pixels.
constexpr double kAccentShare = 0.001;
constexpr int kMaxRounds = 60;
// Bins whose means differ by less than this hold one colour that rounding put on both sides of a bin's edge (a grey's
// a and b lie on the edge at zero): never two centres.
constexpr double kSameColor = 1e-6;
constexpr std::uint64_t kSeed = 0x54696E7477656C6CULL;

struct Block {
    std::int64_t key;
    Oklab lab;
    double weight;
    QPoint where;
};

std::int64_t BinKey(const Oklab& lab)
{
    // L lies in 0..1 and a, b well inside -0.5..0.5 for sRGB colours: 21 bits each leave room to spare.
    const auto cell = [](double v) { return static_cast<std::int64_t>(std::floor(v / kBinEdge)) + (1 << 20); };
    return (cell(lab.L) << 42) | (cell(lab.a) << 21) | cell(lab.b);
}

Oklab LinearToOklab(double r, double g, double b) { return XyzToOklab(LinearRgbToXyz(LinearRgb { r, g, b })); }

// One row of blocks, `edge` picture pixels square; blocks without an opaque pixel are left out.
std::vector<Block> BlockRow(const QImage& picture, int row, int edge, const std::array<double, 256>& linear)
{
    const int top = row * edge;
    const int bottom = std::min(picture.height(), top + edge);
    const PictureBand band(picture, top, bottom);
    const int columns = (picture.width() + edge - 1) / edge;
    struct Sum {
        double r = 0, g = 0, b = 0;
        int count = 0;
    };
    std::vector<Sum> sums(static_cast<std::size_t>(columns));
    const bool alpha = picture.hasAlphaChannel();
    for (int y = top; y < bottom; ++y) {
        const QRgb* line = band.Line(y);
        for (int x = 0; x < picture.width(); ++x) {
            QRgb pixel = line[x];
            if (alpha) {
                if (qAlpha(pixel) < 128)
                    continue;
                pixel = qUnpremultiply(pixel);
            }
            Sum& sum = sums[static_cast<std::size_t>(x / edge)];
            sum.r += linear[static_cast<std::size_t>(qRed(pixel))];
            sum.g += linear[static_cast<std::size_t>(qGreen(pixel))];
            sum.b += linear[static_cast<std::size_t>(qBlue(pixel))];
            ++sum.count;
        }
    }
    std::vector<Block> blocks;
    blocks.reserve(sums.size());
    for (int column = 0; column < columns; ++column) {
        const Sum& sum = sums[static_cast<std::size_t>(column)];
        if (sum.count == 0)
            continue;
        // Averaged as light adds up, so a fine pattern averages to what it looks like from afar.
        const Oklab lab = LinearToOklab(sum.r / sum.count, sum.g / sum.count, sum.b / sum.count);
        const QPoint middle(std::min(picture.width() - 1, column * edge + edge / 2), std::min(bottom - 1, top + edge / 2));
        blocks.push_back({ BinKey(lab), lab, double(sum.count), middle });
    }
    return blocks;
}

// Each row made by `makeRow`, on this thread and on those of the pool's threads that are free now, as many threads
// in all as the pool may run. Busy threads are not waited for: this thread takes every row no other thread took, so
// a caller that itself holds one of the pool's threads, or whose pool is full, still finishes.
std::vector<std::vector<Block>> MakeRows(int rows, QThreadPool& pool, const std::function<std::vector<Block>(int)>& makeRow)
{
    std::vector<std::vector<Block>> made(static_cast<std::size_t>(rows));
    // Shared with the helpers: the last of them may still be releasing the semaphore when this function returns.
    struct Progress {
        std::atomic<int> next { 0 };
        QSemaphore finished;
    };
    const auto progress = std::make_shared<Progress>();
    const auto work = [&made, &makeRow, rows, &next = progress->next] {
        for (int row = next++; row < rows; row = next++)
            made[static_cast<std::size_t>(row)] = makeRow(row);
    };
    int helpers = 0;
    while (helpers < std::min(pool.maxThreadCount() - 1, rows - 1) && pool.tryStart([progress, &work] {
        work();
        progress->finished.release();
    }))
        ++helpers;
    work();
    progress->finished.acquire(helpers);
    return made;
}

qint64 FromMiddle(QPoint p, QSize size)
{
    const qint64 dx = 2 * qint64(p.x()) + 1 - size.width();
    const qint64 dy = 2 * qint64(p.y()) + 1 - size.height();
    return dx * dx + dy * dy;
}

struct Point {
    Oklab lab;
    double weight;
};

int Nearest(const Oklab& lab, const std::vector<Oklab>& centres, double* distance = nullptr)
{
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double d = OklabDistanceSquared(lab, centres[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    if (distance)
        *distance = bestDistance;
    return best;
}

// The index whose weight, drawn at random in proportion to the weights, holds `target` of their total.
std::size_t Drawn(const std::vector<double>& weights, double target)
{
    double running = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        running += weights[i];
        if (target < running && weights[i] > 0)
            return i;
    }
    // Rounding left the target past the last step: the last point that could be drawn.
    for (std::size_t i = weights.size(); i-- > 0;) {
        if (weights[i] > 0)
            return i;
    }
    return 0;
}

// k-means++: each new centre drawn with a chance in proportion to its weight times its squared distance from the
// centres so far.
std::vector<Oklab> SeedCentres(const std::vector<Point>& points, int count)
{
    SeededGenerator generator(kSeed);
    std::vector<double> chance(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        chance[i] = points[i].weight;
    std::vector<Oklab> centres;
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::max());
    while (static_cast<int>(centres.size()) < count) {
        const double total = std::accumulate(chance.begin(), chance.end(), 0.0);
        if (total <= 0)
            break; // every point already is a centre
        centres.push_back(points[Drawn(chance, generator.NextUnit() * total)].lab);
        for (std::size_t i = 0; i < points.size(); ++i) {
            nearest[i] = std::min(nearest[i], OklabDistanceSquared(points[i].lab, centres.back()));
            chance[i] = nearest[i] < kSameColor * kSameColor ? 0 : points[i].weight * nearest[i];
        }
    }
    return centres;
}

// Lloyd's rounds until no point changes its centre; returns each point's centre.
std::vector<int> Settle(const std::vector<Point>& points, std::vector<Oklab>& centres)
{
    std::vector<int> owner(points.size(), -1);
    for (int round = 0; round < kMaxRounds; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const int nearest = Nearest(points[i].lab, centres);
            moved |= nearest != owner[i];
            owner[i] = nearest;
        }
        if (!moved)
            break;
        std::vector<Point> sums(centres.size(), Point { {}, 0 });
        for (std::size_t i = 0; i < points.size(); ++i) {
            Point& sum = sums[static_cast<std::size_t>(owner[i])];
            sum.lab.L += points[i].lab.L * points[i].weight;
            sum.lab.a += points[i].lab.a * points[i].weight;
            sum.lab.b += points[i].lab.b * points[i].weight;
            sum.weight += points[i].weight;
        }
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (sums[c].weight > 0)
                centres[c] = { sums[c].lab.L / sums[c].weight, sums[c].lab.a / sums[c].weight, sums[c].lab.b / sums[c].weight };
        }
    }
    return owner;
}

// Large areas draw the centres to themselves, and a small area of a colour unlike any of them (a red sign in a
// green landscape) ends up inside some other colour's group. While such an area covers enough of the picture and
// stands further from every centre than the two closest centres stand from each other, those two become one and the
// area gets a centre of its own.
bool GiveAccentACentre(const std::vector<Point>& points, std::vector<Oklab>& centres, double totalWeight)
{
    if (centres.size() < 2)
        return false;
    std::vector<double> distance(points.size());
    std::size_t candidate = points.size();
    double candidateScore = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        Nearest(points[i].lab, centres, &distance[i]);
        const double score = points[i].weight * distance[i];
        if (distance[i] > kDistinct * kDistinct && score > candidateScore) {
            candidateScore = score;
            candidate = i;
        }
    }
    if (candidate == points.size())
        return false;
    double area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (distance[i] > kDistinct * kDistinct
            && OklabDistanceSquared(points[i].lab, points[candidate].lab) < kDistinct * kDistinct / 4)
            area += points[i].weight;
    }
    if (area < kAccentShare * totalWeight)
        return false;
    std::size_t keep = 0, merged = 1;
    double closest = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        for (std::size_t j = i + 1; j < centres.size(); ++j) {
            const double d = OklabDistanceSquared(centres[i], centres[j]);
            if (d < closest) {
                closest = d;
                keep = i;
                merged = j;
            }
        }
    }
    if (closest >= distance[candidate])
        return false;
    centres[keep] = { (centres[keep].L + centres[merged].L) / 2, (centres[keep].a + centres[merged].a) / 2,
        (centres[keep].b + centres[merged].b) / 2 };
    centres[merged] = points[candidate].lab;
    return true;
}

} // namespace

std::uint64_t SeededGenerator::Next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double SeededGenerator::NextUnit() { return double(Next() >> 11) * 0x1.0p-53; }

Sample MakeSample(const QImage& picture, int maxPixels, QThreadPool* pool)
{
    Sample sample;
    sample.picture = picture.size();
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return sample;
    const double pixels = double(picture.width()) * picture.height();
    const int edge = std::max(1, int(std::ceil(std::sqrt(pixels / std::max(1, maxPixels)))));
    const int rows = (picture.height() + edge - 1) / edge;
    const std::array<double, 256>& linear = LinearChannelTable();

    const std::vector<std::vector<Block>> blockRows = MakeRows(rows, pool ? *pool : *QThreadPool::globalInstance(),
        [&](int row) { return BlockRow(picture, row, edge, linear); });

    // Gathered in the picture's order, row by row, so the sums do not depend on which thread finished first.
    std::unordered_map<std::int64_t, std::size_t> binOf;
    for (const std::vector<Block>& row : blockRows) {
        for (const Block& block : row) {
            const auto [at, added] = binOf.try_emplace(block.key, sample.bins.size());
            if (added)
                sample.bins.push_back({ {}, 0, block.where });
            ColorBin& bin = sample.bins[at->second];
            // Marked where the picture's middle is nearest: on an area, not at the picture's edge where scanning
            // first met it.
            if (!added && FromMiddle(block.where, picture.size()) < FromMiddle(bin.where, picture.size()))
                bin.where = block.where;
            bin.sum.L += block.lab.L * block.weight;
            bin.sum.a += block.lab.a * block.weight;
            bin.sum.b += block.lab.b * block.weight;
            bin.weight += block.weight;
            sample.opaqueWeight += block.weight;
        }
    }
    return sample;
}

std::vector<ExtractedColor> Extract(const Sample& sample, int count)
{
    Q_ASSERT(count >= 1);
    if (sample.bins.empty() || sample.opaqueWeight <= 0)
        return {};
    std::vector<Point> points;
    points.reserve(sample.bins.size());
    for (const ColorBin& bin : sample.bins)
        points.push_back({ bin.Mean(), bin.weight });

    std::vector<Oklab> centres = SeedCentres(points, count);
    std::vector<int> owner = Settle(points, centres);
    for (int accents = 0; accents < count && GiveAccentACentre(points, centres, sample.opaqueWeight); ++accents)
        owner = Settle(points, centres);

    struct Group {
        double weight = 0;
        double typicalDistance = std::numeric_limits<double>::max();
        QPoint typical;
    };
    std::vector<Group> groups(centres.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        Group& group = groups[static_cast<std::size_t>(owner[i])];
        group.weight += points[i].weight;
        const double d = OklabDistanceSquared(points[i].lab, centres[static_cast<std::size_t>(owner[i])]);
        if (d < group.typicalDistance) {
            group.typicalDistance = d;
            group.typical = sample.bins[i].where;
        }
    }
    std::vector<ExtractedColor> colors;
    for (std::size_t c = 0; c < centres.size(); ++c) {
        if (groups[c].weight > 0)
            colors.push_back({ OklabToColor(centres[c]), groups[c].weight / sample.opaqueWeight, groups[c].typical });
    }
    std::stable_sort(colors.begin(), colors.end(),
        [](const ExtractedColor& p, const ExtractedColor& q) { return p.share > q.share; });
    return colors;
}

} // namespace extraction
