// Writes the colour texts and the named colour keywords that check_color_texts.py gives Chromium to read:
//   texts.txt: RRGGBB, then its rgb(), hsl() and oklch() texts, tab-separated, one colour a line;
//   names.txt: each keyword and the colour the program gives it.
#include "color/CssText.h"
#include "color/NamedColors.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tw_write_color_texts FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::set<ColorValue> colors;
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51)
                colors.insert(Pack(r, g, b));
    // Dark, saturated colours and near-greys, where the digits written matter most.
    for (int v = 0; v < 256; v += 5) {
        colors.insert(Pack(v, 0, 1));
        colors.insert(Pack(0, 1, v));
        colors.insert(Pack(v, v, v + 1));
        colors.insert(Pack(255 - v, 255, v / 2));
    }
    std::uint32_t seed = 15;
    while (colors.size() < 1000) {
        seed = seed * 1664525u + 1013904223u;
        colors.insert(seed >> 8);
    }
    std::ofstream texts(folder + "/texts.txt");
    for (ColorValue c : colors)
        texts << HexText(c) << '\t' << CssRgbText(c) << '\t' << CssHslText(c) << '\t' << CssOklchText(c) << '\n';
    std::ofstream names(folder + "/names.txt");
    for (const NamedColor& named : NamedColors())
        names << named.name << '\t' << HexText(named.value) << '\n';
    return texts && names ? 0 : 1;
}
