#pragma once

#include "PreviewColors.h"
#include "color/Contrast.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <span>

// The sample page's parts, in stacking order from the bottom up: where parts overlap, the later one is on top.
enum class PageElement {
    Background,
    tHeaderBG,
    Header,
    tHeader,
    tNavBG,
    tMainBG,
    Link1,
    Link2,
    Link3,
    Link4,
    tBodyHeader,
    tMainText,
};
constexpr int kPageElementCount = 12;

enum class ElementKind { Fill, Text };

struct PageElementInfo {
    const char* name;
    ElementKind kind;
    QRect box; // in page coordinates; a text receives the pointer over its whole box, not only its letters
    PreviewColorSlot slot;
};

// How a text of the page is set (Verdana at a size in pixels).
struct PageTextStyle {
    PageElement element;
    const char* caption;
    int pixelSize;
    bool bold;
    bool underline;
    bool wrap; // word-wrapped inside its fixed box
};
constexpr int kPageTextCount = 8;

// One text of the page read against what it stands on. The four links are one reading: they share a colour and
// stand on the same cell.
struct ContrastPair {
    PageElement text;
    PageElement background;
    QPoint badgeAt;  // where its figure is shown: the badge's top-left corner, or its top-right one
    bool alignRight;
};
constexpr int kContrastPairCount = 5;

struct ContrastReading {
    const ContrastPair* pair;
    double ratio;
    TextSize size;
    ContrastGrade grade;
};

// The QuickPreview page: nine colours and the twelve parts that show them. The four links share one
// colour slot, so setting any link sets all four.
class PreviewPage {
public:
    static constexpr QSize kSize { 329, 225 };

    static const PageElementInfo& Info(PageElement element);
    // The topmost part under a point; anything outside the cells and the text boxes is the background.
    static PageElement ElementAt(QPoint pos);
    // A point where the part lies on top: the middle of its box when nothing covers it there.
    static QPoint PointOf(PageElement element);
    static const PageTextStyle& TextStyle(PageElement text);
    static std::span<const PageTextStyle, kPageTextCount> TextStyles();
    static std::span<const ContrastPair, kContrastPairCount> ContrastPairs();

    // The contrast of every text on its background, in the colours the page has now.
    std::array<ContrastReading, kContrastPairCount> Contrasts() const;

    // In the order scheme and session files store them.
    const PreviewColors& Colors() const { return m_colors; }
    void SetColors(const PreviewColors& colors);
    void ResetPreviewColors() { m_colors = DefaultPreviewColors(); }

    // The part's fill for a rectangle, its text colour for a text.
    ColorValue ElementColor(PageElement element) const { return m_colors[Info(element).slot]; }
    void SetElementColor(PageElement element, ColorValue color);

private:
    PreviewColors m_colors = DefaultPreviewColors();
};
