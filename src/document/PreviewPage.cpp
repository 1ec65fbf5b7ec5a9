#include "PreviewPage.h"

#include <QtGlobal>

#include <array>

namespace {

// The three cells overlap by one pixel so that their outlines coincide into a one-pixel grid.
constexpr std::array<PageElementInfo, kPageElementCount> kElements { {
    { "Background", ElementKind::Fill, QRect(0, 0, 329, 225), kBackground },
    { "tHeaderBG", ElementKind::Fill, QRect(30, 37, 267, 35), kTableHeaderBG },
    { "Header", ElementKind::Text, QRect(51, 9, 218, 18), kHeaderText },
    { "tHeader", ElementKind::Text, QRect(41, 47, 89, 16), kTableHeaderText },
    { "tNavBG", ElementKind::Fill, QRect(30, 71, 90, 135), kNavBG },
    { "tMainBG", ElementKind::Fill, QRect(119, 71, 178, 135), kMainBG },
    { "Link1", ElementKind::Text, QRect(42, 83, 34, 13), kLinkText },
    { "Link2", ElementKind::Text, QRect(42, 101, 34, 13), kLinkText },
    { "Link3", ElementKind::Text, QRect(42, 119, 34, 13), kLinkText },
    { "Link4", ElementKind::Text, QRect(42, 137, 34, 13), kLinkText },
    { "tBodyHeader", ElementKind::Text, QRect(135, 83, 83, 13), kBodyHeaderText },
    { "tMainText", ElementKind::Text, QRect(135, 102, 137, 29), kMainText },
} };

constexpr std::array<PageTextStyle, kPageTextCount> kTextStyles { {
    { PageElement::Header, "Web Page Color Preview", 16, true, false, false },
    { PageElement::tHeader, "Header Text", 13, true, false, false },
    { PageElement::Link1, "Link 1", 11, false, true, false },
    { PageElement::Link2, "Link 2", 11, false, true, false },
    { PageElement::Link3, "Link 3", 11, false, true, false },
    { PageElement::Link4, "Link 4", 11, false, true, false },
    { PageElement::tBodyHeader, "Body Header", 11, true, false, false },
    { PageElement::tMainText, "This is the main text of the body of your page.", 11, false, false, true },
} };

// Each figure sits in free space of the part its text stands on, beside or below that text.
constexpr std::array<ContrastPair, kContrastPairCount> kContrastPairs { {
    { PageElement::Header, PageElement::Background, QPoint(327, 12), true },
    { PageElement::tHeader, PageElement::tHeaderBG, QPoint(294, 48), true },
    { PageElement::Link1, PageElement::tNavBG, QPoint(42, 157), false },
    { PageElement::tBodyHeader, PageElement::tMainBG, QPoint(294, 83), true },
    { PageElement::tMainText, PageElement::tMainBG, QPoint(135, 136), false },
} };

} // namespace

const PageElementInfo& PreviewPage::Info(PageElement element)
{
    return kElements[static_cast<std::size_t>(element)];
}

PageElement PreviewPage::ElementAt(QPoint pos)
{
    for (int i = kPageElementCount - 1; i > 0; --i) {
        if (kElements[i].box.contains(pos))
            return static_cast<PageElement>(i);
    }
    return PageElement::Background;
}

QPoint PreviewPage::PointOf(PageElement element)
{
    const QRect& box = Info(element).box;
    if (ElementAt(box.center()) == element)
        return box.center();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (ElementAt({ x, y }) == element)
                return { x, y };
        }
    }
    Q_UNREACHABLE();
}

const PageTextStyle& PreviewPage::TextStyle(PageElement text)
{
    for (const PageTextStyle& style : kTextStyles) {
        if (style.element == text)
            return style;
    }
    Q_UNREACHABLE();
}

std::span<const PageTextStyle, kPageTextCount> PreviewPage::TextStyles()
{
    return kTextStyles;
}

std::span<const ContrastPair, kContrastPairCount> PreviewPage::ContrastPairs()
{
    return kContrastPairs;
}

std::array<ContrastReading, kContrastPairCount> PreviewPage::Contrasts() const
{
    std::array<ContrastReading, kContrastPairCount> readings {};
    for (int i = 0; i < kContrastPairCount; ++i) {
        const ContrastPair& pair = kContrastPairs[i];
        const PageTextStyle& style = TextStyle(pair.text);
        const double ratio = ContrastRatio(ElementColor(pair.text), ElementColor(pair.background));
        const TextSize size = TextSizeOfPixels(style.pixelSize, style.bold);
        readings[i] = { &pair, ratio, size, GradeContrast(ratio, size) };
    }
    return readings;
}

void PreviewPage::SetColors(const PreviewColors& colors)
{
    // Files may carry anything in the unused top byte; a colour value never has one.
    for (int i = 0; i < kPreviewColorCount; ++i)
        m_colors[i] = colors[i] & 0xFFFFFF;
}

void PreviewPage::SetElementColor(PageElement element, ColorValue color)
{
    m_colors[Info(element).slot] = color;
}
