#pragma once

#include "color/Color.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class QMenu;
class QWidget;

// The three texts every copy menu offers, in menu order: RRGGBB, #RRGGBB and R,G,B.
using CopyTexts = std::array<QString, 3>;
CopyTexts CopyTextsOf(ColorValue color);

// How a screen reader hears a colour: what shows it, the "#RRGGBB" the copy menus copy and the name the tool tips
// give ("Swatch 5, #CD853F, peru"; "≈ peru" for the nearest name).
QString SpokenColor(const QString& what, ColorValue color);
// The same for a colour whose "#RRGGBB" text is its own (a favourite keeps the text its file gave it).
QString SpokenColor(const QString& what, const QString& hashHex, ColorValue color);

// Gives `menu` three entries, with the object names given, that are filled from `texts` each time the menu
// opens: each entry's caption shows its text exactly, and choosing it puts that text on the clipboard.
// While the "More copy formats" preference is on, the menu also offers `color` (when there is one) as rgb(),
// hsl() and oklch() below a separator (object names: the menu's, then "CssRgb", "CssHsl", "CssOklch"); while
// it is off, the menu holds the three entries and nothing else. Every window's copy menu is made here. Returns what fills the
// entries at once, for a pop-up menu that shows them in a submenu and fills them as it opens itself.
std::function<void()> AddCopyEntries(QMenu* menu, const std::array<const char*, 3>& names,
    std::function<CopyTexts()> texts, std::function<std::optional<ColorValue>()> color);

// The colour on the clipboard for a paste, in any text the copy menus give. A clipboard holding anything else gets a
// message over `parent` that says what it takes, and gives nothing.
std::optional<ColorValue> PastedColor(QWidget* parent);
