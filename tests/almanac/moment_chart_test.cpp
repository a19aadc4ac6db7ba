#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/time_zone_rules.h"
#include "atlas/zone_following.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "rules/charts.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

using testing::NewDelhi;
using testing::On;

struct Moment {
  LocalMinute local;
  std::string note;
};
const std::vector<Moment>& Moments() {
  static const std::vector<Moment> moments = {
      {{2024, 4, 10, 12, 0}, "Mercury retrograde"},
      {{2024, 8, 15, 6, 30}, "Mercury and Saturn retrograde"},
      {{2025, 1, 10, 21, 45}, "Mars and Jupiter retrograde"},
      {{2000, 1, 1, 17, 30}, "J2000"},
  };
  return moments;
}

std::vector<ChartBody> ChartAt(const LocalMinute& local) {
  DayRequest request;
  request.place = NewDelhi();
  return ChartOfMoment(request, local, SwissEphemeris());
}

TEST(ChartOfMomentTest, BodiesInOrderWithRahuAndKetuOpposite) {
  const std::vector<std::string> order = {"Lagna", "Sun",     "Moon",   "Mercury", "Venus",
                                          "Mars",  "Jupiter", "Saturn", "Rahu",    "Ketu"};
  for (const Moment& moment : Moments()) {
    SCOPED_TRACE(moment.note);
    const std::vector<ChartBody> chart = ChartAt(moment.local);
    ASSERT_EQ(chart.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(chart[i].body, order[i]);
    EXPECT_NEAR(std::fmod(chart[9].longitude - chart[8].longitude + 360.0, 360.0), 180.0, 1e-9);
  }
}

// Sign, degrees within it, nakshatra and pada, recomputed from the longitude.
TEST(ChartOfMomentTest, EachBodysNamesFollowItsLongitude) {
  for (const Moment& moment : Moments()) {
    for (const ChartBody& body : ChartAt(moment.local)) {
      SCOPED_TRACE(moment.note + ", " + body.body);
      ASSERT_GE(body.longitude, 0.0);
      ASSERT_LT(body.longitude, 360.0);
      const int arcMinutes = static_cast<int>(body.longitude * 60);
      EXPECT_EQ(body.sign, NameOf(FromIndex<Rashi>(arcMinutes / 1800)));
      char degrees[16];
      std::snprintf(degrees, sizeof degrees, "%d\u00b0%02d'", arcMinutes % 1800 / 60,
                    arcMinutes % 60);
      EXPECT_EQ(body.degreeText, degrees);
      EXPECT_EQ(body.nakshatra, NameOf(FromIndex<Nakshatra>(arcMinutes / 800)));
      EXPECT_EQ(body.pada, arcMinutes % 800 / 200 + 1);
    }
  }
}

// Which bodies move backward. Rahu and Ketu always; the Sun, the Moon and
// the Lagna never; the planets in their published retrograde spells of
// 2024-25 (Mercury 1-25 April and 5-28 August 2024, Saturn 29 June to
// 15 November 2024, Mars 6 December 2024 to 23 February 2025, Jupiter
// 9 October 2024 to 4 February 2025).
TEST(ChartOfMomentTest, RetrogradeBodies) {
  const std::vector<std::vector<std::string>> retrograde = {
      {"Mercury", "Rahu", "Ketu"},
      {"Mercury", "Saturn", "Rahu", "Ketu"},
      {"Mars", "Jupiter", "Rahu", "Ketu"},
  };
  for (std::size_t m = 0; m < retrograde.size(); ++m) {
    SCOPED_TRACE(Moments()[m].note);
    std::vector<std::string> found;
    for (const ChartBody& body : ChartAt(Moments()[m].local))
      if (body.retrograde) found.push_back(body.body);
    EXPECT_EQ(found, retrograde[m]);
  }
}

// Rahu stood in sidereal Pisces (Meena) from the end of October 2023 to
// May 2025, Ketu opposite in Virgo (Kanya).
TEST(ChartOfMomentTest, NodesInTheirPublishedSigns) {
  for (std::size_t m = 0; m < 3; ++m) {
    const std::vector<ChartBody> chart = ChartAt(Moments()[m].local);
    EXPECT_EQ(chart[8].sign, "Meena");
    EXPECT_EQ(chart[9].sign, "Kanya");
  }
}

// The Lagna, the Moon and the planets are those an evaluation of the same
// moment writes into its chart and planets table.
TEST(ChartOfMomentTest, AgreesWithTheEvaluationsChart) {
  for (const Moment& moment : Moments()) {
    SCOPED_TRACE(moment.note);
    CalculationState state;
    const LocalMinute& m = moment.local;
    const MomentEntry entry = On(m.year, m.month, m.day).At(m.hour, m.minute).In(NewDelhi());
    state.Input.birth = entry;
    state.Input.election = entry;
    ComputeCharts(state, SwissEphemeris());

    const std::vector<ChartBody> chart = ChartAt(moment.local);
    EXPECT_EQ(chart[2].nakshatra, ChartText(state.ElectionChart, kNakshatraSlot));
    EXPECT_EQ(chart[2].sign, ChartText(state.ElectionChart, kMoonSignSlot));
    EXPECT_EQ(FromIndex<Rashi>(SignIndex(chart[0].longitude)), state.ElectionChart.lagna);
    for (int i = 0; i < kPlanetCount; ++i) {
      if (i == 1) continue;  // the table's Moon is Swiss Ephemeris's
      EXPECT_EQ(PlanetPositionAt(chart[1 + i].longitude), ElectionPlanetSigns(state)[i])
          << chart[1 + i].body;
    }
  }
}

// A place that follows its tz zone: the moment reads on the clock in force,
// daylight saving in July and standard time in January.
TEST(ChartOfMomentTest, MomentReadsOnTheZoneInForce) {
  const Result<TimeZoneRules> rules = TimeZoneRules::Load("America/New_York");
  ASSERT_TRUE(rules) << rules.error().message;
  DayRequest followed;
  followed.place = testing::NewYork();
  followed.zone = Follow(*rules);
  for (const auto& [local, dst] : {std::pair{LocalMinute{2024, 7, 4, 9, 0}, true},
                                   std::pair{LocalMinute{2024, 1, 4, 9, 0}, false}}) {
    DayRequest typed = followed;
    typed.zone = nullptr;
    typed.place.dst = dst;
    const std::vector<ChartBody> a = ChartOfMoment(followed, local, SwissEphemeris());
    const std::vector<ChartBody> b = ChartOfMoment(typed, local, SwissEphemeris());
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
      EXPECT_EQ(a[i].longitude, b[i].longitude) << a[i].body;
  }
}

}  // namespace
}  // namespace horavela
