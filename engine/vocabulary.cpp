#include "engine/vocabulary.h"

#include <array>
#include <cstdio>

#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

// Entry `value` of `table`, empty for None (the entry past the table's end).
template <typename E, std::size_t N>
std::string_view Entry(const std::array<std::string_view, N>& table, E value) {
  const auto index = static_cast<std::size_t>(value);
  return index < N ? table[index] : std::string_view();
}

constexpr std::array<std::string_view, 27> kNakshatraNames = {
    "Ashwini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigasira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Ashlesha",
    "Magha",
    "Poorva Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Moola",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanistha",
    "Shatabhisha",
    "Poorva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati",
};

// The Moon's sign as the charts print it, and the rising sign.
constexpr std::array<std::string_view, 12> kRashiNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena",
};
constexpr std::array<std::string_view, 12> kLagnaNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena",
};

// The signs as planet positions abbreviate them ("Cpr" for Capricorn).
constexpr std::array<std::string_view, 12> kSignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cpr", "Aqu", "Pis",
};

constexpr std::array<std::string_view, 9> kPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu",
};

constexpr std::array<std::string_view, 16> kTithiNames = {
    "Pratipad", "Dwithiai",   "Trithiai", "Chathurthi", "Panchami", "Shashti",
    "Saptami",  "Ashtami",    "Navami",   "Dasami",     "Ekadasi",  "Dwadasi",
    "Triodasi", "Chaturdasi", "Poornami", "Ammavasai",
};
constexpr std::array<std::string_view, 16> kTithiRuleNames = {
    "Pratipada",  "Dwitiya",     "Tritiya", "Chaturthi", "Panchami", "Shasthi",
    "Saptami",    "Ashtami",     "Navami",  "Dashami",   "Ekadashi", "Dwadashi",
    "Triyodashi", "Chaturdashi", "Purnima", "Amavashya",
};
constexpr std::array<std::string_view, 2> kPakshaNames = {"Shukla Paksha", "Krishna Paksha"};
constexpr std::array<std::string_view, 5> kTithiGroupNames = {"Nanda", "Bhadra", "Jaya", "Rikta",
                                                              "Poorna"};

constexpr std::array<std::string_view, 27> kYogaNames = {
    "Vishkambha", "Prithi", "Ayushman",  "Saubhagya", "Sobhana", "Atiganda",   "Sukarman",
    "Dhrithi",    "Soola",  "Ganda",     "Vridhi",    "Dhruva",  "Vyaghata",   "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyan",   "Parigha", "Siva",       "Siddha",
    "Sadhya",     "Subha",  "Sukla",     "Bramha",    "Indra",   "Vaidhruthi",
};

constexpr std::array<std::string_view, 11> kKaranaNames = {
    "Bava",  "Balava", "Kaulava",    "Taitula", "Garija",     "Vanija",
    "Visti", "Sakuna", "Chatuspada", "Naga",    "Kimstughna",
};

constexpr std::array<std::string_view, 12> kSolarMonthNames = {
    "Chaitra", "Vaisakha", "Jyaistha",   "Asadha", "Shravana", "Bhadra",
    "Asvina",  "Kartika",  "Agrahayana", "Pausa",  "Magha",    "Falguna",
};

constexpr std::array<std::string_view, 4> kVerdictNames = {"", "Bad", "Average", "Good"};

constexpr std::array<std::string_view, static_cast<std::size_t>(Factor::None)> kFactorNames = {
    "",
    "Tara Stength",
    "Tara Strength",
    "Moon Stength",
    "Moon Strength",
    "Nakshatra",
    "Good Nakshatra",
    "Bad Nakshatra",
    "Very Bad Nakshatra",
    "Nakshatra of Grammar",
    "Nakshatra of Grammar",
    "Nakshatra of Logic And and Philosophy",
    "Tithi",
    "Weekday",
    "Day of Week",
    "Very Bad Weekday",
    "Weekday of Grammar",
    "Weekday of Logic And and Philosophy",
    "Rashi",
    "Lagna",
    "Yoga",
    "Karana",
    "Hindu Lunar Month",
    "Month",
    "Electional Lagna from Birth Lagna",
    "Muhurtha Lagna from Birth Lagna",
    "Electional Lagna with Birth Rashi and Lagna",
    "Muhurtha Lagna with Birth Rashi and Lagna",
    "Sale time Lagna",
    "Jupiter in Rising Sign",
    "Jupiter in 9th House",
    "Learning of any Science",
    "Siddha Yoga",
    "Siddhi Yoga",
    "Mrityu Yoga",
    "Sarvartha Siddha Yoga",
    "Sarvartha Yoga",
    "Amrita Siddhi Yoga",
    "Amrita Yoga",
    "Dagdha Yoga",
    "Yamaghata Yoga",
    "Saraswati Yoga",
    "Dvipushkar Yoga",
    "Tripushkar Yoga",
};

struct WordRow {
  std::string_view name;
  Leaning leaning;
};
constexpr std::array<WordRow, 8> kWords = {{
    {"", Leaning::Neutral},
    {"Very Favourable", Leaning::Favours},
    {"Favourable", Leaning::Favours},
    {"Neutral", Leaning::Neutral},
    {"Least Favourable", Leaning::Against},
    {"Unfavourable", Leaning::Against},
    {"Unavourable", Leaning::Against},
    {"Uafvourable", Leaning::Against},
}};

// Vimshottari lords: a cycle of nine, three times round the 27 nakshatras.
constexpr std::array<Planet, 9> kNakshatraLordCycle = {
    Planet::Ketu, Planet::Venus,   Planet::Sun,    Planet::Moon,    Planet::Mars,
    Planet::Rahu, Planet::Jupiter, Planet::Saturn, Planet::Mercury,
};
constexpr std::array<Planet, 12> kRashiLords = {
    Planet::Mars,  Planet::Venus, Planet::Mercury, Planet::Moon,   Planet::Sun,    Planet::Mercury,
    Planet::Venus, Planet::Mars,  Planet::Jupiter, Planet::Saturn, Planet::Saturn, Planet::Jupiter,
};

template <typename E, std::size_t N>
std::optional<E> Named(const std::array<std::string_view, N>& table, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (!table[i].empty() && table[i] == name) return static_cast<E>(i);
  }
  return std::nullopt;
}

}  // namespace

Leaning LeaningOf(Word word) {
  return kWords[static_cast<std::size_t>(word)].leaning;
}

std::string_view NameOf(Nakshatra nakshatra) {
  return Entry(kNakshatraNames, nakshatra);
}
std::string_view NameOf(Rashi rashi) {
  return Entry(kRashiNames, rashi);
}
std::string_view LagnaNameOf(Rashi rashi) {
  return Entry(kLagnaNames, rashi);
}
std::string_view AbbreviationOf(Rashi rashi) {
  return Entry(kSignAbbreviations, rashi);
}
std::string_view NameOf(Planet planet) {
  return Entry(kPlanetNames, planet);
}
std::string_view NameOf(Tithi tithi) {
  return Entry(kTithiNames, tithi);
}
std::string_view RuleNameOf(Tithi tithi) {
  return Entry(kTithiRuleNames, tithi);
}
std::string_view NameOf(Paksha paksha) {
  return Entry(kPakshaNames, paksha);
}
std::string_view NameOf(TithiGroup group) {
  return Entry(kTithiGroupNames, group);
}
std::string_view NameOf(Yoga yoga) {
  return Entry(kYogaNames, yoga);
}
std::string_view NameOf(Karana karana) {
  return Entry(kKaranaNames, karana);
}
std::string_view NameOf(SolarMonth month) {
  return Entry(kSolarMonthNames, month);
}
std::string_view NameOf(Weekday weekday) {
  return Entry(kWeekdayNames, weekday);
}
std::string_view NameOf(Verdict verdict) {
  return Entry(kVerdictNames, verdict);
}
std::string_view NameOf(Factor factor) {
  return Entry(kFactorNames, factor);
}
std::string_view NameOf(Word word) {
  return kWords[static_cast<std::size_t>(word)].name;
}

std::string_view SeparatorOf(Factor factor) {
  if (factor == Factor::GrammarNakshatraUnspaced) return "- ";
  return NameOf(factor).empty() ? std::string_view() : " - ";
}

void AppendTextOf(std::string& out, const FactorVerdict& verdict, const WordSayer& say) {
  if (verdict.empty()) return;
  const std::string_view factor = NameOf(verdict.factor);
  // Factor::Whole has no name, and an empty key would find nothing to say.
  out += say && !factor.empty() ? say(factor) : factor;
  out += SeparatorOf(verdict.factor);
  out += say ? say(NameOf(verdict.word)) : NameOf(verdict.word);
}

std::string TextOf(const FactorVerdict& verdict, const WordSayer& say) {
  std::string text;
  AppendTextOf(text, verdict, say);
  return text;
}

std::string TextOf(const PlanetPosition& position) {
  if (!position.known()) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%02d %s %02d", position.degrees,
                AbbreviationOf(position.sign).data(), position.minutes);
  return text;
}

Planet LordOf(Nakshatra nakshatra) {
  if (nakshatra == Nakshatra::None) return Planet::None;
  return kNakshatraLordCycle[static_cast<std::size_t>(nakshatra) % kNakshatraLordCycle.size()];
}
Planet LordOf(Rashi rashi) {
  return rashi == Rashi::None ? Planet::None : kRashiLords[static_cast<std::size_t>(rashi)];
}

Weekday WeekdayOfCivilDate(int year, int month, int day) {
  return FromIndex<Weekday>(WeekdayIndex(DaysFromCivil(year, month, day)));
}

std::optional<Weekday> WeekdayNamed(std::string_view name) {
  return Named<Weekday>(kWeekdayNames, name);
}
std::optional<Verdict> VerdictNamed(std::string_view name) {
  return Named<Verdict>(kVerdictNames, name);
}

}  // namespace horavela
