#include "PictureEnd.h"

#include <cstdint>
#include <cstring>

namespace picture_end {
namespace {

using Bytes = const unsigned char*;

// The first 0xFF at or after `at`, or `size` when there is none.
std::size_t NextFF(Bytes data, std::size_t size, std::size_t at)
{
    if (at >= size)
        return size;
    const void* found = std::memchr(data + at, 0xFF, size - at);
    return found ? std::size_t(static_cast<Bytes>(found) - data) : size;
}

// Segments are walked by their lengths, so an end marker inside an embedded thumbnail is not taken for the picture's.
// Without its end marker a JPEG is taken as cut short: only decoding could tell whether its last scan is whole.
Ending Jpeg(Bytes data, std::size_t size)
{
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return Ending::Whole;
    std::size_t at = 2;
    for (;;) {
        // Stray bytes between segments are skipped by the decoder too, up to the next marker.
        at = NextFF(data, size, at);
        while (at < size && data[at] == 0xFF)
            ++at;
        if (at >= size)
            return Ending::CutShort;
        const unsigned char marker = data[at++];
        if (marker == 0xD9)
            return Ending::Whole;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a length
        if (size - at < 2)
            return Ending::CutShort;
        const std::size_t length = std::size_t(data[at]) << 8 | data[at + 1];
        if (length < 2)
            return Ending::Whole; // damaged, not cut: the decoder refuses it
        if (size - at < length)
            return Ending::CutShort;
        at += length;
        if (marker != 0xDA)
            continue;
        // A scan's coded data follows its header; inside it 0xFF is followed only by a stuffed zero or a restart
        // marker, and anything else begins the next segment.
        for (;;) {
            at = NextFF(data, size, at);
            if (at + 1 >= size)
                return Ending::CutShort;
            const unsigned char next = data[at + 1];
            if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7))
                break;
            at += 2;
        }
    }
}

// Blocks are walked to the trailer. A file that stops between blocks after a whole image shows all of it; one that
// stops inside a block does not.
Ending Gif(Bytes data, std::size_t size)
{
    if (size < 3 || std::memcmp(data, "GIF", 3) != 0)
        return Ending::Whole;
    if (size < 13)
        return Ending::CutShort;
    const auto colorTable = [](unsigned char flags) -> std::size_t { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; };
    std::size_t at = 13 + colorTable(data[10]);
    // Past the terminator of a run of sub-blocks; false when the file ends first.
    const auto skipSubBlocks = [&] {
        for (;;) {
            if (at >= size)
                return false;
            const std::size_t length = data[at++];
            if (length == 0)
                return true;
            at += length;
        }
    };
    bool imageSeen = false;
    for (;;) {
        if (at >= size)
            return at == size && imageSeen ? Ending::Whole : Ending::CutShort;
        const unsigned char block = data[at++];
        if (block == 0x3B)
            return Ending::Whole;
        if (block == 0x21) { // an extension: its label, then sub-blocks
            ++at;
            if (!skipSubBlocks())
                return Ending::CutShort;
        } else if (block == 0x2C) { // an image: its descriptor, colour table, code size, then sub-blocks
            if (size - at < 9)
                return Ending::CutShort;
            at += 9 + colorTable(data[at + 8]) + 1;
            if (!skipSubBlocks())
                return Ending::CutShort;
            imageSeen = true;
        } else {
            return Ending::Whole; // damaged, not cut: the decoder's to judge
        }
    }
}

std::uint32_t Le(Bytes data, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | data[at + std::size_t(i)];
    return value;
}

// Uncompressed rows have a size fixed by the header; compressed ones are left to the decoder.
Ending Bmp(Bytes data, std::size_t size)
{
    if (size < 2 || data[0] != 'B' || data[1] != 'M')
        return Ending::Whole;
    if (size < 18)
        return Ending::CutShort;
    const std::uint32_t header = Le(data, 14, 4);
    if (size < 14 + std::size_t(header))
        return Ending::CutShort;
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0;
    if (header == 12) {
        width = Le(data, 18, 2);
        height = Le(data, 20, 2);
        bits = Le(data, 24, 2);
    } else if (header >= 40) {
        width = std::int32_t(Le(data, 18, 4));
        height = std::int32_t(Le(data, 22, 4));
        bits = Le(data, 28, 2);
        compression = Le(data, 30, 4);
    } else {
        return Ending::Whole;
    }
    constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
    if ((compression != kRgb && compression != kBitFields && compression != kAlphaBitFields) || width <= 0 || bits == 0
        || bits > 64)
        return Ending::Whole;
    const std::uint64_t rows = std::uint64_t(height < 0 ? -height : height);
    const std::uint64_t stride = (std::uint64_t(width) * bits + 31) / 32 * 4;
    const std::uint64_t pixelsAt = Le(data, 10, 4);
    if (size < pixelsAt)
        return Ending::CutShort;
    // rows × stride > what follows the offset, without the product overflowing.
    return rows > (size - pixelsAt) / stride ? Ending::CutShort : Ending::Whole;
}

// An X bitmap is C source: its bits run from the array's opening brace to its closing one, and the decoder takes
// the bits a cut file lacks as blank.
Ending Xbm(Bytes data, std::size_t size)
{
    const void* open = std::memchr(data, '{', size);
    if (!open)
        return Ending::CutShort;
    const std::size_t bitsAt = std::size_t(static_cast<Bytes>(open) - data) + 1;
    return std::memchr(data + bitsAt, '}', size - bitsAt) ? Ending::Whole : Ending::CutShort;
}

} // namespace

Ending Check(const QByteArray& format, const unsigned char* data, std::size_t size)
{
    if (format == "jpeg" || format == "jpg")
        return Jpeg(data, size);
    if (format == "gif")
        return Gif(data, size);
    if (format == "bmp")
        return Bmp(data, size);
    if (format == "xbm")
        return Xbm(data, size);
    return Ending::Whole;
}

} // namespace picture_end
