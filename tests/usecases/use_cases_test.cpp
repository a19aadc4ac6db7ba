#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "atlas/tzif_file_builder.h"
#include "report/null_sink.h"
#include "support/moments_and_places.h"
#include "support/search_request.h"
#include "usecases/evaluate.h"
#include "usecases/search.h"

namespace horavela {
namespace {

// Asha's marriage at New Delhi on 14 February 2025 at 10:30 Indian time
// (05:00 UTC), for a birth given on its own clock.
EvaluationInput MarriageWithBirth(int year, int month, int day, int hour, int minute, int zoneHours,
                                  int zoneMinutes) {
  using namespace testing;
  return Asha("Marriage")
      .BornAt(On(year, month, day)
                  .At(hour, minute)
                  .In(Place().North(9, 55).East(78, 7).Zone(zoneHours, zoneMinutes)))
      .ElectedAt(On(2025, 2, 14).At(10, 30).In(NewDelhi()));
}

// The core's steps with an explanation that costs nothing: the use case's
// own decisions are under test, not the explanation's search.
EvaluationSteps QuickSteps() {
  EvaluationSteps steps = CoreEvaluationSteps();
  steps.explain = [](const EvaluationInput&, const FollowedZone&) { return Explanation{}; };
  return steps;
}

constexpr char kLate[] =
    "the birth at 10:31 on 14 February 2025 is later than the election moment at 10:30 on 14 "
    "February 2025";

// The desktop refuses a birth after the election, evaluate answers with a
// warning; the moments are compared in universal time, not on their clocks.
TEST(EvaluateUseCase, BirthAfterTheElectionIsRefusedOrWarnedOf) {
  struct Row {
    const char* what;
    EvaluationInput input;
    LateBirth policy;
    std::string problem;  // "path: message", or empty
    std::string warning;  // the explanation's last warning, or empty
  };
  EvaluationInput outOfRange = MarriageWithBirth(2025, 2, 14, 10, 31, -5, -30);
  outOfRange.birth.place.latitudeDegrees = 91;
  const Row rows[] = {
      {"born long before", MarriageWithBirth(1995, 8, 14, 5, 40, -5, -30), LateBirth::kRefuse, "",
       ""},
      {"born in the election minute", MarriageWithBirth(2025, 2, 14, 10, 30, -5, -30),
       LateBirth::kRefuse, "", ""},
      {"a minute later, desktop", MarriageWithBirth(2025, 2, 14, 10, 31, -5, -30),
       LateBirth::kRefuse, std::string("birth: ") + kLate, ""},
      {"a minute later, evaluate", MarriageWithBirth(2025, 2, 14, 10, 31, -5, -30),
       LateBirth::kWarn, "",
       "The birth at 10:31 on 14 February 2025 is later than the election moment at 10:30 on 14 "
       "February 2025; the rule sets compare the years alone."},
      {"earlier on the clock, later in UTC (07:00 at Greenwich)",
       MarriageWithBirth(2025, 2, 14, 7, 0, 0, 0), LateBirth::kRefuse,
       "birth: the birth at 07:00 on 14 February 2025 is later than the election moment at 10:30 "
       "on 14 February 2025",
       ""},
      {"later on the clock, earlier in UTC (11:00 in Tokyo)",
       MarriageWithBirth(2025, 2, 14, 11, 0, -9, 0), LateBirth::kRefuse, "", ""},
      {"input checks come first", outOfRange, LateBirth::kWarn,
       "birth.latitude.degrees: must be between 0 and 90", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    NullSink report;
    const Result<Evaluated> evaluated =
        Evaluate({row.input, {}, row.policy, true, false}, report, QuickSteps());
    if (!row.problem.empty()) {
      ASSERT_FALSE(evaluated.has_value());
      EXPECT_EQ(ProblemText(evaluated.error()), row.problem);
      continue;
    }
    ASSERT_TRUE(evaluated.has_value()) << ProblemText(evaluated.error());
    EXPECT_TRUE(evaluated->ruleSetRan);
    ASSERT_TRUE(evaluated->explanation.has_value());
    const std::vector<std::string>& warnings = evaluated->explanation->warnings;
    EXPECT_EQ(warnings.empty() ? "" : warnings.back(), row.warning);
  }
}

// A failed explanation leaves the verdict and its report standing; one not
// asked for is not made.
TEST(EvaluateUseCase, TheVerdictStandsWithoutItsExplanation) {
  const EvaluationInput input = MarriageWithBirth(1995, 8, 14, 5, 40, -5, -30);
  EvaluationSteps failing = QuickSteps();
  int explained = 0;
  failing.explain = [&explained](const EvaluationInput&, const FollowedZone&) -> Explanation {
    ++explained;
    throw std::runtime_error("no runs around the moment");
  };
  NullSink report;
  const Result<Evaluated> unexplained =
      Evaluate({input, {}, LateBirth::kRefuse, false, false}, report, failing);
  ASSERT_TRUE(unexplained.has_value());
  EXPECT_EQ(explained, 0);
  EXPECT_FALSE(unexplained->explanation.has_value());

  const Result<Evaluated> failed =
      Evaluate({input, {}, LateBirth::kRefuse, true, true}, report, failing);
  ASSERT_TRUE(failed.has_value());
  EXPECT_EQ(explained, 1);
  EXPECT_EQ(failed->explanation.error().message, "no runs around the moment");
  EXPECT_TRUE(failed->ruleSetRan);
  EXPECT_NE(failed->state.Result.ResultWord, Verdict::None);
}

// One evaluation per person: the partner's is the evaluation of the partner
// alone; a partner's fault is named for the partner before anything is
// computed, a late partner refused even where the person's late birth is not.
TEST(EvaluateUseCase, ForTwoEachPersonIsEvaluatedAsIfAlone) {
  const EvaluationInput input = MarriageWithBirth(1995, 8, 14, 5, 40, -5, -30);
  const Partner ravi{"Ravi", "Male", testing::On(1987, 11, 9).At(1, 15).In(testing::Madurai())};
  struct Row {
    const char* what;
    Partner partner;
    std::string problem;  // empty: evaluated
  };
  Partner unknownSex = ravi;
  unknownSex.sex = "Other";
  Partner late = ravi;
  late.birth.year = 2026;
  const Row rows[] = {
      {"Ravi", ravi, ""},
      {"unknown sex", unknownSex, "partner.sex: must be \"Male\" or \"Female\", not \"Other\""},
      {"born after the election", late,
       "partner.birth: the birth at 01:15 on 9 November 2026 is later than the election moment "
       "at 10:30 on 14 February 2025"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    NullSink report;
    NullSink partnerReport;
    const Result<Evaluated> both = EvaluateForTwo({input, {}, LateBirth::kWarn, false, false},
                                                  row.partner, report, partnerReport);
    if (!row.problem.empty()) {
      ASSERT_FALSE(both.has_value());
      EXPECT_EQ(ProblemText(both.error()), row.problem);
      continue;
    }
    ASSERT_TRUE(both.has_value()) << ProblemText(both.error());
    const Result<Evaluated> asha = Evaluate({input, {}, LateBirth::kRefuse, false, false}, report);
    const Result<Evaluated> alone =
        Evaluate({PartnersInput(input, row.partner), {}, LateBirth::kRefuse, false, false}, report);
    ASSERT_TRUE(both->partner && asha && alone);
    EXPECT_TRUE(both->partner->ruleSetRan);
    EXPECT_EQ(both->state.Result.FactorPoints, asha->state.Result.FactorPoints);
    EXPECT_EQ(both->partner->state.Result.FactorPoints, alone->state.Result.FactorPoints);
    EXPECT_EQ(both->partner->state.Result.ResultWord, alone->state.Result.ResultWord);
    EXPECT_NE(both->partner->state.Result.FactorPoints, asha->state.Result.FactorPoints);
  }
}

// A zone a whole number of hours east of Greenwich all year.
Result<TimeZoneRules> FixedZone(const char* name, int hoursEast) {
  const std::string abbreviation = (hoursEast < 10 ? "+0" : "+") + std::to_string(hoursEast);
  testing_tzif::TzifLayout layout;
  layout.types = {{hoursEast * 3600, 0, 0}};
  layout.abbreviations = abbreviation + std::string(1, '\0');
  layout.footer = "<" + abbreviation + ">-" + std::to_string(hoursEast);
  return TimeZoneRules::FromTzif(name, testing_tzif::TzifBytes(layout));
}

// The search's checks in their order, each named by its field: the request,
// the zone at both ends of the range, the captions' signs, the birth.
TEST(PrepareSearchUseCase, ChecksInTheirOrder) {
  const Result<TimeZoneRules> near = FixedZone("Test/Near", 5);
  const Result<TimeZoneRules> far = FixedZone("Test/Far", 20);
  ASSERT_TRUE(near && far);
  struct Row {
    const char* what;
    SearchEntries entries;
    const char* problem;  // "path: message", or empty
  };
  const auto entries = [](auto change) {
    SearchEntries e;
    e.request = testing::AshaAtNewDelhi({"Marriage"});
    e.request.to = {2025, 1, 31, 23, 59};
    change(e);
    return e;
  };
  const Row rows[] = {
      {"captions as typed", entries([](SearchEntries&) {}), ""},
      {"a zone followed", entries([&](SearchEntries& e) { e.request.zone = Follow(*near); }), ""},
      {"a zone 20 hours east", entries([&](SearchEntries& e) { e.request.zone = Follow(*far); }),
       "place.tz: Test/Far gives UTC+20:00 at 00:00 on 1 January 2025, but place.zone.hours must "
       "be between -14 and 14"},
      {"the request before the zone", entries([&](SearchEntries& e) {
         e.request.zone = Follow(*far);
         e.request.subjects = {"Marriages"};
       }),
       "subject: unknown subject \"Marriages\" (horavela-cli subjects lists them)"},
      {"signs of a typed zone, when asked", entries([](SearchEntries& e) {
         e.request.birth.place.zoneMinutes = 30;
         e.zoneSignsChecked = true;
       }),
       "birth.zone: hours -5 and minutes 30 must have the same sign (Indian Time is -5 and -30, "
       "west positive)"},
      {"signs as the desktop takes them",
       entries([](SearchEntries& e) { e.request.birth.place.zoneMinutes = 30; }), ""},
      {"a range that ends before the birth", entries([](SearchEntries& e) {
         e.request.from = {1995, 8, 1, 0, 0};
         e.request.to = {1995, 8, 14, 5, 38};
       }),
       "to: the range ends at 05:38 on 14 August 1995, before the birth at 05:40 on 14 August "
       "1995"},
      {"the zone's signs before the birth", entries([](SearchEntries& e) {
         e.request.to = {1995, 8, 14, 5, 38};
         e.request.from = {1995, 8, 1, 0, 0};
         e.request.place.zoneMinutes = 30;
         e.zoneSignsChecked = true;
       }),
       "place.zone: hours -5 and minutes 30 must have the same sign (Indian Time is -5 and -30, "
       "west positive)"},
      {"a zone the front end cannot resolve", entries([](SearchEntries& e) {
         e.resolveZone = [](SearchRequest&) -> Result<void> {
           return Unexpected(Problem{"place.tz", "no zone \"Mars/Olympus\""});
         };
       }),
       "place.tz: no zone \"Mars/Olympus\""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const bool zoned = static_cast<bool>(row.entries.request.zone);
    const Result<PreparedSearch> prepared = PrepareSearch(row.entries);
    if (std::string(row.problem).empty()) {
      ASSERT_TRUE(prepared.has_value()) << ProblemText(prepared.error());
      EXPECT_EQ(static_cast<bool>(prepared->request.zone), zoned);
    } else {
      ASSERT_FALSE(prepared.has_value());
      EXPECT_EQ(ProblemText(prepared.error()), row.problem);
    }
  }
}

// With kalams to leave out, their minutes take the first half of the bar.
TEST(RunSearchUseCase, KalamsTakeTheFirstHalfOfTheProgress) {
  SearchEntries entries;
  entries.request = testing::AshaAtNewDelhi({"Marriage"});
  entries.request.to = {2025, 1, 3, 23, 59};
  entries.avoid = {Kalam::RahuKalam};
  const Result<PreparedSearch> prepared = PrepareSearch(entries);
  ASSERT_TRUE(prepared.has_value());
  std::vector<double> fractions;
  SearchControl control;
  control.threads = 1;
  control.progress = [&fractions](double fraction) { fractions.push_back(fraction); };
  RunSearch(*prepared, SwissEphemeris(), control);
  ASSERT_FALSE(fractions.empty());
  EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
  EXPECT_LT(fractions.front(), 0.5);
  EXPECT_GT(fractions.back(), 0.5);
  EXPECT_LE(fractions.back(), 1.0);
}

}  // namespace
}  // namespace horavela
