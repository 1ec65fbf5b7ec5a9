#pragma once

#include <algorithm>

// Geometry of the Favorites list. Rows are a fixed height; a content y is a list y plus the scroll position.
namespace favlayout {

constexpr int kRowHeight = 42;
// Enough rows to cover the list area from a partly hidden first row, whatever the list's length.
constexpr int kRowsPerPaint = 10;

// The row under a content y, or -1 below the last row.
constexpr int FavRowAt(int contentY, int count)
{
    if (contentY < 0)
        return -1;
    const int row = contentY / kRowHeight;
    return row < count ? row : -1;
}

// Where a drop at a content y goes: before the first row whose midpoint is at or below it, else at the end.
// The midpoint line itself belongs to the upper half.
constexpr int FavInsertionIndex(int contentY, int count)
{
    const int index = (std::max(contentY, 0) + kRowHeight / 2 - 1) / kRowHeight;
    return std::min(index, count);
}

// The first row whose bottom edge is at or below the scroll position.
constexpr int FirstVisibleRow(int position)
{
    return std::max(0, (position + kRowHeight - 1) / kRowHeight - 1);
}

} // namespace favlayout
