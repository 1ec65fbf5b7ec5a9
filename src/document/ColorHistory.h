#pragma once

#include "color/Color.h"

#include <vector>

// The base colours set in this run, kept as a browser keeps pages: going back and then setting a colour drops
// the entries that followed. Once anything is recorded, exactly one entry is selected.
class ColorHistory {
public:
    // Records a colour after the selected entry, dropping the entries that followed it, and selects it. Returns
    // its index: the entries before it are as they were.
    int Add(ColorValue color);

    // Move the selection by one entry; false, and no move, at the first or last entry.
    bool Back();
    bool Forward();
    // Selects an entry; false, and no change, for an index outside the history.
    bool Select(int index);

    bool CanGoBack() const { return m_selected > 0; }
    bool CanGoForward() const { return m_selected + 1 < Count(); }

    int Count() const { return static_cast<int>(m_entries.size()); }
    int Index() const { return m_selected; } // -1 while nothing is recorded
    ColorValue At(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }
    ColorValue Selected() const { return At(m_selected); }

private:
    std::vector<ColorValue> m_entries;
    int m_selected = -1;
};
