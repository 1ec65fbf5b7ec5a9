#pragma once

#include "color/Color.h"

#include <cstdint>
#include <string>
#include <vector>

// One favourite colour, fields in the order the scheme layout stores them.
struct TFavColor {
    ColorValue Color = 0;
    std::string Text;     // "#" + Hex for entries made here; files may carry any text
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    std::string Hex;      // at most six characters
    bool Expanded = false; // carried by files only; always false in memory

    static TFavColor FromColor(ColorValue c);
    bool operator==(const TFavColor&) const = default;
};

inline TFavColor TFavColor::FromColor(ColorValue c)
{
    TFavColor fav;
    fav.Color = c;
    fav.R = static_cast<std::uint8_t>(Red(c));
    fav.G = static_cast<std::uint8_t>(Green(c));
    fav.B = static_cast<std::uint8_t>(Blue(c));
    fav.Hex = HexText(c);
    fav.Text = "#" + fav.Hex;
    return fav;
}

using FavColorList = std::vector<TFavColor>;
