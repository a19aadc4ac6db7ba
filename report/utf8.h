#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace horavela {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at `pos` and moves `pos` behind it. A
// malformed or truncated sequence yields U+FFFD and consumes one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// The columns `utf8` takes on a terminal: one a character, none for the
// marks that join the letter before them (the Indic scripts' vowel signs,
// virama and nukta, combining accents, the zero-width joiners), so Devanagari
// and Tamil columns line up with Latin ones.
int DisplayWidth(std::string_view utf8);

// `utf8` followed by spaces up to `width` columns (as std::setw pads, by
// display width rather than bytes); a wider text is left as it is.
std::string PaddedTo(std::string_view utf8, int width);

}  // namespace horavela
