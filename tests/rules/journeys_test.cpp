// Rule sets for domestic, religious and foreign journeys.
//
// Every factor case starts from one plain election (below), changes what the
// case is about, and compares with the unchanged run: the verdict and points
// of the factor's slot, the change of FactorCount, and all report selectors.
// Cases that move the Moon or the tithi clear the weekday texts they do not
// need, so that no special yoga forms by accident and moves the count.

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

// Jupiter five degrees into `sign`; unknown for Rashi::None.
void SetJupiter(CalculationState& s, Rashi sign) {
  s.Lagna.PlanetSigns[5] = {sign, 5, 42};
}

// A Wednesday, Shasthi of the bright fortnight, Moon in Magha in Mithuna,
// election lagna Vrishabha one sign after the birth lagna Mesha; the table
// lagna of 1 March 00:00 is Vrischika, neither the birth Moon sign (Kanya) nor
// the birth lagna; Jupiter in Makara. No special yoga forms.
CalculationState PlainElection() {
  CalculationState s;
  s.Input.birth.year = 1980;
  s.Input.election.year = 2024;
  s.Input.election.month = 3;
  s.Input.election.day = 1;
  s.Moment.year = 2024;
  s.Moment.month = 3;
  s.Moment.day = 1;
  s.Moment.hour = 0;
  s.Moment.minute = 0;
  s.TaraBalaVerdict = Word::Favourable;
  s.ChandraBalaVerdict = Word::Favourable;
  s.BirthChart = {Rashi::Kanya, Nakshatra::Rohini, Rashi::Mesha,   Tithi::Dashami,
                  Yoga::Siddhi, Karana::Bava,      Weekday::Friday};
  s.ElectionChart = {Rashi::Mithuna, Nakshatra::Magha, Rashi::Vrishabha,  Tithi::Shasthi,
                     Yoga::Siddhi,   Karana::Bava,     Weekday::Wednesday};
  s.Input.electionWeekday = WeekdayOrNone("Wednesday");
  SetTithi(s, 6);
  s.Lagna.PlanetSigns = {{{Rashi::Kumbha, 10, 5},
                          {Rashi::Vrishabha, 2, 11},
                          {Rashi::Meena, 15, 0},
                          {Rashi::Mesha, 20, 30},
                          {Rashi::Simha, 1, 1},
                          {Rashi::Makara, 5, 42},
                          {Rashi::Mithuna, 12, 12}}};
  return s;
}

using Change = std::function<void(CalculationState&)>;

const Change kNoChange = [](CalculationState&) {};

void AddNakshatras(std::vector<FactorCase>& cases, std::initializer_list<const char*> names,
                   const std::string& verdict, int points, int countDelta, int selector) {
  for (const char* name : names) {
    cases.push_back({verdict + " for " + name,
                     [n = std::string(name)](CalculationState& s) {
                       SetWeekday(s, "");  // judged as on Wednesday, and no yoga forms
                       s.ElectionChart.nakshatra = NakshatraNamed(n);
                     },
                     2, verdict, points, countDelta, std::make_pair(NakshatraFlag, selector)});
  }
}

// Journey tithi, the same in all three.
void AddJourneyTithis(std::vector<FactorCase>& cases) {
  struct Group {
    std::initializer_list<int> numbers;
    const char* verdict;
    int points, countDelta, selector;
  };
  const Group groups[] = {
      {{14, 15, 30}, "Tithi - Unfavourable", -1, -1, 1},
      {{2, 3, 5, 7, 10, 11, 13}, "Tithi - Favourable", 1, 0, 2},
      // By number: the dark fortnight (even its Chaturdashi, 29) is neutral.
      {{1, 4, 6, 8, 9, 12, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29},
       "Tithi - Neutral",
       0,
       0,
       2},
  };
  for (const Group& g : groups) {
    for (int number : g.numbers) {
      cases.push_back({std::string(g.verdict) + " for tithi " + std::to_string(number),
                       [number](CalculationState& s) {
                         s.ElectionChart.weekday = WeekdayOrNone("");  // no Mrityu or pushkar yoga
                         SetTithi(s, number);
                       },
                       3, g.verdict, g.points, g.countDelta,
                       std::make_pair(TithiFlag, g.selector)});
    }
  }
}

void AddJourneyRashis(std::vector<FactorCase>& cases) {
  // "Dhanush" is the Moon-sign spelling of the list's "Dhanus".
  for (const char* sign : {"Mesha", "Vrishabha", "Kataka", "Simha", "Thula", "Dhanus", "Dhanush"}) {
    cases.push_back({std::string("favourable rashi ") + sign, MoonSign(sign), 5,
                     "Rashi - Favourable", 1, 0, std::make_pair(RashiFlag, 2)});
  }
  for (const char* sign : {"Mithuna", "Kanya", "Vrishcika", "Makara", "Kumbha", "Meena"}) {
    cases.push_back({std::string("neutral rashi ") + sign, MoonSign(sign), 5, "Rashi - Neutral", 0,
                     0, std::make_pair(RashiFlag, 2)});
  }
}

// Election lagna counted from the birth lagna Mesha: the fifth, seventh and
// ninth signs count against; the factor writes no selector.
void AddLagnaCounts(std::vector<FactorCase>& cases, const std::string& word,
                    const std::string& otherwise, int otherwisePoints) {
  struct Row {
    const char* lagna;
    int count;
  };
  const Row rows[] = {{"Vrishabha", 1}, {"Simha", 4},  {"Kanya", 5},  {"Thula", 6},
                      {"Vrischika", 7}, {"Dhanus", 8}, {"Makara", 9}, {"Mesha", 12}};
  for (const Row& row : rows) {
    const bool avoided = row.count == 5 || row.count == 7 || row.count == 9;
    cases.push_back(
        {"election lagna " + std::string(row.lagna) + ", count " + std::to_string(row.count),
         [l = std::string(row.lagna)](CalculationState& s) {
           s.ElectionChart.lagna = RashiNamed(l);
         },
         6, word + (avoided ? " - Unfavourable" : " - " + otherwise),
         avoided ? -1 : otherwisePoints, avoided ? -1 : 0, std::nullopt});
  }
}

// The table lagna against the birth Moon sign and birth lagna.
void AddLagnaWithBirthRashi(std::vector<FactorCase>& cases, const std::string& word,
                            int neutralCountDelta) {
  const std::string favourable = word + " - Favourable";
  const std::string neutral = word + " - Neutral";
  cases.push_back(
      {"table lagna Vrischika, birth Moon Kanya", kNoChange, 7, neutral, 0, 0, std::nullopt});
  // The Moon-sign slot writes "Vrishcika", the lagna table "Vrischika".
  cases.push_back({"table lagna on the birth Moon sign",
                   [](CalculationState& s) { s.BirthChart.moonSign = RashiNamed("Vrishcika"); }, 7,
                   favourable, 1, -neutralCountDelta, std::nullopt});
  // 03:00 gives the table lagna Dhanus; the Moon-sign slot writes "Dhanush".
  cases.push_back({"table lagna Dhanus on the birth Moon sign Dhanush",
                   [](CalculationState& s) {
                     s.Moment.hour = 3;
                     s.BirthChart.moonSign = RashiNamed("Dhanush");
                   },
                   7, favourable, 1, -neutralCountDelta, std::nullopt});
  cases.push_back({"table lagna on the birth Moon sign and on the birth lagna",
                   [](CalculationState& s) {
                     s.BirthChart.moonSign = RashiNamed("Vrishcika");
                     s.BirthChart.lagna = RashiNamed("Vrischika");  // election lagna 6 signs on
                   },
                   7, neutral, 0, 0, std::nullopt});
  cases.push_back({"table lagna on the birth lagna only",
                   [](CalculationState& s) { s.BirthChart.lagna = RashiNamed("Vrischika"); }, 7,
                   neutral, 0, 0, std::nullopt});
}

// The auspicious yogas at `first` (Siddha, Sarvartha Siddha, Tripushkar,
// Amrita Siddhi); `presentDelta` is what a present yoga adds over an absent one.
void AddAuspiciousYogas(std::vector<FactorCase>& cases, int first,
                        const std::array<int, 4>& presentDelta) {
  cases.push_back({"Siddha: Wednesday in the box on a Bhadra tithi",
                   [](CalculationState& s) { SetTithi(s, 12); }, first, "Siddhi Yoga - Favourable",
                   1, presentDelta[0], std::make_pair(SiddhaFlag, 2)});
  cases.push_back({"Siddha absent", kNoChange, first, "Siddhi Yoga - Neutral", 0, 0,
                   std::make_pair(SiddhaFlag, 2)});
  cases.push_back(
      {"Sarvartha Siddha: Wednesday in the box, Moon in Rohini",
       [](CalculationState& s) { s.ElectionChart.nakshatra = NakshatraNamed("Rohini"); }, first + 1,
       "Sarvartha Siddha Yoga - Favourable", 1, presentDelta[1], std::make_pair(SarvarthaFlag, 2)});
  cases.push_back({"Sarvartha Siddha absent", kNoChange, first + 1,
                   "Sarvartha Siddha Yoga - Neutral", 0, 0, std::make_pair(SarvarthaFlag, 2)});
  // The chart's Saturday, not the box's Wednesday, makes the pushkar weekday.
  cases.push_back({"Tripushkar: chart Saturday, Saptami, Uttara Phalguni",
                   [](CalculationState& s) {
                     s.ElectionChart.weekday = WeekdayOrNone("Saturday");
                     s.ElectionChart.nakshatra = NakshatraNamed("Uttara Phalguni");
                     SetTithi(s, 7);
                   },
                   first + 2, "Tripushkar Yoga - Favourable", 1, presentDelta[2],
                   std::make_pair(TripushkarFlag, 2)});
  cases.push_back({"Tripushkar absent", kNoChange, first + 2, "Tripushkar Yoga - Neutral", 0, 0,
                   std::make_pair(TripushkarFlag, 2)});
  cases.push_back({"Amrita Siddhi: chart Friday in Revati",
                   [](CalculationState& s) {
                     s.ElectionChart.weekday = WeekdayOrNone("Friday");
                     s.ElectionChart.nakshatra = NakshatraNamed("Revati");
                   },
                   first + 3, "Amrita Siddhi Yoga - Favourable", 1, presentDelta[3],
                   std::make_pair(AmritaFlag, 2)});
  cases.push_back({"Amrita Siddhi absent", kNoChange, first + 3, "Amrita Siddhi Yoga - Neutral", 0,
                   0, std::make_pair(AmritaFlag, 2)});
}

// Mrityu, Dagdha and Yamaghata at `first`: present they count against,
// absent they leave the slot empty and the selector at 0.
void AddPenaltyYogas(std::vector<FactorCase>& cases, int first) {
  cases.push_back({"Mrityu: Monday on Dwitiya",
                   [](CalculationState& s) {
                     SetWeekday(s, "Monday");
                     SetTithi(s, 2);
                   },
                   first, "Mrityu Yoga - Unfavourable", -1, 0, std::make_pair(MrityuFlag, 1)});
  cases.push_back({"Mrityu absent", kNoChange, first, "", 0, 0, std::make_pair(MrityuFlag, 0)});
  cases.push_back(
      {"Dagdha: Wednesday in Dhanistha",
       [](CalculationState& s) { s.ElectionChart.nakshatra = NakshatraNamed("Dhanistha"); },
       first + 1, "Dagdha Yoga - Unfavourable", -1, 0, std::make_pair(DaghdaFlag, 1)});
  cases.push_back({"Dagdha absent", kNoChange, first + 1, "", 0, 0, std::make_pair(DaghdaFlag, 0)});
  cases.push_back({"Yamaghata: Wednesday in Moola",
                   [](CalculationState& s) { s.ElectionChart.nakshatra = NakshatraNamed("Moola"); },
                   first + 2, "Yamaghata Yoga - Unfavourable", -1, 0,
                   std::make_pair(YamaghataFlag, 1)});
  cases.push_back(
      {"Yamaghata absent", kNoChange, first + 2, "", 0, 0, std::make_pair(YamaghataFlag, 0)});
}

// Weekday of the domestic and religious journeys: only the box is changed, so
// the chart-weekday yogas stay absent.
void AddTuesdayAvoidedWeekdays(std::vector<FactorCase>& cases) {
  cases.push_back({"Tuesday scores -1 yet counts",
                   [](CalculationState& s) { s.Input.electionWeekday = WeekdayOrNone("Tuesday"); },
                   4, "Weekday - Least Favourable", -1, 0, std::make_pair(WeekdayFlag, 2)});
  for (const char* day : {"Sunday", "Monday", "Wednesday", "Thursday", "Friday", "Saturday"}) {
    cases.push_back({std::string("weekday ") + day,
                     [d = std::string(day)](CalculationState& s) {
                       s.Input.electionWeekday = WeekdayOrNone(d);
                     },
                     4, "Weekday - Favourable", 1, 0, std::make_pair(WeekdayFlag, 2)});
  }
}

TEST(DomesticJourney, EachOutcomeOfEachFactor) {
  std::vector<FactorCase> cases;
  AddStandardOpening(cases, "");
  // Krittika and Bharani score -1 and do not count, yet show the favourable text.
  AddNakshatras(cases, {"Krittika", "Bharani"}, "Nakshatra - Least Favourable", -1, -1, 2);
  AddNakshatras(cases, {"Ashlesha", "Vishakha", "Poorva Phalguni", "Poorva Bhadrapada", "Ardra"},
                "Nakshatra - Unfavourable", -1, -1, 1);
  // The neutral stars score a full point.
  AddNakshatras(cases, {"Magha", "Ashwini", "Swati", "Revati"}, "Nakshatra - Neutral", 1, 0, 2);
  AddJourneyTithis(cases);
  AddTuesdayAvoidedWeekdays(cases);
  AddJourneyRashis(cases);
  AddLagnaCounts(cases, "Muhurtha Lagna from Birth Lagna", "Neutral", 0);
  AddLagnaWithBirthRashi(cases, "Muhurtha Lagna with Birth Rashi and Lagna", 0);
  AddAuspiciousYogas(cases, 8, {0, 0, 0, 0});
  AddPenaltyYogas(cases, 12);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateDomesticJourney, c);
}

TEST(ReligiousJourney, EachOutcomeOfEachFactor) {
  std::vector<FactorCase> cases;
  AddStandardOpening(cases, "");
  // Every nakshatra counts on a pilgrimage.
  AddNakshatras(cases, {"Krittika", "Bharani"}, "Nakshatra - Least Favourable", -1, 0, 2);
  AddNakshatras(cases, {"Ashlesha", "Vishakha", "Poorva Phalguni", "Poorva Bhadrapada", "Ardra"},
                "Nakshatra - Neutral", 0, 0, 2);
  AddNakshatras(cases, {"Magha", "Ashwini", "Swati", "Revati"}, "Nakshatra - Favourable", 1, 0, 2);
  AddJourneyTithis(cases);
  AddTuesdayAvoidedWeekdays(cases);
  AddJourneyRashis(cases);
  AddLagnaCounts(cases, "Electional Lagna from Birth Lagna", "Favourable", 1);
  // A neutral table lagna does not count here.
  AddLagnaWithBirthRashi(cases, "Electional Lagna with Birth Rashi and Lagna", -1);
  // Jupiter against the table lagna (Vrischika, number 8, at 00:00; Makara,
  // number 10, at 04:00; Dhanus, number 9, at 03:00).
  const std::vector<FactorCase> jupiter = {
      {"Jupiter in the rising sign", [](CalculationState& s) { SetJupiter(s, Rashi::Vrischika); },
       8, "Jupiter in Rising Sign - Favourable", 1, 0, std::nullopt},
      {"Jupiter elsewhere", kNoChange, 8, "Jupiter in Rising Sign - Neutral", 0, 0, std::nullopt},
      {"Jupiter without a position", [](CalculationState& s) { SetJupiter(s, Rashi::None); }, 8,
       "Jupiter in Rising Sign - Neutral", 0, 0, std::nullopt},
      {"Jupiter in Mesha, table lagna Makara: nine signs apart",
       [](CalculationState& s) {
         s.Moment.hour = 4;
         SetJupiter(s, Rashi::Mesha);
       },
       9, "Jupiter in 9th House - Favourable", 1, 0, std::nullopt},
      {"Jupiter in Meena, table lagna Mithuna on 10 July 06:00: nine signs apart",
       [](CalculationState& s) {
         s.Moment.month = 7;
         s.Moment.day = 10;
         s.Moment.hour = 6;
         SetJupiter(s, Rashi::Meena);
       },
       9, "Jupiter in 9th House - Favourable", 1, 0, std::nullopt},
      {"Jupiter in Makara, table lagna Vrischika", kNoChange, 9, "Jupiter in 9th House - Neutral",
       0, 0, std::nullopt},
      // An unknown position counts as 0, nine from the ninth sign.
      {"Jupiter without a position, table lagna Dhanus",
       [](CalculationState& s) {
         s.Moment.hour = 3;
         SetJupiter(s, Rashi::None);
       },
       9, "Jupiter in 9th House - Favourable", 1, 0, std::nullopt},
      {"Jupiter without a position, table lagna Vrischika",
       [](CalculationState& s) { SetJupiter(s, Rashi::None); }, 9, "Jupiter in 9th House - Neutral",
       0, 0, std::nullopt},
  };
  cases.insert(cases.end(), jupiter.begin(), jupiter.end());
  // Only the Siddha yoga counts when absent; the other three count only when present.
  AddAuspiciousYogas(cases, 10, {0, 1, 1, 1});
  AddPenaltyYogas(cases, 14);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateReligiousJourney, c);
}

TEST(ForeignJourney, EachOutcomeOfEachFactor) {
  std::vector<FactorCase> cases;
  AddStandardOpening(cases, "");
  // The birth nakshatra is tried first, even over Krittika and the avoided stars.
  for (const char* star : {"Krittika", "Ashlesha", "Swati", "Magha"}) {
    cases.push_back({std::string("Moon back in the birth nakshatra ") + star,
                     [n = std::string(star)](CalculationState& s) {
                       SetWeekday(s, "");
                       s.ElectionChart.nakshatra = NakshatraNamed(n);
                       s.BirthChart.nakshatra = NakshatraNamed(n);
                     },
                     2, "Nakshatra - Neutral", 0, 0, std::make_pair(NakshatraFlag, 2)});
  }
  AddNakshatras(cases, {"Krittika", "Bharani"}, "Nakshatra - Least Favourable", -1, 0, 2);
  AddNakshatras(cases, {"Ashlesha", "Vishakha", "Poorva Phalguni", "Poorva Bhadrapada", "Ardra"},
                "Nakshatra - Unfavourable", -1, -1, 1);
  AddNakshatras(cases, {"Swati", "Punarvasu", "Shravana", "Dhanistha", "Shatabhisha"},
                "Nakshatra - Favourable", 1, 0, 2);
  AddNakshatras(cases, {"Magha", "Ashwini", "Revati"}, "Nakshatra - Neutral", 0, 0, 2);
  AddJourneyTithis(cases);
  cases.push_back({"Tuesday scores -1 yet counts",
                   [](CalculationState& s) { s.Input.electionWeekday = WeekdayOrNone("Tuesday"); },
                   4, "Weekday - Least Favourable", -1, 0, std::make_pair(WeekdayFlag, 2)});
  cases.push_back({"Monday",
                   [](CalculationState& s) { s.Input.electionWeekday = WeekdayOrNone("Monday"); },
                   4, "Weekday - Favourable", 1, 0, std::make_pair(WeekdayFlag, 2)});
  for (const char* day : {"Sunday", "Wednesday", "Thursday", "Friday", "Saturday"}) {
    cases.push_back({std::string("weekday ") + day,
                     [d = std::string(day)](CalculationState& s) {
                       s.Input.electionWeekday = WeekdayOrNone(d);
                     },
                     4, "Weekday - Neutral", 0, 0, std::make_pair(WeekdayFlag, 2)});
  }
  AddJourneyRashis(cases);
  AddLagnaCounts(cases, "Electional Lagna from Birth Lagna", "Neutral", 0);
  AddLagnaWithBirthRashi(cases, "Electional Lagna with Birth Rashi and Lagna", 0);
  AddAuspiciousYogas(cases, 8, {0, 0, 0, 0});
  AddPenaltyYogas(cases, 12);
  for (const FactorCase& c : cases) ExpectFactor(PlainElection, EvaluateForeignJourney, c);
}

// Everything that can count against a journey does so.
void WorstJourney(CalculationState& s) {
  s.TaraBalaVerdict = Word::Unfavourable;
  s.ChandraBalaVerdict = Word::Unfavourable;
  s.ElectionChart.nakshatra = NakshatraNamed("Ardra");
  SetTithi(s, 15);
  s.ElectionChart.lagna = RashiNamed("Kanya");
}

TEST(Journeys, ResultWordAgainstAverageCount) {
  const WordRow rows[] = {
      {"domestic, plain", EvaluateDomesticJourney, kNoChange, 12, "Good", 2},
      {"domestic, one above average", EvaluateDomesticJourney,
       [](CalculationState& s) {
         WorstJourney(s);
         s.ChandraBalaVerdict = Word::Favourable;
       },
       8, "Good", 2},
      // Seven factors always count: the domestic journey is never Bad.
      {"domestic, worst case", EvaluateDomesticJourney, WorstJourney, 7, "Average", 3},
      {"religious, plain", EvaluateReligiousJourney, kNoChange, 10, "Good", 2},
      {"religious, one above average", EvaluateReligiousJourney, Tara("Unfavourable"), 9, "Good",
       2},
      {"religious, at average", EvaluateReligiousJourney,
       [](CalculationState& s) {
         s.TaraBalaVerdict = Word::Unfavourable;
         s.ChandraBalaVerdict = Word::Unfavourable;
       },
       8, "Average", 3},
      {"religious, one below average", EvaluateReligiousJourney,
       [](CalculationState& s) {
         s.TaraBalaVerdict = Word::Unfavourable;
         s.ChandraBalaVerdict = Word::Unfavourable;
         SetTithi(s, 30);
       },
       7, "Bad", 1},
      {"religious, worst case", EvaluateReligiousJourney, WorstJourney, 6, "Bad", 1},
      {"foreign, plain", EvaluateForeignJourney, kNoChange, 12, "Good", 2},
      // Seven factors always count: the foreign journey is never Bad.
      {"foreign, worst case", EvaluateForeignJourney, WorstJourney, 7, "Average", 3},
  };
  CheckResultWords(PlainElection, rows);
}

// Absent penalty yogas leave lines made of the points alone.
TEST(DomesticJourney, LabelOfAPlainElection) {
  const Evaluated run = Evaluate(EvaluateDomesticJourney, PlainElection());
  EXPECT_EQ(ResultLabelOf(run.state.Result),
            "Tara Stength - Favourable - 1 Point\r\n\r\n"
            "Moon Stength - Favourable - 1 Point\r\n\r\n"
            "Nakshatra - Neutral - 1 Point\r\n\r\n"
            "Tithi - Neutral - 0 Point\r\n\r\n"
            "Weekday - Favourable - 1 Point\r\n\r\n"
            "Rashi - Neutral - 0 Point\r\n\r\n"
            "Muhurtha Lagna from Birth Lagna - Neutral - 0 Point\r\n\r\n"
            "Muhurtha Lagna with Birth Rashi and Lagna - Neutral - 0 Point\r\n\r\n"
            "Siddhi Yoga - Neutral - 0 Point\r\n\r\n"
            "Sarvartha Siddha Yoga - Neutral - 0 Point\r\n\r\n"
            "Tripushkar Yoga - Neutral - 0 Point\r\n\r\n"
            "Amrita Siddhi Yoga - Neutral - 0 Point\r\n\r\n"
            " - 0 Point\r\n\r\n"
            " - 0 Point\r\n\r\n"
            " - 0 Point\r\n\r\n"
            "Total Score - 4 Points\r\n\r\n"
            "Election: Good");
  for (int slot : {MrityuFlag, DaghdaFlag, YamaghataFlag, LagnaFlag}) {
    EXPECT_EQ(run.state.Result.ReportFlags[slot], 0) << slot;
  }
  for (const char* heading : {"Mrityu Yoga", "Daghda Yoga", "Yamaghata Yoga"}) {
    EXPECT_EQ(run.report.text.find(heading), std::string::npos) << heading;
  }
}

TEST(Journeys, LabelsCarryNoYogaWarning) {
  const RuleSet ruleSets[] = {EvaluateDomesticJourney, EvaluateReligiousJourney,
                              EvaluateForeignJourney};
  for (RuleSet ruleSet : ruleSets) {
    CalculationState s = PlainElection();
    SetWeekday(s, "Saturday");  // Saturday in Rohini: Amrita Siddhi, "not for travel"
    s.ElectionChart.nakshatra = NakshatraNamed("Rohini");
    const Evaluated run = Evaluate(ruleSet, s);
    EXPECT_EQ(run.state.Yogas.YogaWarning, "Not Favourable for Travel");
    EXPECT_EQ(ResultLabelOf(run.state.Result).find("Not Favourable"), std::string::npos);
    EXPECT_NE(
        ResultLabelOf(run.state.Result).find("Amrita Siddhi Yoga - Favourable - 1 Point\r\n\r\n"),
        std::string::npos);
  }
}

TEST(Journeys, ArraysHoldOneEmptySlotPastTheLastFactor) {
  struct Row {
    RuleSet ruleSet;
    std::size_t size;
  };
  const Row rows[] = {
      {EvaluateDomesticJourney, 16}, {EvaluateReligiousJourney, 18}, {EvaluateForeignJourney, 16}};
  for (const Row& row : rows) {
    const Evaluated run = Evaluate(row.ruleSet, PlainElection());
    ASSERT_EQ(run.state.Result.FactorVerdicts.size(), row.size);
    EXPECT_TRUE(run.state.Result.FactorVerdicts.back().empty());
    EXPECT_EQ(run.state.Result.FactorPoints.back(), 0);
  }
}

TEST(Journeys, ElectionYearBeforeBirthYearEndsEarly) {
  const RuleSet ruleSets[] = {EvaluateDomesticJourney, EvaluateReligiousJourney,
                              EvaluateForeignJourney};
  for (RuleSet ruleSet : ruleSets) {
    CalculationState s = PlainElection();
    s.Input.election.year = 1979;
    s.Result.FactorVerdicts = {{Factor::Month, Word::Neutral}};
    const Evaluated run = Evaluate(ruleSet, s);
    EXPECT_EQ(run.report.text, kYearPreconditionMessage);
    EXPECT_EQ(Texts(run.state.Result.FactorVerdicts), std::vector<std::string>{"Month - Neutral"});
    EXPECT_EQ(run.state.Result.FactorCount, 0);
  }
}

}  // namespace
}  // namespace horavela
