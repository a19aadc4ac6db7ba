// Foundation, construction, lending, borrowing and legal rule sets, run on
// hand-built charts: every outcome row, the result-word boundaries, the exact
// result label and the year precondition.

#include <gtest/gtest.h>

#include <string>

#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;  // the rule-set fixtures

// Born 15 June 1980 with the Moon in Thula and Makara rising; the election in
// 2024.
CalculationState StartChart() {
  CalculationState s;
  s.Input.birth.year = 1980;
  s.Input.birth.month = 6;
  s.Input.birth.day = 15;
  s.Input.election.year = 2024;
  s.BirthChart.moonSign = RashiNamed("Thula");
  s.BirthChart.lagna = RashiNamed("Makara");
  return s;
}

// Foundation base: both balas, nakshatra and tithi unfavourable; the Tuesday
// and Jyaistha (10 May) neutral. FactorCount 2.
constexpr Tweak kFoundationBase{.tara = "Unfavourable",
                                .chandra = "Unfavourable",
                                .nakshatra = "Shravana",
                                .birthNakshatra = "Ashwini",
                                .tithi = 9,
                                .weekday = "Tuesday",
                                .month = 5,
                                .day = 10,
                                .moonSign = "Mesha"};

// clang-format off
TEST(EvaluateFoundation, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateFoundation, 6, kFoundationBase, {
      {"Shravana is in both lists; unfavourable wins", {.nakshatra = "Shravana"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 2},
      {"Bharani", {.nakshatra = "Bharani"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 2},
      {"Uttara Bhadrapada", {.nakshatra = "Uttara Bhadrapada"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 2},
      {"Rohini", {.nakshatra = "Rohini"},
       2, "Nakshatra - Favourable",         1, NakshatraFlag, 2, 3},
      {"Jyeshtha", {.nakshatra = "Jyeshtha"},
       2, "Nakshatra - Favourable",         1, NakshatraFlag, 2, 3},
      {"Uttara Ashadha", {.nakshatra = "Uttara Ashadha"},
       2, "Nakshatra - Favourable",         1, NakshatraFlag, 2, 3},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Neutral",            0, NakshatraFlag, 2, 3},
      {"Revati", {.nakshatra = "Revati"},
       2, "Nakshatra - Neutral",            0, NakshatraFlag, 2, 3},

      {"bright Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 2},
      {"dark Navami", {.tithi = 24},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 3},
      {"bright Dwitiya", {.tithi = 2},
       3, "Tithi - Favourable",             1, TithiFlag,     2, 3},
      {"bright Shasthi", {.tithi = 6},
       3, "Tithi - Favourable",             1, TithiFlag,     2, 3},
      {"bright Dashami", {.tithi = 10},
       3, "Tithi - Favourable",             1, TithiFlag,     2, 3},
      {"dark Dwitiya", {.tithi = 17},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 3},
      {"dark Shasthi", {.tithi = 21},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 3},
      {"dark Dashami", {.tithi = 25},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 3},
      {"Pratipada", {.tithi = 1},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 3},
      {"Amavashya", {.tithi = 30},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 3},

      {"Monday", {.weekday = "Monday"},
       4, "Weekday - Favourable",           1, WeekdayFlag,   2, 2},
      {"Wednesday", {.weekday = "Wednesday"},
       4, "Weekday - Favourable",           1, WeekdayFlag,   2, 2},
      {"Thursday", {.weekday = "Thursday"},
       4, "Weekday - Favourable",           1, WeekdayFlag,   2, 2},
      {"Friday", {.weekday = "Friday"},
       4, "Weekday - Favourable",           1, WeekdayFlag,   2, 2},
      {"Tuesday", {.weekday = "Tuesday"},
       4, "Weekday - Neutral",              0, WeekdayFlag,   2, 2},
      {"Sunday", {.weekday = "Sunday"},
       4, "Weekday - Neutral",              0, WeekdayFlag,   2, 2},
      {"Saturday", {.weekday = "Saturday"},
       4, "Weekday - Neutral",              0, WeekdayFlag,   2, 2},
      {"the box, not the chart, decides", {.weekday = "Monday", .boxWeekday = "Tuesday"},
       4, "Weekday - Neutral",              0, WeekdayFlag,   2, 2},
      {"a Monday picked in the box", {.weekday = "Tuesday", .boxWeekday = "Monday"},
       4, "Weekday - Favourable",           1, WeekdayFlag,   2, 2},

      {"10 May Jyaistha", {.month = 5, .day = 10},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 2},
      {"10 December Pausa", {.month = 12, .day = 10},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 2},
      {"10 March Chaitra", {.month = 3, .day = 10},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      {"21 February Chaitra", {.month = 2, .day = 21},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      {"21 April Vaisakha", {.month = 4, .day = 21},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      {"22 April Jyaistha", {.month = 4, .day = 22},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 2},
      {"23 July Shravana", {.month = 7, .day = 23},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      {"24 July Bhadra", {.month = 7, .day = 24},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 2},
      {"10 October Kartika", {.month = 10, .day = 10},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      {"21 January Magha", {.month = 1, .day = 21},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      {"22 January Falguna", {.month = 1, .day = 22},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 2},
      {"23 December Magha", {.month = 12, .day = 23},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 2},
      });
}
// clang-format on

TEST(EvaluateFoundation, WorksOutTheHinduMonthAfresh) {
  CalculationState s = StateWith(StartChart, kFoundationBase, {.month = 3, .day = 10});
  s.Yogas.HinduMonth = MonthNamed("Jyaistha");  // left by an earlier evaluation
  testing::RecordingSink sink;
  EvaluateFoundation(s);
  WriteReport(s, sink);
  EXPECT_EQ(NameOf(s.Yogas.HinduMonth), "Chaitra");
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[5]), "Hindu Lunar Month - Favourable");
}

// Construction base: balas, tithi and weekday unfavourable; nakshatra, month
// and rashi can only be favourable or neutral. FactorCount 3.
constexpr Tweak kConstructionBase{.tara = "Unfavourable",
                                  .chandra = "Unfavourable",
                                  .nakshatra = "Ashwini",
                                  .birthNakshatra = "Bharani",
                                  .tithi = 4,
                                  .weekday = "Tuesday",
                                  .month = 5,
                                  .day = 10,
                                  .moonSign = "Mesha"};

// clang-format off
TEST(EvaluateConstruction, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateConstruction, 7, kConstructionBase, {
      {"Uttara Phalguni", {.nakshatra = "Uttara Phalguni"},
       2, "Nakshatra - Favourable",         1, NakshatraFlag, 2, 3},
      {"Pushya", {.nakshatra = "Pushya"},
       2, "Nakshatra - Favourable",         1, NakshatraFlag, 2, 3},
      {"Dhanistha", {.nakshatra = "Dhanistha"},
       2, "Nakshatra - Favourable",         1, NakshatraFlag, 2, 3},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Neutral",            0, NakshatraFlag, 2, 3},
      {"Shravana", {.nakshatra = "Shravana"},
       2, "Nakshatra - Neutral",            0, NakshatraFlag, 2, 3},

      {"Chaturthi", {.tithi = 4},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 3},
      {"Ashtami", {.tithi = 8},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 3},
      {"Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 3},
      {"Chaturdashi", {.tithi = 14},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 3},
      {"Purnima", {.tithi = 15},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 3},
      {"dark Chaturthi", {.tithi = 19},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 4},
      {"dark Ashtami", {.tithi = 23},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 4},
      {"Amavashya", {.tithi = 30},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 4},
      {"Dashami", {.tithi = 10},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 4},

      {"Tuesday", {.weekday = "Tuesday"},
       4, "Weekday - Unfavourable",        -1, WeekdayFlag,   1, 3},
      {"Monday", {.weekday = "Monday"},
       4, "Weekday - Neutral",              0, WeekdayFlag,   2, 4},
      {"Saturday", {.weekday = "Saturday"},
       4, "Weekday - Neutral",              0, WeekdayFlag,   2, 4},
      {"the box says Tuesday", {.weekday = "Wednesday", .boxWeekday = "Tuesday"},
       4, "Weekday - Unfavourable",        -1, WeekdayFlag,   1, 3},

      {"10 June Asadha", {.month = 6, .day = 10},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 3},
      {"10 May Jyaistha", {.month = 5, .day = 10},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 3},
      {"10 December Pausa", {.month = 12, .day = 10},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 3},
      {"23 November Pausa", {.month = 11, .day = 23},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 3},
      {"22 November Agrahayana", {.month = 11, .day = 22},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 3},
      {"10 February Falguna", {.month = 2, .day = 10},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 3},
      {"23 June Shravana", {.month = 6, .day = 23},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 3},
      {"23 March Vaisakha", {.month = 3, .day = 23},
       5, "Hindu Lunar Month - Favourable", 1, MonthFlag,     2, 3},
      {"22 March Chaitra", {.month = 3, .day = 22},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 3},
      {"23 December Magha", {.month = 12, .day = 23},
       5, "Hindu Lunar Month - Neutral",    0, MonthFlag,     2, 3},

      {"Mithuna", {.moonSign = "Mithuna"},
       6, "Rashi - Favourable",             1, RashiFlag,     2, 3},
      {"Kanya", {.moonSign = "Kanya"},
       6, "Rashi - Favourable",             1, RashiFlag,     2, 3},
      {"Meena", {.moonSign = "Meena"},
       6, "Rashi - Favourable",             1, RashiFlag,     2, 3},
      {"Dhanush, the Moon-sign spelling of Dhanus", {.moonSign = "Dhanush"},
       6, "Rashi - Favourable",             1, RashiFlag,     2, 3},
      {"Vrishcika", {.moonSign = "Vrishcika"},
       6, "Rashi - Neutral",                0, RashiFlag,     2, 3},
      {"Mesha", {.moonSign = "Mesha"},
       6, "Rashi - Neutral",                0, RashiFlag,     2, 3},
      });
}
// clang-format on

// Lending base: the Moon in Krittika; a Saturday Purnima. FactorCount 1.
constexpr Tweak kLendingBase{.tara = "Unfavourable",
                             .chandra = "Unfavourable",
                             .nakshatra = "Krittika",
                             .birthNakshatra = "Bharani",
                             .tithi = 15,
                             .weekday = "Saturday",
                             .month = 5,
                             .day = 10,
                             .moonSign = "Mesha"};

// clang-format off
TEST(EvaluateLending, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateLending, 5, kLendingBase, {
      {"Krittika", {.nakshatra = "Krittika"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Magha", {.nakshatra = "Magha"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Moola", {.nakshatra = "Moola"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Shatabhisha", {.nakshatra = "Shatabhisha"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Uttara Phalguni", {.nakshatra = "Uttara Phalguni"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Punarvasu", {.nakshatra = "Punarvasu"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"the birth nakshatra", {.nakshatra = "Bharani"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"another birth nakshatra", {.nakshatra = "Revati", .birthNakshatra = "Revati"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Neutral",      0, NakshatraFlag, 2, 2},
      {"Dhanistha", {.nakshatra = "Dhanistha"},
       2, "Nakshatra - Neutral",      0, NakshatraFlag, 2, 2},

      {"Saturday Purnima", {.tithi = 15},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},
      {"Saturday Amavashya", {.tithi = 30},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},
      {"Saturday Ekadashi", {.tithi = 11},
       3, "Tithi - Neutral",          0, TithiFlag,     2, 2},
      {"Friday Purnima", {.tithi = 15, .weekday = "Friday"},
       3, "Tithi - Neutral",          0, TithiFlag,     2, 1},
      {"Sunday Amavashya", {.tithi = 30, .weekday = "Sunday"},
       3, "Tithi - Neutral",          0, TithiFlag,     2, 2},
      {"Purnima with Saturday in the box only",
       {.tithi = 15, .weekday = "Friday", .boxWeekday = "Saturday"},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},

      {"Tuesday", {.weekday = "Tuesday"},
       4, "Weekday - Unfavourable",  -1, WeekdayFlag,   1, 1},
      {"Friday", {.weekday = "Friday"},
       4, "Weekday - Unfavourable",  -1, WeekdayFlag,   1, 1},
      {"Saturday", {.weekday = "Saturday"},
       4, "Weekday - Neutral",        0, WeekdayFlag,   2, 1},
      {"Monday", {.weekday = "Monday"},
       4, "Weekday - Neutral",        0, WeekdayFlag,   2, 2},
      });
}
// clang-format on

// Borrowing base: every factor unfavourable. FactorCount 0.
constexpr Tweak kBorrowingBase{.tara = "Unfavourable",
                               .chandra = "Unfavourable",
                               .nakshatra = "Krittika",
                               .birthNakshatra = "Bharani",
                               .tithi = 4,
                               .weekday = "Tuesday",
                               .month = 5,
                               .day = 10,
                               .moonSign = "Mesha"};

// clang-format off
TEST(EvaluateBorrowing, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateBorrowing, 4, kBorrowingBase, {
      {"tarabala unfavourable", {.tara = "Unfavourable"},
       0, "Tara Stength - Unfavourable",   -1, TaraFlag,      1, 0},
      {"tarabala favourable", {.tara = "Favourable"},
       0, "Tara Stength - Favourable",      1, TaraFlag,      2, 1},
      {"tarabala very favourable", {.tara = "Very Favourable"},
       0, "Tara Stength - Very Favourable", 2, TaraFlag,      2, 1},
      {"an unknown tarabala writes nothing", {.tara = "Neutral"},
       0, "",                               0, TaraFlag,      0, 0},
      {"chandrabala unfavourable", {.chandra = "Unfavourable"},
       1, "Moon Stength - Unfavourable",   -1, ChandraFlag,   1, 0},
      {"chandrabala favourable", {.chandra = "Favourable"},
       1, "Moon Stength - Favourable",      1, ChandraFlag,   2, 1},
      {"any other chandrabala is favourable", {.chandra = ""},
       1, "Moon Stength - Favourable",      1, ChandraFlag,   2, 1},

      {"Krittika", {.nakshatra = "Krittika"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 0},
      {"Moola", {.nakshatra = "Moola"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 0},
      {"Punarvasu", {.nakshatra = "Punarvasu"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 0},
      {"Dhanistha", {.nakshatra = "Dhanistha"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 0},
      {"the birth nakshatra", {.nakshatra = "Bharani"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 0},
      {"a favourable star that is the birth star",
       {.nakshatra = "Hasta", .birthNakshatra = "Hasta"},
       2, "Nakshatra - Unfavourable",      -1, NakshatraFlag, 1, 0},
      {"Magha", {.nakshatra = "Magha"},
       2, "Nakshatra - Neutral",            0, NakshatraFlag, 2, 1},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Neutral",            0, NakshatraFlag, 2, 1},

      {"Chaturthi", {.tithi = 4},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 0},
      {"Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 0},
      {"Chaturdashi", {.tithi = 14},
       3, "Tithi - Unfavourable",          -1, TithiFlag,     1, 0},
      {"dark Chaturthi", {.tithi = 19},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 1},
      {"dark Navami", {.tithi = 24},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 1},
      {"dark Chaturdashi", {.tithi = 29},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 1},
      {"Purnima", {.tithi = 15},
       3, "Tithi - Neutral",                0, TithiFlag,     2, 1},
      });
}
// clang-format on

TEST(EvaluateBorrowing, HasNoWeekdayFactor) {
  CalculationState s = StateWith(StartChart, kBorrowingBase, {});
  testing::RecordingSink sink;
  EvaluateBorrowing(s);
  WriteReport(s, sink);
  EXPECT_EQ(s.Result.ReportFlags[WeekdayFlag], 0);
  for (const FactorVerdict& verdict : s.Result.FactorVerdicts) {
    EXPECT_EQ(TextOf(verdict).find("Weekday"), std::string::npos) << TextOf(verdict);
  }
}

// Legal base: Bharani neutral, Navami and Saturday unfavourable. FactorCount 1.
constexpr Tweak kLegalBase{.tara = "Unfavourable",
                           .chandra = "Unfavourable",
                           .nakshatra = "Bharani",
                           .birthNakshatra = "Krittika",
                           .tithi = 9,
                           .weekday = "Saturday",
                           .month = 5,
                           .day = 10,
                           .moonSign = "Mesha"};

// clang-format off
TEST(EvaluateLegal, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateLegal, 5, kLegalBase, {
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 1},
      {"Uttara Phalguni", {.nakshatra = "Uttara Phalguni"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 1},
      {"Dhanistha", {.nakshatra = "Dhanistha"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 1},
      {"Revati", {.nakshatra = "Revati"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 1},
      {"Bharani", {.nakshatra = "Bharani"},
       2, "Nakshatra - Neutral",    0, NakshatraFlag, 2, 1},
      {"the birth star does not matter here",
       {.nakshatra = "Krittika", .birthNakshatra = "Krittika"},
       2, "Nakshatra - Neutral",    0, NakshatraFlag, 2, 1},

      {"Chaturthi", {.tithi = 4},
       3, "Tithi - Unfavourable",  -1, TithiFlag,     1, 1},
      {"Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",  -1, TithiFlag,     1, 1},
      {"Chaturdashi", {.tithi = 14},
       3, "Tithi - Unfavourable",  -1, TithiFlag,     1, 1},
      {"dark Navami", {.tithi = 24},
       3, "Tithi - Neutral",        0, TithiFlag,     2, 2},
      {"Amavashya", {.tithi = 30},
       3, "Tithi - Neutral",        0, TithiFlag,     2, 2},

      {"Tuesday", {.weekday = "Tuesday"},
       4, "Weekday - Unfavourable",-1, WeekdayFlag,   1, 1},
      {"Saturday", {.weekday = "Saturday"},
       4, "Weekday - Unfavourable",-1, WeekdayFlag,   1, 1},
      {"Friday", {.weekday = "Friday"},
       4, "Weekday - Neutral",      0, WeekdayFlag,   2, 2},
      {"Sunday", {.weekday = "Sunday"},
       4, "Weekday - Neutral",      0, WeekdayFlag,   2, 2},
      });
}
// clang-format on

// FactorCount against AverageCount: below gives "Bad", equal "Average",
// above "Good".
TEST(ConstructionMoneyLegal, ResultWordAtTheAverageCountBoundary) {
  const WordRow cases[] = {
      {"foundation below", EvaluateFoundation, Tweaked(kFoundationBase, {}), 2, "Bad", 1},
      {"foundation equal", EvaluateFoundation, Tweaked(kFoundationBase, {.tara = "Favourable"}), 3,
       "Average", 3},
      {"foundation above", EvaluateFoundation,
       Tweaked(kFoundationBase, {.tara = "Favourable", .chandra = "Favourable"}), 4, "Good", 2},
      // Nakshatra, month and rashi always count: construction never drops below
      // its AverageCount.
      {"construction at its lowest", EvaluateConstruction, Tweaked(kConstructionBase, {}), 3,
       "Average", 3},
      {"construction above", EvaluateConstruction,
       Tweaked(kConstructionBase, {.chandra = "Favourable"}), 4, "Good", 2},
      {"lending below", EvaluateLending, Tweaked(kLendingBase, {}), 1, "Bad", 1},
      {"lending equal", EvaluateLending, Tweaked(kLendingBase, {.chandra = "Favourable"}), 2,
       "Average", 3},
      {"lending above", EvaluateLending,
       Tweaked(kLendingBase, {.tara = "Very Favourable", .chandra = "Favourable"}), 3, "Good", 2},
      {"borrowing all unfavourable", EvaluateBorrowing, Tweaked(kBorrowingBase, {}), 0, "Bad", 1},
      {"borrowing below", EvaluateBorrowing, Tweaked(kBorrowingBase, {.tara = "Favourable"}), 1,
       "Bad", 1},
      {"borrowing equal", EvaluateBorrowing,
       Tweaked(kBorrowingBase, {.tara = "Favourable", .chandra = "Favourable"}), 2, "Average", 3},
      {"borrowing above", EvaluateBorrowing,
       Tweaked(kBorrowingBase,
               {.tara = "Favourable", .chandra = "Favourable", .nakshatra = "Magha"}),
       3, "Good", 2},
      {"legal below", EvaluateLegal, Tweaked(kLegalBase, {}), 1, "Bad", 1},
      {"legal equal", EvaluateLegal, Tweaked(kLegalBase, {.tara = "Favourable"}), 2, "Average", 3},
      {"legal above", EvaluateLegal,
       Tweaked(kLegalBase, {.tara = "Favourable", .weekday = "Friday"}), 3, "Good", 2},
  };
  CheckResultWords(StartChart, cases);
}

TEST(ConstructionMoneyLegal, ResultLabelLineByLine) {
  const LabelRow cases[] = {
      {"borrowing with every factor unfavourable", EvaluateBorrowing, Tweaked(kBorrowingBase, {}),
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Unfavourable - -1 Point\r\n\r\n"
       "Tithi - Unfavourable - -1 Point\r\n\r\n"
       "Total Score - -4 Points\r\n\r\n"
       "Election: Bad",
       -4},
      {"foundation with a very favourable tarabala", EvaluateFoundation,
       Tweaked(kFoundationBase, {.tara = "Very Favourable"}),
       "Tara Stength - Very Favourable - 2 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Unfavourable - -1 Point\r\n\r\n"
       "Tithi - Unfavourable - -1 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Hindu Lunar Month - Neutral - 0 Point\r\n\r\n"
       "Total Score - -1 Points\r\n\r\n"
       "Election: Average",
       -1},
      {"construction on a favourable day", EvaluateConstruction,
       Tweaked(kConstructionBase, {.tara = "Favourable",
                                   .chandra = "Favourable",
                                   .nakshatra = "Rohini",
                                   .tithi = 2,
                                   .weekday = "Monday",
                                   .month = 12,
                                   .day = 10,
                                   .moonSign = "Kanya"}),
       "Tara Stength - Favourable - 1 Point\r\n\r\n"
       "Moon Stength - Favourable - 1 Point\r\n\r\n"
       "Nakshatra - Favourable - 1 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Hindu Lunar Month - Favourable - 1 Point\r\n\r\n"
       "Rashi - Favourable - 1 Point\r\n\r\n"
       "Total Score - 5 Points\r\n\r\n"
       "Election: Good",
       5},
  };
  CheckResultLabels(StartChart, cases);
}

TEST(ConstructionMoneyLegal, ElectionYearBeforeBirthYearStopsAtTheMessage) {
  const RuleSet ruleSets[] = {EvaluateFoundation, EvaluateConstruction, EvaluateLending,
                              EvaluateBorrowing, EvaluateLegal};
  CheckYearPrecondition(StartChart, ruleSets, kLendingBase);
}

TEST(ConstructionMoneyLegal, ElectionEarlierInTheBirthYearIsEvaluated) {
  CalculationState s = StateWith(StartChart, kLegalBase, {});
  s.Input.election.year = 1980;
  s.Input.election.month = 1;  // the birth was on 15 June 1980
  s.Input.election.day = 5;
  testing::RecordingSink sink;
  EvaluateLegal(s);
  WriteReport(s, sink);
  EXPECT_EQ(NameOf(s.Result.ResultWord), "Bad");
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[2]), "Nakshatra - Neutral");
}

}  // namespace
}  // namespace horavela
