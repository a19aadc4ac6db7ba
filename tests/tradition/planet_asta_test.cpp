#include "tradition/planet_asta.h"

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "almanac/sky_at_place.h"
#include "calendar/civil_calendar.h"
#include "support/place_clocks.h"

namespace horavela {
namespace {

using testing::ClockAt;
using testing::UniversalAt;

constexpr std::int64_t kDay = 1440;

// The dates the almanacs of New Delhi print for Venus and Jupiter rising
// (uday: a period ends) and setting (asta: one begins), and how many days
// from them the reckoning may fall (no one kalamsha meets an almanac to the
// day; see planet_asta.cpp).
struct AlmanacDate {
  Veto veto;
  int year, month, day;
  bool rises;
  int toleranceDays;
};
constexpr AlmanacDate kAlmanacDates[] = {
    {Veto::ShukraAsta, 2026, 2, 1, true, 1},  {Veto::ShukraAsta, 2021, 2, 15, false, 1},
    {Veto::ShukraAsta, 2021, 4, 17, true, 1}, {Veto::GuruAsta, 2023, 4, 29, true, 2},
    {Veto::GuruAsta, 2024, 5, 5, false, 2},
};

TEST(PlanetAsta, RisesAndSetsNearTheAlmanacsDates) {
  const PlaceClock delhi = ClockAt(testing::NewDelhi(), testing::kIndiaZone);
  for (const AlmanacDate& date : kAlmanacDates) {
    SCOPED_TRACE(::testing::Message() << date.year << "-" << date.month << "-" << date.day);
    const std::int64_t midnight = UniversalAt(delhi, date.year, date.month, date.day);
    const auto periods =
        AstaPeriodsOver(delhi, midnight - 40 * kDay, midnight + 40 * kDay, date.veto);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].veto, date.veto);
    const std::int64_t edge = date.rises ? periods[0].last + 1 : periods[0].first;
    const LocalMinute local = delhi.At(edge).local;
    const std::int64_t daysOff = DaysFromCivil(local.year, local.month, local.day) -
                                 DaysFromCivil(date.year, date.month, date.day);
    EXPECT_LE(std::abs(daysOff), date.toleranceDays) << FormatLocalMinute(local);
  }
}

// The clearance against the bodies' actual risings and settings, found by
// Swiss Ephemeris' own search for the centre of the disc on the geometric
// horizon: the same instants the oblique ascensions stand for.
struct HorizonCase {
  Veto veto;
  int year, month, day;
  double latitude;
  double longitude;
};
constexpr HorizonCase kHorizonCases[] = {
    {Veto::ShukraAsta, 2026, 2, 1, 28.617, 77.217},   // Venus an evening star, New Delhi
    {Veto::ShukraAsta, 2021, 2, 15, 28.617, 77.217},  // a morning star
    {Veto::GuruAsta, 2023, 4, 29, 28.617, 77.217},    // Jupiter a morning star
    {Veto::GuruAsta, 2024, 5, 5, 28.617, 77.217},     // an evening star
    {Veto::GuruAsta, 2024, 5, 5, 51.5, -0.117},       // the same from London
    {Veto::ShukraAsta, 2021, 4, 17, -33.867, 151.2},  // from Sydney
};

double EventAfter(double julianDay, int body, int32 event, const double geo[3]) {
  double when = 0;
  char error[AS_MAXCH] = {};
  double place[3] = {geo[0], geo[1], geo[2]};
  const int32 flags = event | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
  EXPECT_EQ(
      swe_rise_trans(julianDay, body, nullptr, SEFLG_SWIEPH, flags, place, 0, 0, &when, error), 0);
  return when;
}

TEST(PlanetAsta, ClearanceIsTheIntervalBetweenRisingsOrSettings) {
  constexpr double kSiderealDegreesPerDay = 360.985647;
  for (const HorizonCase& c : kHorizonCases) {
    SCOPED_TRACE(::testing::Message()
                 << c.year << "-" << c.month << "-" << c.day << " at " << c.latitude);
    const double geo[3] = {c.longitude, c.latitude, 0};
    const double start = swe_julday(c.year, c.month, c.day, 0.0, SE_GREG_CAL);
    const int body = c.veto == Veto::GuruAsta ? SE_JUPITER : SE_VENUS;
    // The planet's event within half a day of the Sun's.
    const double sunset = EventAfter(start, SE_SUN, SE_CALC_SET, geo);
    const double sunrise = EventAfter(start, SE_SUN, SE_CALC_RISE, geo);
    const double evening = EventAfter(sunset - 0.5, body, SE_CALC_SET, geo) - sunset;
    const double morning = sunrise - EventAfter(sunrise - 0.5, body, SE_CALC_RISE, geo);
    const double actual = std::max(evening, morning) * kSiderealDegreesPerDay;
    const double reckonedAt = evening > morning ? sunset : sunrise;
    const std::optional<double> clearance = HorizonClearance(c.veto, reckonedAt, c.latitude);
    ASSERT_TRUE(clearance.has_value());
    // The bodies move a little between the two events.
    EXPECT_NEAR(*clearance, actual, 0.1);
  }
}

TEST(PlanetAsta, PeriodsAreMinuteExactAndWhole) {
  const PlaceClock delhi = ClockAt(testing::NewDelhi(), testing::kIndiaZone);
  const double latitude = GeoPositionOf(testing::NewDelhi()).Latitude();
  const std::int64_t from = UniversalAt(delhi, 2026, 1, 1);
  // Venus and Jupiter both move direct at their conjunctions of these months.
  const auto year = AstaPeriodsOver(delhi, from, UniversalAt(delhi, 2026, 9, 1));
  ASSERT_FALSE(year.empty());
  for (const VetoPeriod& period : year) {
    SCOPED_TRACE(period.reason);
    const auto clearance = [&](std::int64_t minute) {
      return *HorizonClearance(period.veto, JulianDayOfMinute(minute), latitude);
    };
    const double kalamsha = KalamshaOf(period.veto, false);
    EXPECT_GE(clearance(period.first - 1), kalamsha);
    EXPECT_LT(clearance(period.first), kalamsha);
    EXPECT_LT(clearance(period.last), kalamsha);
    EXPECT_GE(clearance(period.last + 1), kalamsha);
    // Asked for one minute inside it, the period comes back whole.
    const std::int64_t middle = period.first + (period.last - period.first) / 2;
    const auto one = AstaPeriodsOver(delhi, middle, middle, period.veto);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], period);
  }
}

}  // namespace
}  // namespace horavela
