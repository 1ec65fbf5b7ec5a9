#pragma once

#include "color/Color.h"

#include <QString>

#include <array>
#include <functional>

class QMenu;

// The three texts every copy menu offers, in menu order: RRGGBB, #RRGGBB and R,G,B.
using CopyTexts = std::array<QString, 3>;
CopyTexts CopyTextsOf(ColorValue color);

// Gives `menu` three entries, with the object names given, that are filled from `texts` each time the menu
// opens: each entry's caption shows its text exactly, and choosing it puts that text on the clipboard. Every
// window's copy menu is made here. Returns what fills the entries at once, for a pop-up menu that shows them
// in a submenu and fills them as it opens itself.
std::function<void()> AddCopyEntries(QMenu* menu, const std::array<const char*, 3>& names, std::function<CopyTexts()> texts);
