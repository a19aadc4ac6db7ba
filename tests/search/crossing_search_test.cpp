// The one crossing search: on a key whose changes are known exactly, and on
// the chart's elements and the planets' signs, whose changes the driver's
// chart and published times give minute by minute.
#include "search/crossing_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "atlas/place_clock.h"
#include "atlas/zone_following.h"
#include "engine/planet_ephemeris.h"
#include "rules/charts.h"
#include "search/minute_judge.h"
#include "support/search_request.h"

namespace horavela {
namespace {

// A quantity growing at `rate` a minute from `start`, folded into `turn`
// where it wraps, read on a grid of `grid`: its key changes at the first
// minute whose quantity reaches the next grid line, which is known exactly.
struct Ramp {
  const char* what;
  double start;
  double rate;
  double grid;
  double turn;  // 0: never wraps
  std::int64_t span;
  bool guided;
};
const Ramp kRamps[] = {
    {"slow, guided", 0.3, 0.01, 1, 0, 500, true},
    {"slow, halved", 0.3, 0.01, 1, 0, 500, false},
    {"wrapping, guided", 350, 0.25, 12, 360, 40, true},
    {"every bracket's first minute", 0.999, 0.05, 1, 0, 20, true},
    {"a change at each span's end", 0, 0.1, 2, 0, 20, false},
};

double QuantityAt(const Ramp& ramp, std::int64_t minute) {
  const double q = ramp.start + ramp.rate * static_cast<double>(minute);
  return ramp.turn > 0 ? std::fmod(q, ramp.turn) : q;
}

TEST(Crossings, FindEveryChangeOfAKeyToTheMinuteWithBothSamples) {
  struct Sample {
    std::int64_t key;
    double quantity;
  };
  for (const Ramp& ramp : kRamps) {
    SCOPED_TRACE(ramp.what);
    constexpr std::int64_t kLast = 3000;
    auto sampleAt = [&](std::int64_t minute) {
      const double q = QuantityAt(ramp, minute);
      return Sample{static_cast<std::int64_t>(std::floor(q / ramp.grid)), q};
    };
    auto same = [](const Sample& a, const Sample& b) { return a.key == b.key; };
    auto fraction = [&](const Sample& low, const Sample& high) {
      if (!ramp.guided) return std::numeric_limits<double>::quiet_NaN();
      double upper = high.quantity;
      if (ramp.turn > 0 && upper < low.quantity) upper += ramp.turn;
      return (NextOnGrid(low.quantity, ramp.grid) - low.quantity) / (upper - low.quantity);
    };
    std::vector<std::int64_t> expected;
    for (std::int64_t minute = 1; minute <= kLast; ++minute)
      if (sampleAt(minute).key != sampleAt(minute - 1).key) expected.push_back(minute);
    ASSERT_FALSE(expected.empty());

    const std::vector<Crossing<Sample>> found =
        Crossings<Sample>(0, kLast, ramp.span, sampleAt, same, fraction);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].minute, expected[i]);
      EXPECT_EQ(found[i].before.key, sampleAt(expected[i] - 1).key);
      EXPECT_EQ(found[i].after.key, sampleAt(expected[i]).key);
    }
  }
}

ZoneProvider Follow(const char* zone) {
  std::string error;
  const std::optional<TimeZoneRules> rules = TimeZoneRules::Load(zone, &error);
  if (!rules) throw std::runtime_error(error);
  return ZoneMinuteByMinute(*rules);
}

// Changes of the chart's elements on days the clocks change: each change the
// judge finds is where the driver's chart of the moment changes the element's
// name, and the driver's chart shows no other change over the stretch.
struct KnownChange {
  const char* what;
  ChartElement element;
  const char* zone;  // followed minute by minute; null: New Delhi's captions
  int latitude;
  int longitude;  // east positive
  LocalMinute from;
  int hours;
};
const KnownChange kKnownChanges[] = {
    {"nakshatra pada at New Delhi",
     ChartElement::kNakshatraPada,
     nullptr,
     28,
     77,
     {2025, 2, 14, 0, 0},
     24},
    {"tithi as New York falls back",
     ChartElement::kTithi,
     "America/New_York",
     40,
     -74,
     {2024, 11, 2, 12, 0},
     30},
    {"karana as New York falls back",
     ChartElement::kKarana,
     "America/New_York",
     40,
     -74,
     {2024, 11, 2, 12, 0},
     30},
    {"yoga as Sydney springs forward",
     ChartElement::kYoga,
     "Australia/Sydney",
     -33,
     151,
     {2024, 10, 6, 0, 0},
     24},
    {"Moon sign as London springs forward",
     ChartElement::kMoonSign,
     "Europe/London",
     51,
     0,
     {2025, 3, 29, 12, 0},
     36},
    {"lagna as London springs forward",
     ChartElement::kLagna,
     "Europe/London",
     51,
     0,
     {2025, 3, 30, 0, 0},
     6},
};

std::string NameAt(MinuteJudge& judge, std::int64_t minute, ChartElement element) {
  CalculationState state;
  state.Input.election = judge.EntryAt(minute);
  ComputeElectionChart(state);
  const std::string& name = state.ElectionChart[FactsOf(element).slot];
  if (element != ChartElement::kNakshatraPada) return name;
  return name + " " + std::to_string(PadaIndex(state.Moon.MoonLongitude) % 4);
}

TEST(CrossingSearch, ElementChangesAreWhereTheDriversChartChanges) {
  for (const KnownChange& row : kKnownChanges) {
    SCOPED_TRACE(row.what);
    SearchRequest request = testing::AshaAtNewDelhi({"Marriage"});
    request.place.latitudeDegrees = static_cast<std::int16_t>(std::abs(row.latitude));
    request.place.north = row.latitude >= 0;
    request.place.longitudeDegrees = static_cast<std::int16_t>(std::abs(row.longitude));
    request.place.east = row.longitude >= 0;
    if (row.zone) request.zoneAt = Follow(row.zone);
    const CalculationState birth = MinuteJudge::BirthState(request);
    MinuteJudge judge(request, birth, SwissEphemeris());
    const std::int64_t first = judge.clock().UniversalOf(row.from, PlaceClock::Run::First);
    const std::int64_t last = first + row.hours * 60;

    std::vector<std::int64_t> expected;
    std::string name = NameAt(judge, first, row.element);
    for (std::int64_t minute = first + 1; minute <= last; ++minute) {
      std::string now = NameAt(judge, minute, row.element);
      if (now != name) expected.push_back(minute);
      name = std::move(now);
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(judge.ElementChanges(first, last, row.element), expected);
  }
}

// The Sun enters sidereal Capricorn (Makara Sankranti) at 09:03 Indian time
// on 14 January 2025 and Aries (Mesha Sankranti) at 03:30 on 14 April 2025
// by the published Lahiri panchang. The planets' ayanamsa here (the Moon's)
// lies some 20 arc-seconds from that one's, 8 minutes of the Sun's motion:
// the search finds the minute the Sun's sign changes within 10 of them.
TEST(CrossingSearch, SankrantisAtTheirPublishedMinutes) {
  const struct {
    LocalMinute published;
    const char* before;
    const char* after;
  } rows[] = {
      {{2025, 1, 14, 9, 3}, "Sag", "Cpr"},
      {{2025, 4, 14, 3, 30}, "Pis", "Ari"},
  };
  const SearchRequest request = testing::AshaAtNewDelhi({"Learning of a Trade"});
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, SwissEphemeris());
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatLocalMinute(row.published));
    const std::int64_t published = judge.clock().UniversalOf(row.published, PlaceClock::Run::First);
    std::optional<std::int64_t> sunChange;
    for (std::int64_t minute : judge.PlanetChanges(published - 720, published + 720)) {
      if (judge.SamplePlanets(minute - 1, PlanetBit(0)).texts[0].substr(3, 3) == row.before &&
          judge.SamplePlanets(minute, PlanetBit(0)).texts[0].substr(3, 3) == row.after)
        sunChange = minute;
    }
    ASSERT_TRUE(sunChange.has_value());
    EXPECT_LE(std::abs(*sunChange - published), 10);
  }
}

}  // namespace
}  // namespace horavela
