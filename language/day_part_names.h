#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/vocabulary.h"
#include "language/language.h"

// The names of the parts of a day that are not the panchang's five limbs:
// the choghadiyas of the North and West Indian almanacs, the Gowri
// panchangam (Nalla Neram) of the Tamil ones, and the short sign names a
// drawn chart writes in its houses. In English each is the spelling the
// Day page has always shown.
namespace horavela {

// The seven choghadiyas, each ruled by a weekday lord: Udveg the Sun, Char
// Venus, Labh Mercury, Amrit the Moon, Kaal Saturn, Shubh Jupiter, Rog Mars.
enum class Choghadiya : std::int8_t { Udveg, Char, Labh, Amrit, Kaal, Shubh, Rog, None };

// The eight Gowri parts: the weekday lords' qualities (the Sun's Uthi, the
// Moon's Amirdha, ...) and Rahu's Visham.
enum class Gowri : std::int8_t { Uthi, Amirdha, Rogam, Laabam, Dhanam, Sugam, Soram, Visham, None };

std::string_view NameOf(Choghadiya choghadiya, Language language);
std::string_view NameOf(Gowri gowri, Language language);
// The sign as a chart drawn in houses writes it: "Ari".."Pis" in English, a
// syllable or two in another language (मे, மே).
std::string_view SignAbbreviationOf(Rashi rashi, Language language);
// A planet's place in its sign as the planet table writes it: the engine's
// "06 Sco 56" in English, the language's abbreviation of the sign between the
// same degrees and minutes elsewhere; empty when the place is unknown.
std::string PositionText(const PlanetPosition& position, Language language);

namespace day_part_names {

using Names = std::string_view;

// One language's day-part names, each list in its enum's order.
struct Table {
  std::array<Names, 7> choghadiyas;
  std::array<Names, 8> gowris;
  std::array<Names, 12> signAbbreviations;  // from Mesha
};

extern const Table kHindi;
extern const Table kMarathi;
extern const Table kBengali;
extern const Table kGujarati;
extern const Table kTamil;
extern const Table kTelugu;
extern const Table kKannada;
extern const Table kMalayalam;

}  // namespace day_part_names
}  // namespace horavela
