// Rule sets of learning, driven with hand-built charts.
//
// Every test starts from one plain state (both strengths unfavourable, Moon in
// Bharani, bright Pratipada, Sunday in the weekday box and in the chart, the
// election half a year before the birthday in the birth year, 1 March at
// midnight for the table lagna, no planet positions) and changes the inputs
// named in its row. Name tables are the program's own.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
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

// The plain chart at 1 March, midnight, for the table lagna.
CalculationState PlainState() {
  CalculationState s = PlainChart();
  s.Moment.month = 3;
  s.Moment.day = 1;
  s.Moment.hour = 0;
  s.Moment.minute = 0;
  return s;
}

const Letters kTithiLetters = {{'F', {"Tithi - Favourable", 1, 1, 2}},
                               {'U', {"Tithi - Unfavourable", -1, 0, 1}},
                               {'N', {"Tithi - Neutral", 0, 1, 2}}};
const Letters kWeekdayLetters = {{'F', {"Weekday - Favourable", 1, 1, 2}},
                                 {'U', {"Weekday - Unfavourable", -1, 0, 1}},
                                 {'N', {"Weekday - Neutral", 0, 1, 2}}};
const Letters kSaraswatiLetters = {{'F', {"Saraswati Yoga - Favourable", 1, 1, 2}},
                                   {'N', {"Saraswati Yoga - Neutral", 0, 1, 2}}};
// Tithi numbers 1..15, then 16..30: the lists are bright tithis; the new Moon is barred.
constexpr std::string_view kLearningTithis = "NFFUFFNUUFFFNUU NNNNNNNNNNNNNNU";
// Weekdays Sunday first.
constexpr std::string_view kTuesdaySaturday = "NNUNNNU";
// Nakshatras in table order, nine to a group: Ashwini..Ashlesha,
// Magha..Jyeshtha, Moola..Revati. Only Hasta completes the Saraswati yoga.
constexpr std::string_view kOnlyHasta = "NNNNNNNNN NNNFNNNNN NNNNNNNNN";

struct LearningSubject {
  std::string_view name;
  RuleSet ruleSet;
  int tithiIndex;
  int saraswatiIndex;
};
const LearningSubject kSubjects[] = {
    {"trade", EvaluateTrade, 2, 4},
    {"science", EvaluateScience, 2, 4},
    {"dance or music", EvaluateDanceMusic, 3, 5},
    {"astrology", EvaluateAstrology, 3, 5},
    {"medicine", EvaluateMedicineStudy, 3, 5},
    {"grammar", EvaluateGrammar, 2, 4},
};

TEST(LearningRules, SharedFactorsOfEverySubject) {
  for (const LearningSubject& subject : kSubjects) {
    SCOPED_TRACE(subject.name);
    CheckSweep(PlainState,
               {"tarabala", subject.ruleSet, 0, TaraFlag, kByTara, kTaraPattern, kTaraLetters});
    CheckSweep(PlainState, {"chandrabala", subject.ruleSet, 1, ChandraFlag, kByChandra,
                            kChandraPattern, kChandraLetters});
    CheckSweep(PlainState, {"tithi", subject.ruleSet, subject.tithiIndex, TithiFlag, kByTithiNumber,
                            kLearningTithis, kTithiLetters});
    // The weekday and the star also move other factors here: counts are
    // checked in the whole evaluations below.
    CheckSweep(PlainState,
               {"Saraswati by weekday", subject.ruleSet, subject.saraswatiIndex, SaraswatiFlag,
                kByBoxWeekday, "NNNFNNN", kSaraswatiLetters, WithNakshatra("Hasta"), false});
    CheckSweep(PlainState,
               {"Saraswati by nakshatra", subject.ruleSet, subject.saraswatiIndex, SaraswatiFlag,
                kByNakshatra, kOnlyHasta, kSaraswatiLetters, WithWeekday("Wednesday"), false});
  }
}

TEST(LearningRules, SubjectFactors) {
  const Letters scienceLetters = {{'F', {"Learning of any Science - Favourable", 1, 1, 0}},
                                  {'N', {"Learning of any Science - Neutral", 0, 1, 0}}};
  // clang-format off
  const std::vector<Sweep> sweeps = {
      // A fit weekday for a trade is favourable but scores nothing.
      {"trade weekday", EvaluateTrade, 3, WeekdayFlag, kByBoxWeekday, "FFUFFFU",
       {{'F', {"Weekday - Favourable", 0, 1, 2}},
        {'U', {"Weekday - Unfavourable", -1, 0, 1}}}},
      {"science weekday", EvaluateScience, 3, WeekdayFlag, kByBoxWeekday, kTuesdaySaturday,
       kWeekdayLetters},
      {"science by weekday", EvaluateScience, 5, std::nullopt, kByBoxWeekday, "NNNFNNN",
       scienceLetters, WithNakshatra("Hasta"), false},
      {"science by nakshatra", EvaluateScience, 5, std::nullopt, kByNakshatra, kOnlyHasta,
       scienceLetters, WithWeekday("Wednesday")},
      {"dance nakshatra", EvaluateDanceMusic, 2, NakshatraFlag, kByNakshatra,
       "NNNFFNNFN NNFFNNNFN NNFNFFNFF", kNakshatraLetters},
      {"dance weekday", EvaluateDanceMusic, 4, WeekdayFlag, kByBoxWeekday, "NFUFFFU",
       kWeekdayLetters},
      {"astrology nakshatra", EvaluateAstrology, 2, NakshatraFlag, kByNakshatra,
       "FNNNNNFFN NNNFNFNNN FNNNNNNNF", kNakshatraLetters},
      {"astrology weekday", EvaluateAstrology, 4, WeekdayFlag, kByBoxWeekday, kTuesdaySaturday,
       kWeekdayLetters},
      // Dhanistha (D) is written twice and so counted twice.
      {"medicine nakshatra", EvaluateMedicineStudy, 2, NakshatraFlag, kByNakshatra,
       "FNNNFFFFF NNNFFFNFF FNNFDFNNF",
       {{'F', {"Nakshatra - Favourable", 1, 1, 2}},
        {'D', {"Nakshatra - Favourable", 1, 2, 2}},
        {'N', {"Nakshatra - Neutral", 0, 1, 2}}}},
      // Under a neutral star the weekday is revised: Sunday, Monday and
      // Tuesday favourable, and a Saturday reads neutral yet stays uncounted (n).
      {"medicine weekday under Bharani", EvaluateMedicineStudy, 4, WeekdayFlag, kByBoxWeekday,
       "FFFNNNn",
       {{'F', {"Weekday - Favourable", 1, 1, 2}},
        {'N', {"Weekday - Neutral", 0, 1, 2}},
        {'n', {"Weekday - Neutral", 0, 0, 2}}}},
      {"medicine weekday under Hasta", EvaluateMedicineStudy, 4, WeekdayFlag, kByBoxWeekday,
       "NNNNNNU", kWeekdayLetters, WithNakshatra("Hasta")},
      {"medicine weekday under Dhanistha", EvaluateMedicineStudy, 4, WeekdayFlag, kByBoxWeekday,
       "NNNNNNU", kWeekdayLetters, WithNakshatra("Dhanistha")},
      // Both nakshatra factors of grammar write the same report slot, and
      // both always select 2.
      {"grammar nakshatra", EvaluateGrammar, 5, NakshatraFlag, kByNakshatra,
       "NNNFFNFFN NNNFNNNNN NNNNFNNNF",
       {{'F', {"Nakshatra of Grammar - Favourable", 1, 1, 2}},
        {'N', {"Nakshatra of Grammar- Neutral", 0, 1, 2}}}},
      {"logic nakshatra", EvaluateGrammar, 6, NakshatraFlag, kByNakshatra,
       "NNNNNNNNN NNFFNNNNN FNNFNFNNF",
       {{'F', {"Nakshatra of Logic And and Philosophy - Favourable", 1, 1, 2}},
        {'N', {"Nakshatra of Logic And and Philosophy - Neutral", 0, 1, 2}}}},
  };
  // clang-format on
  for (const Sweep& sweep : sweeps) CheckSweep(PlainState, sweep);
}

// The grammar and logic weekdays are weighed only when the Tuesday/Saturday
// factor found the day neutral; the logic weekday's neutral outcome selects
// the adverse weekday text.
TEST(LearningRules, GrammarWeekdays) {
  struct Row {
    std::string_view weekday;
    std::string_view slot3;
    int points3;
    std::string_view slot7;
    int points7;
    std::string_view slot8;
    int points8;
    int weekdayFlag;
    int count;
  };
  const Row rows[] = {
      {"Sunday", "Weekday - Neutral", 0, "Weekday of Grammar - Neutral", 0,
       "Weekday of Logic And and Philosophy - Neutral", 0, 1, 7},
      {"Monday", "Weekday - Neutral", 0, "Weekday of Grammar - Neutral", 0,
       "Weekday of Logic And and Philosophy - Favourable", 1, 2, 7},
      {"Tuesday", "Weekday - Unfavourable", -1, "", 0, "", 0, 1, 4},
      {"Wednesday", "Weekday - Neutral", 0, "Weekday of Grammar - Favourable", 1,
       "Weekday of Logic And and Philosophy - Favourable", 1, 2, 7},
      {"Thursday", "Weekday - Neutral", 0, "Weekday of Grammar - Favourable", 1,
       "Weekday of Logic And and Philosophy - Favourable", 1, 2, 7},
      {"Friday", "Weekday - Neutral", 0, "Weekday of Grammar - Favourable", 1,
       "Weekday of Logic And and Philosophy - Neutral", 0, 1, 7},
      {"Saturday", "Weekday - Unfavourable", -1, "", 0, "", 0, 1, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.weekday);
    const Evaluated run =
        Evaluate(PlainState, EvaluateGrammar, WithWeekday(std::string(row.weekday)));
    const Evaluation& result = run.state.Result;
    ASSERT_EQ(result.FactorVerdicts.size(), 10u);
    EXPECT_EQ(TextOf(result.FactorVerdicts[3]), row.slot3);
    EXPECT_EQ(result.FactorPoints[3], row.points3);
    EXPECT_EQ(TextOf(result.FactorVerdicts[7]), row.slot7);
    EXPECT_EQ(result.FactorPoints[7], row.points7);
    EXPECT_EQ(TextOf(result.FactorVerdicts[8]), row.slot8);
    EXPECT_EQ(result.FactorPoints[8], row.points8);
    EXPECT_EQ(result.ReportFlags[WeekdayFlag], row.weekdayFlag);
    EXPECT_EQ(result.FactorCount, row.count);
  }
}

// --- Whole evaluations ---

// The selectors of the plain state (strengths adverse, every other factor of
// these subjects neutral) plus the result.
std::map<ReportSlot, int> PlainFlags(int result, std::map<ReportSlot, int> own = {}) {
  own.insert({{ResultFlag, result},
              {TithiFlag, 2},
              {WeekdayFlag, 2},
              {ChandraFlag, 1},
              {TaraFlag, 1},
              {SaraswatiFlag, 2}});
  return own;
}

TEST(LearningRules, TradeAndScience) {
  const std::vector<Case> cases = {
      {"trade, plain",
       EvaluateTrade,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Tithi - Neutral",
        "Weekday - Favourable", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 0, 0, 0},
       3,
       "Good",
       PlainFlags(2)},
      {"trade on a Wednesday in Hasta, new Moon",
       EvaluateTrade,
       All({WithWeekday("Wednesday"), WithNakshatra("Hasta"), WithTithi(30)}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Tithi - Unfavourable",
        "Weekday - Favourable", "Saraswati Yoga - Favourable", ""},
       {-1, -1, -1, 0, 1},
       2,
       "Average",
       PlainFlags(3, {{TithiFlag, 1}})},
      // No nakshatra factor, and the subject's own factor selects nothing.
      {"science, plain",
       EvaluateScience,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Tithi - Neutral",
        "Weekday - Neutral", "Saraswati Yoga - Neutral", "Learning of any Science - Neutral", ""},
       {-1, -1, 0, 0, 0, 0},
       4,
       "Good",
       PlainFlags(2)},
      {"science on a Wednesday in Hasta scores twice",
       EvaluateScience,
       All({WithWeekday("Wednesday"), WithNakshatra("Hasta"), WithTithi(13)}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Tithi - Neutral",
        "Weekday - Neutral", "Saraswati Yoga - Favourable", "Learning of any Science - Favourable",
        ""},
       {-1, -1, 0, 0, 1, 1},
       4,
       "Good",
       PlainFlags(2)},
  };
  for (const Case& c : cases) CheckCase(PlainState, c);
}

TEST(LearningRules, DanceMusicAndAstrology) {
  const std::vector<Case> cases = {
      {"dance, plain",
       EvaluateDanceMusic,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Neutral", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 0, 0, 0, 0},
       4,
       "Good",
       PlainFlags(2, {{NakshatraFlag, 2}})},
      {"dance, every factor at its best",
       EvaluateDanceMusic,
       All({Tara("Very Favourable"), Chandra("Favourable"), WithNakshatra("Hasta"), WithTithi(10),
            WithWeekday("Wednesday")}),
       {"Tara Stength - Very Favourable", "Moon Stength - Favourable", "Nakshatra - Favourable",
        "Tithi - Favourable", "Weekday - Favourable", "Saraswati Yoga - Favourable", ""},
       {2, 1, 1, 1, 1, 1},
       6,
       "Good",
       {{ResultFlag, 2},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 2},
        {ChandraFlag, 2},
        {TaraFlag, 2},
        {SaraswatiFlag, 2}}},
      {"astrology, plain",
       EvaluateAstrology,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Neutral", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 0, 0, 0, 0},
       4,
       "Good",
       PlainFlags(2, {{NakshatraFlag, 2}})},
  };
  for (const Case& c : cases) CheckCase(PlainState, c);
}

TEST(LearningRules, MedicineRevision) {
  const std::vector<Case> cases = {
      // Neutral star: the Sunday is revised to favourable without a second count.
      {"Sunday in Bharani",
       EvaluateMedicineStudy,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Favourable", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 0, 0, 1, 0},
       4,
       "Good",
       PlainFlags(2, {{NakshatraFlag, 2}})},
      {"Monday in Bharani",
       EvaluateMedicineStudy,
       WithWeekday("Monday"),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Favourable", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 0, 0, 1, 0},
       4,
       "Good",
       PlainFlags(2, {{NakshatraFlag, 2}})},
      {"Saturday in Bharani: neutral, yet not counted",
       EvaluateMedicineStudy,
       WithWeekday("Saturday"),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
        "Tithi - Neutral", "Weekday - Neutral", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 0, 0, 0, 0},
       3,
       "Average",
       PlainFlags(3, {{NakshatraFlag, 2}})},
      {"Saturday in Hasta: no revision",
       EvaluateMedicineStudy,
       All({WithWeekday("Saturday"), WithNakshatra("Hasta")}),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Favourable",
        "Tithi - Neutral", "Weekday - Unfavourable", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 1, 0, -1, 0},
       3,
       "Average",
       PlainFlags(3, {{NakshatraFlag, 2}, {WeekdayFlag, 1}})},
      {"Dhanistha counted twice, the Sunday left neutral",
       EvaluateMedicineStudy,
       WithNakshatra("Dhanistha"),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Favourable",
        "Tithi - Neutral", "Weekday - Neutral", "Saraswati Yoga - Neutral", ""},
       {-1, -1, 1, 0, 0, 0},
       5,
       "Good",
       PlainFlags(2, {{NakshatraFlag, 2}})},
  };
  for (const Case& c : cases) CheckCase(PlainState, c);
}

TEST(LearningRules, Grammar) {
  const std::vector<Case> cases = {
      {"plain Sunday",
       EvaluateGrammar,
       nullptr,
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Tithi - Neutral",
        "Weekday - Neutral", "Saraswati Yoga - Neutral", "Nakshatra of Grammar- Neutral",
        "Nakshatra of Logic And and Philosophy - Neutral", "Weekday of Grammar - Neutral",
        "Weekday of Logic And and Philosophy - Neutral", ""},
       {-1, -1, 0, 0, 0, 0, 0, 0, 0},
       7,
       "Good",
       PlainFlags(2, {{NakshatraFlag, 2}, {WeekdayFlag, 1}})},
      // On a barred day the two weekday factors are not weighed at all.
      {"Tuesday",
       EvaluateGrammar,
       WithWeekday("Tuesday"),
       {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Tithi - Neutral",
        "Weekday - Unfavourable", "Saraswati Yoga - Neutral", "Nakshatra of Grammar- Neutral",
        "Nakshatra of Logic And and Philosophy - Neutral", "", "", ""},
       {-1, -1, 0, -1, 0, 0, 0, 0, 0},
       4,
       "Average",
       PlainFlags(3, {{NakshatraFlag, 2}, {WeekdayFlag, 1}})},
      {"Wednesday in Hasta, every factor at its best",
       EvaluateGrammar,
       All({Tara("Favourable"), Chandra("Favourable"), WithTithi(2), WithWeekday("Wednesday"),
            WithNakshatra("Hasta")}),
       {"Tara Stength - Favourable", "Moon Stength - Favourable", "Tithi - Favourable",
        "Weekday - Neutral", "Saraswati Yoga - Favourable", "Nakshatra of Grammar - Favourable",
        "Nakshatra of Logic And and Philosophy - Favourable", "Weekday of Grammar - Favourable",
        "Weekday of Logic And and Philosophy - Favourable", ""},
       {1, 1, 1, 0, 1, 1, 1, 1, 1},
       9,
       "Good",
       {{ResultFlag, 2},
        {NakshatraFlag, 2},
        {TithiFlag, 2},
        {WeekdayFlag, 2},
        {ChandraFlag, 2},
        {TaraFlag, 2},
        {SaraswatiFlag, 2}}},
  };
  for (const Case& c : cases) CheckCase(PlainState, c);
}

// --- Result word at the average and one either side ---

TEST(LearningRules, ResultWordAroundTheAverage) {
  const Setter barredDay = WithWeekday("Saturday");
  const Setter barredDayAndTithi = All({WithWeekday("Saturday"), WithTithi(4)});
  const std::vector<WordRow> rows = {
      {"trade below", EvaluateTrade, barredDayAndTithi, 1, "Bad", 1},
      {"trade equal", EvaluateTrade, barredDay, 2, "Average", 3},
      {"trade above", EvaluateTrade, nullptr, 3, "Good", 2},
      {"science below", EvaluateScience, barredDayAndTithi, 2, "Bad", 1},
      {"science equal", EvaluateScience, barredDay, 3, "Average", 3},
      {"science above", EvaluateScience, nullptr, 4, "Good", 2},
      {"dance below", EvaluateDanceMusic, barredDayAndTithi, 2, "Bad", 1},
      {"dance equal", EvaluateDanceMusic, barredDay, 3, "Average", 3},
      {"dance above", EvaluateDanceMusic, nullptr, 4, "Good", 2},
      {"astrology below", EvaluateAstrology, barredDayAndTithi, 2, "Bad", 1},
      {"astrology equal", EvaluateAstrology, barredDay, 3, "Average", 3},
      {"astrology above", EvaluateAstrology, nullptr, 4, "Good", 2},
      {"medicine below", EvaluateMedicineStudy, barredDayAndTithi, 2, "Bad", 1},
      {"medicine equal", EvaluateMedicineStudy, barredDay, 3, "Average", 3},
      {"medicine above", EvaluateMedicineStudy, nullptr, 4, "Good", 2},
      {"grammar below", EvaluateGrammar, barredDayAndTithi, 3, "Bad", 1},
      {"grammar equal", EvaluateGrammar, barredDay, 4, "Average", 3},
      {"grammar above", EvaluateGrammar, WithTithi(4), 6, "Good", 2},
  };
  CheckResultWords(PlainState, rows);
}

// --- Result labels ---

TEST(LearningRules, TradeLabelListsThePlanetsOfTheTenthSign) {
  const std::string head =
      "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
      "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
      "Tithi - Neutral - 0 Point\r\n\r\n"
      "Weekday - Favourable - 0 Point\r\n\r\n"
      "Saraswati Yoga - Neutral - 0 Point\r\n\r\n"
      "Total Score - -2 Points\r\n\r\n"
      "Election: Good\r\n\r\n"
      "Planet in the 10th House from the position of Asc \r\n";
  struct Row {
    std::string_view name;
    int month, day, hour, minute;
    PlanetPositions planets;
    std::string_view lagna;  // the table lagna left by the trade rule set
    std::string_view tail;   // the label after the heading line
  };
  const Row rows[] = {
      // No positions at all: the list is empty, one empty line closes it.
      {"no positions", 3, 1, 0, 0, {}, "Vrischika", "\r\n"},
      // 1 March 00:00 rises Scorpio; Leo is tenth.
      {"three planets in Leo",
       3,
       1,
       0,
       0,
       {{{Rashi::Simha, 12, 3},
         {},
         {Rashi::Kanya, 28, 10},
         {Rashi::Simha, 2, 45},
         {Rashi::Vrischika, 17, 20},
         {Rashi::Makara, 5, 42},
         {Rashi::Simha, 9, 11}}},
       "Vrischika",
       "Sun\r\nVenus\r\nSaturn\r\n\r\n"},
      {"none in Leo",
       3,
       1,
       0,
       0,
       {{{Rashi::Kanya, 12, 3},
         {Rashi::Vrischika, 1, 0},
         {Rashi::Kanya, 28, 10},
         {Rashi::Thula, 2, 45},
         {Rashi::Vrischika, 17, 20},
         {Rashi::Makara, 5, 42},
         {Rashi::Kataka, 9, 11}}},
       "Vrischika",
       "\r\n"},
      // 10 July 06:30 rises Cancer; Aries is tenth.
      {"Jupiter in Aries",
       7,
       10,
       6,
       30,
       {{{Rashi::Mithuna, 12, 3},
         {Rashi::Vrishabha, 1, 0},
         {Rashi::Kataka, 28, 10},
         {Rashi::Mithuna, 2, 45},
         {Rashi::Meena, 17, 20},
         {Rashi::Mesha, 5, 42},
         {Rashi::Kumbha, 9, 11}}},
       "Kataka",
       "Jupiter\r\n\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Evaluated run = Evaluate(PlainState, EvaluateTrade, [&](CalculationState& s) {
      s.Moment.month = static_cast<std::int16_t>(row.month);
      s.Moment.day = static_cast<std::int16_t>(row.day);
      s.Moment.hour = static_cast<std::int16_t>(row.hour);
      s.Moment.minute = static_cast<std::int16_t>(row.minute);
      s.Lagna.PlanetSigns = row.planets;
      // A list left by an earlier evaluation must be rebuilt, not appended to.
      s.Lagna.PlanetsInTenth = {Planet::Mars};
    });
    EXPECT_EQ(LagnaNameOf(run.state.Lagna.MuhurthaLagna), row.lagna);
    EXPECT_EQ(ResultLabelOf(run.state.Result), head + std::string(row.tail));
  }
}

TEST(LearningRules, ResultLabelsOfTheOtherSubjects) {
  const std::vector<LabelRow> rows = {
      // The medicine arrays grow before the Saraswati factor, so it is listed.
      {"medicine", EvaluateMedicineStudy, nullptr,
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Favourable - 1 Point\r\n\r\n"
       "Saraswati Yoga - Neutral - 0 Point\r\n\r\n"
       "Total Score - -1 Points\r\n\r\n"
       "Election: Good"},
      {"science on a Wednesday in Hasta", EvaluateScience,
       All({WithWeekday("Wednesday"), WithNakshatra("Hasta")}),
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Neutral - 0 Point\r\n\r\n"
       "Saraswati Yoga - Favourable - 1 Point\r\n\r\n"
       "Learning of any Science - Favourable - 1 Point\r\n\r\n"
       "Total Score - 0 Points\r\n\r\n"
       "Election: Good"},
      // Slots never written still give their line.
      {"grammar on a Saturday", EvaluateGrammar, WithWeekday("Saturday"),
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       "Weekday - Unfavourable - -1 Point\r\n\r\n"
       "Saraswati Yoga - Neutral - 0 Point\r\n\r\n"
       "Nakshatra of Grammar- Neutral - 0 Point\r\n\r\n"
       "Nakshatra of Logic And and Philosophy - Neutral - 0 Point\r\n\r\n"
       " - 0 Point\r\n\r\n"
       " - 0 Point\r\n\r\n"
       "Total Score - -3 Points\r\n\r\n"
       "Election: Average"},
  };
  CheckResultLabels(PlainState, rows);
}

// --- Year precondition ---

TEST(LearningRules, ElectionBeforeTheBirthYearStopsEachRuleSet) {
  for (const LearningSubject& subject : kSubjects) {
    SCOPED_TRACE(subject.name);
    const Evaluated run = Evaluate(PlainState, subject.ruleSet, [](CalculationState& s) {
      s.Input.election.year = 1999;
      s.Result.FactorVerdicts = {{Factor::Month, Word::Neutral}, {}};
      s.Result.FactorPoints = {1, 0};
      s.Result.FactorCount = 4;
      s.Result.ReportFlags[SaraswatiFlag] = 2;
      s.Lagna.PlanetsInTenth = {Planet::Mars};
    });
    EXPECT_EQ(run.report.text, kYearPreconditionMessage);
    EXPECT_EQ(Texts(run.state.Result.FactorVerdicts),
              (std::vector<std::string>{"Month - Neutral", ""}));
    EXPECT_EQ(run.state.Result.FactorCount, 0);
    EXPECT_EQ(run.state.Result.ReportFlags[SaraswatiFlag], 0);
    // Nothing past the precondition runs, the table lagna included.
    EXPECT_EQ(run.state.Lagna.PlanetsInTenth, (std::vector<Planet>{Planet::Mars}));
  }
}

}  // namespace
}  // namespace horavela
