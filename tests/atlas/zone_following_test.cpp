// A search at a place that follows America/New_York across both changes of
// the clocks in 2024: the skipped hour is not searched, the repeated hour in
// both its runs (each real minute once), and each window judges what the driver judges at its
// minutes on the zone in force then, which is what choosing the window evaluates.
#include "atlas/zone_following.h"
#include "support/chart_values.h"

#include <gtest/gtest.h>

#include <vector>

#include "calendar/civil_calendar.h"
#include "judge/calculation_driver.h"
#include "report/null_sink.h"
#include "rules/subjects.h"
#include "support/search_request.h"

namespace horavela {
namespace {

TimeZoneRules NewYork() {
  Result<TimeZoneRules> rules = TimeZoneRules::Load("America/New_York");
  if (!rules) throw std::runtime_error(rules.error().message);
  return std::move(*rules);
}

// The driver's evaluation of `minute`, with the captions the zone gives it
// (in the run the minute names, where the clocks repeat it).
CalculationState EvaluateAt(const SearchRequest& request, const TimeZoneRules& zone,
                            const LocalMinute& minute) {
  const LocalTimeOffsets local =
      zone.AtLocal(minute.year, minute.month, minute.day, minute.hour, minute.minute);
  const bool second = minute.repeated && minute.repeated->second;
  const ZoneCaptions captions = CaptionsForOffset(second ? local.other : local.offset);
  EvaluationInput input = testing::InputAtMinute(request, minute);
  input.election.place.zoneHours = captions.hours;
  input.election.place.zoneMinutes = captions.minutes;
  input.election.place.dst = captions.dst;
  NullSink sink;
  return RunEvaluation(input, sink, SwissEphemeris());
}

struct Change {
  const char* what;
  LocalMinute from, to;
  std::int64_t realMinutes;  // the minutes that passed from `from` to `to`
  LocalMinute nearChange;    // judged as well, inside its window
};

TEST(ZoneFollowing, TheFinderSearchesEachRealMinuteOnceOnItsOwnZone) {
  const TimeZoneRules zone = NewYork();
  const Change changes[] = {
      {"spring", {2024, 3, 9, 20, 0}, {2024, 3, 10, 8, 0}, 12 * 60 + 1 - 60, {2024, 3, 10, 3, 0}},
      {"autumn", {2024, 11, 2, 20, 0}, {2024, 11, 3, 8, 0}, 13 * 60 + 1, {2024, 11, 3, 1, 30}},
  };
  for (const Change& change : changes) {
    SearchRequest request = testing::AshaAtNewDelhi(AllSubjectTexts());
    request.place.latitudeDegrees = 40;
    request.place.longitudeDegrees = 74;
    request.place.east = false;
    request.zone = Follow(zone);
    request.from = change.from;
    request.to = change.to;
    request.minResult = "Bad";  // every minute searched is in a window
    const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris());
    EXPECT_EQ(result.minutesScanned, change.realMinutes) << change.what;

    std::int64_t listed = 0;
    for (const SearchWindow& window : result.windows) {
      listed += window.minutes;
      // A window may run across the gap, but its edges are minutes that exist.
      for (const LocalMinute& minute : {window.first, window.last}) {
        ASSERT_NE(
            zone.AtLocal(minute.year, minute.month, minute.day, minute.hour, minute.minute).kind,
            LocalTimeKind::Skipped)
            << change.what << " " << FormatLocalMinute(minute);
      }
      SearchRequest one = request;
      one.subjects = {window.subject};
      std::vector<LocalMinute> judged{window.first, window.last};
      if (window.first <= change.nearChange && change.nearChange <= window.last)
        judged.push_back(change.nearChange);
      for (const LocalMinute& minute : judged) {
        const CalculationState state = EvaluateAt(one, zone, minute);
        EXPECT_EQ(state.Result.FactorVerdicts, window.evaluation().FactorVerdicts)
            << change.what << " " << window.subject << " " << FormatLocalMinute(minute);
        EXPECT_EQ(state.Result.TotalScore, window.evaluation().TotalScore);
        EXPECT_EQ(ResultLabelOf(state.Result), window.resultLabel());
      }
    }
    // Windows never overlap: each real minute is listed once a subject.
    EXPECT_EQ(listed, change.realMinutes * static_cast<std::int64_t>(request.subjects.size()))
        << change.what;
  }
}

}  // namespace
}  // namespace horavela
