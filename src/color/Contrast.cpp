#include "Contrast.h"

#include "CssText.h"
#include "Srgb.h"

#include <algorithm>
#include <array>

namespace {

struct GradeThresholds {
    double aa;
    double aaa;
};

// Indexed by TextSize.
constexpr std::array<GradeThresholds, 2> kThresholds { { { 4.5, 7.0 }, { 3.0, 4.5 } } };

// Every ratio at which some grade changes, for the display rule.
constexpr std::array<double, 3> kShownThresholds { 3.0, 4.5, 7.0 };

} // namespace

TextSize TextSizeOfPixels(double pixelSize, bool bold)
{
    const double points = pixelSize * 0.75;
    return points >= 18.0 || (bold && points >= 14.0) ? TextSize::Large : TextSize::Normal;
}

double RelativeLuminance(ColorValue c)
{
    return 0.2126 * LinearChannel(Red(c)) + 0.7152 * LinearChannel(Green(c)) + 0.0722 * LinearChannel(Blue(c));
}

double ContrastRatio(ColorValue foreground, ColorValue background)
{
    const double a = RelativeLuminance(foreground);
    const double b = RelativeLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ContrastGrade GradeContrast(double ratio, TextSize size)
{
    const GradeThresholds& t = kThresholds[static_cast<std::size_t>(size)];
    if (ratio >= t.aaa)
        return ContrastGrade::AAA;
    if (ratio >= t.aa)
        return ContrastGrade::AA;
    return ContrastGrade::Fail;
}

int ContrastHundredths(double ratio)
{
    const int rounded = RoundHalfEven(ratio * 100);
    for (double threshold : kShownThresholds) {
        const int shownThreshold = RoundHalfEven(threshold * 100);
        if (ratio < threshold && rounded >= shownThreshold)
            return std::min(rounded, shownThreshold - 1);
    }
    return rounded;
}

std::string ContrastText(double ratio)
{
    return DecimalText(ContrastHundredths(ratio) / 100.0, 2) + ":1";
}

const char* ContrastGradeText(ContrastGrade grade)
{
    static constexpr std::array<const char*, 3> kTexts { "Fail", "AA", "AAA" };
    return kTexts[static_cast<std::size_t>(grade)];
}
