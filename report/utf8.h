#pragma once

#include <cstddef>
#include <string_view>

namespace horavela {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at `pos` and moves `pos` behind it. A
// malformed or truncated sequence yields U+FFFD and consumes one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

}  // namespace horavela
