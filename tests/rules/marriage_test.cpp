// Rule sets of betrothal and marriage, driven with hand-built charts.
//
// Every test starts from one plain state (both strengths unfavourable, Moon in
// Bharani, bright Pratipada, Siddhi yoga, Bava karana, Sunday in the weekday
// box and in the chart, the election half a year before the birthday in the
// birth year) and changes the inputs named in its row. Name tables are the
// program's own, so the rule lists are checked against the chart's spellings.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/moon.h"
#include "panchang/panchang.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;  // the rule-set fixtures

// The chart's computed weekday alone.
Setter ChartWeekday(std::string name) {
  return [name](CalculationState& s) { s.ElectionChart.weekday = WeekdayOrNone(name); };
}

const Input kByYoga{27, 15, [](CalculationState& s, std::size_t i) {
                      s.ElectionChart.yoga = FromIndex<Yoga>(static_cast<int>(i));
                    }};
const Input kByKarana{11, 0, [](CalculationState& s, std::size_t i) {
                        s.ElectionChart.karana = FromIndex<Karana>(static_cast<int>(i));
                      }};

TEST(MarriageRules, StrengthFactorsOpenEachRuleSet) {
  for (RuleSet ruleSet : {EvaluateEngagement, EvaluateMarriage, EvaluateBrideEntrance}) {
    CheckSweep(PlainChart, {"tarabala", ruleSet, 0, TaraFlag, kByTara, kTaraPattern, kTaraLetters});
    CheckSweep(PlainChart, {"chandrabala", ruleSet, 1, ChandraFlag, kByChandra, kChandraPattern,
                            kChandraLetters});
  }
}

// Nakshatras in table order, nine to a group: Ashwini..Ashlesha,
// Magha..Jyeshtha, Moola..Revati. Tithis 1..15, then 16..30. Weekdays Sunday
// first. Yogas in table order, Vaidhruthi last. Karanas in table order.
TEST(MarriageRules, EngagementFactors) {
  // clang-format off
  const std::vector<Sweep> sweeps = {
      {"nakshatra", EvaluateEngagement, 2, NakshatraFlag, kByNakshatra,
       "NNFNNNNNN NFFNNNNNN NFFNNNFFN", kNakshatraLetters},
      // By number: the dark fortnight's namesakes stay neutral, and a neutral
      // tithi does not count.
      {"tithi", EvaluateEngagement, 3, TithiFlag, kByTithiNumber,
       "NFFNFNFNNFNNNNN NNNNNNNNNNNNNNN",
       {{'F', {"Tithi - Favourable", 1, 1, 2}},
        {'N', {"Tithi - Neutral", 0, 0, 2}}}},
      {"weekday", EvaluateEngagement, 4, WeekdayFlag, kByBoxWeekday, "NNNNNNU",
       {{'U', {"Weekday - Unfavourable", -1, 0, 1}},
        {'N', {"Weekday - Neutral", 0, 1, 2}}}},
  };
  // clang-format on
  for (const Sweep& sweep : sweeps) CheckSweep(PlainChart, sweep);
}

TEST(MarriageRules, MarriageListFactors) {
  // clang-format off
  const std::vector<Sweep> sweeps = {
      {"nakshatra", EvaluateMarriage, 2, NakshatraFlag, kByNakshatra,
       "FNNFFNNNN FNFFFFNFN FNFFFNNFF", kNakshatraLetters},
      // By name: both fortnights alike; the new Moon is neutral.
      {"tithi", EvaluateMarriage, 3, TithiFlag, kByTithiNumber,
       "NUUNUNUNNUUNUNN NUUNUNUNNUUNUNN",
       {{'U', {"Tithi - Unfavourable", -1, 0, 1}},
        {'N', {"Tithi - Neutral", 0, 1, 2}}}},
      {"weekday", EvaluateMarriage, 4, WeekdayFlag, kByBoxWeekday, "NFNFFFN",
       {{'F', {"Weekday - Favourable", 1, 1, 2}},
        {'N', {"Weekday - Neutral", 0, 1, 2}}}},
      {"yoga", EvaluateMarriage, 5, YogaFlag, kByYoga, "UNNNNUNNU UNNUNUNUN UNNNNNNNU",
       {{'U', {"Yoga - Unfavourable", -1, 0, 1}},
        {'N', {"Yoga - Neutral", 0, 1, 2}}}},
      {"karana", EvaluateMarriage, 6, KaranaFlag, kByKarana, "NNNNNNUNNNN",
       {{'U', {"Karana - Unfavourable", -1, 0, 1}},
        {'N', {"Karana - Neutral", 0, 1, 2}}}},
  };
  // clang-format on
  for (const Sweep& sweep : sweeps) CheckSweep(PlainChart, sweep);
}

TEST(MarriageRules, BrideEntranceFactors) {
  // clang-format off
  const std::vector<Sweep> sweeps = {
      {"nakshatra", EvaluateBrideEntrance, 2, NakshatraFlag, kByNakshatra,
       "FNNNFNNFN FNFFFFNFN FNFFFNNFF", kNakshatraLetters},
      // By number: the fourth of the bright half is barred, the fourth of the
      // dark half (19) is not.
      {"tithi", EvaluateBrideEntrance, 3, TithiFlag, kByTithiNumber,
       "NNNUNNNNUNNNNUN NNNNNNNNNNNNNNN",
       {{'U', {"Tithi - Unfavourable", -1, 0, 1}},
        {'N', {"Tithi - Neutral", 0, 1, 2}}}},
      {"weekday", EvaluateBrideEntrance, 4, WeekdayFlag, kByBoxWeekday, "UNUNNNN",
       {{'U', {"Weekday - Unfavourable", -1, 0, 1}},
        {'N', {"Weekday - Neutral", 0, 1, 2}}}},
  };
  // clang-format on
  for (const Sweep& sweep : sweeps) CheckSweep(PlainChart, sweep);
}

// --- Whole evaluations ---

TEST(MarriageRules, Engagement) {
  const std::vector<Case> cases = {
      {"plain: the neutral tithi is not counted",
       EvaluateEngagement,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Neutral", ""},
       {-1, -1, 0, 0, 0},
       2,
       "Average",
       {{ResultFlag, 3},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 2},
        {ChandraFlag, 1},
        {TaraFlag, 1}}},
      {"Saturday with a neutral tithi: only the star counts",
       EvaluateEngagement,
       WithWeekday("Saturday"),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Unfavourable", ""},
       {-1, -1, 0, 0, -1},
       1,
       "Bad",
       {{ResultFlag, 1},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 1},
        {ChandraFlag, 1},
        {TaraFlag, 1}}},
      {"every factor at its best",
       EvaluateEngagement,
       All({Tara("Very Favourable"), Chandra("Favourable"), WithNakshatra("Krittika"), WithTithi(7),
            WithWeekday("Friday")}),
       {"Tara Stength - Very Favourable", "Moon Stength - Favourable", "Nakshatra - Favourable",
        "Tithi - Favourable", "Weekday - Neutral", ""},
       {2, 1, 1, 1, 0},
       5,
       "Good",
       {{ResultFlag, 2},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 2},
        {ChandraFlag, 2},
        {TaraFlag, 2}}},
  };
  for (const Case& c : cases) CheckCase(PlainChart, c, /*checkWarning=*/true);
}

// Flags every marriage evaluation writes beside its own choices: the three
// special-yoga sections are always selected.
std::map<ReportSlot, int> MarriageFlags(std::map<ReportSlot, int> own) {
  own.insert({{SiddhaFlag, 2}, {SarvarthaFlag, 2}, {AmritaFlag, 2}});
  return own;
}

TEST(MarriageRules, Marriage) {
  const std::vector<Case> cases = {
      {"plain",
       EvaluateMarriage,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Neutral", "Yoga - Neutral", "Karana - Neutral",
        "Siddha Yoga - Neutral", "Sarvartha Yoga - Neutral", "Amrita Yoga - Neutral", ""},
       {-1, -1, 0, 0, 0, 0, 0, 0, 0, 0},
       8,
       "Good",
       MarriageFlags({{ResultFlag, 2},
                      {NakshatraFlag, 2},
                      {TithiFlag, 2},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 1},
                      {TaraFlag, 1},
                      {KaranaFlag, 2},
                      {YogaFlag, 2}})},
      // Wednesday, Dwadashi (a Bhadra tithi) and Anuradha: Siddha, Sarvartha
      // Siddha and Amrita Siddhi all present.
      {"every factor at its best",
       EvaluateMarriage,
       All({Tara("Very Favourable"), Chandra("Favourable"), WithNakshatra("Anuradha"),
            WithTithi(12), WithWeekday("Wednesday")}),
       {"Tara Stength - Very Favourable", "Moon Stength - Favourable", "Nakshatra - Favourable",
        "Tithi - Neutral", "Weekday - Favourable", "Yoga - Neutral", "Karana - Neutral",
        "Siddha Yoga - Favourable", "Sarvartha Yoga - Favourable", "Amrita Yoga - Favourable", ""},
       {2, 1, 1, 0, 1, 0, 0, 1, 1, 1},
       10,
       "Good",
       MarriageFlags({{ResultFlag, 2},
                      {NakshatraFlag, 2},
                      {TithiFlag, 2},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 2},
                      {TaraFlag, 2},
                      {KaranaFlag, 2},
                      {YogaFlag, 2}})},
      // The star, the weekday and the three yogas count whatever they are, so
      // a wedding can never read "Bad": every other factor unfavourable is
      // exactly the average.
      {"Dashami with every other factor unfavourable",
       EvaluateMarriage,
       All({WithTithi(10), WithYoga("Vishkambha"), WithKarana("Visti")}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Unfavourable", "Weekday - Neutral", "Yoga - Unfavourable", "Karana - Unfavourable",
        "Siddha Yoga - Neutral", "Sarvartha Yoga - Neutral", "Amrita Yoga - Neutral", ""},
       {-1, -1, 0, -1, 0, -1, -1, 0, 0, 0},
       5,
       "Average",
       MarriageFlags({{ResultFlag, 3},
                      {NakshatraFlag, 2},
                      {TithiFlag, 1},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 1},
                      {TaraFlag, 1},
                      {KaranaFlag, 1},
                      {YogaFlag, 1}})},
      {"Thursday in Pushya: Amrita Siddhi with its warning",
       EvaluateMarriage,
       All({WithWeekday("Thursday"), WithNakshatra("Pushya")}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Favourable", "Yoga - Neutral", "Karana - Neutral",
        "Siddha Yoga - Neutral", "Sarvartha Yoga - Favourable", "Amrita Yoga - Favourable", ""},
       {-1, -1, 0, 0, 1, 0, 0, 0, 1, 1},
       8,
       "Good",
       MarriageFlags({{ResultFlag, 2},
                      {NakshatraFlag, 2},
                      {TithiFlag, 2},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 1},
                      {TaraFlag, 1},
                      {KaranaFlag, 2},
                      {YogaFlag, 2}}),
       "Not Favourable for Marriage"},
      // Siddha and Sarvartha Siddha follow the weekday box, Amrita Siddhi the
      // chart's weekday.
      {"box Wednesday, chart Sunday, Hasta, Dwitiya",
       EvaluateMarriage,
       All({BoxWeekday("Wednesday"), ChartWeekday("Sunday"), WithNakshatra("Hasta"), WithTithi(2)}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Favourable",
        "Tithi - Unfavourable", "Weekday - Favourable", "Yoga - Neutral", "Karana - Neutral",
        "Siddha Yoga - Favourable", "Sarvartha Yoga - Favourable", "Amrita Yoga - Favourable", ""},
       {-1, -1, 1, -1, 1, 0, 0, 1, 1, 1},
       7,
       "Good",
       MarriageFlags({{ResultFlag, 2},
                      {NakshatraFlag, 2},
                      {TithiFlag, 1},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 1},
                      {TaraFlag, 1},
                      {KaranaFlag, 2},
                      {YogaFlag, 2}})},
      {"box Sunday, chart Wednesday, Anuradha",
       EvaluateMarriage,
       All({BoxWeekday("Sunday"), ChartWeekday("Wednesday"), WithNakshatra("Anuradha")}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Favourable",
        "Tithi - Neutral", "Weekday - Neutral", "Yoga - Neutral", "Karana - Neutral",
        "Siddha Yoga - Neutral", "Sarvartha Yoga - Neutral", "Amrita Yoga - Favourable", ""},
       {-1, -1, 1, 0, 0, 0, 0, 0, 0, 1},
       8,
       "Good",
       MarriageFlags({{ResultFlag, 2},
                      {NakshatraFlag, 2},
                      {TithiFlag, 2},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 1},
                      {TaraFlag, 1},
                      {KaranaFlag, 2},
                      {YogaFlag, 2}})},
      {"Friday on a Nanda tithi: Siddha only",
       EvaluateMarriage,
       All({WithWeekday("Friday"), WithTithi(6)}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Favourable", "Yoga - Neutral", "Karana - Neutral",
        "Siddha Yoga - Favourable", "Sarvartha Yoga - Neutral", "Amrita Yoga - Neutral", ""},
       {-1, -1, 0, 0, 1, 0, 0, 1, 0, 0},
       8,
       "Good",
       MarriageFlags({{ResultFlag, 2},
                      {NakshatraFlag, 2},
                      {TithiFlag, 2},
                      {WeekdayFlag, 2},
                      {ChandraFlag, 1},
                      {TaraFlag, 1},
                      {KaranaFlag, 2},
                      {YogaFlag, 2}})},
  };
  for (const Case& c : cases) CheckCase(PlainChart, c, /*checkWarning=*/true);
}

TEST(MarriageRules, BrideEntrance) {
  const std::vector<Case> cases = {
      {"plain: Sunday is barred",
       EvaluateBrideEntrance,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Unfavourable", ""},
       {-1, -1, 0, 0, -1},
       2,
       "Average",
       {{ResultFlag, 3},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 1},
        {ChandraFlag, 1},
        {TaraFlag, 1}}},
      {"every factor at its best, on the dark fourth",
       EvaluateBrideEntrance,
       All({Tara("Favourable"), Chandra("Favourable"), WithNakshatra("Pushya"), WithTithi(19),
            WithWeekday("Monday")}),
       {"Tara Stength - Favourable", "Moon Stength - Favourable", "Nakshatra - Favourable",
        "Tithi - Neutral", "Weekday - Neutral", ""},
       {1, 1, 1, 0, 0},
       5,
       "Good",
       {{ResultFlag, 2},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 2},
        {ChandraFlag, 2},
        {TaraFlag, 2}}},
  };
  for (const Case& c : cases) CheckCase(PlainChart, c, /*checkWarning=*/true);
}

// --- Result word at the average and one either side ---

TEST(MarriageRules, ResultWordAroundTheAverage) {
  const std::vector<WordRow> rows = {
      {"engagement below", EvaluateEngagement, WithWeekday("Saturday"), 1, "Bad", 1},
      {"engagement equal", EvaluateEngagement, nullptr, 2, "Average", 3},
      {"engagement above", EvaluateEngagement, Chandra("Favourable"), 3, "Good", 2},
      {"marriage equal", EvaluateMarriage,
       All({WithTithi(10), WithYoga("Vishkambha"), WithKarana("Visti")}), 5, "Average", 3},
      {"marriage above", EvaluateMarriage, All({WithTithi(10), WithYoga("Vishkambha")}), 6, "Good",
       2},
      {"bride below", EvaluateBrideEntrance, WithTithi(4), 1, "Bad", 1},
      {"bride equal", EvaluateBrideEntrance, nullptr, 2, "Average", 3},
      {"bride above", EvaluateBrideEntrance, WithWeekday("Monday"), 3, "Good", 2},
  };
  CheckResultWords(PlainChart, rows);
}

// --- Result labels ---

TEST(MarriageRules, ResultLabels) {
  const std::vector<LabelRow> rows = {
      {"engagement closes with Electional", EvaluateEngagement, nullptr,
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Total Score - -2 Points\r\n\r\n"
       "Electional: Average"},
      // A warning left by an earlier evaluation must not survive: the empty
      // warning of this chart still yields its two empty lines.
      {"marriage without a warning", EvaluateMarriage,
       [](CalculationState& s) { s.Yogas.YogaWarning = "Not Favourable for Travel"; },
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Yoga - Neutral - 0 Point\r\n\r\n"
       "Karana - Neutral - 0 Point\r\n\r\n"
       "Siddha Yoga - Neutral - 0 Point\r\n\r\n"
       "Sarvartha Yoga - Neutral - 0 Point\r\n\r\n"
       "Amrita Yoga - Neutral - 0 Point\r\n\r\n"
       "\r\n\r\n"
       "Total Score - -2 Points\r\n\r\n"
       "Election: Good"},
      {"marriage on a Thursday in Pushya", EvaluateMarriage,
       All({WithWeekday("Thursday"), WithNakshatra("Pushya")}),
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Favourable - 1 Point\r\n\r\n"
       "Yoga - Neutral - 0 Point\r\n\r\n"
       "Karana - Neutral - 0 Point\r\n\r\n"
       "Siddha Yoga - Neutral - 0 Point\r\n\r\n"
       "Sarvartha Yoga - Favourable - 1 Point\r\n\r\n"
       "Amrita Yoga - Favourable - 1 Point\r\n\r\n"
       "Not Favourable for Marriage\r\n\r\n"
       "Total Score - 1 Points\r\n\r\n"
       "Election: Good"},
      {"bride's entrance: no warning lines", EvaluateBrideEntrance, Tara("Very Favourable"),
       "Tara Stength - Very Favourable - 2 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Unfavourable - -1 Point\r\n\r\n"
       "Total Score - 0 Points\r\n\r\n"
       "Election: Good"},
      {"engagement with an unexpected tarabala", EvaluateEngagement, Tara("Average"),
       " - 0 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Total Score - -1 Points\r\n\r\n"
       "Electional: Average"},
  };
  CheckResultLabels(PlainChart, rows);
}

// --- Year precondition ---

TEST(MarriageRules, ElectionBeforeTheBirthYearStopsEachRuleSet) {
  for (RuleSet ruleSet : {EvaluateEngagement, EvaluateMarriage, EvaluateBrideEntrance}) {
    const Evaluated run = Evaluate(PlainChart, ruleSet, [](CalculationState& s) {
      s.Input.election.year = 1999;
      s.Result.FactorVerdicts = {{Factor::Month, Word::Neutral}, {}};
      s.Result.FactorPoints = {1, 0};
      s.Result.FactorCount = 4;
      s.Result.ReportFlags[TaraFlag] = 2;
    });
    EXPECT_EQ(run.report.text, kYearPreconditionMessage);
    EXPECT_EQ(Texts(run.state.Result.FactorVerdicts),
              (std::vector<std::string>{"Month - Neutral", ""}));
    EXPECT_EQ(run.state.Result.FactorCount, 0);
    EXPECT_EQ(run.state.Result.ReportFlags[TaraFlag], 0);
    EXPECT_EQ(NameOf(run.state.Result.ResultWord), "");
  }
}

}  // namespace
}  // namespace horavela
