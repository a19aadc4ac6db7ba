// Rule sets of the rites of childhood, driven with hand-built charts.
//
// Every test starts from one plain state (both strengths unfavourable, Moon in
// Moola and Dhanush, bright Shasthi, Siddhi yoga, Bava karana, a Sunday, birth
// and election on 1 January 2000) in which each factor of each rite takes a
// known outcome, then changes one input at a time.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "report/report_writer.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using testing::All;
using testing::BoxWeekday;
using testing::Chandra;
using testing::Evaluated;
using testing::MoonSign;
using testing::Setter;
using testing::SetTithi;
using testing::Tara;
using testing::WithKarana;
using testing::WithNakshatra;
using testing::WithTithi;
using testing::WithYoga;

// Name tables in the chart's own spelling (Moon sign "Vrishcika", "Dhanush";
// yoga "Vaidhruthi"; karana "Visti"), each in its natural order.
// clang-format off
const std::vector<std::string> kNakshatras = {
    "Ashwini", "Bharani", "Krittika", "Rohini", "Mrigasira", "Ardra", "Punarvasu", "Pushya",
    "Ashlesha",
    "Magha", "Poorva Phalguni", "Uttara Phalguni", "Hasta", "Chitra", "Swati", "Vishakha",
    "Anuradha", "Jyeshtha",
    "Moola", "Purva Ashadha", "Uttara Ashadha", "Shravana", "Dhanistha", "Shatabhisha",
    "Poorva Bhadrapada", "Uttara Bhadrapada", "Revati"};
// clang-format on
const std::vector<std::string> kMoonSigns = {"Mesha",   "Vrishabha", "Mithuna", "Kataka",
                                             "Simha",   "Kanya",     "Thula",   "Vrishcika",
                                             "Dhanush", "Makara",    "Kumbha",  "Meena"};
const std::vector<std::string> kYogas = {
    "Vishkambha", "Prithi", "Ayushman",  "Saubhagya", "Sobhana", "Atiganda",  "Sukarman",
    "Dhrithi",    "Soola",  "Ganda",     "Vridhi",    "Dhruva",  "Vyaghata",  "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyan",   "Parigha", "Siva",      "Siddha",
    "Sadhya",     "Subha",  "Sukla",     "Bramha",    "Indra",   "Vaidhruthi"};
const std::vector<std::string> kKaranas = {"Bava",       "Balava", "Kaulava",   "Taitula",
                                           "Garija",     "Vanija", "Visti",     "Sakuna",
                                           "Chatuspada", "Naga",   "Kimstughna"};
const std::vector<std::string> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
CalculationState BaseState() {
  CalculationState s;
  s.TaraBalaVerdict = Word::Unfavourable;
  s.ChandraBalaVerdict = Word::Unfavourable;
  s.ElectionChart.moonSign = Rashi::Dhanus;
  s.ElectionChart.nakshatra = Nakshatra::Moola;
  s.ElectionChart.lagna = Rashi::Kanya;
  s.ElectionChart.yoga = Yoga::Siddhi;
  s.ElectionChart.karana = Karana::Bava;
  // The computed weekday differs from the weekday box: only the box counts.
  s.ElectionChart.weekday = Weekday::Tuesday;
  s.Input.electionWeekday = Weekday::Sunday;
  SetTithi(s, 6);
  s.Input.sex = "Male";
  s.Input.birth.year = 2000;
  s.Input.birth.month = 1;
  s.Input.birth.day = 1;
  s.Input.election.year = 2000;
  s.Input.election.month = 1;
  s.Input.election.day = 1;
  return s;
}

Setter Sex(std::string sex) {
  return [sex](CalculationState& s) { s.Input.sex = sex; };
}
Setter Days(int birth, int election) {
  return [=](CalculationState& s) {
    s.Input.birth.day = static_cast<std::int16_t>(birth);
    s.Input.election.day = static_cast<std::int16_t>(election);
  };
}
Setter Months(int birth, int election) {
  return [=](CalculationState& s) {
    s.Input.birth.month = static_cast<std::int16_t>(birth);
    s.Input.election.month = static_cast<std::int16_t>(election);
  };
}
Setter Years(int birth, int election) {
  return [=](CalculationState& s) {
    s.Input.birth.year = static_cast<std::int16_t>(birth);
    s.Input.election.year = static_cast<std::int16_t>(election);
  };
}
struct Rite {
  std::string_view subject;
  RuleSet run;
  int factorCount;   // N
  int averageCount;  // the count that reads "Average"
  // In the plain state: the count, and the factors that do not add to it.
  int baseCount;
  std::set<int> baseUncounted;
  std::vector<std::string> baseVerdicts;  // 0..N
};

const Rite kNaming{
    "Naming of The Child or Namakarana",
    EvaluateNaming,
    7,
    3,
    5,
    {0, 1},
    {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
     "Tithi - Neutral", "Day of Week - Neutral", "Yoga - Neutral", "Karana - Neutral", ""}};
const Rite kTonsuring{
    "Tonsuring of Head",
    EvaluateTonsuring,
    7,
    3,
    5,
    {0, 1},
    {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
     "Tithi - Neutral", "Day of Week - Neutral", "Yoga - Neutral", "Karana - Neutral", ""}};
const Rite kEarPiercing{"Piercing of the Ear or Karnavedha",
                        EvaluateEarPiercing,
                        8,
                        3,
                        6,
                        {0, 1},
                        {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable",
                         "Nakshatra - Neutral", "Tithi - Favourable", "Day of Week - Neutral",
                         "Yoga - Neutral", "Rashi - Neutral", "Karana - Neutral", ""}};
const Rite kThreadCeremony{
    "Thread Ceremony Or Upanayana",
    EvaluateThreadCeremony,
    6,
    2,
    4,
    {0, 1},
    {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
     "Tithi - Neutral", "Day of Week - Neutral", "Rashi - Neutral", ""}};
const Rite kFirstFeeding{
    "First feeding of Solid Food (Annaprasan)",
    EvaluateFirstFeeding,
    9,
    4,
    7,
    {0, 1},
    {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable", "Nakshatra - Neutral",
     "Tithi - Neutral", "Day of Week - Neutral", "Month - Neutral", "Yoga - Neutral",
     "Karana - Neutral", "Rashi - Neutral", ""}};
// Sunday writes no weekday verdict for education.
const Rite kEducation{"Starting of Education (Aksharabhyasa)",
                      EvaluateEducation,
                      5,
                      2,
                      2,
                      {0, 1, 4},
                      {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable",
                       "Nakshatra - Neutral", "Tithi - Neutral", "", ""}};
// A neutral star does not count for adoption.
const Rite kAdoption{"Adoption of a Child",
                     EvaluateAdoption,
                     5,
                     2,
                     2,
                     {0, 1, 2},
                     {"Tara Stength - Unfavourable", "Moon Stength - Unfavourable",
                      "Nakshatra - Neutral", "Tithi - Neutral", "Day of Week - Favourable", ""}};

const Rite* const kRites[] = {&kNaming,       &kTonsuring, &kEarPiercing, &kThreadCeremony,
                              &kFirstFeeding, &kEducation, &kAdoption};

void Evaluate(const Rite& rite, Evaluated& run) {
  run.state.Input.subject = std::string(rite.subject);
  rite.run(run.state);
  WriteReport(run.state, run.report);
}

// --- The plain state itself ---

TEST(ChildhoodRites, PlainStateGivesTheKnownOutcomeOfEveryFactor) {
  for (const Rite* rite : kRites) {
    SCOPED_TRACE(rite->subject);
    Evaluated run{BaseState(), {}};
    Evaluate(*rite, run);
    EXPECT_EQ(testing::Texts(run.state.Result.FactorVerdicts), rite->baseVerdicts);
    ASSERT_EQ(run.state.Result.FactorPoints.size(),
              static_cast<std::size_t>(rite->factorCount + 1));
    EXPECT_EQ(run.state.Result.FactorPoints.back(), 0);
    EXPECT_EQ(run.state.Result.FactorCount, rite->baseCount);
    // The report was written once it was cleared by the report writer.
    EXPECT_GE(run.report.clears, 1);
  }
}

// --- Every outcome of every factor, swept over whole name tables ---
//
// A pattern holds one letter per entry of the input table:
//   F favourable (+1, counts, selector 2)   V very favourable (+2, counts, 2)
//   N neutral (0, see the row)              U unfavourable (-1, keeps, 1)
//   - nothing written (0, keeps, selector untouched)
//   S the short path is taken instead of the factors

struct Sweep {
  const Rite* rite;
  int index;
  std::string_view factor;        // the verdict's first word(s)
  std::string_view unfavourable;  // "Unfavourable", or the rite's "Unavourable"
  ReportSlot slot;
  std::function<void(CalculationState&, std::size_t)> set;
  std::string_view pattern;  // one letter per entry of the input table
  std::int16_t neutralSelector = 2;
  bool neutralCounts = true;
  bool writesSelector = true;
};

struct Expected {
  std::string verdict;
  int points;
  bool counts;
  int selector;
};

Expected ExpectedFor(const Sweep& sweep, char letter) {
  const std::string factor(sweep.factor);
  switch (letter) {
    case 'F':
      return {factor + " - Favourable", 1, true, 2};
    case 'V':
      return {factor + " - Very Favourable", 2, true, 2};
    case 'N':
      return {factor + " - Neutral", 0, sweep.neutralCounts, sweep.neutralSelector};
    case 'U':
      return {factor + " - " + std::string(sweep.unfavourable), -1, false, 1};
    default:
      return {"", 0, false, 0};
  }
}

auto ByName(const std::vector<std::string>& names, Setter (*make)(std::string)) {
  return [&names, make](CalculationState& s, std::size_t i) { make(names[i])(s); };
}
void ByTithi(CalculationState& s, std::size_t i) {
  SetTithi(s, static_cast<int>(i) + 1);
}
void ByTaraVerdict(CalculationState& s, std::size_t i) {
  static const std::vector<std::string> verdicts = {"Unfavourable", "Favourable", "Very Favourable",
                                                    "Average"};
  s.TaraBalaVerdict = testing::StrengthWord(verdicts[i]);
}
void ByChandraVerdict(CalculationState& s, std::size_t i) {
  static const std::vector<std::string> verdicts = {"Unfavourable", "Favourable", "Average"};
  s.ChandraBalaVerdict = testing::StrengthWord(verdicts[i]);
}
// Birth in January, election in month i + 1: month differences 0..11.
void ByElectionMonth(CalculationState& s, std::size_t i) {
  s.Input.election.month = static_cast<std::int16_t>(i + 1);
}
void ByElectionMonthForGirl(CalculationState& s, std::size_t i) {
  s.Input.sex = "Female";
  ByElectionMonth(s, i);
}
void ByWeekdayInPunarvasu(CalculationState& s, std::size_t i) {
  s.ElectionChart.nakshatra = testing::NakshatraNamed("Punarvasu");
  s.Input.electionWeekday = testing::WeekdayOrNone(kWeekdays[i]);
}

void CheckSweep(const Sweep& sweep) {
  const Rite& rite = *sweep.rite;
  for (std::size_t i = 0; i < sweep.pattern.size(); ++i) {
    const char letter = sweep.pattern[i];
    SCOPED_TRACE(std::string(rite.subject) + ", factor " + std::to_string(sweep.index) +
                 ", entry " + std::to_string(i) + ", expected " + letter);
    Evaluated run{BaseState(), {}};
    sweep.set(run.state, i);
    Evaluate(rite, run);
    const Evaluation& result = run.state.Result;
    if (letter == 'S') {
      EXPECT_EQ(testing::Texts(result.FactorVerdicts),
                (std::vector<std::string>{"Favourable", ""}));
      continue;
    }
    const Expected expected = ExpectedFor(sweep, letter);
    ASSERT_EQ(result.FactorVerdicts.size(), static_cast<std::size_t>(rite.factorCount + 1));
    EXPECT_EQ(TextOf(result.FactorVerdicts[sweep.index]), expected.verdict);
    EXPECT_EQ(result.FactorPoints[sweep.index], expected.points);
    EXPECT_EQ(result.ReportFlags[sweep.slot], sweep.writesSelector ? expected.selector : 0);
    const int countedInBase = rite.baseUncounted.count(sweep.index) ? 0 : 1;
    EXPECT_EQ(result.FactorCount, rite.baseCount - countedInBase + (expected.counts ? 1 : 0));
  }
}

// Entries: Unfavourable, Favourable, Very Favourable, an unexpected text.
constexpr std::string_view kTaraPattern = "UFV-";
// Entries: Unfavourable, Favourable, an unexpected text (any other is favourable).
constexpr std::string_view kChandraPattern = "UFF";
// Weekdays Sunday..Saturday: Monday, Wednesday, Thursday, Friday favourable.
constexpr std::string_view kGentleWeekdays = "NFNFFFN";
// Yogas in table order: the nine inauspicious ones, Vaidhruthi last.
constexpr std::string_view kNineYogas = "UNNNNUNNUUNNUNUNUNUNNNNNNNU";
// Karanas in table order: only Visti.
constexpr std::string_view kVisti = "NNNNNNUNNNN";

static_assert(kNineYogas.size() == 27 && kVisti.size() == 11);

TEST(ChildhoodRites, StrengthFactorsOpenEveryRite) {
  for (const Rite* rite : kRites) {
    CheckSweep({rite, 0, "Tara Stength", "Unfavourable", TaraFlag, ByTaraVerdict, kTaraPattern});
    CheckSweep(
        {rite, 1, "Moon Stength", "Unfavourable", ChandraFlag, ByChandraVerdict, kChandraPattern});
  }
}

TEST(ChildhoodRites, Naming) {
  const std::vector<Sweep> sweeps = {
      // Nakshatras Ashwini..Revati; a neutral star selects the adverse report text.
      {&kNaming, 2, "Nakshatra", "", NakshatraFlag, ByName(kNakshatras, WithNakshatra),
       "FNNFFNFFNFNFFNFNFNNNFFFFNFF", 1},
      // Tithis 1..15 then 16..30: the Rikta tithis of both halves and the dark Ashtami.
      {&kNaming, 3, "Tithi", "Unavourable", TithiFlag, ByTithi,
       "NNNUNNNNUNNNNUN"
       "NNNUNNNUUNNNNUN"},
      {&kNaming, 4, "Day of Week", "", WeekdayFlag, ByName(kWeekdays, BoxWeekday), kGentleWeekdays},
      {&kNaming, 5, "Yoga", "Unavourable", YogaFlag, ByName(kYogas, WithYoga), kNineYogas},
      {&kNaming, 6, "Karana", "Unfavourable", KaranaFlag, ByName(kKaranas, WithKarana), kVisti},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

TEST(ChildhoodRites, Tonsuring) {
  const std::vector<Sweep> sweeps = {
      {&kTonsuring, 2, "Nakshatra", "", NakshatraFlag, ByName(kNakshatras, WithNakshatra),
       "FNNNFNFFNNNNFFFNNFNNNFFFNNF"},
      {&kTonsuring, 3, "Tithi", "Unavourable", TithiFlag, ByTithi,
       "NUUNUNUNNUUNUNN"
       "NUUNUNUNNUUNUNN"},
      {&kTonsuring, 4, "Day of Week", "", WeekdayFlag, ByName(kWeekdays, BoxWeekday),
       kGentleWeekdays},
      {&kTonsuring, 5, "Yoga", "Unavourable", YogaFlag, ByName(kYogas, WithYoga), kNineYogas},
      {&kTonsuring, 6, "Karana", "Unfavourable", KaranaFlag, ByName(kKaranas, WithKarana), kVisti},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

TEST(ChildhoodRites, EarPiercing) {
  const std::vector<Sweep> sweeps = {
      {&kEarPiercing, 2, "Nakshatra", "", NakshatraFlag, ByName(kNakshatras, WithNakshatra),
       "FNNNFNFFNNNNFFNNFNNNNFFNNNF"},
      // Rikta tithis and Amavashya neutral, dark Ashtami (23) unfavourable,
      // the bright Ashtami (8) favourable like every other tithi.
      {&kEarPiercing, 3, "Tithi", "Unavourable", TithiFlag, ByTithi,
       "FFFNFFFFNFFFFNF"
       "FFFNFFFUNFFFFNN"},
      {&kEarPiercing, 4, "Day of Week", "", WeekdayFlag, ByName(kWeekdays, BoxWeekday),
       kGentleWeekdays},
      {&kEarPiercing, 5, "Yoga", "Unavourable", YogaFlag, ByName(kYogas, WithYoga), kNineYogas},
      // Signs Mesha..Meena: Simha, Vrishcika (listed as "Vrischika"), Kumbha.
      {&kEarPiercing, 6, "Rashi", "Unfavourable", RashiFlag, ByName(kMoonSigns, MoonSign),
       "NNNNUNNUNNUN"},
      {&kEarPiercing, 7, "Karana", "Unfavourable", KaranaFlag, ByName(kKaranas, WithKarana),
       kVisti},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

TEST(ChildhoodRites, ThreadCeremony) {
  const std::vector<Sweep> sweeps = {
      {&kThreadCeremony, 2, "Nakshatra", "", NakshatraFlag, ByName(kNakshatras, WithNakshatra),
       "FNNFFNFFNNNFFFFNFNNNFFFFNFF"},
      // By number: bright 2 3 5 7 10 13 and dark 16 17 18 favourable; 4 8 9
      // 11 12 14 unfavourable; the dark half's namesakes of those stay neutral.
      {&kThreadCeremony, 3, "Tithi", "Unfavourable", TithiFlag, ByTithi,
       "NFFUFNFUUFUUFUN"
       "FFFNNNNNNNNNNNN"},
      {&kThreadCeremony, 4, "Day of Week", "Unfavourable", WeekdayFlag,
       ByName(kWeekdays, BoxWeekday), "NFUFFFN"},
      {&kThreadCeremony, 5, "Rashi", "", RashiFlag, ByName(kMoonSigns, MoonSign), "FFFFNFFNNNFN"},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

TEST(ChildhoodRites, FirstFeeding) {
  const std::vector<Sweep> sweeps = {
      {&kFirstFeeding, 2, "Nakshatra", "Unfavourable", NakshatraFlag,
       ByName(kNakshatras, WithNakshatra), "FUUNFUFFUNNFFFFNFUNUNFFFUNN"},
      {&kFirstFeeding, 3, "Tithi", "Unfavourable", TithiFlag, ByTithi,
       "NUUNUNUNNUNNUNU"
       "NUUNUNUNNUNNUNN"},
      {&kFirstFeeding, 4, "Day of Week", "", WeekdayFlag, ByName(kWeekdays, BoxWeekday),
       kGentleWeekdays},
      // Month differences 0..11: odd months 7, 9, 11 for a boy, even 6, 8, 10
      // for a girl; the month factor writes no report selector.
      {&kFirstFeeding, 5, "Month", "", MonthFlag, ByElectionMonth, "NNNNNNNFNFNF", 2, true, false},
      {&kFirstFeeding, 5, "Month", "", MonthFlag, ByElectionMonthForGirl, "NNNNNNFNFNFN", 2, true,
       false},
      // The same nine yogas as elsewhere, spelt "Unfavourable" in this rite.
      {&kFirstFeeding, 6, "Yoga", "Unfavourable", YogaFlag, ByName(kYogas, WithYoga), kNineYogas},
      {&kFirstFeeding, 7, "Karana", "Unfavourable", KaranaFlag, ByName(kKaranas, WithKarana),
       kVisti},
      {&kFirstFeeding, 8, "Rashi", "Unfavourable", RashiFlag, ByName(kMoonSigns, MoonSign),
       "UNNNNNNUNNNU"},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

TEST(ChildhoodRites, Education) {
  const std::vector<Sweep> sweeps = {
      // Ashwini takes the short path.
      {&kEducation, 2, "Nakshatra", "", NakshatraFlag, ByName(kNakshatras, WithNakshatra),
       "SNNFFFFFNNNFFFFFNNNNNFFFNNF"},
      {&kEducation, 3, "Tithi", "Unfavourable", TithiFlag, ByTithi,
       "NNNUNNNUUNNNNUU"
       "NNNNNNNNNNNNNNU"},
      // Moon in Moola: the gentle weekdays only neutral; Sunday writes nothing.
      {&kEducation, 4, "Day of Week", "Unfavourable", WeekdayFlag, ByName(kWeekdays, BoxWeekday),
       "-NUNNNU"},
      // Moon in Punarvasu, a star of learning: the gentle weekdays favourable.
      {&kEducation, 4, "Day of Week", "Unfavourable", WeekdayFlag, ByWeekdayInPunarvasu, "-FUFFFU"},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

TEST(ChildhoodRites, EducationWeekdayNeedsAStarOfLearning) {
  struct Case {
    std::string nakshatra;
    std::string weekday;
    std::string verdict;
  };
  const std::vector<Case> cases = {
      {"Ardra", "Monday", "Day of Week - Favourable"},
      {"Hasta", "Wednesday", "Day of Week - Favourable"},
      {"Chitra", "Thursday", "Day of Week - Favourable"},
      {"Shravana", "Friday", "Day of Week - Favourable"},
      {"Revati", "Monday", "Day of Week - Favourable"},
      // Favourable stars of the nakshatra factor outside the weekday's list.
      {"Pushya", "Monday", "Day of Week - Neutral"},
      {"Vishakha", "Friday", "Day of Week - Neutral"},
      // The unfavourable days win whatever the star.
      {"Punarvasu", "Saturday", "Day of Week - Unfavourable"},
      {"Revati", "Tuesday", "Day of Week - Unfavourable"},
      {"Revati", "Sunday", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nakshatra + " on " + c.weekday);
    Evaluated run{BaseState(), {}};
    All({WithNakshatra(c.nakshatra), BoxWeekday(c.weekday)})(run.state);
    Evaluate(kEducation, run);
    ASSERT_EQ(run.state.Result.FactorVerdicts.size(), 6u);
    EXPECT_EQ(TextOf(run.state.Result.FactorVerdicts[4]), c.verdict);
  }
}

TEST(ChildhoodRites, Adoption) {
  const std::vector<Sweep> sweeps = {
      // A neutral star does not count here.
      {&kAdoption, 2, "Nakshatra", "", NakshatraFlag, ByName(kNakshatras, WithNakshatra),
       "FNNNNNNFNNNNFFFFFNNNNFFNNNN", 2, false},
      {&kAdoption, 3, "Tithi", "", TithiFlag, ByTithi,
       "FFFNFNFNNFFNFNN"
       "NNNNNNNNNNNNNNN"},
      {&kAdoption, 4, "Day of Week", "", WeekdayFlag, ByName(kWeekdays, BoxWeekday), "FNFNFFN"},
  };
  for (const Sweep& sweep : sweeps) CheckSweep(sweep);
}

// --- First feeding: the month lists by sex, at their edges ---

TEST(ChildhoodRites, FirstFeedingMonthBySex) {
  struct Case {
    std::string sex;
    int birthMonth;
    int electionMonth;
    std::string verdict;
  };
  const std::vector<Case> cases = {
      {"Female", 1, 11, "Month - Favourable"},  // difference 10
      {"Male", 1, 11, "Month - Neutral"},
      {"Male", 2, 12, "Month - Neutral"},
      {"Male", 1, 12, "Month - Favourable"},  // 11
      {"", 1, 7, "Month - Favourable"},       // any sex but "Male" takes the even list
      {"male", 1, 8, "Month - Neutral"},      // exact text: "male" is not "Male"
      {"male", 1, 9, "Month - Favourable"},   // ... so the even list applies
      {"Female", 12, 2, "Month - Neutral"},   // -10: plain differences, not elapsed months
      {"Male", 10, 3, "Month - Neutral"},     // -7
      // Only a birth month left at 0 can give 12, which the even list still holds.
      {"Female", 0, 12, "Month - Favourable"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sex + " " + std::to_string(c.birthMonth) + " -> " +
                 std::to_string(c.electionMonth));
    Evaluated run{BaseState(), {}};
    All({Sex(c.sex), Months(c.birthMonth, c.electionMonth)})(run.state);
    Evaluate(kFirstFeeding, run);
    ASSERT_EQ(run.state.Result.FactorVerdicts.size(), 10u);
    EXPECT_EQ(TextOf(run.state.Result.FactorVerdicts[5]), c.verdict);
    EXPECT_EQ(run.state.Result.ReportFlags[MonthFlag], 0);
  }
}

// --- Short paths ---

TEST(ChildhoodRites, ShortPaths) {
  struct Case {
    const Rite* rite;
    std::string what;
    Setter set;
    int points;  // 0: the factors are evaluated
  };
  const std::vector<Case> cases = {
      // Naming: day difference 10 through 12, or 16.
      {&kNaming, "d = 9", Days(1, 10), 0},
      {&kNaming, "d = 10", Days(1, 11), 5},
      {&kNaming, "d = 11", Days(1, 12), 5},
      {&kNaming, "d = 12", Days(1, 13), 5},
      {&kNaming, "d = 13", Days(1, 14), 0},
      {&kNaming, "d = 15", Days(1, 16), 0},
      {&kNaming, "d = 16", Days(1, 17), 5},
      {&kNaming, "d = 17", Days(1, 18), 0},
      {&kNaming, "d = -10", Days(20, 10), 0},
      {&kNaming, "d = -16", Days(30, 14), 0},
      {&kNaming, "months and years do not matter", All({Months(1, 7), Years(2000, 2001)}), 0},
      {&kNaming, "whatever the strengths", All({Days(5, 21), Tara("Very Favourable")}), 5},
      // Ear piercing: d 10, 12 or 16; month difference 6 to 8; odd year difference.
      {&kEarPiercing, "d = 10", Days(1, 11), 6},
      {&kEarPiercing, "d = 11", Days(1, 12), 0},
      {&kEarPiercing, "d = 12", Days(1, 13), 6},
      {&kEarPiercing, "d = 15", Days(1, 16), 0},
      {&kEarPiercing, "d = 16", Days(1, 17), 6},
      {&kEarPiercing, "d = 17", Days(1, 18), 0},
      {&kEarPiercing, "d = -10", Days(20, 10), 0},
      {&kEarPiercing, "m = 5", Months(1, 6), 0},
      {&kEarPiercing, "m = 6", Months(1, 7), 6},
      {&kEarPiercing, "m = 7", Months(1, 8), 6},
      {&kEarPiercing, "m = 8", Months(1, 9), 6},
      {&kEarPiercing, "m = 9", Months(1, 10), 0},
      {&kEarPiercing, "m = -6", Months(12, 6), 0},
      {&kEarPiercing, "y = 1", Years(2000, 2001), 6},
      {&kEarPiercing, "y = 2", Years(2000, 2002), 0},
      {&kEarPiercing, "y = 3 (2001 to 2004)", Years(2001, 2004), 6},
      {&kEarPiercing, "y = 15", Years(1990, 2005), 6},
      {&kEarPiercing, "y = 20", Years(1985, 2005), 0},
      // Thread ceremony: year difference 5, 8, or above 20.
      {&kThreadCeremony, "y = 4", Years(2000, 2004), 0},
      {&kThreadCeremony, "y = 5", Years(2000, 2005), 4},
      {&kThreadCeremony, "y = 6", Years(2000, 2006), 0},
      {&kThreadCeremony, "y = 7", Years(2000, 2007), 0},
      {&kThreadCeremony, "y = 8", Years(2000, 2008), 4},
      {&kThreadCeremony, "y = 9", Years(2000, 2009), 0},
      {&kThreadCeremony, "y = 20", Years(2000, 2020), 0},
      {&kThreadCeremony, "y = 21", Years(2000, 2021), 4},
      {&kThreadCeremony, "y = 45", Years(1960, 2005), 4},
      {&kThreadCeremony, "days and months do not matter", All({Days(1, 17), Months(1, 7)}), 0},
      // Education: the Moon in Ashwini, whatever tarabala says.
      {&kEducation, "Ashwini", WithNakshatra("Ashwini"), 3},
      {&kEducation, "Ashwini, tara very favourable",
       All({WithNakshatra("Ashwini"), Tara("Very Favourable"), Chandra("Favourable")}), 3},
      {&kEducation, "Bharani", WithNakshatra("Bharani"), 0},
      // The other rites have no short path.
      {&kTonsuring, "dates that open other rites",
       All({Days(1, 17), Months(1, 7), Years(2000, 2021), WithNakshatra("Ashwini")}), 0},
      {&kFirstFeeding, "dates that open other rites",
       All({Days(1, 17), Months(1, 7), Years(2000, 2021), WithNakshatra("Ashwini")}), 0},
      {&kAdoption, "dates that open other rites",
       All({Days(1, 17), Months(1, 7), Years(2000, 2021), WithNakshatra("Ashwini")}), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rite->subject) + ": " + c.what);
    Evaluated run{BaseState(), {}};
    c.set(run.state);
    Evaluate(*c.rite, run);
    const Evaluation& result = run.state.Result;
    if (c.points == 0) {
      EXPECT_EQ(result.FactorVerdicts.size(), static_cast<std::size_t>(c.rite->factorCount + 1));
      continue;
    }
    EXPECT_EQ(testing::Texts(result.FactorVerdicts), (std::vector<std::string>{"Favourable", ""}));
    EXPECT_EQ(result.FactorPoints,
              (std::vector<std::int16_t>{static_cast<std::int16_t>(c.points), 0}));
    EXPECT_EQ(result.FactorCount, 1);
    EXPECT_EQ(result.TotalScore, c.points);
    // One is below every rite's average count: always "Bad", and no other
    // report section than the overall one.
    EXPECT_EQ(NameOf(result.ResultWord), "Bad");
    std::array<std::int16_t, kReportFlagCount> flags{};
    flags[ResultFlag] = 1;
    EXPECT_EQ(result.ReportFlags, flags);
  }
}

// --- Result word at the average count and on either side of it ---

TEST(ChildhoodRites, ResultWordAroundTheAverageCount) {
  struct Case {
    const Rite* rite;
    Setter set;
    int count;
    std::string word;
    int flag;
  };
  const Setter noChange = [](CalculationState&) {};
  const std::vector<Case> cases = {
      {&kNaming, WithKarana("Visti"), 4, "Good", 2},
      {&kNaming, All({WithKarana("Visti"), WithYoga("Vishkambha")}), 3, "Average", 3},
      {&kNaming, All({WithKarana("Visti"), WithYoga("Vishkambha"), WithTithi(4)}), 2, "Bad", 1},
      {&kTonsuring, WithKarana("Visti"), 4, "Good", 2},
      {&kTonsuring, All({WithKarana("Visti"), WithYoga("Ganda")}), 3, "Average", 3},
      {&kTonsuring, All({WithKarana("Visti"), WithYoga("Ganda"), WithTithi(2)}), 2, "Bad", 1},
      {&kEarPiercing, All({WithKarana("Visti"), WithYoga("Vajra")}), 4, "Good", 2},
      {&kEarPiercing, All({WithKarana("Visti"), WithYoga("Vajra"), MoonSign("Kumbha")}), 3,
       "Average", 3},
      {&kEarPiercing,
       All({WithKarana("Visti"), WithYoga("Vajra"), MoonSign("Kumbha"), WithTithi(23)}), 2, "Bad",
       1},
      // Nakshatra and rashi always count here: two is as low as the factors go.
      {&kThreadCeremony, WithTithi(4), 3, "Good", 2},
      {&kThreadCeremony, All({WithTithi(4), BoxWeekday("Tuesday")}), 2, "Average", 3},
      {&kFirstFeeding, All({WithKarana("Visti"), WithYoga("Parigha")}), 5, "Good", 2},
      {&kFirstFeeding, All({WithKarana("Visti"), WithYoga("Parigha"), MoonSign("Mesha")}), 4,
       "Average", 3},
      {&kFirstFeeding,
       All({WithKarana("Visti"), WithYoga("Parigha"), MoonSign("Mesha"), WithTithi(2)}), 3, "Bad",
       1},
      {&kEducation, BoxWeekday("Monday"), 3, "Good", 2},
      {&kEducation, noChange, 2, "Average", 3},
      {&kEducation, WithTithi(4), 1, "Bad", 1},
      // Tithi and weekday always count here: never below "Average".
      {&kAdoption, WithNakshatra("Hasta"), 3, "Good", 2},
      {&kAdoption, All({BoxWeekday("Monday"), WithTithi(4)}), 2, "Average", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.rite->subject) + ", count " + std::to_string(c.count));
    Evaluated run{BaseState(), {}};
    c.set(run.state);
    Evaluate(*c.rite, run);
    EXPECT_EQ(run.state.Result.FactorCount, c.count);
    EXPECT_EQ(NameOf(run.state.Result.ResultWord), c.word);
    EXPECT_EQ(run.state.Result.ReportFlags[ResultFlag], c.flag);
  }
}

// --- The result label, character for character ---

TEST(ChildhoodRites, ResultLabels) {
  struct Case {
    const Rite* rite;
    Setter set;
    std::string label;
  };
  const std::vector<Case> cases = {
      {&kNaming, All({Tara("Very Favourable"), Chandra("Favourable"), WithTithi(4)}),
       "Tara Stength - Very Favourable - 2 Point\r\n\r\n"
       "Moon Stength - Favourable - 1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Unavourable - -1 Point\r\n\r\n"
       "Day of Week - Neutral - 0 Point\r\n\r\n"
       "Yoga - Neutral - 0 Point\r\n\r\n"
       "Karana - Neutral - 0 Point\r\n\r\n"
       "Total Score - 2 Points\r\n\r\n"
       "Election: Good"},
      // The ear-piercing short path on the sixteenth day after the birth day.
      {&kEarPiercing, Days(3, 19),
       "Favourable - 6 Point\r\n\r\n"
       "Total Score - 6 Points\r\n\r\n"
       "Election: Bad"},
      // Education on a Sunday: the weekday line has no verdict.
      {&kEducation, [](CalculationState&) {},
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Unfavourable - -1 Point\r\n\r\n"
       "Nakshatra - Neutral - 0 Point\r\n\r\n"
       "Tithi - Neutral - 0 Point\r\n\r\n"
       " - 0 Point\r\n\r\n"
       "Total Score - -2 Points\r\n\r\n"
       "Election: Average"},
      {&kAdoption, All({WithNakshatra("Vishakha"), WithTithi(13), Chandra("Favourable")}),
       "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
       "Moon Stength - Favourable - 1 Point\r\n\r\n"
       "Nakshatra - Favourable - 1 Point\r\n\r\n"
       "Tithi - Favourable - 1 Point\r\n\r\n"
       "Day of Week - Favourable - 1 Point\r\n\r\n"
       "Total Score - 3 Points\r\n\r\n"
       "Election: Good"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rite->subject);
    Evaluated run{BaseState(), {}};
    c.set(run.state);
    Evaluate(*c.rite, run);
    EXPECT_EQ(ResultLabelOf(run.state.Result), c.label);
  }
}

TEST(ChildhoodRites, EducationSundayLeavesTheWeekdaySectionOut) {
  Evaluated run{BaseState(), {}};
  Evaluate(kEducation, run);
  EXPECT_EQ(TextOf(run.state.Result.FactorVerdicts[4]), "");
  EXPECT_EQ(run.state.Result.FactorPoints[4], 0);
  EXPECT_EQ(run.state.Result.ReportFlags[WeekdayFlag], 0);
  EXPECT_EQ(run.state.Result.ReportFlags[NakshatraFlag], 2);
  EXPECT_EQ(run.state.Result.ReportFlags[TithiFlag], 2);
}

// --- Year precondition ---

TEST(ChildhoodRites, ElectionYearBeforeBirthYearStopsEveryRite) {
  for (const Rite* rite : kRites) {
    SCOPED_TRACE(rite->subject);
    Evaluated run{BaseState(), {}};
    // Dates that would open a short path if the rite went on (odd year
    // difference, d = 16, Ashwini).
    All({Years(2000, 1999), Days(1, 17), WithNakshatra("Ashwini")})(run.state);
    // Leftovers of an earlier evaluation.
    ResultLabelOf(run.state.Result) = "Election: Good";
    run.state.Result.FactorVerdicts = {{Factor::Nakshatra, Word::Favourable}, {}};
    run.state.Result.FactorPoints = {1, 0};
    run.state.Result.FactorCount = 5;
    run.state.Result.TotalScore = 4;
    run.state.Result.ResultWord = Verdict::Good;
    run.state.Result.ReportFlags[NakshatraFlag] = 2;
    run.state.Result.ReportFlags[ResultFlag] = 2;

    Evaluate(*rite, run);

    EXPECT_EQ(run.report.text, "Your Electional Date is more than Your Birth Date. Please check.");
    ASSERT_EQ(run.report.insertions.size(), 1u);
    EXPECT_TRUE(run.report.insertions[0].bold);
    EXPECT_EQ(run.report.clears, 1);
    EXPECT_EQ(ResultLabelOf(run.state.Result), "");
    const Evaluation& result = run.state.Result;
    EXPECT_EQ(testing::Texts(result.FactorVerdicts),
              (std::vector<std::string>{"Nakshatra - Favourable", ""}));
    EXPECT_EQ(result.FactorPoints, (std::vector<std::int16_t>{1, 0}));
    EXPECT_EQ(result.FactorCount, 0);
    EXPECT_EQ(result.TotalScore, 0);
    EXPECT_EQ(NameOf(result.ResultWord), "");
    EXPECT_EQ(result.ReportFlags, (std::array<std::int16_t, kReportFlagCount>{}));
  }
}

TEST(ChildhoodRites, EarlierDateInTheBirthYearIsEvaluated) {
  for (const Rite* rite : kRites) {
    SCOPED_TRACE(rite->subject);
    Evaluated run{BaseState(), {}};
    All({Months(12, 1), Days(31, 1)})(run.state);
    Evaluate(*rite, run);
    EXPECT_EQ(testing::Texts(run.state.Result.FactorVerdicts), rite->baseVerdicts);
    EXPECT_NE(ResultLabelOf(run.state.Result).find("Election: "), std::string::npos);
  }
}

}  // namespace
}  // namespace horavela
