#pragma once

// The byte layout shared by scheme files and the session file, and the text format of the
// program's second version. Pure C++ on byte buffers: no file access, no Qt, so the decoders
// can be fuzzed on their own.

#include "document/FavColor.h"
#include "document/PreviewColors.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What a scheme document holds.
struct SchemeData {
    ColorValue baseColor = 0;
    FavColorList favorites;
    PreviewColors preview = DefaultPreviewColors();

    bool operator==(const SchemeData&) const = default;
};

constexpr std::uint16_t kSchemeVersion = 3;
// The favourite count is stored in 16 bits.
constexpr std::size_t kMaxSchemeFavorites = 0xFFFF;

// Nearly forty times what 65535 favourites with the program's own texts take; a larger file is refused
// unread, so nothing larger is written either.
constexpr std::size_t kMaxSchemeBytes = 64 * 1024 * 1024;

// The bytes a scheme with these favourites takes.
std::size_t EncodedSchemeSize(const FavColorList& favorites);

enum class EncodeStatus {
    Ok,
    TooManyFavorites,
    TooLarge, // more than kMaxSchemeBytes
};

struct EncodedScheme {
    EncodeStatus status = EncodeStatus::Ok;
    std::string bytes; // empty unless status is Ok
};

// Every favourite is written as it stands (Text, channels, Hex) except that Hex keeps at most
// six characters, padded with zero bytes, and Expanded is written from the entry.
EncodedScheme EncodeScheme(const SchemeData& scheme);

// Scheme files must carry version 3; the session file's version has never been checked.
enum class VersionCheck { Required, Ignored };

enum class DecodeStatus {
    Ok,
    WrongVersion, // the first two bytes are not 03 00 (only with VersionCheck::Required)
    Malformed,    // too short, too long, a length or count that the bytes do not bear out
};

struct DecodedScheme {
    DecodeStatus status = DecodeStatus::Malformed;
    SchemeData scheme; // meaningful only when status is Ok
};

// Checks the whole buffer before handing anything back; every Expanded comes back false.
DecodedScheme DecodeScheme(std::string_view bytes, VersionCheck check);

// --- Text format of the program's second version, only ever read (and converted). ---

inline constexpr std::string_view kVersion2Header = "TWver2";

// Whether the buffer's first line is exactly the version-2 header.
bool IsVersion2Text(std::string_view text);

enum class Version2Status {
    Ok,
    NotVersion2, // the first line is not "TWver2"
    Malformed,   // too few lines, a slot without three parts, a number that is not decimal
};

struct Version2Scheme {
    Version2Status status = Version2Status::Malformed;
    SchemeData scheme; // meaningful only when status is Ok
};

Version2Scheme ParseVersion2Scheme(std::string_view text);
