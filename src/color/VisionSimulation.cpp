#include "VisionSimulation.h"

#include "Oklab.h"
#include "Srgb.h"

#include <array>
#include <cassert>
#include <vector>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
using Vector = std::array<double, 3>;

constexpr std::array<VisionModeInfo, 5> kModes { {
    { VisionMode::Normal, "Normal" },
    { VisionMode::Protanopia, "Protanopia" },
    { VisionMode::Deuteranopia, "Deuteranopia" },
    { VisionMode::Tritanopia, "Tritanopia" },
    { VisionMode::Achromatopsia, "Achromatopsia" },
} };

// Machado et al. 2009, severity 1.0, acting on linear sRGB.
constexpr Matrix kProtanopia { { { 0.152286, 1.052583, -0.204868 }, { 0.114503, 0.786281, 0.099216 },
    { -0.003882, -0.048116, 1.051998 } } };
constexpr Matrix kDeuteranopia { { { 0.367322, 0.860646, -0.227968 }, { 0.280085, 0.672501, 0.047413 },
    { -0.011820, 0.042940, 0.968881 } } };

// Smith and Pokorny's cone fundamentals from CIE XYZ, as Viénot et al. use them.
constexpr Matrix kXyzToLms { { { 0.15514, 0.54312, -0.03286 }, { -0.15514, 0.45684, 0.03286 }, { 0, 0, 0.01608 } } };
// CIE 1931 colour matching functions at Brettel's anchors for tritanopes: 485 nm and 660 nm, the blue-green and
// the red that tritanopes see as everyone else does.
constexpr Vector kXyz485nm { 0.05795, 0.16930, 0.61620 };
constexpr Vector kXyz660nm { 0.16490, 0.06100, 0.00000 };

Vector Multiply(const Matrix& m, const Vector& v)
{
    return { m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
        m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2] };
}

Matrix Multiply(const Matrix& a, const Matrix& b)
{
    Matrix m {};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return m;
}

Vector Cross(const Vector& a, const Vector& b)
{
    return { a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0] };
}

double Dot(const Vector& a, const Vector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Matrix Inverse(const Matrix& m)
{
    // Rows of the inverse are the cross products of the columns, over the determinant.
    const Vector c0 { m[0][0], m[1][0], m[2][0] };
    const Vector c1 { m[0][1], m[1][1], m[2][1] };
    const Vector c2 { m[0][2], m[1][2], m[2][2] };
    const Vector r0 = Cross(c1, c2);
    const Vector r1 = Cross(c2, c0);
    const Vector r2 = Cross(c0, c1);
    const double det = Dot(c0, r0);
    assert(det != 0);
    Matrix inv {};
    for (std::size_t j = 0; j < 3; ++j) {
        inv[0][j] = r0[j] / det;
        inv[1][j] = r1[j] / det;
        inv[2][j] = r2[j] / det;
    }
    return inv;
}

Matrix LinearRgbToXyzMatrix()
{
    Matrix m {};
    for (std::size_t j = 0; j < 3; ++j) {
        const LinearRgb unit { j == 0 ? 1.0 : 0.0, j == 1 ? 1.0 : 0.0, j == 2 ? 1.0 : 0.0 };
        const Xyz xyz = LinearRgbToXyz(unit);
        m[0][j] = xyz.X;
        m[1][j] = xyz.Y;
        m[2][j] = xyz.Z;
    }
    return m;
}

// A simulation in linear sRGB: one matrix, or two with the plane between them (a colour on the positive side of
// the separator takes the first).
struct Projection {
    Matrix first {};
    Matrix second {};
    Vector separator {}; // all zero: the first matrix everywhere
};

Projection SingleMatrix(const Matrix& m) { return { m, m, {} }; }

Projection Achromatopsia()
{
    const Matrix toXyz = LinearRgbToXyzMatrix();
    const Matrix luminance { { toXyz[1], toXyz[1], toXyz[1] } };
    return SingleMatrix(luminance);
}

Projection Tritanopia()
{
    const Matrix toLms = Multiply(kXyzToLms, LinearRgbToXyzMatrix());
    const Matrix fromLms = Inverse(toLms);
    const Vector white = Multiply(toLms, Vector { 1, 1, 1 });
    const Vector anchors[2] = { Multiply(kXyzToLms, kXyz485nm), Multiply(kXyzToLms, kXyz660nm) };
    Matrix onPlane[2];
    for (int i = 0; i < 2; ++i) {
        // Keep L and M; choose S so the colour lies on the plane through black, white and the anchor.
        const Vector n = Cross(white, anchors[i]);
        const Matrix project { { { 1, 0, 0 }, { 0, 1, 0 }, { -n[0] / n[2], -n[1] / n[2], 0 } } };
        onPlane[i] = Multiply(fromLms, Multiply(project, toLms));
    }
    // The plane through white and the S axis divides the two halves; turn its normal toward the 485 nm side and
    // carry it into linear sRGB (a normal goes through the transpose).
    Vector side = Cross(white, { 0, 0, 1 });
    if (Dot(side, anchors[0]) < 0)
        side = { -side[0], -side[1], -side[2] };
    Vector separator {};
    for (std::size_t j = 0; j < 3; ++j)
        separator[j] = side[0] * toLms[0][j] + side[1] * toLms[1][j] + side[2] * toLms[2][j];
    return { onPlane[0], onPlane[1], separator };
}

// Linear values are looked up in a table this fine: at the dark end, where encoding is steepest, one entry is a
// fortieth of a channel step, so the table agrees with the exact encoding but for values within that of a half.
constexpr int kEncodeSteps = 65535;

struct Simulator {
    std::array<float, 9> first {};
    std::array<float, 9> second {};
    std::array<float, 3> separator {};

    explicit Simulator(const Projection& p)
    {
        for (std::size_t i = 0; i < 3; ++i) {
            separator[i] = static_cast<float>(p.separator[i]);
            for (std::size_t j = 0; j < 3; ++j) {
                first[i * 3 + j] = static_cast<float>(p.first[i][j]);
                second[i * 3 + j] = static_cast<float>(p.second[i][j]);
            }
        }
    }
};

struct Tables {
    std::array<float, 256> linear {};
    std::vector<std::uint8_t> encode;
    std::vector<Simulator> simulators; // indexed by VisionMode
};

const Tables& SharedTables()
{
    static const Tables tables = [] {
        Tables t;
        for (std::size_t i = 0; i < 256; ++i)
            t.linear[i] = static_cast<float>(LinearChannelTable()[i]);
        t.encode.resize(kEncodeSteps + 1);
        for (int i = 0; i <= kEncodeSteps; ++i)
            t.encode[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(LinearToChannel(double(i) / kEncodeSteps));
        const Matrix identity { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } };
        t.simulators = { Simulator(SingleMatrix(identity)), Simulator(SingleMatrix(kProtanopia)),
            Simulator(SingleMatrix(kDeuteranopia)), Simulator(Tritanopia()), Simulator(Achromatopsia()) };
        return t;
    }();
    return tables;
}

inline std::uint32_t Encode(const Tables& t, float linear)
{
    const float clipped = linear < 0.0f ? 0.0f : (linear > 1.0f ? 1.0f : linear);
    return t.encode[static_cast<std::size_t>(clipped * kEncodeSteps + 0.5f)];
}

// Channels in, channels out, packed as 0xRRGGBB (the pixel layout, alpha left to the caller).
inline std::uint32_t SimulateRgb(const Tables& t, const Simulator& s, std::uint32_t rgb)
{
    const std::uint32_t r8 = (rgb >> 16) & 0xFF;
    const std::uint32_t g8 = (rgb >> 8) & 0xFF;
    const std::uint32_t b8 = rgb & 0xFF;
    if (r8 == g8 && g8 == b8)
        return rgb & 0xFFFFFF;
    const float r = t.linear[r8];
    const float g = t.linear[g8];
    const float b = t.linear[b8];
    const bool firstSide = s.separator[0] * r + s.separator[1] * g + s.separator[2] * b >= 0.0f;
    const std::array<float, 9>& m = firstSide ? s.first : s.second;
    const std::uint32_t outR = Encode(t, m[0] * r + m[1] * g + m[2] * b);
    const std::uint32_t outG = Encode(t, m[3] * r + m[4] * g + m[5] * b);
    const std::uint32_t outB = Encode(t, m[6] * r + m[7] * g + m[8] * b);
    return (outR << 16) | (outG << 8) | outB;
}

} // namespace

std::span<const VisionModeInfo> VisionModes()
{
    return kModes;
}

const char* VisionModeName(VisionMode mode)
{
    return kModes[static_cast<std::size_t>(mode)].name;
}

ColorValue SimulateVision(ColorValue c, VisionMode mode)
{
    if (mode == VisionMode::Normal)
        return c;
    const Tables& t = SharedTables();
    const std::uint32_t rgb = static_cast<std::uint32_t>(Red(c)) << 16 | static_cast<std::uint32_t>(Green(c)) << 8
        | static_cast<std::uint32_t>(Blue(c));
    const std::uint32_t out = SimulateRgb(t, t.simulators[static_cast<std::size_t>(mode)], rgb);
    return Pack(static_cast<int>(out >> 16), static_cast<int>(out >> 8), static_cast<int>(out));
}

void SimulateVisionOnPixels(std::uint32_t* pixels, std::size_t count, VisionMode mode)
{
    if (mode == VisionMode::Normal || count == 0)
        return;
    const Tables& t = SharedTables();
    const Simulator& s = t.simulators[static_cast<std::size_t>(mode)];
    // Painted windows are mostly runs of one colour: remember the last one.
    std::uint32_t lastIn = pixels[0] & 0xFFFFFF;
    std::uint32_t lastOut = SimulateRgb(t, s, lastIn);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = pixels[i];
        const std::uint32_t rgb = p & 0xFFFFFF;
        if (rgb != lastIn) {
            lastIn = rgb;
            lastOut = SimulateRgb(t, s, rgb);
        }
        pixels[i] = (p & 0xFF000000u) | lastOut;
    }
}
