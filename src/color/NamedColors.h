#pragma once

#include "color/Color.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The 148 named colour keywords of CSS Color 4. Each spelling is its own keyword, so the count includes the
// pairs that share a value (aqua and cyan, fuchsia and magenta, and the seven gray/grey pairs): 139 distinct
// colours. Where several keywords share a colour, the alphabetically first names it (aqua, fuchsia and the
// "gray" spellings), a rule that depends on nothing but the list.

inline constexpr std::size_t kNamedColorCount = 148;

struct NamedColor {
    std::string_view name; // lower case, as the CSS keyword list writes it
    ColorValue value;
};

struct NamedColorMatch {
    NamedColor color;
    bool exact; // the colour is exactly this keyword's value
};

// Every keyword in alphabetical order.
std::span<const NamedColor, kNamedColorCount> NamedColors();
// The colour of a keyword, ignoring ASCII case as CSS does ("DarkGrey" finds darkgrey); nothing if unknown.
std::optional<ColorValue> FindNamedColor(std::string_view name);
// The keyword for a colour: an exact match if there is one, otherwise the keyword nearest in Oklab. Among
// keywords at the same distance the alphabetically first wins.
NamedColorMatch NearestNamedColor(ColorValue c);
// The keyword as a colour's name is shown (UTF-8): "peru" for an exact match, "≈ peru" for the nearest.
std::string ColorNameText(ColorValue c);
