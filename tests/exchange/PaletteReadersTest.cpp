#include "exchange/PaletteFormats.h"

#include <gtest/gtest.h>

namespace {

// A file from elsewhere and what it must read as: "name=RRGGBB" entries joined by "|", or, when the read
// must fail, "!" and a piece of the message the user sees.
struct ForeignFile {
    PaletteFormat format;
    const char* bytes;
    const char* expected;
    std::size_t size = 0; // for bytes holding zeros
};

std::string Outcome(const PaletteImport& read)
{
    if (!read.ok())
        return "!" + read.message.toStdString();
    std::string out;
    for (const PaletteEntry& entry : read.palette.entries)
        out += (out.empty() ? "" : "|") + entry.name.toStdString() + "=" + HexText(entry.color);
    return out;
}

const ForeignFile kFiles[] = {
    // GIMP palettes as GIMP, Inkscape and others write them.
    { PaletteFormat::Gpl, "GIMP Palette\nName: Web\nColumns: 16\n#\n  0   0   0\tBlack\n255 255 255\tWhite\n",
        "Black=000000|White=FFFFFF" },
    { PaletteFormat::Gpl, "GIMP Palette\r\nName: x\r\n# comment\r\n\r\n  1 2 3   spaced name\r\n 4\t5\t6\r\n7 8 9\tUntitled\r\n",
        "spaced name=010203|=040506|Untitled=070809" },
    { PaletteFormat::Gpl, "GIMP Palette\nName: Latin\n10 20 30\tcaf\xE9\n", "caf\xC3\xA9=0A141E" },
    { PaletteFormat::Gpl, "GIMP Palette\nColumns: 4\n1 2 3\tok\n256 0 0\tred\n", "!Line 4: \"256 0 0 red\"" },
    { PaletteFormat::Gpl, "GIMP Palette\n1 2\ttwo\n", "!Line 2:" },
    { PaletteFormat::Gpl, "GIMP Palette\n-1 2 3\tminus\n", "!Line 2:" },
    { PaletteFormat::Gpl, "GIMP Palett\n1 2 3\n", "!not a GIMP palette" },
    { PaletteFormat::Gpl, "GIMP Palette\nName: nothing\n", "!holds no colors" },
    // Old Mac line ends.
    { PaletteFormat::Gpl, "GIMP Palette\rName: mac\r# comment\r1 2 3\tone\r4 5 6\ttwo\r", "one=010203|two=040506" },
    // Style sheets: variables, custom properties and plain rules.
    { PaletteFormat::Css,
        "/* theme */\n:root {\n  --primary: #336699;\n  --accent: #F0a; /* no quotes, no name */\n}\n"
        ".btn, a:hover { color: RGB(10, 20, 30); background: rgba(100% 50% 0% / .5) !important;\n"
        "  border: 1px solid #000; background-image: url(\"x.png#a;b\"); }\n@media (min-width: 10px) { p { color: #abcd } }",
        "primary=336699|accent=FF00AA|.btn, a:hover color=0A141E|.btn, a:hover background=FF8000|"
        "@media (min-width: 10px) p color=AABBCC" },
    { PaletteFormat::Css, ":root { --a: rgb(300, -5, 12.5); --b: #11223344; }", "a=FF000D|b=112233" },
    { PaletteFormat::Css, ":root {\n  --a: #fff;\n  --b: #12345;\n}", "!Line 3: \"#12345\"" },
    { PaletteFormat::Css, ":root {\n  --a: rgb(1, 2);\n}", "!Line 2: \"rgb(1, 2)\"" },
    // A value that only begins with a colour, or computes one, is something else and passed over.
    { PaletteFormat::Css,
        ".box { border: #ccc 1px solid; border-color: #fcc7a5 #7d3302 #000 #fff; color: #123456;\n"
        "  background: rgb(1, 2, var(--x)); outline: #FFF\\9; fill: rgb(1 2 3) }",
        ".box color=123456|.box fill=010203" },
    { PaletteFormat::Scss, "$a: #102030;\n$b: rgba($a, 0.5);\n$c: darken(#fff, 10%);\n$d: rgb(1, 2, $x);", "a=102030" },
    // Lone CRs end lines and comments; an unquoted url() holds no comment.
    { PaletteFormat::Scss, "$a: #111111; // first\r$b: #222222;\r// c\r$c: #333333;\r", "a=111111|b=222222|c=333333" },
    { PaletteFormat::Scss, "$bg: url(http://example.com/x.png);\n.x { background: URL( //cdn.example/y.png ); }\n"
        "$after: #444444;\n$q: url(\"//quoted\");\n$last: #555555;",
        "after=444444|last=555555" },
    { PaletteFormat::Css, "a { background: url(/*x*/); color: #666666 }", "a color=666666" },
    // A text continued on the next line by an escaped line break, as in data: addresses.
    { PaletteFormat::Css, "a { b: url('data:<svg \\\n x=\"1\"> \\\r\n</svg>'); c: #777777;\n d: #12345 }",
        "!Line 4: \"#12345\"" },
    { PaletteFormat::Scss, "$a: #111;\r\r$b: #12345;", "!Line 3: \"#12345\"" },
    { PaletteFormat::Css, ":root {\n  --a: #fff; /* \"open", "!ends inside the comment that begins on line 2" },
    { PaletteFormat::Css, "a {\n  color: #fff;\n", "!ends inside the block that begins on line 1" },
    { PaletteFormat::Css, "a { color: #fff; }\n}", "!Line 2: this \"}\" closes no block" },
    { PaletteFormat::Css, "a { b { c { color: #fff } } }", "a b c color=FFFFFF" },
    { PaletteFormat::Css, "body { margin: 0; color: red; }", "!holds no colors" },
    { PaletteFormat::Css, "a { background: linear-gradient(rgb(1,2,3), #fff); b: url(//x/#y) }", "!holds no colors" },
    { PaletteFormat::Scss, "$brand: #fa0 !default; // \"Brand \\2a  orange\"\n$map: (a: #fff);\n.x { color: $brand; }\n"
        "// url(http://x/#fff)\n$second: rgb(0 0 255);",
        "Brand * orange=FFAA00|second=0000FF" },
    // Our own JSON shape and damaged versions of it.
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"name":"a","hex":"#0a0B0c"},{"rgb":[1,2,3]},)"
                           R"({"name":"c","hex":"#010203","rgb":[1,2,3],"extra":true}]})",
        "a=0A0B0C|=010203|c=010203" },
    { PaletteFormat::Json, "{\"format\":\"tintwell-palette\",\n\"version\":1,\n\"colors\":[}", "!Line 3: this is not valid JSON" },
    { PaletteFormat::Json, R"({"version":1,"colors":[]})", "!not a Tintwell palette" },
    { PaletteFormat::Json, R"([1,2])", "!not a Tintwell palette" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":2,"colors":[]})", "!only version 1" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":{}})", "!no \"colors\" list" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"hex":"#000000"},{"hex":"#00000"}]})",
        "!Color 2 of the file: its \"hex\"" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"hex":"#000000","rgb":[0,0,1]}]})",
        "!Color 1 of the file: its \"hex\" and \"rgb\" are different" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"rgb":[0,0,1.5]}]})", "!three whole numbers" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"rgb":[0,0,256]}]})", "!three whole numbers" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"rgb":[1,"x",2,3]}]})", "!three whole numbers" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"name":5,"hex":"#000000"}]})", "!not a text" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"name":"x"}]})", "!neither" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[7]})", "!not an object" },
    { PaletteFormat::Json,
        R"({"extra":[true,false,null,{"a":-1.5e3}],"format":"tintwell-palette","version":1.0,"colors":[)"
        R"({"name":"caf\u00e9 \ud83d\ude00 \/\"","hex":"#000000"}]})",
        "caf\xC3\xA9 \xF0\x9F\x98\x80 /\"=000000" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"name":"a\qb","hex":"#000000"}]})", "!unknown escape" },
    { PaletteFormat::Json, "{\"format\":\"tintwell-palette\",\"version\":1,\"colors\":[{\"name\":\"\xEF\xBB\xBF" "a\\n\xEF\xBB\xBF" "b\",\"hex\":\"#000000\"}]}",
        "\xEF\xBB\xBF" "a\n\xEF\xBB\xBF" "b=000000" },
    { PaletteFormat::Json, "{\"format\":\"tintwell-palette\",\"version\":1,\"colors\":[{\"name\":\"a\tb\"}]}", "!control character" },
    { PaletteFormat::Json, R"({"format":"tintwell-palette","version":1,"colors":[{"hex":"#000000"}]} x)", "!more follows" },
    { PaletteFormat::Json, R"({"version":01})", "!Line 1: this is not valid JSON" },
    { PaletteFormat::Json, "{\"format\":\"tintwell-palette\",\n\"name\":\"open", "!Line 2: this is not valid JSON: a text is not closed" },
    // LibreOffice colour tables, with either root element LibreOffice has used.
    { PaletteFormat::Soc,
        "<?xml version=\"1.0\"?>\n<office:color-table xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">\n<draw:color draw:name=\"Red &amp; co\" "
        "draw:color=\"#FF0000\"/><other/><draw:color draw:color=\"#00ff00\"/></office:color-table>",
        "Red & co=FF0000|=00FF00" },
    { PaletteFormat::Soc,
        "<t:color-table xmlns:t=\"http://openoffice.org/2004/office\" xmlns:d=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">"
        "\n\n<d:color d:name=\"x\" d:color=\"red\"/></t:color-table>",
        "!Line 3: the color \"red\"" },
    { PaletteFormat::Soc,
        "<office:color-table xmlns:office=\"http://openoffice.org/2000/office\" xmlns:draw=\"http://openoffice.org/2000/drawing\">"
        "<draw:color draw:name=\"Old\" draw:color=\"#102030\"/></office:color-table>",
        "Old=102030" },
    { PaletteFormat::Soc, "<color-table><draw:color/></color-table>", "!not a LibreOffice color table" },
    { PaletteFormat::Soc,
        "<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\">\n<a>\n</ooo:color-table>", "!Line 3: this is not well-formed XML" },
    // What costs an XML reader far more than the file's size is refused before it reads.
    { PaletteFormat::Soc, "<?xml version=\"1.0\"?>\n<!-- <!DOCTYPE in a comment> -->\n<!DOCTYPE x [<!ENTITY a \"&#x26;b;\">]><x/>",
        "!Line 3: this file declares a document type" },
    // Adobe swatch exchange: groups, grey and CMYK entries, damage.
    { PaletteFormat::Ase,
        "ASEF\0\1\0\0\0\0\0\4"
        "\xC0\1\0\0\0\x08\0\2\0g\0\0\0\0" // group "g"
        "\0\1\0\0\0\x10\0\2\0G\0\0Gray\x3F\0\0\0\0\2" // grey 0.5
        "\0\1\0\0\0\x1A\0\1\0\0CMYK\0\0\0\0\x3F\x80\0\0\0\0\0\0\0\0\0\0\0\2" // magenta, no name
        "\xC0\2\0\0\0\0",
        "G=808080|=FF00FF", 12 + 14 + 22 + 32 + 6 },
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\xFF\0\0", "!Block 1 of the swatch file runs past the end", 20 },
    // A name without its terminating zero keeps its last character.
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x18\0\2\0a\0bRGB \x3F\x80\0\0\0\0\0\0\0\0\0\0\0\2", "ab=FF0000", 42 },
    { PaletteFormat::Ase, "ASEF\0\2\0\0\0\0\0\0", "!version 2", 12 },
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x0E\0\1\0\0HSV \0\0\0\0\0\2", "!unknown model", 32 },
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x16\0\1\0\0LAB \0\0\0\0\0\0\0\0\0\0\0\0\0\2", "!Lab color", 40 },
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x08\xFF\xFF\0\0RGB ", "!damaged color name", 26 },
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\1\0\0\0\x16\0\1\0\0RGB \x7F\xC0\0\0\0\0\0\0\0\0\0\0\0\2", "!damaged color value", 40 },
    { PaletteFormat::Ase, "ASEF\0\1\0\0\0\0\0\1\0\7\0\0\0\0", "!unknown kind", 18 },
    { PaletteFormat::Ase, "ASEG", "!does not begin with \"ASEF\"" },
};

TEST(PaletteReaders, ReadForeignFilesAndNameTheFaultInDamagedOnes)
{
    for (const ForeignFile& file : kFiles) {
        const QByteArray bytes = file.size ? QByteArray(file.bytes, static_cast<qsizetype>(file.size)) : QByteArray(file.bytes);
        const std::string got = Outcome(ReadPalette(bytes, file.format));
        const std::string expected = file.expected;
        if (expected.starts_with('!'))
            EXPECT_TRUE(got.starts_with('!') && got.find(expected.substr(1)) != std::string::npos)
                << file.bytes << "\n  gave: " << got;
        else
            EXPECT_EQ(got, expected) << file.bytes;
    }
}

TEST(PaletteReaders, RefuseJsonNestedDeeperThanAnyPalette)
{
    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    EXPECT_TRUE(ReadPalette(deep, PaletteFormat::Json).message.contains(QStringLiteral("nested too deeply")));
}

TEST(PaletteReaders, QuoteOnlyTheStartOfALongOrControlFilledLine)
{
    const QByteArray line = "GIMP Palette\n999 " + QByteArray(200, 'x') + "\x01\n";
    const QString message = ReadPalette(line, PaletteFormat::Gpl).message;
    EXPECT_TRUE(message.startsWith(QStringLiteral("Line 2: \"999 xxxx")));
    EXPECT_TRUE(message.contains(QStringLiteral("...\"")));
    EXPECT_LT(message.size(), 160);
}

} // namespace
