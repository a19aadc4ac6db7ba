#include "engine/vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace horavela {
namespace {

// Every name a text table prints, in order, against the spellings the pages
// and reports have always printed (misspellings and all).
template <typename E, typename Name>
std::vector<std::string> Printed(Name name) {
  std::vector<std::string> names;
  for (int i = 0; i < static_cast<int>(E::None); ++i) names.emplace_back(name(static_cast<E>(i)));
  return names;
}

TEST(Vocabulary, TextTablesPrintTheKnownSpellings) {
  struct Row {
    std::string_view table;
    std::vector<std::string> printed;
    std::vector<std::string> golden;
  };
  const Row rows[] = {
      {"nakshatras",
       Printed<Nakshatra>([](Nakshatra n) { return NameOf(n); }),
       {"Ashwini",
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
        "Revati"}},
      {"Moon signs",
       Printed<Rashi>([](Rashi r) { return NameOf(r); }),
       {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya", "Thula", "Vrishcika",
        "Dhanush", "Makara", "Kumbha", "Meena"}},
      {"lagnas",
       Printed<Rashi>([](Rashi r) { return LagnaNameOf(r); }),
       {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya", "Thula", "Vrischika", "Dhanus",
        "Makara", "Kumbha", "Meena"}},
      {"sign abbreviations",
       Printed<Rashi>([](Rashi r) { return AbbreviationOf(r); }),
       {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cpr", "Aqu", "Pis"}},
      {"tithis as printed",
       Printed<Tithi>([](Tithi t) { return NameOf(t); }),
       {"Pratipad", "Dwithiai", "Trithiai", "Chathurthi", "Panchami", "Shashti", "Saptami",
        "Ashtami", "Navami", "Dasami", "Ekadasi", "Dwadasi", "Triodasi", "Chaturdasi", "Poornami",
        "Ammavasai"}},
      {"tithis as the rules name them",
       Printed<Tithi>([](Tithi t) { return RuleNameOf(t); }),
       {"Pratipada", "Dwitiya", "Tritiya", "Chaturthi", "Panchami", "Shasthi", "Saptami", "Ashtami",
        "Navami", "Dashami", "Ekadashi", "Dwadashi", "Triyodashi", "Chaturdashi", "Purnima",
        "Amavashya"}},
      {"yogas",
       Printed<Yoga>([](Yoga y) { return NameOf(y); }),
       {"Vishkambha", "Prithi", "Ayushman",  "Saubhagya", "Sobhana", "Atiganda",  "Sukarman",
        "Dhrithi",    "Soola",  "Ganda",     "Vridhi",    "Dhruva",  "Vyaghata",  "Harshana",
        "Vajra",      "Siddhi", "Vyatipata", "Variyan",   "Parigha", "Siva",      "Siddha",
        "Sadhya",     "Subha",  "Sukla",     "Bramha",    "Indra",   "Vaidhruthi"}},
      {"karanas",
       Printed<Karana>([](Karana k) { return NameOf(k); }),
       {"Bava", "Balava", "Kaulava", "Taitula", "Garija", "Vanija", "Visti", "Sakuna", "Chatuspada",
        "Naga", "Kimstughna"}},
      {"weekdays",
       Printed<Weekday>([](Weekday w) { return NameOf(w); }),
       {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}},
      {"planets",
       Printed<Planet>([](Planet p) { return NameOf(p); }),
       {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"}},
  };
  for (const Row& row : rows) EXPECT_EQ(row.printed, row.golden) << row.table;
}

// The factor lines as the result label and the JSON print them.
TEST(Vocabulary, AFactorVerdictPrintsAsTheRuleSetsAlwaysWroteIt) {
  struct Row {
    FactorVerdict verdict;
    std::string_view text;
    Leaning leaning;
  };
  const Row rows[] = {
      {{Factor::Tara, Word::VeryFavourable}, "Tara Stength - Very Favourable", Leaning::Favours},
      {{Factor::Chandra, Word::Unfavourable}, "Moon Stength - Unfavourable", Leaning::Against},
      {{Factor::Tithi, Word::Uafvourable}, "Tithi - Uafvourable", Leaning::Against},
      {{Factor::Yoga, Word::Unavourable}, "Yoga - Unavourable", Leaning::Against},
      {{Factor::Weekday, Word::LeastFavourable}, "Weekday - Least Favourable", Leaning::Against},
      {{Factor::GrammarNakshatraUnspaced, Word::Neutral},
       "Nakshatra of Grammar- Neutral",
       Leaning::Neutral},
      {{Factor::JupiterNinth, Word::Neutral}, "Jupiter in 9th House - Neutral", Leaning::Neutral},
      {{Factor::Whole, Word::Favourable}, "Favourable", Leaning::Favours},
      {{}, "", Leaning::Neutral},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextOf(row.verdict), row.text);
    EXPECT_EQ(LeaningOf(row.verdict.word), row.leaning) << row.text;
  }
  // Every factor but the short path's has a name of its own wording.
  for (int f = 1; f < static_cast<int>(Factor::None); ++f)
    EXPECT_FALSE(NameOf(static_cast<Factor>(f)).empty()) << f;
}

TEST(Vocabulary, LordsVerdictsAndWhatUsersWrite) {
  EXPECT_EQ(LordOf(Nakshatra::Ashwini), Planet::Ketu);
  EXPECT_EQ(LordOf(Nakshatra::Magha), Planet::Ketu);
  EXPECT_EQ(LordOf(Nakshatra::Revati), Planet::Mercury);
  EXPECT_EQ(LordOf(Rashi::Vrischika), Planet::Mars);
  EXPECT_EQ(LordOf(Rashi::Meena), Planet::Jupiter);
  EXPECT_EQ(LordOf(Nakshatra::None), Planet::None);
  EXPECT_LT(Verdict::Bad, Verdict::Average);
  EXPECT_LT(Verdict::Average, Verdict::Good);
  EXPECT_EQ(VerdictNamed("Average"), Verdict::Average);
  EXPECT_EQ(VerdictNamed("good"), std::nullopt);
  EXPECT_EQ(VerdictNamed(""), std::nullopt);
  EXPECT_EQ(WeekdayNamed("Tuesday"), Weekday::Tuesday);
  EXPECT_EQ(WeekdayNamed("Tue"), std::nullopt);
  EXPECT_EQ(FromIndex<Yoga>(27), Yoga::None);
  EXPECT_EQ(FromIndex<Yoga>(-1), Yoga::None);
  EXPECT_EQ(NameOf(Karana::None), "");
}

}  // namespace
}  // namespace horavela
