#include "document/SchemeLayout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// "03 00 FF" -> the three bytes.
std::string Bytes(const std::string& hex)
{
    std::istringstream in(hex);
    std::string out;
    std::string pair;
    while (in >> pair)
        out.push_back(static_cast<char>(std::stoi(pair, nullptr, 16)));
    return out;
}

const std::string kDefaultPreviewBytes = Bytes("00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00"
                                               " FF FF FF 00  E6 E6 E6 00  E6 E6 E6 00  FF FF FF 00");

SchemeData ThreeFavorites()
{
    SchemeData scheme;
    scheme.baseColor = Pack(1, 2, 3);
    scheme.favorites = { TFavColor::FromColor(Pack(10, 20, 30)), TFavColor::FromColor(Pack(255, 0, 128)),
        TFavColor::FromColor(Pack(0, 0, 0)) };
    scheme.favorites[1].Text = "a longer text, with more than one word";
    scheme.preview[kMainBG] = Pack(9, 8, 7);
    return scheme;
}

std::string Encoded(const SchemeData& scheme)
{
    const EncodedScheme encoded = EncodeScheme(scheme);
    EXPECT_EQ(encoded.status, EncodeStatus::Ok);
    return encoded.bytes;
}

DecodeStatus StatusOf(const std::string& bytes, VersionCheck check = VersionCheck::Required)
{
    return DecodeScheme(bytes, check).status;
}

} // namespace

TEST(SchemeLayout, OneFavoriteMatchesTheDocumentedSeventyBytes)
{
    SchemeData scheme;
    scheme.baseColor = Pack(255, 0, 0);
    scheme.favorites = { TFavColor::FromColor(Pack(0x33, 0x66, 0x99)) };
    const std::string expected = Bytes("03 00 01 00 FF 00 00 00"
                                       " 33 66 99 00  07 00 00 00  23 33 33 36 36 39 39  33 66 99"
                                       " 06 33 33 36 36 39 39  00")
        + kDefaultPreviewBytes;
    ASSERT_EQ(expected.size(), 70u);

    EXPECT_EQ(Encoded(scheme), expected);
    const DecodedScheme decoded = DecodeScheme(expected, VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.scheme, scheme);
}

TEST(SchemeLayout, NoFavoritesIsFortyFourBytes)
{
    SchemeData scheme;
    scheme.baseColor = 0x00123456;
    scheme.preview[kLinkText] = Pack(0xAA, 0xBB, 0xCC);
    std::string expected = Bytes("03 00 00 00 56 34 12 00") + kDefaultPreviewBytes;
    expected.replace(8 + 4 * kLinkText, 4, Bytes("AA BB CC 00"));

    EXPECT_EQ(Encoded(scheme), expected);
    const DecodedScheme decoded = DecodeScheme(expected, VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.scheme, scheme);
}

TEST(SchemeLayout, EmptyTextIsWrittenAsLengthZeroWithNoBytes)
{
    SchemeData scheme;
    scheme.favorites = { TFavColor::FromColor(Pack(1, 2, 3)) };
    scheme.favorites[0].Text.clear();
    const std::string bytes = Encoded(scheme);
    ASSERT_EQ(bytes.size(), 44u + 19u);
    EXPECT_EQ(bytes.substr(12, 4), Bytes("00 00 00 00"));
    EXPECT_EQ(bytes.substr(16, 3), Bytes("01 02 03"));

    const DecodedScheme decoded = DecodeScheme(bytes, VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.scheme, scheme);
}

TEST(SchemeLayout, ExpandedIsWrittenFromTheEntryAndAlwaysReadAsFalse)
{
    SchemeData scheme = ThreeFavorites();
    for (TFavColor& fav : scheme.favorites)
        fav.Expanded = true;
    const std::string bytes = Encoded(scheme);
    std::size_t ones = 0;
    std::size_t offset = 8;
    for (const TFavColor& fav : scheme.favorites) {
        offset += 19 + fav.Text.size();
        ones += bytes[offset - 1] == 1;
    }
    EXPECT_EQ(ones, scheme.favorites.size());

    const DecodedScheme decoded = DecodeScheme(bytes, VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    for (const TFavColor& fav : decoded.scheme.favorites)
        EXPECT_FALSE(fav.Expanded);
}

TEST(SchemeLayout, EntriesRoundTripAsTheyStand)
{
    SchemeData scheme = ThreeFavorites();
    TFavColor odd;
    odd.Color = 0xFF000001; // not what the channels say: files are taken as they stand
    odd.Text = std::string("nul\0inside\xFF\x80", 12) + std::string(300, 'x');
    odd.R = 200;
    odd.G = 0;
    odd.B = 7;
    odd.Hex = "AB";
    scheme.favorites.push_back(odd);
    odd.Hex.clear();
    odd.Text = "Color 12";
    scheme.favorites.push_back(odd);

    const DecodedScheme decoded = DecodeScheme(Encoded(scheme), VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.scheme, scheme);
}

TEST(SchemeLayout, HexKeepsAtMostSixCharactersPaddedWithZeros)
{
    SchemeData scheme;
    scheme.favorites = { TFavColor::FromColor(0), TFavColor::FromColor(0) };
    scheme.favorites[0].Text.clear();
    scheme.favorites[0].Hex = "ABCDEFGH";
    scheme.favorites[1].Text.clear();
    scheme.favorites[1].Hex = "AB";
    const std::string bytes = Encoded(scheme);
    EXPECT_EQ(bytes.substr(8 + 11, 7), "\x06" "ABCDEF");
    EXPECT_EQ(bytes.substr(8 + 19 + 11, 7), Bytes("02 41 42 00 00 00 00"));

    const DecodedScheme decoded = DecodeScheme(bytes, VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.scheme.favorites[0].Hex, "ABCDEF");
    EXPECT_EQ(decoded.scheme.favorites[1].Hex, "AB");
}

TEST(SchemeLayout, ZeroOrNegativeTextLengthReadsAsEmptyAndConsumesNothing)
{
    for (const char* length : { "FB FF FF FF", "00 00 00 80", "00 00 00 00" }) {
        const std::string bytes = Bytes("03 00 01 00 00 00 00 00  01 02 03 00") + Bytes(length)
            + Bytes("01 02 03 06 30 31 30 32 30 33 01") + kDefaultPreviewBytes;
        const DecodedScheme decoded = DecodeScheme(bytes, VersionCheck::Required);
        ASSERT_EQ(decoded.status, DecodeStatus::Ok) << length;
        ASSERT_EQ(decoded.scheme.favorites.size(), 1u);
        EXPECT_EQ(decoded.scheme.favorites[0].Text, "");
        EXPECT_EQ(decoded.scheme.favorites[0].Hex, "010203");
    }
}

TEST(SchemeLayout, VersionIsCheckedOnlyWhenRequired)
{
    std::string bytes = Encoded(ThreeFavorites());
    bytes[0] = 4;
    EXPECT_EQ(StatusOf(bytes, VersionCheck::Required), DecodeStatus::WrongVersion);
    const DecodedScheme session = DecodeScheme(bytes, VersionCheck::Ignored);
    ASSERT_EQ(session.status, DecodeStatus::Ok);
    EXPECT_EQ(session.scheme, ThreeFavorites());

    // An old text file that failed to convert begins with "TW".
    EXPECT_EQ(StatusOf("TWver2\r\n0\r\n", VersionCheck::Required), DecodeStatus::WrongVersion);
    EXPECT_EQ(StatusOf("", VersionCheck::Required), DecodeStatus::Malformed);
    EXPECT_EQ(StatusOf("\x03", VersionCheck::Required), DecodeStatus::Malformed);
}

TEST(SchemeLayout, EveryTruncationAndAnyTrailingByteIsRejected)
{
    const std::string bytes = Encoded(ThreeFavorites());
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_NE(StatusOf(bytes.substr(0, size)), DecodeStatus::Ok) << size;
        EXPECT_NE(StatusOf(bytes.substr(0, size), VersionCheck::Ignored), DecodeStatus::Ok) << size;
    }
    EXPECT_EQ(StatusOf(bytes + '\0'), DecodeStatus::Malformed);
    EXPECT_EQ(StatusOf(bytes + std::string(36, '\0')), DecodeStatus::Malformed);
}

TEST(SchemeLayout, CountsAndLengthsTheBytesDoNotBearOutAreRejected)
{
    const std::string valid = Encoded(ThreeFavorites());
    auto patched = [&](std::size_t offset, const std::string& with) {
        std::string bytes = valid;
        bytes.replace(offset, with.size(), with);
        return StatusOf(bytes);
    };
    const std::size_t firstText = 12;
    EXPECT_EQ(patched(2, Bytes("02 00")), DecodeStatus::Malformed); // fewer records than present
    EXPECT_EQ(patched(2, Bytes("04 00")), DecodeStatus::Malformed); // more than present
    EXPECT_EQ(patched(2, Bytes("FF FF")), DecodeStatus::Malformed);
    EXPECT_EQ(patched(2, Bytes("00 00")), DecodeStatus::Malformed);
    EXPECT_EQ(patched(firstText, Bytes("FF FF FF 7F")), DecodeStatus::Malformed);
    EXPECT_EQ(patched(firstText, Bytes("08 00 00 00")), DecodeStatus::Malformed);
    EXPECT_EQ(patched(firstText, Bytes("06 00 00 00")), DecodeStatus::Malformed);
    EXPECT_EQ(patched(firstText + 4 + 7 + 3, Bytes("07")), DecodeStatus::Malformed); // Hex length
    EXPECT_EQ(patched(firstText + 4 + 7 + 3, Bytes("FF")), DecodeStatus::Malformed);
    EXPECT_EQ(patched(firstText + 4 + 7 + 3, Bytes("00")), DecodeStatus::Ok);
}

TEST(SchemeLayout, AHeaderClaimingMoreRecordsThanTheBytesHoldIsRejected)
{
    const std::string bytes = Bytes("03 00 FF FF 00 00 00 00") + std::string(19, '\0') + kDefaultPreviewBytes;
    EXPECT_EQ(StatusOf(bytes), DecodeStatus::Malformed);
}

TEST(SchemeLayout, TheSixteenBitCountBoundsTheFavorites)
{
    SchemeData scheme;
    scheme.favorites.assign(kMaxSchemeFavorites, TFavColor::FromColor(Pack(1, 2, 3)));
    const EncodedScheme most = EncodeScheme(scheme);
    ASSERT_EQ(most.status, EncodeStatus::Ok);
    EXPECT_EQ(most.bytes.substr(2, 2), Bytes("FF FF"));
    const DecodedScheme decoded = DecodeScheme(most.bytes, VersionCheck::Required);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.scheme.favorites.size(), kMaxSchemeFavorites);

    scheme.favorites.push_back(TFavColor::FromColor(0));
    const EncodedScheme tooMany = EncodeScheme(scheme);
    EXPECT_EQ(tooMany.status, EncodeStatus::TooManyFavorites);
    EXPECT_TRUE(tooMany.bytes.empty());
}

TEST(SchemeLayout, NothingLargerThanTheReaderTakesIsWritten)
{
    SchemeData scheme;
    scheme.favorites.assign(2, TFavColor::FromColor(Pack(1, 2, 3)));
    scheme.favorites[1].Text.clear();
    scheme.favorites[1].Text.assign(kMaxSchemeBytes - EncodedSchemeSize(scheme.favorites), 'x');
    const EncodedScheme most = EncodeScheme(scheme);
    ASSERT_EQ(most.status, EncodeStatus::Ok);
    EXPECT_EQ(most.bytes.size(), kMaxSchemeBytes);
    EXPECT_EQ(DecodeScheme(most.bytes, VersionCheck::Required).status, DecodeStatus::Ok);

    scheme.favorites[1].Text += 'x';
    const EncodedScheme tooLarge = EncodeScheme(scheme);
    EXPECT_EQ(tooLarge.status, EncodeStatus::TooLarge);
    EXPECT_TRUE(tooLarge.bytes.empty());
    EXPECT_EQ(DecodeScheme(most.bytes + "x", VersionCheck::Ignored).status, DecodeStatus::Malformed);
}

// --- the second version's text format ---

namespace {

std::string Version2Text(const std::vector<std::string>& slots, const std::string& eol = "\r\n")
{
    std::vector<std::string> lines = { "TWver2", "255", "128", "0", "", "" };
    lines.insert(lines.end(), slots.begin(), slots.end());
    for (const char* colour : { "16777215", " 15132390", "15132390 ", "\t16777215\t", "0", "1", "2", "3", "-1" })
        lines.push_back(colour);
    std::string text;
    for (const std::string& line : lines)
        text += line + eol;
    return text;
}

const std::vector<std::string> kSlots2And4And5 = { "---", "51.102.153", "---.---.---", "0.0.0", "300.256.511" };

} // namespace

TEST(Version2Scheme, FilledSlotsBecomeNumberedFavoritesInOrder)
{
    const Version2Scheme good = ParseVersion2Scheme(Version2Text(kSlots2And4And5));
    ASSERT_EQ(good.status, Version2Status::Ok);
    const SchemeData& scheme = good.scheme;
    EXPECT_EQ(scheme.baseColor, Pack(255, 128, 0));
    ASSERT_EQ(scheme.favorites.size(), 3u);
    const std::vector<std::pair<std::string, ColorValue>> expected
        = { { "Color 1", Pack(51, 102, 153) }, { "Color 2", Pack(0, 0, 0) }, { "Color 3", Pack(44, 0, 255) } };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        TFavColor fav = TFavColor::FromColor(expected[i].second);
        fav.Text = expected[i].first;
        EXPECT_EQ(scheme.favorites[i], fav) << i;
    }
    EXPECT_EQ(scheme.favorites[0].Hex, "336699");
    const PreviewColors preview = { 0, 1, 2, 3, 0xFFFFFFFF, Pack(255, 255, 255), Pack(230, 230, 230),
        Pack(230, 230, 230), Pack(255, 255, 255) };
    EXPECT_EQ(scheme.preview, preview);
}

// Numbers may carry a sign; a channel keeps its low eight bits, so -1 is 255.
TEST(Version2Scheme, SignedNumbersAreReadAndChannelsTakenModulo256)
{
    const std::string text = "TWver2\r\n-1\r\n+10\r\n-255\r\n\r\n\r\n"
                             "-1.+10.-256\r\n---\r\n---\r\n---\r\n---\r\n"
                             "+16777215\r\n-1\r\n1\r\n1\r\n+0\r\n +1 \r\n2\r\n3\r\n4\r\n";
    const Version2Scheme parsed = ParseVersion2Scheme(text);
    ASSERT_EQ(parsed.status, Version2Status::Ok);
    EXPECT_EQ(parsed.scheme.baseColor, Pack(255, 10, 1));
    ASSERT_EQ(parsed.scheme.favorites.size(), 1u);
    EXPECT_EQ(parsed.scheme.favorites[0].Color, Pack(255, 10, 0));
    EXPECT_EQ(parsed.scheme.favorites[0].Hex, "FF0A00");
    const PreviewColors preview = { 0, 1, 2, 3, 4, 0xFFFFFF, 0xFFFFFFFF, 1, 1 };
    EXPECT_EQ(parsed.scheme.preview, preview);
}

TEST(Version2Scheme, AnyLineBreakWorksAndExtraLinesAreIgnored)
{
    const std::vector<std::string> slots = { "1.2.3", "---", "---", "---", "4.5.6" };
    const Version2Scheme reference = ParseVersion2Scheme(Version2Text(slots));
    ASSERT_EQ(reference.status, Version2Status::Ok);
    for (const char* eol : { "\n", "\r" }) {
        const Version2Scheme parsed = ParseVersion2Scheme(Version2Text(slots, eol));
        ASSERT_EQ(parsed.status, Version2Status::Ok) << int(eol[0]);
        EXPECT_EQ(parsed.scheme, reference.scheme);
    }
    std::string noFinalBreak = Version2Text(slots, "\n");
    noFinalBreak.pop_back();
    EXPECT_EQ(ParseVersion2Scheme(noFinalBreak).scheme, reference.scheme);
    EXPECT_EQ(ParseVersion2Scheme(Version2Text(slots) + "more\r\nlines").scheme, reference.scheme);
}

TEST(Version2Scheme, OnlyAnExactFirstLineIsTheOldFormat)
{
    const std::string text = Version2Text(kSlots2And4And5);
    EXPECT_TRUE(IsVersion2Text(text));
    EXPECT_TRUE(IsVersion2Text("TWver2"));
    EXPECT_TRUE(IsVersion2Text("TWver2\rx"));
    for (const std::string other : { "TWver2 \r\n", "twver2\r\n", "TWver3\n", "\xEF\xBB\xBFTWver2\n", "TWver", "" }) {
        EXPECT_FALSE(IsVersion2Text(other)) << other;
        EXPECT_EQ(ParseVersion2Scheme(other + text.substr(8)).status, Version2Status::NotVersion2) << other;
    }
}

TEST(Version2Scheme, MalformedFilesAreRejected)
{
    const std::vector<std::string> goodSlots = { "1.2.3", "---", "---", "---", "4.5.6" };
    std::string text = Version2Text(goodSlots, "\n");
    ASSERT_EQ(ParseVersion2Scheme(text).status, Version2Status::Ok);

    // Nineteen lines.
    EXPECT_EQ(ParseVersion2Scheme(text.substr(0, text.rfind('\n', text.size() - 2) + 1)).status,
        Version2Status::Malformed);

    for (const std::string slot : { "1.2", "1.2.3.4", "1..3", "1.2.", "", "a.b.c", "1.2.3 ", "+-1.2.3", "-+1.2.3",
             "1.2.0x3", "1.2.99999999999", "--.1.2", "1.2.+", "1.2.-", "++1.2.3", "1.2.+ 3" }) {
        std::vector<std::string> slots = goodSlots;
        slots[2] = slot;
        EXPECT_EQ(ParseVersion2Scheme(Version2Text(slots)).status, Version2Status::Malformed) << slot;
    }

    auto withLine = [&](std::size_t index, const std::string& line) {
        std::string rebuilt;
        std::size_t start = 0;
        for (std::size_t i = 0; start < text.size(); ++i) {
            const std::size_t end = text.find('\n', start);
            rebuilt += (i == index ? line : text.substr(start, end - start)) + "\n";
            start = end + 1;
        }
        return ParseVersion2Scheme(rebuilt).status;
    };
    EXPECT_EQ(withLine(4, "anything at all"), Version2Status::Ok);
    EXPECT_EQ(withLine(1, " 255"), Version2Status::Malformed);
    EXPECT_EQ(withLine(2, "+-1"), Version2Status::Malformed);
    EXPECT_EQ(withLine(3, ""), Version2Status::Malformed);
    EXPECT_EQ(withLine(3, "999"), Version2Status::Ok);
    EXPECT_EQ(withLine(11, "  -16777201 "), Version2Status::Ok);
    EXPECT_EQ(withLine(11, "1 2"), Version2Status::Malformed);
    EXPECT_EQ(withLine(12, "$FF"), Version2Status::Malformed);
    EXPECT_EQ(withLine(19, "2147483648"), Version2Status::Malformed);
    EXPECT_EQ(withLine(19, "   "), Version2Status::Malformed);
}
