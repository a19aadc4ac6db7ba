// Medical treatment, operation, land and goods rule sets, run on hand-built
// charts: every outcome row, the result-word boundaries, the exact result
// label and the year precondition.

#include <gtest/gtest.h>

#include <string>

#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;  // the rule-set fixtures

// Born 15 June 1980, the election on 10 May 2024 with the Moon in Mesha.
CalculationState StartChart() {
  CalculationState s;
  s.Input.birth.year = 1980;
  s.Input.birth.month = 6;
  s.Input.birth.day = 15;
  s.Input.election.year = 2024;
  s.Moment.month = 5;
  s.Moment.day = 10;
  s.ElectionChart.moonSign = RashiNamed("Mesha");
  return s;
}

// Medical base: a Tuesday, so the nakshatra is never judged. FactorCount 1.
constexpr Tweak kMedicalBase{.tara = "Unfavourable",
                             .chandra = "Unfavourable",
                             .nakshatra = "Bharani",
                             .birthNakshatra = "Krittika",
                             .tithi = 5,
                             .weekday = "Tuesday",
                             .lagna = "Mesha",
                             .birthMoonSign = "Thula",
                             .birthLagna = "Makara"};

// clang-format off
TEST(EvaluateMedicalTreatment, WeekdayFirstThenNakshatraOnlyOnAFavourableWeekday) {
  CheckFactors(StartChart, EvaluateMedicalTreatment, 4, kMedicalBase, {
      {"Tuesday", {.weekday = "Tuesday"},
       3, "Weekday - Neutral",      0, WeekdayFlag,   2, 1},
      {"Tuesday leaves the nakshatra slot empty", {.weekday = "Tuesday"},
       2, "",                       0, NakshatraFlag, 0, 1},
      {"Tuesday with a favourable star", {.nakshatra = "Dhanistha", .weekday = "Tuesday"},
       2, "",                       0, NakshatraFlag, 0, 1},
      {"Sunday", {.weekday = "Sunday"},
       3, "Weekday - Neutral",      0, WeekdayFlag,   2, 1},
      {"Saturday", {.nakshatra = "Ashwini", .weekday = "Saturday"},
       2, "",                       0, NakshatraFlag, 0, 1},
      {"Monday", {.weekday = "Monday"},
       3, "Weekday - Favourable",   1, WeekdayFlag,   2, 2},
      {"Wednesday", {.weekday = "Wednesday"},
       3, "Weekday - Favourable",   1, WeekdayFlag,   2, 2},
      {"Thursday", {.weekday = "Thursday"},
       3, "Weekday - Favourable",   1, WeekdayFlag,   2, 2},
      {"Friday", {.weekday = "Friday"},
       3, "Weekday - Favourable",   1, WeekdayFlag,   2, 2},

      {"Monday, Bharani", {.weekday = "Monday"},
       2, "Nakshatra - Neutral",    0, NakshatraFlag, 2, 2},
      {"Monday, Dhanistha", {.nakshatra = "Dhanistha", .weekday = "Monday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"Friday, Ashwini (first list)", {.nakshatra = "Ashwini", .weekday = "Friday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"Wednesday, Punarvasu (first list)", {.nakshatra = "Punarvasu", .weekday = "Wednesday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"Thursday, Revati (second list)", {.nakshatra = "Revati", .weekday = "Thursday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"Thursday, Uttara Bhadrapada", {.nakshatra = "Uttara Bhadrapada", .weekday = "Thursday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"the birth star is no obstacle here",
       {.nakshatra = "Pushya", .birthNakshatra = "Pushya", .weekday = "Monday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"a Monday picked in the box",
       {.nakshatra = "Hasta", .weekday = "Tuesday", .boxWeekday = "Monday"},
       2, "Nakshatra - Favourable", 1, NakshatraFlag, 2, 2},
      {"a Tuesday picked in the box",
       {.nakshatra = "Hasta", .weekday = "Monday", .boxWeekday = "Tuesday"},
       2, "",                       0, NakshatraFlag, 0, 1},
      });
}
// clang-format on

TEST(EvaluateMedicalTreatment, TuesdayLeavesTheNakshatraSectionOutOfTheReport) {
  CalculationState s =
      StateWith(StartChart, kMedicalBase, {.nakshatra = "Dhanistha", .weekday = "Tuesday"});
  testing::RecordingSink sink;
  EvaluateMedicalTreatment(s);
  WriteReport(s, sink);
  EXPECT_NE(sink.text.find("Weekday: "), std::string::npos);
  EXPECT_EQ(sink.text.find("Nakshatra: "), std::string::npos);
}

// Operation base: the Moon in the birth star, a bright-fortnight Panchami,
// a Tuesday. FactorCount 1.
constexpr Tweak kOperationBase{.tara = "Unfavourable",
                               .chandra = "Unfavourable",
                               .nakshatra = "Bharani",
                               .birthNakshatra = "Bharani",
                               .tithi = 5,
                               .weekday = "Tuesday",
                               .lagna = "Mesha",
                               .birthMoonSign = "Thula",
                               .birthLagna = "Makara"};

// clang-format off
TEST(EvaluateOperation, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateOperation, 5, kOperationBase, {
      {"the birth nakshatra", {},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"a favourable star that is the birth star",
       {.nakshatra = "Ardra", .birthNakshatra = "Ardra"},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag, 1, 1},
      {"Ardra", {.nakshatra = "Ardra"},
       2, "Nakshatra - Favourable",   1, NakshatraFlag, 2, 2},
      {"Jyeshtha", {.nakshatra = "Jyeshtha"},
       2, "Nakshatra - Favourable",   1, NakshatraFlag, 2, 2},
      {"Ashlesha", {.nakshatra = "Ashlesha"},
       2, "Nakshatra - Favourable",   1, NakshatraFlag, 2, 2},
      {"Moola", {.nakshatra = "Moola"},
       2, "Nakshatra - Favourable",   1, NakshatraFlag, 2, 2},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Neutral",      0, NakshatraFlag, 2, 2},

      {"bright Pratipada", {.tithi = 1},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},
      {"bright Chaturthi", {.tithi = 4},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},
      {"bright Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},
      {"Purnima", {.tithi = 15},
       3, "Tithi - Unfavourable",    -1, TithiFlag,     1, 1},
      {"dark Chaturthi", {.tithi = 19},
       3, "Tithi - Favourable",       1, TithiFlag,     2, 2},
      {"dark Navami", {.tithi = 24},
       3, "Tithi - Favourable",       1, TithiFlag,     2, 2},
      {"dark Chaturdashi", {.tithi = 29},
       3, "Tithi - Favourable",       1, TithiFlag,     2, 2},
      {"new-moon day", {.tithi = 30},
       3, "Tithi - Uafvourable",     -1, TithiFlag,     1, 1},
      {"dark Pratipada", {.tithi = 16},
       3, "Tithi - Neutral",          0, TithiFlag,     2, 2},
      {"dark Panchami", {.tithi = 20},
       3, "Tithi - Neutral",          0, TithiFlag,     2, 2},

      {"Monday", {.weekday = "Monday"},
       4, "Weekday - Favourable",     1, WeekdayFlag,   2, 1},
      {"Wednesday", {.weekday = "Wednesday"},
       4, "Weekday - Favourable",     1, WeekdayFlag,   2, 1},
      {"Thursday", {.weekday = "Thursday"},
       4, "Weekday - Neutral",        0, WeekdayFlag,   2, 1},
      {"Tuesday", {.weekday = "Tuesday"},
       4, "Weekday - Neutral",        0, WeekdayFlag,   2, 1},
      });
}
// clang-format on

// Buying-land base: the birth star, a bright Chaturthi, a Tuesday, neither
// pushkar yoga. FactorCount 3: the weekday and both yogas always count.
constexpr Tweak kBuyingLandBase{.tara = "Unfavourable",
                                .chandra = "Unfavourable",
                                .nakshatra = "Bharani",
                                .birthNakshatra = "Bharani",
                                .tithi = 4,
                                .weekday = "Tuesday",
                                .lagna = "Mesha",
                                .birthMoonSign = "Thula",
                                .birthLagna = "Makara"};

// clang-format off
TEST(EvaluateBuyingLand, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateBuyingLand, 7, kBuyingLandBase, {
      {"the birth nakshatra", {},
       2, "Nakshatra - Unfavourable",    -1, NakshatraFlag,  1, 3},
      {"a favourable star that is the birth star",
       {.nakshatra = "Pushya", .birthNakshatra = "Pushya"},
       2, "Nakshatra - Unfavourable",    -1, NakshatraFlag,  1, 3},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag,  2, 4},
      {"Shatabhisha", {.nakshatra = "Shatabhisha"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag,  2, 4},
      {"Uttara Bhadrapada", {.nakshatra = "Uttara Bhadrapada"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag,  2, 4},
      {"Krittika", {.nakshatra = "Krittika"},
       2, "Nakshatra - Neutral",          0, NakshatraFlag,  2, 4},
      {"Chitra", {.nakshatra = "Chitra"},
       2, "Nakshatra - Neutral",          0, NakshatraFlag,  2, 4},

      {"Chaturthi", {.tithi = 4},
       3, "Tithi - Unfavourable",        -1, TithiFlag,      1, 3},
      {"Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",        -1, TithiFlag,      1, 3},
      {"Chaturdashi", {.tithi = 14},
       3, "Tithi - Unfavourable",        -1, TithiFlag,      1, 3},
      {"dark Chaturthi", {.tithi = 19},
       3, "Tithi - Neutral",              0, TithiFlag,      2, 4},
      {"dark Chaturdashi", {.tithi = 29},
       3, "Tithi - Neutral",              0, TithiFlag,      2, 4},

      {"Saturday", {.weekday = "Saturday"},
       4, "Weekday - Favourable",         1, WeekdayFlag,    2, 3},
      {"Monday", {.weekday = "Monday"},
       4, "Weekday - Favourable",         1, WeekdayFlag,    2, 3},
      {"Wednesday", {.weekday = "Wednesday"},
       4, "Weekday - Favourable",         1, WeekdayFlag,    2, 3},
      {"Thursday", {.weekday = "Thursday"},
       4, "Weekday - Favourable",         1, WeekdayFlag,    2, 3},
      {"Friday", {.weekday = "Friday"},
       4, "Weekday - Neutral",            0, WeekdayFlag,    2, 3},
      {"Sunday", {.weekday = "Sunday"},
       4, "Weekday - Neutral",            0, WeekdayFlag,    2, 3},

      {"no Dvipushkar", {},
       5, "Dvipushkar Yoga - Neutral",    0, DvipushkarFlag, 2, 3},
      {"Dvipushkar: Chitra, Dwitiya, Sunday",
       {.nakshatra = "Chitra", .tithi = 2, .weekday = "Sunday"},
       5, "Dvipushkar Yoga - Favourable", 1, DvipushkarFlag, 2, 5},
      {"Dvipushkar: Dhanistha, Saptami, Saturday",
       {.nakshatra = "Dhanistha", .tithi = 7, .weekday = "Saturday"},
       5, "Dvipushkar Yoga - Favourable", 1, DvipushkarFlag, 2, 5},
      {"Dvipushkar: Mrigasira, dark Dwadashi, Tuesday",
       {.nakshatra = "Mrigasira", .tithi = 27, .weekday = "Tuesday"},
       5, "Dvipushkar Yoga - Favourable", 1, DvipushkarFlag, 2, 5},
      {"Dvipushkar reads the chart's weekday, not the box",
       {.nakshatra = "Chitra", .tithi = 2, .weekday = "Sunday", .boxWeekday = "Monday"},
       5, "Dvipushkar Yoga - Favourable", 1, DvipushkarFlag, 2, 5},
      {"a Sunday in the box alone gives no Dvipushkar",
       {.nakshatra = "Chitra", .tithi = 2, .weekday = "Monday", .boxWeekday = "Sunday"},
       5, "Dvipushkar Yoga - Neutral",    0, DvipushkarFlag, 2, 5},
      {"Chitra and Sunday on a Tritiya", {.nakshatra = "Chitra", .tithi = 3, .weekday = "Sunday"},
       5, "Dvipushkar Yoga - Neutral",    0, DvipushkarFlag, 2, 5},

      {"no Tripushkar", {},
       6, "Tripushkar Yoga - Neutral",    0, TripushkarFlag, 2, 3},
      {"Tripushkar: Krittika, Saptami, Saturday",
       {.nakshatra = "Krittika", .tithi = 7, .weekday = "Saturday"},
       6, "Tripushkar Yoga - Favourable", 1, TripushkarFlag, 2, 5},
      {"Tripushkar: Uttara Phalguni, Dwadashi, Tuesday",
       {.nakshatra = "Uttara Phalguni", .tithi = 12, .weekday = "Tuesday"},
       6, "Tripushkar Yoga - Favourable", 1, TripushkarFlag, 2, 5},
      {"Tripushkar reads the chart's weekday, not the box",
       {.nakshatra = "Punarvasu", .tithi = 2, .weekday = "Tuesday", .boxWeekday = "Wednesday"},
       6, "Tripushkar Yoga - Favourable", 1, TripushkarFlag, 2, 5},
      {"Krittika and Saptami on a Friday",
       {.nakshatra = "Krittika", .tithi = 7, .weekday = "Friday"},
       6, "Tripushkar Yoga - Neutral",    0, TripushkarFlag, 2, 5},
      });
}
// clang-format on

TEST(EvaluateBuyingLand, RunsBothYogaTestsAfresh) {
  CalculationState s = StateWith(StartChart, kBuyingLandBase, {});
  s.Yogas.IsDvipushkarYoga = true;  // left by an earlier evaluation
  s.Yogas.IsTripushkarYoga = true;
  testing::RecordingSink sink;
  EvaluateBuyingLand(s);
  WriteReport(s, sink);
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[5]), "Dvipushkar Yoga - Neutral");
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[6]), "Tripushkar Yoga - Neutral");
}

// Selling-land base: as buying land. FactorCount 1.
constexpr Tweak kSellingLandBase = kBuyingLandBase;

// clang-format off
TEST(EvaluateSellingLand, TheLandFactorsWithoutTheYogas) {
  CheckFactors(StartChart, EvaluateSellingLand, 5, kSellingLandBase, {
      {"the birth nakshatra", {},
       2, "Nakshatra - Unfavourable",-1, NakshatraFlag,  1, 1},
      {"Pushya", {.nakshatra = "Pushya"},
       2, "Nakshatra - Favourable",   1, NakshatraFlag,  2, 2},
      {"Krittika", {.nakshatra = "Krittika"},
       2, "Nakshatra - Neutral",      0, NakshatraFlag,  2, 2},
      {"Navami", {.tithi = 9},
       3, "Tithi - Unfavourable",    -1, TithiFlag,      1, 1},
      {"dark Navami", {.tithi = 24},
       3, "Tithi - Neutral",          0, TithiFlag,      2, 2},
      {"Saturday", {.weekday = "Saturday"},
       4, "Weekday - Favourable",     1, WeekdayFlag,    2, 1},
      {"Friday", {.weekday = "Friday"},
       4, "Weekday - Neutral",        0, WeekdayFlag,    2, 1},
      {"a Tripushkar day is not weighed",
       {.nakshatra = "Krittika", .tithi = 7, .weekday = "Saturday"},
       4, "Weekday - Favourable",     1, TripushkarFlag, 0, 3},
      {"a Dvipushkar day is not weighed", {.nakshatra = "Chitra", .tithi = 2, .weekday = "Sunday"},
       4, "Weekday - Neutral",        0, DvipushkarFlag, 0, 3},
      });
}
// clang-format on

// Buying-item base: the birth star on the new-moon day. FactorCount 1.
constexpr Tweak kBuyingItemBase{.tara = "Unfavourable",
                                .chandra = "Unfavourable",
                                .nakshatra = "Bharani",
                                .birthNakshatra = "Bharani",
                                .tithi = 30,
                                .weekday = "Tuesday",
                                .lagna = "Mesha",
                                .birthMoonSign = "Thula",
                                .birthLagna = "Makara"};

// clang-format off
TEST(EvaluateBuyingItem, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateBuyingItem, 5, kBuyingItemBase, {
      {"the birth nakshatra", {},
       2, "Nakshatra - Unfavourable",    -1, NakshatraFlag,  1, 1},
      {"a favourable star that is the birth star",
       {.nakshatra = "Chitra", .birthNakshatra = "Chitra"},
       2, "Nakshatra - Unfavourable",    -1, NakshatraFlag,  1, 1},
      {"Chitra", {.nakshatra = "Chitra"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag,  2, 2},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag,  2, 2},
      {"Revati", {.nakshatra = "Revati"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag,  2, 2},
      {"Rohini", {.nakshatra = "Rohini"},
       2, "Nakshatra - Neutral",          0, NakshatraFlag,  2, 2},
      {"Chitra keeps the tarabala's own verdict", {.tara = "Favourable", .nakshatra = "Chitra"},
       0, "Tara Stength - Favourable",    1, TaraFlag,       2, 3},

      {"Amavashya", {.tithi = 30},
       3, "Tithi - Unfavourable",        -1, TithiFlag,      1, 1},
      {"Purnima", {.tithi = 15},
       3, "Tithi - Neutral",              0, TithiFlag,      2, 2},
      {"dark Chaturdashi", {.tithi = 29},
       3, "Tithi - Neutral",              0, TithiFlag,      2, 2},

      {"no Tripushkar", {},
       4, "Tripushkar Yoga - Neutral",    0, TripushkarFlag, 2, 1},
      {"Tripushkar: Uttara Ashadha, Dwadashi, Tuesday",
       {.nakshatra = "Uttara Ashadha", .tithi = 12, .weekday = "Tuesday"},
       4, "Tripushkar Yoga - Favourable", 1, TripushkarFlag, 2, 3},
      {"Tripushkar: Vishakha, Dwitiya, Sunday",
       {.nakshatra = "Vishakha", .tithi = 2, .weekday = "Sunday"},
       4, "Tripushkar Yoga - Favourable", 1, TripushkarFlag, 2, 3},
      {"Uttara Ashadha and Dwadashi on a Monday",
       {.nakshatra = "Uttara Ashadha", .tithi = 12, .weekday = "Monday"},
       4, "Tripushkar Yoga - Neutral",    0, TripushkarFlag, 2, 3},
      {"a Dvipushkar day is not weighed", {.nakshatra = "Chitra", .tithi = 2, .weekday = "Sunday"},
       4, "Tripushkar Yoga - Neutral",    0, DvipushkarFlag, 0, 3},
      });
}
// clang-format on

// Selling-item base: Ashwini, the new-moon day, Kumbha rising, the birth
// Moon and lagna in Mesha. FactorCount 2.
constexpr Tweak kSellingItemBase{.tara = "Unfavourable",
                                 .chandra = "Unfavourable",
                                 .nakshatra = "Ashwini",
                                 .birthNakshatra = "Bharani",
                                 .tithi = 30,
                                 .weekday = "Tuesday",
                                 .lagna = "Kumbha",
                                 .birthMoonSign = "Mesha",
                                 .birthLagna = "Mesha"};

// clang-format off
TEST(EvaluateSellingItem, EveryOutcomeOfEveryFactor) {
  CheckFactors(StartChart, EvaluateSellingItem, 6, kSellingItemBase, {
      {"Bharani", {.nakshatra = "Bharani"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag, 2, 2},
      {"Vishakha", {.nakshatra = "Vishakha"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag, 2, 2},
      {"Poorva Bhadrapada", {.nakshatra = "Poorva Bhadrapada"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag, 2, 2},
      {"Ashwini", {.nakshatra = "Ashwini"},
       2, "Nakshatra - Neutral",          0, NakshatraFlag, 2, 2},
      {"the birth star is no obstacle here",
       {.nakshatra = "Krittika", .birthNakshatra = "Krittika"},
       2, "Nakshatra - Favourable",       1, NakshatraFlag, 2, 2},

      {"Amavashya", {.tithi = 30},
       3, "Tithi - Unfavourable",        -1, TithiFlag,     1, 2},
      {"dark Chaturdashi", {.tithi = 29},
       3, "Tithi - Neutral",              0, TithiFlag,     2, 3},
      {"Purnima", {.tithi = 15},
       3, "Tithi - Neutral",              0, TithiFlag,     2, 3},

          // The sale-time lagna runs last and always leaves LagnaFlag at 2.
      {"Kumbha rising", {.lagna = "Kumbha"},
       4, "Lagna - Unfavourable",        -1, LagnaFlag,     2, 2},
      {"Simha rising", {.lagna = "Simha"},
       4, "Lagna - Neutral",              0, LagnaFlag,     2, 3},

      {"lagna unlike both birth signs", {.lagna = "Simha"},
       5, "Sale time Lagna - Neutral",    0, LagnaFlag,     2, 3},
      {"lagna on the birth Moon sign", {.lagna = "Simha", .birthMoonSign = "Simha"},
       5, "Sale time Lagna - Favourable", 1, LagnaFlag,     2, 3},
      {"lagna on the birth lagna", {.lagna = "Simha", .birthLagna = "Simha"},
       5, "Sale time Lagna - Favourable", 1, LagnaFlag,     2, 3},
      {"Vrischika rising, birth Moon in Vrishcika",
       {.lagna = "Vrischika", .birthMoonSign = "Vrishcika"},
       5, "Sale time Lagna - Favourable", 1, LagnaFlag,     2, 3},
      {"Dhanus rising, birth Moon in Dhanush", {.lagna = "Dhanus", .birthMoonSign = "Dhanush"},
       5, "Sale time Lagna - Favourable", 1, LagnaFlag,     2, 3},
      {"Kumbha rising on the birth lagna", {.lagna = "Kumbha", .birthLagna = "Kumbha"},
       5, "Sale time Lagna - Favourable", 1, LagnaFlag,     2, 2},
      });
}
// clang-format on

TEST(EvaluateSellingItem, KumbhaOnTheBirthLagnaNetsNothing) {
  CalculationState s =
      StateWith(StartChart, kSellingItemBase, {.lagna = "Kumbha", .birthLagna = "Kumbha"});
  testing::RecordingSink sink;
  EvaluateSellingItem(s);
  WriteReport(s, sink);
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[4]), "Lagna - Unfavourable");
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[5]), "Sale time Lagna - Favourable");
  EXPECT_EQ(s.Result.FactorPoints[4] + s.Result.FactorPoints[5], 0);
  EXPECT_EQ(s.Result.ReportFlags[LagnaFlag], 2);
}

// FactorCount against AverageCount: below gives "Bad", equal "Average",
// above "Good".
TEST(MedicalLandGoods, ResultWordAtTheAverageCountBoundary) {
  const WordRow cases[] = {
      {"medical below", EvaluateMedicalTreatment, Tweaked(kMedicalBase, {}), 1, "Bad", 1},
      {"medical equal", EvaluateMedicalTreatment, Tweaked(kMedicalBase, {.tara = "Favourable"}), 2,
       "Average", 3},
      {"medical above", EvaluateMedicalTreatment,
       Tweaked(kMedicalBase, {.tara = "Favourable", .weekday = "Monday"}), 3, "Good", 2},
      {"operation below", EvaluateOperation, Tweaked(kOperationBase, {}), 1, "Bad", 1},
      {"operation equal", EvaluateOperation, Tweaked(kOperationBase, {.chandra = "Favourable"}), 2,
       "Average", 3},
      {"operation above", EvaluateOperation,
       Tweaked(kOperationBase, {.tara = "Favourable", .chandra = "Favourable"}), 3, "Good", 2},
      // The weekday and both yogas always count: buying land never drops
      // below its AverageCount.
      {"buying land at its lowest", EvaluateBuyingLand, Tweaked(kBuyingLandBase, {}), 3, "Average",
       3},
      {"buying land above", EvaluateBuyingLand,
       Tweaked(kBuyingLandBase, {.tara = "Very Favourable"}), 4, "Good", 2},
      {"selling land below", EvaluateSellingLand, Tweaked(kSellingLandBase, {}), 1, "Bad", 1},
      {"selling land equal", EvaluateSellingLand, Tweaked(kSellingLandBase, {.tara = "Favourable"}),
       2, "Average", 3},
      {"selling land above", EvaluateSellingLand,
       Tweaked(kSellingLandBase, {.tara = "Favourable", .tithi = 24}), 3, "Good", 2},
      {"buying item below", EvaluateBuyingItem, Tweaked(kBuyingItemBase, {}), 1, "Bad", 1},
      {"buying item equal", EvaluateBuyingItem, Tweaked(kBuyingItemBase, {.tithi = 15}), 2,
       "Average", 3},
      {"buying item above", EvaluateBuyingItem,
       Tweaked(kBuyingItemBase, {.chandra = "Favourable", .tithi = 15}), 3, "Good", 2},
      {"selling item below", EvaluateSellingItem, Tweaked(kSellingItemBase, {}), 2, "Bad", 1},
      {"selling item equal", EvaluateSellingItem, Tweaked(kSellingItemBase, {.tara = "Favourable"}),
       3, "Average", 3},
      {"selling item above", EvaluateSellingItem,
       Tweaked(kSellingItemBase, {.tara = "Favourable", .lagna = "Simha"}), 4, "Good", 2},
  };
  CheckResultWords(StartChart, cases);
}

TEST(MedicalLandGoods, ResultLabelLineByLine) {
  const LabelRow cases[] = {
      {"medical treatment on a Tuesday: the empty nakshatra slot", EvaluateMedicalTreatment,
       Tweaked(kMedicalBase, {}),
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       " - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Total Score - -2 Points\r\n\r\n"
       "Election: Bad",
       -2},
      {"operation on the new-moon day", EvaluateOperation,
       Tweaked(kOperationBase,
               {.tara = "Very Favourable", .nakshatra = "Moola", .tithi = 30, .weekday = "Monday"}),
       "Tara Stength - Very Favourable - 2 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Favourable - 1 Point\r\n\r\n"
       "Tithi - Uafvourable - -1 Point\r\n\r\n"
       "Weekday - Favourable - 1 Point\r\n\r\n"
       "Total Score - 2 Points\r\n\r\n"
       "Election: Good",
       2},
      {"buying land on a Dvipushkar day", EvaluateBuyingLand,
       Tweaked(kBuyingLandBase,
               {.tara = "Favourable", .nakshatra = "Chitra", .tithi = 2, .weekday = "Sunday"}),
       "Tara Stength - Favourable - 1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Dvipushkar Yoga - Favourable - 1 Point\r\n\r\n"
       "Tripushkar Yoga - Neutral - 0 Point\r\n\r\n"
       "Total Score - 1 Points\r\n\r\n"
       "Election: Good",
       1},
  };
  CheckResultLabels(StartChart, cases);
}

TEST(MedicalLandGoods, ElectionYearBeforeBirthYearStopsAtTheMessage) {
  const RuleSet ruleSets[] = {EvaluateMedicalTreatment, EvaluateOperation,  EvaluateBuyingLand,
                              EvaluateSellingLand,      EvaluateBuyingItem, EvaluateSellingItem};
  CheckYearPrecondition(StartChart, ruleSets, kOperationBase);
}

TEST(MedicalLandGoods, ElectionEarlierInTheBirthYearIsEvaluated) {
  CalculationState s = StateWith(StartChart, kSellingItemBase, {});
  s.Input.election.year = 1980;
  s.Input.election.month = 1;  // the birth was on 15 June 1980
  s.Input.election.day = 5;
  testing::RecordingSink sink;
  EvaluateSellingItem(s);
  WriteReport(s, sink);
  EXPECT_EQ(NameOf(s.Result.ResultWord), "Bad");
  EXPECT_EQ(TextOf(s.Result.FactorVerdicts[5]), "Sale time Lagna - Neutral");
}

}  // namespace
}  // namespace horavela
