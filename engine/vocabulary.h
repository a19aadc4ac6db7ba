#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The values an evaluation works with, as types. Their names, in the
// spellings the pages and reports print (misspellings included), live only in
// the text tables of vocabulary.cpp; nothing reads a printed name back.
namespace horavela {

// clang-format off
// The 27 lunar mansions from Ashwini; None where the longitude was not finite.
enum class Nakshatra : std::int8_t {
  Ashwini, Bharani, Krittika, Rohini, Mrigasira, Ardra, Punarvasu, Pushya, Ashlesha, Magha,
  PoorvaPhalguni, UttaraPhalguni, Hasta, Chitra, Swati, Vishakha, Anuradha, Jyeshtha, Moola,
  PurvaAshadha, UttaraAshadha, Shravana, Dhanistha, Shatabhisha, PoorvaBhadrapada,
  UttaraBhadrapada, Revati, None
};

// The twelve sidereal signs from Aries.
enum class Rashi : std::int8_t {
  Mesha, Vrishabha, Mithuna, Kataka, Simha, Kanya, Thula, Vrischika, Dhanus, Makara, Kumbha,
  Meena, None
};

// The seven planets an ephemeris gives, in that order, then the lunar nodes
// (lords of nakshatras only).
enum class Planet : std::int8_t {
  Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, None
};

// The fifteen tithi names of a fortnight; the full Moon closes the bright
// fortnight and the new Moon the dark one.
enum class Tithi : std::int8_t {
  Pratipada, Dwitiya, Tritiya, Chaturthi, Panchami, Shasthi, Saptami, Ashtami, Navami, Dashami,
  Ekadashi, Dwadashi, Triyodashi, Chaturdashi, Purnima, Amavasya, None
};
enum class Paksha : std::int8_t { Shukla, Krishna, None };
// The five groups the tithis fall in, three times a fortnight.
enum class TithiGroup : std::int8_t { Nanda, Bhadra, Jaya, Rikta, Poorna, None };

// The 27 yogas of the sum of the sidereal Sun and Moon.
enum class Yoga : std::int8_t {
  Vishkambha, Prithi, Ayushman, Saubhagya, Sobhana, Atiganda, Sukarman, Dhrithi, Soola, Ganda,
  Vridhi, Dhruva, Vyaghata, Harshana, Vajra, Siddhi, Vyatipata, Variyan, Parigha, Siva, Siddha,
  Sadhya, Subha, Sukla, Bramha, Indra, Vaidhriti, None
};

// Seven movable karanas, then the four fixed ones.
enum class Karana : std::int8_t {
  Bava, Balava, Kaulava, Taitula, Garija, Vanija, Vishti, Sakuna, Chatuspada, Naga, Kimstughna,
  None
};

// The twelve solar months of the Hindu year from Chaitra, counted here by the
// civil date.
enum class SolarMonth : std::int8_t {
  Chaitra, Vaisakha, Jyaistha, Asadha, Shravana, Bhadra, Asvina, Kartika, Agrahayana, Pausa,
  Magha, Falguna, None
};

enum class Weekday : std::int8_t {
  Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, None
};

// The verdict of a rule set; its value is its rank, better verdicts higher.
enum class Verdict : std::int8_t { None = 0, Bad = 1, Average = 2, Good = 3 };

// What one line of a rule set judges. Several rule sets name the same thing
// in different words; each wording is a factor of its own, as it is printed.
enum class Factor : std::int8_t {
  Whole,  // a short path: the undertaking as a whole, printed without a name
  Tara, TaraStrength, Chandra, MoonStrength, Nakshatra, GoodNakshatra, BadNakshatra,
  VeryBadNakshatra, GrammarNakshatra,
  GrammarNakshatraUnspaced,  // the same, printed without the space before its dash
  LogicNakshatra, Tithi, Weekday, DayOfWeek, VeryBadWeekday, GrammarWeekday, LogicWeekday, Rashi,
  Lagna, Yoga, Karana, HinduMonth, Month, ElectionalLagnaFromBirth, MuhurthaLagnaFromBirth,
  ElectionalLagnaWithBirth, MuhurthaLagnaWithBirth, SaleLagna, JupiterRising, JupiterNinth,
  LearningOfScience, SiddhaYoga, SiddhiYoga, MrityuYoga, SarvarthaSiddhaYoga, SarvarthaYoga,
  AmritaSiddhiYoga, AmritaYoga, DagdhaYoga, YamaghataYoga, SaraswatiYoga, DvipushkarYoga,
  TripushkarYoga, None
};

// How a factor came out. Two misspelt forms of Unfavourable are printed by
// some rule sets and are words of their own.
enum class Word : std::int8_t {
  None, VeryFavourable, Favourable, Neutral, LeastFavourable, Unfavourable, Unavourable,
  Uafvourable
};
// clang-format on
enum class Leaning : std::int8_t { Against, Neutral, Favours };
Leaning LeaningOf(Word word);

// One factor's outcome as a rule set records it; an empty slot has neither.
struct FactorVerdict {
  Factor factor = Factor::None;
  Word word = Word::None;
  bool empty() const { return word == Word::None; }
  friend bool operator==(const FactorVerdict&, const FactorVerdict&) = default;
};

// The printed names.
std::string_view NameOf(Nakshatra nakshatra);
std::string_view NameOf(Rashi rashi);          // the Moon-sign spelling ("Vrishcika", "Dhanush")
std::string_view LagnaNameOf(Rashi rashi);     // the lagna spelling ("Vrischika", "Dhanus")
std::string_view AbbreviationOf(Rashi rashi);  // "Ari".."Pis"
std::string_view NameOf(Planet planet);
std::string_view NameOf(Tithi tithi);      // as reports print it ("Dwithiai", "Poornami")
std::string_view RuleNameOf(Tithi tithi);  // as the rule lists write it ("Dwitiya", "Purnima")
std::string_view NameOf(Paksha paksha);    // "Shukla Paksha"
std::string_view NameOf(TithiGroup group);
std::string_view NameOf(Yoga yoga);
std::string_view NameOf(Karana karana);
std::string_view NameOf(SolarMonth month);
std::string_view NameOf(Weekday weekday);
std::string_view NameOf(Verdict verdict);
std::string_view NameOf(Factor factor);  // "Tara Stength"; empty for Whole
// What stands between a factor's name and its word: " - ", once "- ".
std::string_view SeparatorOf(Factor factor);
std::string_view NameOf(Word word);
// A fixed word as the reader's language says it ("Favourable" in Hindi): the
// front ends give the sentence catalog's lookup; an empty one keeps English.
using WordSayer = std::function<std::string_view(std::string_view english)>;
// "Tithi - Unfavourable"; the word alone for Factor::Whole; empty when empty.
// With `say`, the factor's name and its word ("Unfavourable") as it says them.
std::string TextOf(const FactorVerdict& verdict, const WordSayer& say = {});
void AppendTextOf(std::string& out, const FactorVerdict& verdict, const WordSayer& say = {});

// The lords: of a nakshatra (Vimshottari) and of a sign.
Planet LordOf(Nakshatra nakshatra);
Planet LordOf(Rashi rashi);

// The weekday of a civil (proleptic Gregorian) date.
Weekday WeekdayOfCivilDate(int year, int month, int day);

// Values read from what a user or a request wrote ("Tuesday", "Good").
std::optional<Weekday> WeekdayNamed(std::string_view name);
std::optional<Verdict> VerdictNamed(std::string_view name);

// Where a planet stands: its sign and the whole degrees and arc-minutes within
// it (truncated, so a planet is never shown in the next sign). No sign where
// the ephemeris gave no longitude.
struct PlanetPosition {
  Rashi sign = Rashi::None;
  std::int8_t degrees = 0;  // 0..29
  std::int8_t minutes = 0;  // 0..59
  bool known() const { return sign != Rashi::None; }
  friend bool operator==(const PlanetPosition&, const PlanetPosition&) = default;
};
// "05 Cpr 42"; empty for an unknown position.
std::string TextOf(const PlanetPosition& position);

// Index 0.. of a value, and the value of an index (None outside the range).
template <typename E>
constexpr int IndexOf(E value) {
  return static_cast<int>(value);
}
// 1-based position of a value in its circle, 0 for None.
template <typename E>
constexpr int PositionOf(E value) {
  return value == E::None ? 0 : IndexOf(value) + 1;
}
template <typename E>
constexpr E FromIndex(int index) {
  return index >= 0 && index < static_cast<int>(E::None) ? static_cast<E>(index) : E::None;
}

}  // namespace horavela
