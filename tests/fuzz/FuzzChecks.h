#pragma once

// Properties every input must keep, shared by the fuzzers and the corpus replay. A broken property
// aborts, which is how libFuzzer notices it and how the replay fails.

#include "document/SchemeLayout.h"

#include <cstdio>
#include <cstdlib>
#include <string>

inline void Require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// Whatever the decoder accepts writes back to as many bytes and reads back unchanged.
inline DecodeStatus CheckSchemeBytes(std::string_view bytes, VersionCheck check)
{
    const DecodedScheme decoded = DecodeScheme(bytes, check);
    if (decoded.status != DecodeStatus::Ok)
        return decoded.status;
    for (const TFavColor& fav : decoded.scheme.favorites)
        Require(!fav.Expanded && fav.Hex.size() <= 6, "entries come back collapsed with at most six Hex characters");
    const EncodedScheme again = EncodeScheme(decoded.scheme);
    Require(again.status == EncodeStatus::Ok, "an accepted scheme can be written");
    Require(again.bytes.size() == bytes.size(), "writing an accepted scheme gives as many bytes");
    const DecodedScheme reread = DecodeScheme(again.bytes, VersionCheck::Required);
    Require(reread.status == DecodeStatus::Ok && reread.scheme == decoded.scheme, "a written scheme reads back");
    return decoded.status;
}

// Accepted old files give at most five well-formed, numbered favourites that survive the current layout.
inline Version2Status CheckVersion2Text(std::string_view text)
{
    const Version2Scheme parsed = ParseVersion2Scheme(text);
    Require(IsVersion2Text(text) == (parsed.status != Version2Status::NotVersion2), "only the header decides NotVersion2");
    if (parsed.status != Version2Status::Ok)
        return parsed.status;
    const FavColorList& favorites = parsed.scheme.favorites;
    Require(favorites.size() <= 5, "five slots at most");
    Require((parsed.scheme.baseColor >> 24) == 0, "the base colour is a packed colour");
    for (std::size_t i = 0; i < favorites.size(); ++i) {
        TFavColor expected = TFavColor::FromColor(favorites[i].Color);
        expected.Text = "Color " + std::to_string(i + 1);
        Require(favorites[i] == expected && (favorites[i].Color >> 24) == 0, "favourites are numbered packed colours");
    }
    const DecodedScheme reread = DecodeScheme(EncodeScheme(parsed.scheme).bytes, VersionCheck::Required);
    Require(reread.status == DecodeStatus::Ok && reread.scheme == parsed.scheme, "a converted scheme reads back");
    return parsed.status;
}
