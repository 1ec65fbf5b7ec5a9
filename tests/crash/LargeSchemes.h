#pragma once

// The two schemes the save driver writes in turn: as large as a scheme file gets (65535 favourites), and
// different in every part, so any mixture of the two, or a cut-off one, is seen.

#include "document/SchemeLayout.h"

#include <string>

inline SchemeData LargeScheme(int variant)
{
    SchemeData scheme;
    scheme.baseColor = variant == 0 ? 0x0000FF : 0x00FF00;
    scheme.favorites.reserve(65535);
    for (int i = 0; i < 65535; ++i) {
        TFavColor fav = TFavColor::FromColor(static_cast<ColorValue>((i * 2654435761u + variant * 977u) & 0xFFFFFF));
        // The two variants differ in size as well as in content.
        fav.Text = (variant == 0 ? "first " : "second one ") + std::to_string(i);
        scheme.favorites.push_back(std::move(fav));
    }
    for (std::size_t slot = 0; slot < scheme.preview.size(); ++slot)
        scheme.preview[slot] = static_cast<ColorValue>(slot * 0x010101 + variant);
    return scheme;
}
