#include "explain/factor_words.h"
#include "rules/charts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "atlas/local_minute.h"
#include "explain/factor_values.h"
#include "panchang/strengths.h"
#include "rules/subjects.h"
#include "support/chart_values.h"
#include "support/search_request.h"

namespace horavela {
namespace {

// Every verdict any of the 34 rule sets wrote over moments spread across
// days, hours, both fortnights and two years (an odd and an even year of
// life, for the age short paths) has a row of its own.
TEST(FactorsInWords, EveryRecordedPrefixHasARow) {
  std::set<std::string> seen;
  for (const std::string& subject : AllSubjectTexts()) {
    const SearchRequest request = testing::AshaAtNewDelhi({subject});
    for (const LocalMinute start :
         {LocalMinute{2025, 1, 20, 0, 0}, LocalMinute{2026, 3, 1, 0, 0}}) {
      for (int step = 0; step < 60; ++step) {
        const LocalMinute minute = FromMinuteIndex(MinuteIndex(start) + step * (13 * 60 + 17));
        const CalculationState state =
            EvaluatedState(testing::InputAtMinute(request, minute), SwissEphemeris());
        for (const FactorInWords& factor : FactorsInWords(state)) {
          EXPECT_TRUE(HasFactorRow(factor.factor, subject))
              << subject << ": " << factor.verdict << " -> " << factor.line;
          seen.insert(factor.factor == Factor::Whole ? subject
                                                     : std::string(NameOf(factor.factor)));
        }
      }
    }
  }
  for (const std::string& p : seen) std::printf("SEEN %s\n", p.c_str());
  // The moments reach the short paths, the yogas and the lagna factors.
  for (const char* prefix :
       {"Naming of The Child or Namakarana", "Thread Ceremony Or Upanayana", "Month",
        "Hindu Lunar Month", "Jupiter in Rising Sign", "Electional Lagna from Birth Lagna",
        "Sale time Lagna", "Nakshatra of Grammar", "Tripushkar Yoga", "Siddhi Yoga"})
    EXPECT_EQ(seen.count(prefix), 1u) << prefix;
}

// A state built by hand: the birth in Rohini under Mesha on the 14th of
// January, the moment in Punarvasu under Kanya on 25 August, a Saturday.
CalculationState HandBuiltState() {
  CalculationState s;
  s.Input.subject = "Naming of The Child or Namakarana";
  s.Input.birth.day = 14;
  s.Input.birth.month = 1;
  s.Input.election.day = 25;
  s.Input.election.month = 8;
  s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone("Saturday");
  s.BirthChart.nakshatra = ::horavela::testing::NakshatraNamed("Rohini");
  s.BirthChart.moonSign = ::horavela::testing::RashiNamed("Mesha");
  s.BirthChart.lagna = ::horavela::testing::RashiNamed("Thula");
  s.ElectionChart.nakshatra = ::horavela::testing::NakshatraNamed("Punarvasu");
  s.ElectionChart.moonSign = ::horavela::testing::RashiNamed("Kanya");
  s.ElectionChart.lagna = ::horavela::testing::RashiNamed("Dhanus");
  s.Panchang.TithiName = ::horavela::testing::TithiNamed("Triyodashi");
  s.Panchang.Fortnight = ::horavela::testing::PakshaNamed("Shukla Paksha");
  s.Panchang.Group = ::horavela::testing::GroupNamed("Nanda");
  s.Lagna.LagnaCount = 2;  // Dhanus, two signs on from Thula
  s.Lagna.PlanetSigns[5] = {Rashi::Dhanus, 5, 42};
  s.Lagna.MuhurthaLagna = Rashi::Simha;
  return s;
}

TEST(FactorsInWords, SaysWhatDecidedEachFactor) {
  struct Row {
    const char* verdict;
    const char* line;
  };
  const Row rows[] = {
      {"Tithi - Unavourable",
       "Tithi: Triyodashi, Shukla Paksha, which this undertaking counts as unfavourable"},
      {"Nakshatra - Favourable",
       "Nakshatra: Punarvasu, which this undertaking counts as favourable"},
      {"Nakshatra of Grammar- Neutral",
       "Nakshatra of Grammar: Punarvasu, which this undertaking counts as neutral"},
      {"Weekday - Neutral", "Weekday: Saturday, which this undertaking counts as neutral"},
      {"Tara Stength - Unfavourable",
       "Tara Stength: the Moon's nakshatra Punarvasu lies 3 nakshatras after the birth nakshatra "
       "Rohini (counted as Vipat), unfavourable"},
      {"Moon Stength - Unfavourable",
       "Moon Stength: the Moon in Kanya is the 6th sign from the birth Moon sign Mesha, "
       "unfavourable"},
      {"Siddha Yoga - Neutral",
       "Siddha Yoga: not formed today (Saturday with a Nanda tithi), neutral"},
      {"Month - Favourable", "Month: 7 months after birth by the calendar, favourable"},
      {"Electional Lagna from Birth Lagna - Neutral",
       "Electional Lagna from Birth Lagna: the lagna Dhanus lies 2 signs after the birth lagna "
       "Thula, neutral"},
      {"Jupiter in 9th House - Neutral",
       "Jupiter in 9th House: Jupiter in Dhanus and Simha rising by the clock table lie 4 signs "
       "apart, neutral"},
      {"Favourable",
       "Date: the day of the month is 11 days after the birth day, which on its own makes this "
       "undertaking favourable"},
  };
  CalculationState state = HandBuiltState();
  for (const Row& row : rows) {
    state.Result.FactorVerdicts = {{}, testing::VerdictWithText(row.verdict), {}};
    state.Result.FactorPoints = {0, -1, 0};
    const std::vector<FactorInWords> factors = FactorsInWords(state);
    ASSERT_EQ(factors.size(), 1u) << row.verdict;
    EXPECT_EQ(factors[0].verdict, row.verdict);
    EXPECT_EQ(factors[0].points, -1);
    EXPECT_EQ(factors[0].line, row.line);
  }
}

// The elements a rule set's factors read: only the civil date when nothing
// was recorded, and Jupiter's sign for the Jupiter factors.
TEST(ElementsRead, FollowTheRecordedFactors) {
  struct Row {
    std::vector<std::string> verdicts;
    unsigned reads;
  };
  const Row rows[] = {
      {{}, kCivilDateRead},
      {{"Tara Stength - Favourable", "Moon Stength - Favourable"},
       kCivilDateRead | kNakshatraRead | kMoonSignRead},
      {{"Sale time Lagna - Neutral", "Karana - Neutral"},
       kCivilDateRead | kLagnaRead | kKaranaRead},
      {{"Mrityu Yoga - Unfavourable"}, kCivilDateRead | kTithiRead},
      {{"Jupiter in Rising Sign - Neutral"}, kCivilDateRead | PlanetSignRead(5)},
      {{"Favourable"}, kCivilDateRead},  // the naming's short path: the date alone
  };
  CalculationState state = HandBuiltState();
  for (const Row& row : rows) {
    state.Result.FactorVerdicts = testing::VerdictsWithTexts(row.verdicts);
    EXPECT_EQ(ElementsRead(state), row.reads) << row.verdicts.size();
  }
}

// The tarabala line under each count, on pairs that tell the counts apart:
// the day's star after the birth star, before it, past Revati round to
// Ashwini, and the birth star itself. The tara the classical line names is
// one the verdict reads the same way (Janma, Vipat, Pratyak and Naidhana are
// the unlucky ones).
TEST(FactorsInWords, TaraCountLineFollowsTheSettings) {
  struct Row {
    const char* birth;
    const char* day;
    TaraCount count;
    const char* line;
  };
  const Row rows[] = {
      {"Rohini", "Punarvasu", TaraCount::Program,
       "the Moon's nakshatra Punarvasu lies 3 nakshatras after the birth nakshatra Rohini "
       "(counted as Vipat)"},
      {"Rohini", "Punarvasu", TaraCount::Inclusive,
       "the Moon's nakshatra Punarvasu is the 4th counting forward from the birth nakshatra "
       "Rohini as the first (Kshema)"},
      {"Punarvasu", "Rohini", TaraCount::Inclusive,
       "the Moon's nakshatra Rohini is the 25th counting forward from the birth nakshatra "
       "Punarvasu as the first (Naidhana)"},
      {"Revati", "Ashwini", TaraCount::Program,
       "the Moon's nakshatra Ashwini lies 26 nakshatras before the birth nakshatra Revati "
       "(counted as Mitra)"},
      {"Revati", "Ashwini", TaraCount::Inclusive,
       "the Moon's nakshatra Ashwini is the 2nd counting forward from the birth nakshatra "
       "Revati as the first (Sampat)"},
      {"Ashwini", "Revati", TaraCount::Inclusive,
       "the Moon's nakshatra Revati is the 27th counting forward from the birth nakshatra "
       "Ashwini as the first (Parama Mitra)"},
      {"Rohini", "Rohini", TaraCount::Program, "the Moon is in the birth nakshatra Rohini itself"},
      {"Rohini", "Rohini", TaraCount::Inclusive,
       "the Moon is in the birth nakshatra Rohini itself (Janma)"},
  };
  CalculationState state = HandBuiltState();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.birth) + " to " + row.day);
    state.BirthChart.nakshatra = testing::NakshatraNamed(row.birth);
    state.ElectionChart.nakshatra = testing::NakshatraNamed(row.day);
    state.Input.settings.tarabala = row.count;
    const std::string line = factor_values::TaraCount(state);
    EXPECT_EQ(line, row.line);
    if (row.count != TaraCount::Inclusive) continue;
    const bool unlucky =
        line.find("(Janma)") != std::string::npos || line.find("(Vipat)") != std::string::npos ||
        line.find("(Pratyak)") != std::string::npos || line.find("(Naidhana)") != std::string::npos;
    EXPECT_EQ(TaraBalaOf(state.BirthChart.nakshatra, state.ElectionChart.nakshatra, row.count) ==
                  Word::Unfavourable,
              unlucky);
  }
}

}  // namespace
}  // namespace horavela
