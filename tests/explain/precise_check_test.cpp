#include "explain/precise_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "explain/explanation.h"
#include "rules/charts.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::AshaAtNewDelhi;
using testing::InputAtMinute;

std::vector<std::string> CheckAt(const std::string& subject, const LocalMinute& minute) {
  const EvaluationInput input = InputAtMinute(AshaAtNewDelhi({subject}), minute);
  return PreciseCheckWarnings(input, input.election, SwissEphemeris());
}

// Moments a minute or less from a change of the program's element where
// Swiss Ephemeris already (or still) shows its neighbour, found by scanning
// March and August 2025 at New Delhi; the precise change lies at least 15
// seconds from each minute, the lagna's (which the two theories place within
// a second of each other) excepted.
struct DifferingRow {
  const char* subject;
  LocalMinute minute;
  std::vector<std::string> sentences;
};
const DifferingRow kDifferingRows[] = {
    {"Domestic Journey",
     {2025, 3, 6, 1, 9},
     {"Swiss Ephemeris puts the Moon in Rohini, not Krittika; with Rohini the result would read "
      "Good (total 6)."}},
    // The verdict word itself changes.
    {"Lending Money",
     {2025, 3, 5, 2, 38},
     {"Swiss Ephemeris puts the Moon in Krittika, not Bharani; with Krittika the result would "
      "read Average (total -3)."}},
    {"Domestic Journey",
     {2025, 3, 5, 8, 14},
     {"Swiss Ephemeris puts the Moon in Vrishabha, not Mesha; with Vrishabha the result would "
      "read Good (total 3)."}},
    // A tithi's end is also a karana's: both sentences give the whole precise chart's verdict.
    {"Domestic Journey",
     {2025, 8, 21, 12, 45},
     {"Swiss Ephemeris gives the tithi Triodasi, not Chaturdasi; with Triodasi and Vanija the "
      "result would read Good (total 8).",
      "Swiss Ephemeris gives the karana Vanija, not Visti; with Triodasi and Vanija the result "
      "would read Good (total 8)."}},
    {"Domestic Journey",
     {2025, 3, 2, 12, 38},
     {"Swiss Ephemeris gives the yoga Subha, not Sukla; with Subha the result would still read "
      "Good (total 3)."}},
    {"Domestic Journey",
     {2025, 3, 7, 10, 5},
     {"Swiss Ephemeris puts the lagna in Vrishabha, not Mesha; with Vrishabha the result would "
      "read Good (total 3)."}},
};

TEST(PreciseCheck, NamesEachElementThePreciseEphemerisNamesOtherwise) {
  for (const DifferingRow& row : kDifferingRows)
    EXPECT_EQ(CheckAt(row.subject, row.minute), row.sentences)
        << row.subject << " " << FormatLocalMinute(row.minute);
}

TEST(PreciseCheck, TheExplanationCarriesTheSentences) {
  const DifferingRow& row = kDifferingRows[0];
  const Explanation explanation =
      ExplainMoment(InputAtMinute(AshaAtNewDelhi({row.subject}), row.minute), {}, SwissEphemeris());
  for (const std::string& sentence : row.sentences)
    EXPECT_NE(std::find(explanation.warnings.begin(), explanation.warnings.end(), sentence),
              explanation.warnings.end())
        << sentence;
}

// With Swiss Ephemeris in use the check turns round: at the same minutes the
// program's own ephemeris is named, with the elements exchanged.
struct TurnedRow {
  LocalMinute minute;
  std::vector<std::string> openings;  // each sentence up to its verdict
};
const TurnedRow kTurnedRows[] = {
    {{2025, 3, 6, 1, 9}, {"The program's own ephemeris puts the Moon in Krittika, not Rohini"}},
    {{2025, 8, 21, 12, 45},
     {"The program's own ephemeris gives the tithi Chaturdasi, not Triodasi",
      "The program's own ephemeris gives the karana Visti, not Vanija"}},
    {{2025, 3, 2, 12, 38}, {"The program's own ephemeris gives the yoga Sukla, not Subha"}},
    {{2025, 3, 7, 10, 5}, {"The program's own ephemeris puts the lagna in Mesha, not Vrishabha"}},
};

TEST(PreciseCheck, WithSwissEphemerisInUseTheProgramsOwnIsChecked) {
  for (const TurnedRow& row : kTurnedRows) {
    EvaluationInput input = InputAtMinute(AshaAtNewDelhi({"Domestic Journey"}), row.minute);
    input.settings.ephemeris = EphemerisSource::Swiss;
    std::vector<std::string> openings;
    for (const std::string& sentence :
         PreciseCheckWarnings(input, input.election, SwissEphemeris()))
      openings.push_back(sentence.substr(0, sentence.find(';')));
    EXPECT_EQ(openings, row.openings) << FormatLocalMinute(row.minute);
  }
}

// A weekday picked by hand counts in the precise chart's verdict as in
// evaluate's. A minute on, the program's own chart has moved to the precise
// chart's nakshatra with nothing else changed: its verdict is the one the
// sentence must give, on the civil weekday and on a picked one alike.
TEST(PreciseCheck, ThePreciseVerdictCountsThePickedWeekday) {
  const DifferingRow& row = kDifferingRows[0];  // Krittika to Rohini on a Thursday
  for (const char* weekday : {"Thursday", "Tuesday", "Saturday"}) {
    EvaluationInput input = InputAtMinute(AshaAtNewDelhi({row.subject}), row.minute);
    input.electionWeekday = WeekdayNamed(weekday).value_or(Weekday::None);
    EvaluationInput later = input;
    ++later.election.minute;
    const Evaluation expected = EvaluatedState(later, SwissEphemeris()).Result;
    const std::vector<std::string> sentences =
        PreciseCheckWarnings(input, input.election, SwissEphemeris());
    ASSERT_EQ(sentences.size(), 1u) << weekday;
    EXPECT_NE(sentences[0].find("read " + std::string(NameOf(expected.ResultWord)) + " (total " +
                                std::to_string(expected.TotalScore) + ")"),
              std::string::npos)
        << weekday << ": " << sentences[0];
  }
}

// Far from every element's change the two agree and nothing is said.
TEST(PreciseCheck, AMomentInTheMiddleOfEveryElementGivesNoSentence) {
  const std::string subject = "Domestic Journey";
  const LocalMinute moment{2025, 3, 4, 9, 40};
  const Explanation explanation =
      ExplainMoment(InputAtMinute(AshaAtNewDelhi({subject}), moment), {}, SwissEphemeris());
  const std::int64_t at = MinuteIndex(moment);
  for (const ElementSpan& element : explanation.elements) {
    ASSERT_TRUE(element.began && element.ends) << element.element;
    EXPECT_GE(at - MinuteIndex(*element.began), 20) << element.element;
    EXPECT_GE(MinuteIndex(*element.ends) - at, 20) << element.element;
  }
  EXPECT_TRUE(CheckAt(subject, moment).empty());
  for (const std::string& warning : explanation.warnings)
    EXPECT_EQ(warning.find("Swiss Ephemeris"), std::string::npos) << warning;
}

// Apparent tropical longitudes at New Delhi (28N37 77E13) from an independent
// ephemeris (astronomy-engine 2: EclipticGeoMoon, SunPosition, and the
// ascendant from its apparent sidereal time and true obliquity), derived
// offline. A minute of universal against dynamical time moves the Moon by
// 0.01 degree and the ascendant by a quarter of a degree.
struct GoldenRow {
  LocalMinute minute;  // Indian time
  double moon;
  double sun;
  double ascendant;
};
const GoldenRow kGoldenRows[] = {
    {{2025, 3, 6, 1, 9}, 64.21541, 345.48118, 254.06686},
    {{2025, 8, 21, 12, 45}, 124.49926, 148.50174, 236.99555},
    {{1995, 8, 14, 5, 40}, 3.05382, 140.76532, 137.91208},
    {{2025, 12, 13, 14, 1}, 188.36635, 261.57944, 24.22198},
};
constexpr double kMoonTolerance = 0.003;
constexpr double kSunTolerance = 0.001;
constexpr double kAscendantTolerance = 0.0002;

// The election state of `minute` at New Delhi, the charts computed.
CalculationState ChartsAt(const LocalMinute& minute) {
  CalculationState state;
  state.Input = InputAtMinute(AshaAtNewDelhi({"Domestic Journey"}), minute);
  ComputeCharts(state, SwissEphemeris());
  return state;
}

double Difference(double a, double b) {
  return std::remainder(a - b, 360.0);
}

TEST(PreciseCheck, PositionsAgreeWithAnIndependentEphemeris) {
  for (const GoldenRow& row : kGoldenRows) {
    const TimeBase& time = ChartsAt(row.minute).ElectionMoment.Time;
    const std::optional<PrecisePositions> positions =
        PrecisePositionsAt(UniversalJulianDay(time), time.GeoLatitude, -time.GeoLongitude);
    ASSERT_TRUE(positions) << FormatLocalMinute(row.minute);
    EXPECT_NEAR(Difference(positions->moon, row.moon), 0, kMoonTolerance);
    EXPECT_NEAR(Difference(positions->sun, row.sun), 0, kSunTolerance);
    EXPECT_NEAR(Difference(positions->ascendant, row.ascendant), 0, kAscendantTolerance);
  }
}

// The Moon is made sidereal with the Moon's J2000 ayanamsa and the lagna with
// the ascendant's 1900 one (they differ by some 0.0006 degree).
TEST(PreciseCheck, EachElementTakesItsOwnTheorysAyanamsa) {
  for (const GoldenRow& row : kGoldenRows) {
    CalculationState state = ChartsAt(row.minute);
    const TimeBase& time = state.ElectionMoment.Time;
    SubstitutePreciseElements(
        state, *PrecisePositionsAt(UniversalJulianDay(time), time.GeoLatitude, -time.GeoLongitude));
    const MomentSnapshot& moment = state.ElectionMoment;
    EXPECT_NEAR(Difference(moment.Moon.MoonLongitude, row.moon + moment.Moon.Ayanamsa), 0,
                kMoonTolerance);
    EXPECT_NEAR(
        Difference(moment.Ascendant.AscendantLongitude, row.ascendant + moment.Ascendant.Ayanamsa),
        0, kAscendantTolerance);
  }
}

}  // namespace
}  // namespace horavela
