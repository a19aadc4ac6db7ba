// The ephemeris and ayanamsa settings against outside references: a published
// almanac's nakshatra end, and Swiss Ephemeris's own sidereal positions
// (swe_calc_ut and swe_houses_ex with SEFLG_SIDEREAL in each sidereal mode,
// computed apart from the program) at moments where the choice moves a body
// across a sign's edge.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "engine/swiss_positions.h"
#include "rules/charts.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::AshaAtNewDelhi;
using testing::InputAtMinute;
using testing::NewDelhi;

constexpr CalculationSettings Swiss(AyanamsaSystem ayanamsa = AyanamsaSystem::Program) {
  return {EphemerisSource::Swiss, ayanamsa};
}

CalculationState StateAt(const LocalMinute& minute, const CalculationSettings& settings) {
  EvaluationInput input = InputAtMinute(AshaAtNewDelhi({"Marriage"}), minute);
  input.settings = settings;
  return EvaluatedState(input, SwissEphemeris());
}

enum class Body { kMoon, kLagna, kSun };
Rashi SignOf(CalculationState& state, Body body) {
  switch (body) {
    case Body::kMoon:
      return state.Moon.MoonRashi;
    case Body::kLagna:
      return state.Ascendant.Lagna;
    case Body::kSun:
      return ElectionPlanetSigns(state)[0].sign;
  }
  return Rashi::None;
}

// New Delhi, Indian time. The Moon enters sidereal Dhanus (Lahiri) at 16:47.6
// on 22 November 2025; the other modes' ayanamsas are smaller (Raman by
// 1.45°, Krishnamurti by 0.10°, True Chitra by 0.02°), so they see it there
// earlier. The lagna leaves Thula (Lahiri) at 06:26.3 that morning; the Sun
// enters Dhanus (Lahiri) on 16 December at 04:21.
struct SignRow {
  const char* what;
  LocalMinute minute;
  AyanamsaSystem ayanamsa;
  Body body;
  Rashi sign;
};
const SignRow kSignRows[] = {
    {"Moon, Lahiri", {2025, 11, 22, 16, 20}, AyanamsaSystem::Lahiri, Body::kMoon, Rashi::Vrischika},
    {"Moon, Raman", {2025, 11, 22, 16, 20}, AyanamsaSystem::Raman, Body::kMoon, Rashi::Dhanus},
    {"Moon, Lahiri later",
     {2025, 11, 22, 16, 42},
     AyanamsaSystem::Lahiri,
     Body::kMoon,
     Rashi::Vrischika},
    {"Moon, KP", {2025, 11, 22, 16, 42}, AyanamsaSystem::Krishnamurti, Body::kMoon, Rashi::Dhanus},
    {"Moon, Lahiri a minute before",
     {2025, 11, 22, 16, 46},
     AyanamsaSystem::Lahiri,
     Body::kMoon,
     Rashi::Vrischika},
    {"Moon, True Chitra",
     {2025, 11, 22, 16, 46},
     AyanamsaSystem::TrueChitra,
     Body::kMoon,
     Rashi::Dhanus},
    {"Moon, Lahiri after",
     {2025, 11, 22, 16, 49},
     AyanamsaSystem::Lahiri,
     Body::kMoon,
     Rashi::Dhanus},
    {"lagna, Lahiri", {2025, 11, 22, 6, 23}, AyanamsaSystem::Lahiri, Body::kLagna, Rashi::Thula},
    {"lagna, Raman", {2025, 11, 22, 6, 23}, AyanamsaSystem::Raman, Body::kLagna, Rashi::Vrischika},
    {"Sun, Lahiri", {2025, 12, 15, 16, 21}, AyanamsaSystem::Lahiri, Body::kSun, Rashi::Vrischika},
    {"Sun, Raman", {2025, 12, 15, 16, 21}, AyanamsaSystem::Raman, Body::kSun, Rashi::Dhanus},
};

TEST(CalculationSettings, EachAyanamsaPutsABodyNearAnEdgeInItsOwnSign) {
  for (const SignRow& row : kSignRows) {
    CalculationState state = StateAt(row.minute, Swiss(row.ayanamsa));
    EXPECT_EQ(SignOf(state, row.body), row.sign) << row.what;
  }
}

// The program's own Moon runs a few minutes behind Swiss Ephemeris's: at
// these minutes the two name different nakshatras.
struct NakshatraRow {
  LocalMinute minute;
  EphemerisSource ephemeris;
  Nakshatra nakshatra;
};
const NakshatraRow kNakshatraRows[] = {
    {{2025, 3, 6, 1, 9}, EphemerisSource::Program, Nakshatra::Krittika},
    {{2025, 3, 6, 1, 9}, EphemerisSource::Swiss, Nakshatra::Rohini},
    {{2025, 11, 22, 16, 49}, EphemerisSource::Program, Nakshatra::Jyeshtha},
    {{2025, 11, 22, 16, 49}, EphemerisSource::Swiss, Nakshatra::Moola},
};

TEST(CalculationSettings, TheEphemerisDecidesTheNakshatraNearItsEnd) {
  for (const NakshatraRow& row : kNakshatraRows) {
    const CalculationState state = StateAt(row.minute, {row.ephemeris});
    EXPECT_EQ(state.Moon.MoonNakshatra, row.nakshatra) << FormatLocalMinute(row.minute);
  }
}

// A published almanac (and Swiss Ephemeris) end Jyeshtha at 16:47 at New
// Delhi on 22 November 2025; the program's own Moon at 16:50.
struct NakshatraEndRow {
  CalculationSettings settings;
  int hour, minute;
};
const NakshatraEndRow kJyeshthaEnds[] = {
    {{}, 16, 50},
    {Swiss(), 16, 47},
    {Swiss(AyanamsaSystem::Lahiri), 16, 47},
};

TEST(CalculationSettings, TheDaysNakshatraEndsWithinAMinuteOfThePublishedAlmanac) {
  for (const NakshatraEndRow& row : kJyeshthaEnds) {
    DayRequest request;
    request.year = 2025;
    request.month = 11;
    request.day = 22;
    request.place = NewDelhi();
    request.settings = row.settings;
    const DayElements elements =
        ElementsOfDay(request, {2025, 11, 22, 23, 59, 0}, SwissEphemeris());
    const Period* jyeshtha = nullptr;
    for (const Period& period : elements.nakshatra)
      if (period.name == "Jyeshtha pada 4") jyeshtha = &period;
    ASSERT_NE(jyeshtha, nullptr) << static_cast<int>(row.settings.ephemeris);
    const int end = jyeshtha->to.hour * 60 + jyeshtha->to.minute;
    EXPECT_LE(std::abs(end - (row.hour * 60 + row.minute)), 1)
        << FormatLocalTime(jyeshtha->to) << " ephemeris "
        << static_cast<int>(row.settings.ephemeris) << " ayanamsa "
        << static_cast<int>(row.settings.ayanamsa);
  }
}

// The library keeps its sidereal mode per thread: two threads asking for
// different ayanamsas at once each get their own.
TEST(CalculationSettings, ThreadsKeepTheirOwnSiderealMode) {
  const double day = 2461002.0;
  const double lahiri = SwissAyanamsa(AyanamsaSystem::Lahiri, day);
  const double raman = SwissAyanamsa(AyanamsaSystem::Raman, day);
  ASSERT_GT(raman - lahiri, 1);  // Raman's is the smaller by more than a degree
  auto ask = [day](AyanamsaSystem system, double expected, int& wrong) {
    for (int i = 0; i < 2000; ++i)
      if (SwissAyanamsa(system, day) != expected) ++wrong;
  };
  int wrongLahiri = 0, wrongRaman = 0;
  std::thread first(ask, AyanamsaSystem::Lahiri, lahiri, std::ref(wrongLahiri));
  std::thread second(ask, AyanamsaSystem::Raman, raman, std::ref(wrongRaman));
  first.join();
  second.join();
  EXPECT_EQ(wrongLahiri, 0);
  EXPECT_EQ(wrongRaman, 0);
}

}  // namespace
}  // namespace horavela
