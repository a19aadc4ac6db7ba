// Rule sets for a new house, a rented house, a new job and a new business.
//
// Every factor case starts from one plain election (below), changes what the
// case is about, and compares with the unchanged run: the verdict and points
// of the factor's slot, the change of FactorCount, and the report selectors
// (all of them, so a factor writing the wrong selector is caught).

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;  // the rule-set fixtures

// A Saturday, Shasthi of the bright fortnight, Moon in Punarvasu, mid-March
// (Chaitra): every factor neutral or favourable and no special yoga present.
CalculationState PlainElection() {
  CalculationState s;
  s.Input.birth.year = 1980;
  s.Input.election.year = 2024;
  s.Input.election.month = 3;
  s.Input.election.day = 15;
  s.Moment.year = 2024;
  s.Moment.month = 3;
  s.Moment.day = 15;
  s.Moment.hour = 10;
  s.TaraBalaVerdict = Word::Favourable;
  s.ChandraBalaVerdict = Word::Favourable;
  s.ElectionChart = {Rashi::Mithuna, Nakshatra::Punarvasu, Rashi::Simha,     Tithi::Shasthi,
                     Yoga::Siddhi,   Karana::Bava,         Weekday::Saturday};
  s.Input.electionWeekday = WeekdayOrNone("Saturday");
  SetTithi(s, 6);
  return s;
}

// One case per name of a list, all with the same outcome.
void AddNames(std::vector<FactorCase>& cases, std::initializer_list<const char*> names,
              Setter (*setter)(std::string), int index, const std::string& verdict, int points,
              int countDelta, ReportSlot slot, int selector) {
  for (const char* name : names) {
    cases.push_back({verdict + " for " + name, setter(name), index, verdict, points, countDelta,
                     std::make_pair(slot, selector)});
  }
}

void AddTithis(std::vector<FactorCase>& cases, std::initializer_list<int> numbers, int index,
               const std::string& verdict, int points, int countDelta, int selector) {
  for (int number : numbers) {
    cases.push_back({verdict + " for tithi " + std::to_string(number),
                     [number](CalculationState& s) { SetTithi(s, number); }, index, verdict, points,
                     countDelta, std::make_pair(TithiFlag, selector)});
  }
}

// Siddha, Sarvartha Siddha and Amrita Siddhi from slot `first`: each counts
// present or absent, so the count never moves.
void AddAuspiciousYogas(std::vector<FactorCase>& cases, int first) {
  cases.push_back({"Siddha yoga: Friday in the box on a Nanda tithi",
                   [](CalculationState& s) { s.Input.electionWeekday = WeekdayOrNone("Friday"); },
                   first, "Siddhi Yoga - Favourable", 1, 0, std::make_pair(SiddhaFlag, 2)});
  cases.push_back({"Siddha yoga absent", [](CalculationState&) {}, first, "Siddhi Yoga - Neutral",
                   0, 0, std::make_pair(SiddhaFlag, 2)});
  cases.push_back({"Sarvartha Siddha yoga: Saturday in Swati",
                   [](CalculationState& s) { s.ElectionChart.nakshatra = NakshatraNamed("Swati"); },
                   first + 1, "Sarvartha Siddha Yoga - Favourable", 1, 0,
                   std::make_pair(SarvarthaFlag, 2)});
  cases.push_back({"Sarvartha Siddha yoga absent", [](CalculationState&) {}, first + 1,
                   "Sarvartha Siddha Yoga - Neutral", 0, 0, std::make_pair(SarvarthaFlag, 2)});
  cases.push_back({"Amrita Siddhi yoga: chart Sunday in Hasta",
                   [](CalculationState& s) {
                     s.ElectionChart.weekday = WeekdayOrNone("Sunday");
                     s.ElectionChart.nakshatra = NakshatraNamed("Hasta");
                   },
                   first + 2, "Amrita Siddhi Yoga - Favourable", 1, 0,
                   std::make_pair(AmritaFlag, 2)});
  cases.push_back({"Amrita Siddhi yoga absent", [](CalculationState&) {}, first + 2,
                   "Amrita Siddhi Yoga - Neutral", 0, 0, std::make_pair(AmritaFlag, 2)});
}

void SetMoment(CalculationState& s, int month, int day) {
  s.Moment.month = static_cast<std::int16_t>(month);
  s.Moment.day = static_cast<std::int16_t>(day);
}

TEST(NewHouse, EachOutcomeOfEachFactor) {
  std::vector<FactorCase> cases;
  AddStandardOpening(cases, "Strong");
  // Ashwini is judged before the lists.
  AddNames(cases, {"Ashwini"}, WithNakshatra, 2, "Very Bad Nakshatra - Unfavourable", -1, -1,
           NakshatraFlag, 1);
  AddNames(cases,
           {"Mrigasira", "Revati", "Chitra", "Anuradha", "Swati", "Shatabhisha", "Hasta", "Pushya",
            "Dhanistha", "Uttara Phalguni", "Uttara Ashadha", "Uttara Bhadrapada", "Rohini"},
           WithNakshatra, 2, "Good Nakshatra - Favourable", 1, 0, NakshatraFlag, 2);
  AddNames(cases,
           {"Bharani", "Krittika", "Ardra", "Ashlesha", "Poorva Phalguni", "Vishakha", "Jyeshtha",
            "Purva Ashadha", "Poorva Bhadrapada"},
           WithNakshatra, 2, "Bad Nakshatra - Unfavourable", -1, -1, NakshatraFlag, 1);
  AddNames(cases, {"Punarvasu", "Magha", "Moola", "Shravana"}, WithNakshatra, 2,
           "Nakshatra - Neutral", 0, 0, NakshatraFlag, 2);
  // All thirty tithis: the Rikta ones of both fortnights and the new Moon are
  // avoided; bright-fortnight numbers and the dark Pratipada are favoured.
  AddTithis(cases, {4, 9, 14, 19, 24, 29, 30}, 3, "Tithi - Unfavourable", -1, -1, 1);
  AddTithis(cases, {2, 3, 5, 7, 10, 11, 13, 15, 16}, 3, "Tithi - Favourable", 1, 0, 2);
  AddTithis(cases, {1, 6, 8, 12, 17, 18, 20, 21, 22, 23, 25, 26, 27, 28}, 3, "Tithi - Neutral", 0,
            0, 2);
  AddNames(cases, {"Monday", "Wednesday", "Thursday", "Friday"}, BoxWeekday, 4,
           "Weekday - Favourable", 1, 0, WeekdayFlag, 2);
  AddNames(cases, {"Tuesday"}, BoxWeekday, 4, "Very Bad Weekday - Unfavourable", -1, -1,
           WeekdayFlag, 1);
  AddNames(cases, {"Sunday", "Saturday"}, BoxWeekday, 4, "Weekday - Neutral", 0, 0, WeekdayFlag, 2);
  // Hindu month by election date: one date inside each solar month, and both
  // sides of the Chaitra/Vaisakha and Vaisakha/Jyaistha changes.
  struct MonthRow {
    int month, day;
    const char* hinduMonth;
    bool favourable;
  };
  const MonthRow months[] = {
      {1, 15, "Magha", true},    {2, 15, "Falguna", true},     {3, 15, "Chaitra", false},
      {4, 15, "Vaisakha", true}, {5, 15, "Jyaistha", true},    {6, 15, "Asadha", false},
      {7, 15, "Shravana", true}, {8, 15, "Bhadra", false},     {9, 15, "Asvina", false},
      {10, 15, "Kartika", true}, {11, 15, "Agrahayana", true}, {12, 15, "Pausa", true},
      {3, 22, "Chaitra", false}, {3, 23, "Vaisakha", true},    {4, 21, "Vaisakha", true},
      {4, 22, "Jyaistha", true},
  };
  for (const MonthRow& m : months) {
    cases.push_back(
        {std::string(m.hinduMonth) + " on " + std::to_string(m.month) + "/" + std::to_string(m.day),
         [m](CalculationState& s) { SetMoment(s, m.month, m.day); }, 5,
         m.favourable ? "Hindu Lunar Month - Favourable" : "Hindu Lunar Month - Neutral",
         m.favourable ? 1 : 0, 0, std::make_pair(MonthFlag, 2)});
  }
  AddAuspiciousYogas(cases, 6);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateNewHouse, c);
}

TEST(RentedHouse, OpensWithItsOwnStrengthRows) {
  std::vector<FactorCase> cases = {
      {"tarabala favourable scores two", [](CalculationState&) {}, 0, "Tara Strength - Favourable",
       2, 0, std::make_pair(TaraFlag, 2)},
      {"tarabala very favourable is only neutral", Tara("Very Favourable"), 0,
       "Tara Strength - Neutral", 0, 0, std::make_pair(TaraFlag, 2)},
      {"tarabala unfavourable is neutral and counts", Tara("Unfavourable"), 0,
       "Tara Strength - Neutral", 0, 0, std::make_pair(TaraFlag, 2)},
      {"chandrabala favourable", [](CalculationState&) {}, 1, "Moon Strength - Favourable", 1, 0,
       std::make_pair(ChandraFlag, 2)},
      {"chandrabala unfavourable is neutral and counts", Chandra("Unfavourable"), 1,
       "Moon Strength - Neutral", 0, 0, std::make_pair(ChandraFlag, 2)},
  };
  // Only the Rikta group counts against; the new Moon (group Poorna) is neutral.
  AddTithis(cases, {4, 9, 14, 19, 24, 29}, 2, "Tithi - Unfavourable", -1, -1, 1);
  AddTithis(cases, {1, 2, 5, 6, 15, 16, 30}, 2, "Tithi - Neutral", 0, 0, 2);
  AddNames(cases, {"Monday", "Wednesday", "Thursday", "Friday"}, BoxWeekday, 3,
           "Weekday - Favourable", 1, 0, WeekdayFlag, 2);
  AddNames(cases, {"Sunday", "Tuesday", "Saturday"}, BoxWeekday, 3, "Weekday - Neutral", 0, 0,
           WeekdayFlag, 2);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateRentedHouse, c);
}

TEST(NewJob, EachOutcomeOfEachFactor) {
  std::vector<FactorCase> cases;
  AddStandardOpening(cases, "Strong");
  AddNames(cases,
           {"Hasta", "Ashwini", "Pushya", "Mrigasira", "Chitra", "Revati", "Anuradha",
            "Uttara Phalguni", "Uttara Ashadha", "Uttara Bhadrapada", "Rohini"},
           WithNakshatra, 2, "Nakshatra - Favourable", 1, 0, NakshatraFlag, 2);
  AddNames(cases, {"Punarvasu", "Swati", "Bharani"}, WithNakshatra, 2, "Nakshatra - Neutral", 0, 0,
           NakshatraFlag, 2);
  // By number: the dark fortnight is neutral throughout.
  AddTithis(cases, {2, 3, 5, 7, 10, 11, 13, 15}, 3, "Tithi - Favourable", 1, 0, 2);
  AddTithis(cases,
            {1, 4, 6, 8, 9, 12, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}, 3,
            "Tithi - Neutral", 0, 0, 2);
  AddNames(cases, {"Monday", "Wednesday", "Thursday", "Friday", "Sunday"}, BoxWeekday, 4,
           "Weekday - Favourable", 1, 0, WeekdayFlag, 2);
  AddNames(cases, {"Tuesday", "Saturday"}, BoxWeekday, 4, "Weekday - Neutral", 0, 0, WeekdayFlag,
           2);
  AddAuspiciousYogas(cases, 5);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateNewJob, c);
}

TEST(NewBusiness, EachOutcomeOfEachFactor) {
  std::vector<FactorCase> cases;
  AddStandardOpening(cases, "Strong");
  AddNames(cases, {"Mrigasira", "Chitra", "Anuradha", "Revati", "Ashwini", "Pushya", "Hasta"},
           WithNakshatra, 2, "Nakshatra - Favourable", 1, 0, NakshatraFlag, 2);
  AddNames(cases, {"Punarvasu", "Rohini", "Swati"}, WithNakshatra, 2, "Nakshatra - Neutral", 0, 0,
           NakshatraFlag, 2);
  // By name, so both fortnights: Dwitiya .. Triyodashi and Purnima count against.
  AddTithis(cases, {2, 3, 5, 7, 10, 11, 13, 15, 17, 18, 20, 22, 25, 26, 28}, 3,
            "Tithi - Unfavourable", -1, -1, 1);
  AddTithis(cases, {1, 4, 6, 8, 9, 12, 14, 16, 19, 21, 23, 24, 27, 29, 30}, 3, "Tithi - Neutral", 0,
            0, 2);
  AddNames(cases, {"Monday", "Wednesday", "Thursday", "Friday"}, BoxWeekday, 4,
           "Weekday - Favourable", 1, 0, WeekdayFlag, 2);
  AddNames(cases, {"Sunday", "Tuesday", "Saturday"}, BoxWeekday, 4, "Weekday - Neutral", 0, 0,
           WeekdayFlag, 2);
  AddAuspiciousYogas(cases, 5);
  // "Vaidhruthi" is the panchang's spelling of the list's "Veidhriti".
  AddNames(cases,
           {"Vishkambha", "Atiganda", "Soola", "Ganda", "Vyaghata", "Vajra", "Vyatipata", "Parigha",
            "Veidhriti", "Vaidhruthi"},
           WithYoga, 8, "Yoga - Unfavourable", -1, -1, YogaFlag, 1);
  AddNames(cases, {"Siddhi", "Shubha", "Priti"}, WithYoga, 8, "Yoga - Neutral", 0, 0, YogaFlag, 2);
  AddNames(cases, {"Vishti", "Visti"}, WithKarana, 9, "Karana - Unfavourable", -1, -1, KaranaFlag,
           1);
  AddNames(cases, {"Bava", "Kaulava"}, WithKarana, 9, "Karana - Neutral", 0, 0, KaranaFlag, 2);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateNewBusiness, c);
}

// Everything that can count against an election does so.
void WorstHouseJobBusiness(CalculationState& s) {
  s.TaraBalaVerdict = Word::Unfavourable;
  s.ChandraBalaVerdict = Word::Unfavourable;
  s.ElectionChart.nakshatra = NakshatraNamed("Ashwini");
  SetTithi(s, 4);
  SetWeekday(s, "Tuesday");
  s.ElectionChart.yoga = YogaNamed("Vyatipata");
  s.ElectionChart.karana = KaranaNamed("Visti");
}

TEST(HomeAndWork, ResultWordAgainstAverageCount) {
  const WordRow rows[] = {
      {"new house, plain", EvaluateNewHouse, [](CalculationState&) {}, 9, "Good", 2},
      {"new house, one unfavourable above average", EvaluateNewHouse,
       [](CalculationState& s) {
         WorstHouseJobBusiness(s);
         s.TaraBalaVerdict = Word::Favourable;
       },
       5, "Good", 2},
      // Hindu month and the three yogas always count: the house never falls below Average.
      {"new house, worst case", EvaluateNewHouse, WorstHouseJobBusiness, 4, "Average", 3},
      {"rented house, plain", EvaluateRentedHouse, [](CalculationState&) {}, 4, "Good", 2},
      // Only the tithi can count against: three of four always count.
      {"rented house, worst case", EvaluateRentedHouse, WorstHouseJobBusiness, 3, "Good", 2},
      {"new job, plain", EvaluateNewJob, [](CalculationState&) {}, 8, "Good", 2},
      // Six of eight factors always count.
      {"new job, worst case", EvaluateNewJob, WorstHouseJobBusiness, 6, "Good", 2},
      {"new business, plain", EvaluateNewBusiness, [](CalculationState&) {}, 10, "Good", 2},
      // Five of ten always count: one more than AverageCount.
      {"new business, worst case", EvaluateNewBusiness,
       [](CalculationState& s) {
         WorstHouseJobBusiness(s);
         SetTithi(s, 2);  // Dwitiya counts against a business
       },
       5, "Good", 2},
  };
  CheckResultWords(PlainElection, rows);
}

TEST(NewHouse, AverageWhenEveryAvoidableFactorIsAgainst) {
  CalculationState s = PlainElection();
  WorstHouseJobBusiness(s);
  const Evaluated run = Evaluate(EvaluateNewHouse, s);
  const std::vector<std::string> verdicts = {"Tara Stength - Unfavourable",
                                             "Moon Stength - Unfavourable",
                                             "Very Bad Nakshatra - Unfavourable",
                                             "Tithi - Unfavourable",
                                             "Very Bad Weekday - Unfavourable",
                                             "Hindu Lunar Month - Neutral",
                                             "Siddhi Yoga - Neutral",
                                             "Sarvartha Siddha Yoga - Favourable",
                                             "Amrita Siddhi Yoga - Favourable",
                                             ""};
  EXPECT_EQ(Texts(run.state.Result.FactorVerdicts), verdicts);
  const std::vector<std::int16_t> points = {-1, -1, -1, -1, -1, 0, 0, 1, 1, 0};
  EXPECT_EQ(run.state.Result.FactorPoints, points);
  EXPECT_EQ(run.state.Result.TotalScore, -3);
}

// A Tuesday in Ashwini forms Amrita Siddhi yoga, which warns against entering
// a house; the warning follows the last factor's line.
TEST(NewHouse, LabelCarriesTheAmritaSiddhiWarning) {
  CalculationState s = PlainElection();
  SetWeekday(s, "Tuesday");
  s.ElectionChart.nakshatra = NakshatraNamed("Ashwini");
  const Evaluated run = Evaluate(EvaluateNewHouse, s);
  EXPECT_EQ(ResultLabelOf(run.state.Result),
            "Tara Stength - Favourable - 1 Point\r\n\r\n"
            "Moon Stength - Favourable - 1 Point\r\n\r\n"
            "Very Bad Nakshatra - Unfavourable - -1 Point\r\n\r\n"
            "Tithi - Neutral - 0 Point\r\n\r\n"
            "Very Bad Weekday - Unfavourable - -1 Point\r\n\r\n"
            "Hindu Lunar Month - Neutral - 0 Point\r\n\r\n"
            "Siddhi Yoga - Neutral - 0 Point\r\n\r\n"
            "Sarvartha Siddha Yoga - Favourable - 1 Point\r\n\r\n"
            "Amrita Siddhi Yoga - Favourable - 1 Point\r\n\r\n"
            "Not Favourable for Griha Pravesha\r\n\r\n"
            "Total Score - 2 Points\r\n\r\n"
            "Election: Good");
}

TEST(HomeAndWork, WarningLineFollowsTheLastFactor) {
  struct Row {
    const char* name;
    RuleSet ruleSet;
    std::string weekday;
    std::string nakshatra;
    std::string tail;  // from the last factor's line to the total
  };
  const Row rows[] = {
      {"new job, Tuesday in Ashwini", EvaluateNewJob, "Tuesday", "Ashwini",
       "Amrita Siddhi Yoga - Favourable - 1 Point\r\n\r\n"
       "Not Favourable for Griha Pravesha\r\n\r\nTotal Score - "},
      {"new business, Tuesday in Ashwini", EvaluateNewBusiness, "Tuesday", "Ashwini",
       "Karana - Neutral - 0 Point\r\n\r\n"
       "Not Favourable for Griha Pravesha\r\n\r\nTotal Score - "},
      // The other pairs' notes stand there too, whatever the subject.
      {"new house, Thursday in Pushya", EvaluateNewHouse, "Thursday", "Pushya",
       "Amrita Siddhi Yoga - Favourable - 1 Point\r\n\r\n"
       "Not Favourable for Marriage\r\n\r\nTotal Score - "},
      // No warning: two empty lines all the same.
      {"new house, plain Saturday", EvaluateNewHouse, "Saturday", "Punarvasu",
       "Amrita Siddhi Yoga - Neutral - 0 Point\r\n\r\n\r\n\r\nTotal Score - "},
      {"new job, Sunday in Hasta (a pair without a note)", EvaluateNewJob, "Sunday", "Hasta",
       "Amrita Siddhi Yoga - Favourable - 1 Point\r\n\r\n\r\n\r\nTotal Score - "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CalculationState s = PlainElection();
    s.Yogas.YogaWarning = "left over from an earlier evaluation";
    SetWeekday(s, row.weekday);
    s.ElectionChart.nakshatra = NakshatraNamed(row.nakshatra);
    const Evaluated run = Evaluate(row.ruleSet, s);
    EXPECT_NE(ResultLabelOf(run.state.Result).find(row.tail), std::string::npos)
        << ResultLabelOf(run.state.Result);
  }
}

TEST(RentedHouse, LabelHasNoWarningLine) {
  CalculationState s = PlainElection();
  SetWeekday(s, "Tuesday");
  s.ElectionChart.nakshatra = NakshatraNamed("Ashwini");  // Amrita Siddhi, not weighed here
  const Evaluated run = Evaluate(EvaluateRentedHouse, s);
  EXPECT_EQ(ResultLabelOf(run.state.Result),
            "Tara Strength - Favourable - 2 Point\r\n\r\n"
            "Moon Strength - Favourable - 1 Point\r\n\r\n"
            "Tithi - Neutral - 0 Point\r\n\r\n"
            "Weekday - Neutral - 0 Point\r\n\r\n"
            "Total Score - 3 Points\r\n\r\n"
            "Election: Good");
  EXPECT_EQ(run.state.Result.FactorVerdicts.size(), 5u);
}

TEST(HomeAndWork, ElectionYearBeforeBirthYearEndsEarly) {
  const RuleSet ruleSets[] = {EvaluateNewHouse, EvaluateRentedHouse, EvaluateNewJob,
                              EvaluateNewBusiness};
  for (RuleSet ruleSet : ruleSets) {
    CalculationState s = PlainElection();
    s.Input.election.year = 1979;
    s.Result.FactorVerdicts = {{Factor::Month, Word::Neutral}};
    const Evaluated run = Evaluate(ruleSet, s);
    EXPECT_EQ(run.report.text, kYearPreconditionMessage);
    EXPECT_EQ(Texts(run.state.Result.FactorVerdicts), std::vector<std::string>{"Month - Neutral"});
    EXPECT_EQ(NameOf(run.state.Result.ResultWord), "");
  }
}

TEST(HomeAndWork, ElectionEarlierInTheBirthYearIsEvaluated) {
  CalculationState s = PlainElection();
  s.Input.birth.year = 2024;
  s.Input.birth.month = 12;
  s.Input.election.year = 2024;
  s.Input.election.month = 1;
  const Evaluated run = Evaluate(EvaluateNewJob, s);
  EXPECT_EQ(run.state.Result.FactorVerdicts.size(), 9u);
  EXPECT_EQ(NameOf(run.state.Result.ResultWord), "Good");
}

}  // namespace
}  // namespace horavela
