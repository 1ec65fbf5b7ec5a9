#include "PreviewPage.h"

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
