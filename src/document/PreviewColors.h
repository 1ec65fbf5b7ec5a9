#pragma once

#include "color/Color.h"

#include <array>

// The sample page's nine colours, in the order scheme and session files store them.
enum PreviewColorSlot {
    kHeaderText,      // page title
    kTableHeaderText, // tHeader
    kBodyHeaderText,  // tBodyHeader
    kMainText,        // tMainText
    kLinkText,        // Link1..Link4 share it
    kBackground,
    kTableHeaderBG,   // tHeaderBG
    kNavBG,           // tNavBG
    kMainBG,          // tMainBG
    kPreviewColorCount
};

using PreviewColors = std::array<ColorValue, kPreviewColorCount>;

constexpr PreviewColors DefaultPreviewColors()
{
    return { Pack(0, 0, 0), Pack(0, 0, 0), Pack(0, 0, 0), Pack(0, 0, 0), Pack(0, 0, 0),
        Pack(255, 255, 255), Pack(230, 230, 230), Pack(230, 230, 230), Pack(255, 255, 255) };
}
