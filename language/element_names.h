#pragma once

#include <cstdint>
#include <string_view>

#include "engine/chart.h"
#include "engine/vocabulary.h"
#include "language/language.h"

// The names of the panchang's elements in each language the program speaks,
// as that language's almanacs print them: Tamil and Malayalam name the
// nakshatras in their own words (திருவாதிரை, തിരുവാതിര for Ardra), Telugu and
// Kannada write the tithis as their panchangas do (పాడ్యమి, ಬಿದಿಗೆ). In English
// every name is the one the pages and reports have always printed (engine's
// NameOf, misspellings included). An element's None has no name: empty.
namespace horavela {

// The three kalams of a day. The almanac's own Kalam lies above this layer; a
// caller maps its kalam to this word to name it.
enum class KalamWord : std::int8_t { RahuKalam, Yamaganda, GulikaKalam, None };

std::string_view NameOf(Nakshatra nakshatra, Language language);
// The Moon's sign, as NameOf(Rashi) spells it in English.
std::string_view NameOf(Rashi rashi, Language language);
// Fourteen tithis of either fortnight, then the full and the new Moon: the
// paksha names the fortnight of the fourteen (NameOf(Paksha, ...)).
std::string_view NameOf(Tithi tithi, Language language);
std::string_view NameOf(Paksha paksha, Language language);
std::string_view NameOf(Yoga yoga, Language language);
std::string_view NameOf(Karana karana, Language language);
std::string_view NameOf(Weekday weekday, Language language);
// Sun..Saturn, Rahu, Ketu.
std::string_view NameOf(Planet planet, Language language);
std::string_view NameOf(KalamWord kalam, Language language);
// The five kinds of tithi (Nanda, Bhadra, Jaya, Rikta, Poorna).
std::string_view NameOf(TithiGroup group, Language language);

// A month of the civil (Gregorian) calendar, 1..12, as the language writes
// it (मार्च, மார்ச்); empty outside the year.
std::string_view GregorianMonthName(int month, Language language);

// The rising sign: in English the ascendant's own spellings ("Vrischika"),
// in another language the sign's name.
std::string_view LagnaNameOf(Rashi rashi, Language language);

// One row of a chart as `language` names it; in English exactly the engine's
// ChartText.
std::string_view ChartText(const Chart& chart, int slot, Language language);

}  // namespace horavela
