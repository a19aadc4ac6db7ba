#include "search/minute_judge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include "atlas/place_clock.h"
#include "atlas/zone_following.h"
#include "engine/ascendant.h"
#include "engine/planet_ephemeris.h"
#include "judge/calculation_driver.h"
#include "panchang/panchang.h"
#include "rules/charts.h"
#include "rules/subjects.h"
#include "support/chart_values.h"
#include "support/moments_and_places.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::AshaAtNewDelhi;

// The whole election state of one minute, as the driver leaves it before the rule set runs.
CalculationState StateAt(const SearchRequest& request, const LocalMinute& m) {
  CalculationState state;
  state.Input.name = request.name;
  state.Input.sex = request.sex;
  state.Input.birth = request.birth;
  state.Input.election.place = request.place;
  state.Input.election.year = static_cast<std::int16_t>(m.year);
  state.Input.election.month = static_cast<std::int16_t>(m.month);
  state.Input.election.day = static_cast<std::int16_t>(m.day);
  state.Input.election.hour = static_cast<std::int16_t>(m.hour);
  state.Input.election.minute = static_cast<std::int16_t>(m.minute);
  state.Input.electionWeekday = WeekdayOfCivilDate(m.year, m.month, m.day);
  ComputeCharts(state, SwissEphemeris());
  ComputeStrengths(state);
  ElectionPlanetSigns(state);  // the tests below set the planets' positions themselves
  return state;
}

Judgement Judge(CalculationState state, RuleSet ruleSet) {
  ruleSet(state);
  return {state.Result};
}

// A rule set that is said not to read an input must judge alike whatever that
// input holds: the finder runs it only when something it reads changes.
TEST(InputsRead, RuleSetsIgnoreTheInputsTheyAreSaidNotToRead) {
  const SearchRequest request = AshaAtNewDelhi({"Marriage"});
  std::mt19937 random(7);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int round = 0; round < 12; ++round) {
    const LocalMinute minute{pick(2020, 2030), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59)};
    const CalculationState base = StateAt(request, minute);
    for (const Subject& subject : kSubjects) {
      SCOPED_TRACE(std::string(subject.text) + " " + FormatLocalMinute(minute));
      const unsigned reads = InputsRead(subject.ruleSet);
      const Judgement expected = Judge(base, subject.ruleSet);
      if (!(reads & kReadsLagna)) {
        for (int sign = 0; sign < 12; ++sign) {
          const Rashi lagna = FromIndex<Rashi>(sign);
          CalculationState changed = base;
          changed.ElectionChart.lagna = lagna;
          changed.Ascendant.Lagna = lagna;
          changed.ElectionMoment.Ascendant.Lagna = lagna;
          EXPECT_TRUE(SameJudgement(Judge(changed, subject.ruleSet), expected))
              << LagnaNameOf(lagna);
        }
      }
      if (!(reads & kReadsTableLagna)) {
        // The table lagna follows the clock time of the moment.
        for (int hour = 0; hour < 24; hour += 2) {
          CalculationState changed = base;
          changed.Moment.hour = static_cast<std::int16_t>(hour);
          EXPECT_TRUE(SameJudgement(Judge(changed, subject.ruleSet), expected)) << hour;
        }
      }
      // Every planet it does not read, moved to another sign, alone and all together.
      CalculationState allMoved = base;
      for (int i = 0; i < kPlanetCount; ++i) {
        if (reads & ReadsPlanet(i)) continue;
        CalculationState changed = base;
        changed.Lagna.PlanetSigns[i] = {FromIndex<Rashi>(pick(0, 11)), 12, 30};
        allMoved.Lagna.PlanetSigns[i] = changed.Lagna.PlanetSigns[i];
        EXPECT_TRUE(SameJudgement(Judge(changed, subject.ruleSet), expected)) << "planet " << i;
      }
      EXPECT_TRUE(SameJudgement(Judge(allMoved, subject.ruleSet), expected));
    }
  }
}

TEST(InputsRead, NamesTheLagnaTableLagnaAndPlanetReaders) {
  EXPECT_EQ(InputsRead(FindRuleSet("Marriage")), kReadsMoon | kReadsPanchang | kReadsDate);
  EXPECT_TRUE(InputsRead(FindRuleSet("Sell Item")) & kReadsLagna);
  EXPECT_TRUE(InputsRead(FindRuleSet("Foreign Journey")) & kReadsTableLagna);
  // A pilgrimage reads Jupiter alone; the trade's tenth house every planet.
  EXPECT_EQ(InputsRead(FindRuleSet("Religious Journey")) & kReadsPlanets, ReadsPlanet(5));
  EXPECT_EQ(InputsRead(FindRuleSet("Learning of a Trade")) & kReadsPlanets, kReadsPlanets);
  EXPECT_FALSE(InputsRead(FindRuleSet("Learning of a Trade")) & kReadsLagna);
}

// The planet search samples the ephemeris itself: its positions must be the
// ones the driver leaves for the rule sets.
TEST(MinuteJudge, PlanetSamplesAreTheDriversPlanetPositions) {
  const SearchRequest request = AshaAtNewDelhi({"Religious Journey"});
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, SwissEphemeris());
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    const std::int64_t minute = MinuteIndex(request.from) +
                                std::uniform_int_distribution<std::int64_t>(0, 365 * 1440)(random);
    const CalculationState state = StateAt(request, judge.LocalAt(minute));
    EXPECT_EQ(judge.SamplePlanets(minute).positions, state.Lagna.PlanetSigns)
        << FormatLocalMinute(judge.LocalAt(minute));
  }
}

// Every minute of a few days through the ephemeris: the search finds exactly
// the minutes at which the sign of a planet the subject reads changes. The
// trade reads all seven (the Moon changes twice in the first stretch); a
// pilgrimage reads only Jupiter, which enters sidereal Pisces in April 2022,
// and none of the Moon's changes around it.
TEST(MinuteJudge, PlanetChangesAreTheMinutesAtWhichAReadSignChanges) {
  struct Row {
    const char* subject;
    PlanetSet planets;
    LocalMinute from;
    int days;
    std::size_t fewestChanges, mostChanges;
  };
  const Row rows[] = {
      {"Learning of a Trade", kAllPlanets, {2025, 3, 27, 0, 0}, 4, 2, 8},
      {"Religious Journey", PlanetBit(5), {2022, 4, 11, 0, 0}, 5, 1, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.subject);
    SearchRequest request = AshaAtNewDelhi({row.subject});
    const CalculationState birth = MinuteJudge::BirthState(request);
    MinuteJudge judge(request, birth, SwissEphemeris());
    const std::int64_t first = MinuteIndex(row.from);
    const std::int64_t last = first + row.days * 1440 - 1;
    std::vector<std::int64_t> expected;
    std::int64_t key = judge.SamplePlanets(first, row.planets).key;
    for (std::int64_t minute = first + 1; minute <= last; ++minute) {
      const std::int64_t now = judge.SamplePlanets(minute, row.planets).key;
      if (now != key) expected.push_back(minute);
      key = now;
    }
    EXPECT_GE(expected.size(), row.fewestChanges);
    EXPECT_LE(expected.size(), row.mostChanges);
    EXPECT_EQ(judge.PlanetChanges(first, last), expected);
  }
}

// The planet search steps by these limits of motion: the ephemeris must keep
// within them, day by day, over four decades.
TEST(PlanetMotion, EphemerisKeepsWithinTheSearchLimits) {
  constexpr double kFirstDay = 2447893.0;  // 1990-01-01
  constexpr int kDays = 40 * 365;
  std::array<double, kPlanetCount> before{}, last{};
  double fastest[kPlanetCount] = {}, fastestBack[kPlanetCount] = {}, swing[kPlanetCount] = {};
  for (int day = 0; day < kDays; ++day) {
    const auto longitudes = SwissEphemeris().TropicalLongitudes(kFirstDay + day, kAllPlanets);
    ASSERT_TRUE(longitudes);
    for (int i = 0; i < kPlanetCount; ++i) {
      const double now = (*longitudes)[i];
      if (day >= 1) {
        const double speed = std::remainder(now - last[i], 360.0);
        fastest[i] = std::max(fastest[i], speed);
        fastestBack[i] = std::max(fastestBack[i], -speed);
        if (day >= 2) {
          const double change = speed - std::remainder(last[i] - before[i], 360.0);
          swing[i] = std::max(swing[i], std::fabs(change));
        }
      }
      before[i] = last[i];
      last[i] = now;
    }
  }
  for (int i = 0; i < kPlanetCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_LT(fastest[i], kPlanetMotions[i].forward);
    if (kPlanetMotions[i].backward == 0) {
      EXPECT_LE(fastestBack[i], 0.0);  // never backward
    } else {
      EXPECT_LT(fastestBack[i], kPlanetMotions[i].backward);
      EXPECT_LT(swing[i], kPlanetMotions[i].acceleration / 1.5);
    }
  }
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
  const std::string name(ChartText(state.ElectionChart, FactsOf(element).slot));
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
    if (row.zone) request.zone = testing::ZoneNamed(row.zone);
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
    Rashi before;
    Rashi after;
  } rows[] = {
      {{2025, 1, 14, 9, 3}, Rashi::Dhanus, Rashi::Makara},
      {{2025, 4, 14, 3, 30}, Rashi::Meena, Rashi::Mesha},
  };
  const SearchRequest request = testing::AshaAtNewDelhi({"Learning of a Trade"});
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, SwissEphemeris());
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatLocalMinute(row.published));
    const std::int64_t published = judge.clock().UniversalOf(row.published, PlaceClock::Run::First);
    std::optional<std::int64_t> sunChange;
    for (std::int64_t minute : judge.PlanetChanges(published - 720, published + 720)) {
      if (judge.SamplePlanets(minute - 1, PlanetBit(0)).positions[0].sign == row.before &&
          judge.SamplePlanets(minute, PlanetBit(0)).positions[0].sign == row.after)
        sunChange = minute;
    }
    ASSERT_TRUE(sunChange.has_value());
    EXPECT_LE(std::abs(*sunChange - published), 10);
  }
}

}  // namespace
}  // namespace horavela
