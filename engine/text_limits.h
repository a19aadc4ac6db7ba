#pragma once

#include <cstddef>
#include <string_view>

// How long the texts a user types may be, in characters, for the wizard's
// boxes, the book and horavela-cli alike. Long enough for any real name,
// place or note; short enough that a text copied into every window of a
// search or every event of a calendar file keeps the result small.
namespace horavela::text_limits {

inline constexpr std::size_t kName = 200;   // a person's name
inline constexpr std::size_t kPlace = 200;  // a city, a state, a country
inline constexpr std::size_t kNote = 4000;  // the note on a person in the book

// Characters (Unicode code points) of a UTF-8 text; each byte that does not
// begin a sequence counts as one.
std::size_t CharacterCount(std::string_view text);

}  // namespace horavela::text_limits
