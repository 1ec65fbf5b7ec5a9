#include "SchemeLayout.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 8;                           // version, count, base colour
constexpr std::size_t kPreviewBlockSize = 4 * kPreviewColorCount; // the last bytes of every file
constexpr std::size_t kRecordFixedSize = 19;                     // a favourite without its Text
constexpr std::size_t kRecordHeadSize = 8;                       // Color and the Text length
constexpr std::size_t kHexCapacity = 6;

void PutU8(std::string& out, std::uint8_t v)
{
    out.push_back(static_cast<char>(v));
}

void PutU16(std::string& out, std::uint16_t v)
{
    PutU8(out, static_cast<std::uint8_t>(v));
    PutU8(out, static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::string& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        PutU8(out, static_cast<std::uint8_t>(v >> shift));
}

// Reads forward through a buffer; every read is preceded by a remaining() check of its caller.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    std::size_t remaining() const { return m_bytes.size() - m_pos; }

    std::uint8_t u8()
    {
        assert(remaining() >= 1);
        return static_cast<std::uint8_t>(m_bytes[m_pos++]);
    }

    std::uint16_t u16()
    {
        const std::uint16_t lo = u8();
        return static_cast<std::uint16_t>(lo | (u8() << 8));
    }

    std::uint32_t u32()
    {
        std::uint32_t v = 0;
        for (int shift = 0; shift < 32; shift += 8)
            v |= static_cast<std::uint32_t>(u8()) << shift;
        return v;
    }

    std::string_view take(std::size_t n)
    {
        assert(remaining() >= n);
        const std::string_view part = m_bytes.substr(m_pos, n);
        m_pos += n;
        return part;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

std::optional<TFavColor> ReadFavorite(ByteCursor& in)
{
    TFavColor fav;
    if (in.remaining() < kRecordHeadSize)
        return std::nullopt;
    fav.Color = in.u32();
    const auto textLength = static_cast<std::int32_t>(in.u32());
    if (textLength > 0) {
        if (static_cast<std::size_t>(textLength) > in.remaining())
            return std::nullopt;
        fav.Text = in.take(static_cast<std::size_t>(textLength));
    }
    if (in.remaining() < kRecordFixedSize - kRecordHeadSize)
        return std::nullopt;
    fav.R = in.u8();
    fav.G = in.u8();
    fav.B = in.u8();
    const std::uint8_t hexLength = in.u8();
    if (hexLength > kHexCapacity)
        return std::nullopt;
    fav.Hex = in.take(kHexCapacity).substr(0, hexLength);
    in.u8(); // Expanded: a collapsed list is what every reader shows
    return fav;
}

// A bare decimal number with an optional sign, within the 32-bit signed range the old program stored.
std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    // The parser below takes a '-' but not a '+'; one sign at most.
    const bool plus = text.starts_with('+');
    if (plus)
        text.remove_prefix(1);
    if (text.empty() || (plus && text.front() == '-'))
        return std::nullopt;
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Lines end at CR LF, LF or CR; a final line break ends the last line rather than starting an empty one.
// Only the first maxLines are split off, so a huge file costs nothing beyond them.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t maxLines)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < maxLines) {
        const auto end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++start;
    }
    return lines;
}

constexpr std::size_t kVersion2LineCount = 20;
constexpr std::size_t kFirstSlotLine = 6;
constexpr std::size_t kSlotCount = 5;
constexpr std::size_t kFirstBackgroundLine = 11; // page, table header, navigation, body backgrounds
constexpr std::size_t kFirstTextLine = 15;       // title, table header, caption, body, link texts
constexpr std::size_t kTextColorCount = 5;

// R.G.B, or nothing for an empty slot ("---" first part); a malformed slot is reported apart from an empty one.
enum class SlotKind { Color, Empty, Malformed };

struct Slot {
    SlotKind kind = SlotKind::Malformed;
    ColorValue color = 0;
};

Slot ParseSlot(std::string_view line)
{
    if (line.substr(0, line.find('.')) == "---")
        return { SlotKind::Empty };
    std::array<int, 3> channels {};
    std::string_view rest = line;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const auto dot = rest.find('.');
        const bool lastPart = i + 1 == channels.size();
        if (lastPart != (dot == std::string_view::npos))
            return {};
        const auto value = ParseDecimal(rest.substr(0, dot));
        if (!value)
            return {};
        channels[i] = *value;
        if (!lastPart)
            rest.remove_prefix(dot + 1);
    }
    return { SlotKind::Color, Pack(channels[0], channels[1], channels[2]) };
}

} // namespace

std::size_t EncodedSchemeSize(const FavColorList& favorites)
{
    std::size_t size = kHeaderSize + kPreviewBlockSize;
    for (const TFavColor& fav : favorites)
        size += kRecordFixedSize + fav.Text.size();
    return size;
}

EncodedScheme EncodeScheme(const SchemeData& scheme)
{
    if (scheme.favorites.size() > kMaxSchemeFavorites)
        return { EncodeStatus::TooManyFavorites, {} };
    const std::size_t size = EncodedSchemeSize(scheme.favorites);
    if (size > kMaxSchemeBytes)
        return { EncodeStatus::TooLarge, {} };

    std::string out;
    out.reserve(size);
    PutU16(out, kSchemeVersion);
    PutU16(out, static_cast<std::uint16_t>(scheme.favorites.size()));
    PutU32(out, scheme.baseColor);
    for (const TFavColor& fav : scheme.favorites) {
        // Texts come from the program or from a file whose length field held them.
        assert(fav.Text.size() <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()));
        PutU32(out, fav.Color);
        PutU32(out, static_cast<std::uint32_t>(fav.Text.size()));
        out += fav.Text;
        PutU8(out, fav.R);
        PutU8(out, fav.G);
        PutU8(out, fav.B);
        const std::string_view hex = std::string_view(fav.Hex).substr(0, kHexCapacity);
        PutU8(out, static_cast<std::uint8_t>(hex.size()));
        out += hex;
        out.append(kHexCapacity - hex.size(), '\0');
        PutU8(out, fav.Expanded ? 1 : 0);
    }
    for (ColorValue c : scheme.preview)
        PutU32(out, c);
    assert(out.size() == size);
    return { EncodeStatus::Ok, std::move(out) };
}

DecodedScheme DecodeScheme(std::string_view bytes, VersionCheck check)
{
    if (bytes.size() < 2 || bytes.size() > kMaxSchemeBytes)
        return {};
    ByteCursor in(bytes);
    const std::uint16_t version = in.u16();
    if (check == VersionCheck::Required && version != kSchemeVersion)
        return { DecodeStatus::WrongVersion, {} };
    if (bytes.size() < kHeaderSize + kPreviewBlockSize)
        return {};
    const std::size_t count = in.u16();
    SchemeData scheme;
    scheme.baseColor = in.u32();

    // The page colours are always the last bytes, so the records must fill exactly what lies between.
    ByteCursor records(bytes.substr(kHeaderSize, bytes.size() - kHeaderSize - kPreviewBlockSize));
    scheme.favorites.reserve(std::min(count, records.remaining() / kRecordFixedSize));
    for (std::size_t i = 0; i < count; ++i) {
        auto fav = ReadFavorite(records);
        if (!fav)
            return {};
        scheme.favorites.push_back(std::move(*fav));
    }
    if (records.remaining() != 0)
        return {};

    ByteCursor preview(bytes.substr(bytes.size() - kPreviewBlockSize));
    for (ColorValue& c : scheme.preview)
        c = preview.u32();
    return { DecodeStatus::Ok, std::move(scheme) };
}

bool IsVersion2Text(std::string_view text)
{
    if (!text.starts_with(kVersion2Header))
        return false;
    return text.size() == kVersion2Header.size() || text[kVersion2Header.size()] == '\r'
        || text[kVersion2Header.size()] == '\n';
}

Version2Scheme ParseVersion2Scheme(std::string_view text)
{
    if (!IsVersion2Text(text))
        return { Version2Status::NotVersion2, {} };
    const auto lines = SplitLines(text, kVersion2LineCount);
    if (lines.size() < kVersion2LineCount)
        return {};

    std::array<int, 3> base {};
    for (std::size_t i = 0; i < base.size(); ++i) {
        const auto value = ParseDecimal(lines[1 + i]);
        if (!value)
            return {};
        base[i] = *value;
    }

    SchemeData scheme;
    scheme.baseColor = Pack(base[0], base[1], base[2]);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const Slot slot = ParseSlot(lines[kFirstSlotLine + i]);
        if (slot.kind == SlotKind::Malformed)
            return {};
        if (slot.kind == SlotKind::Empty)
            continue;
        TFavColor fav = TFavColor::FromColor(slot.color);
        // The old program named its favourites by position among the filled slots.
        fav.Text = "Color " + std::to_string(scheme.favorites.size() + 1);
        scheme.favorites.push_back(std::move(fav));
    }

    for (std::size_t i = 0; i < kPreviewColorCount; ++i) {
        const std::size_t line
            = i < kTextColorCount ? kFirstTextLine + i : kFirstBackgroundLine + (i - kTextColorCount);
        const auto value = ParseDecimal(TrimBlanks(lines[line]));
        if (!value)
            return {};
        scheme.preview[i] = static_cast<ColorValue>(*value);
    }
    return { Version2Status::Ok, std::move(scheme) };
}
