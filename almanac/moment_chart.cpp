#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "almanac/zone_in_force.h"
#include "atlas/place_clock.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/swiss_positions.h"
#include "rules/charts.h"

namespace horavela {

namespace {

// The planets in the order of the ephemeris and of the planets table.
constexpr std::string_view kPlanetNames[kPlanetCount] = {"Sun",  "Moon",    "Mercury", "Venus",
                                                         "Mars", "Jupiter", "Saturn"};
constexpr int kSun = 0;
constexpr int kMoon = 1;
// A planet is retrograde when its longitude decreases over an hour either side.
constexpr double kRetrogradeHours = 1.0;
constexpr double kDaysPerCentury = 36525.0;
// A nakshatra pada is a quarter of 13°20': 200 arc-minutes.
constexpr double kPadaArcMinutes = 200.0;

double IntoCircle(double longitude) {
  double folded = std::fmod(longitude, 360.0);
  if (folded < 0) folded += 360.0;
  return folded == 360.0 ? 0.0 : folded;
}

// "16°11'": whole degrees within the sign and whole arc-minutes, truncated
// as the planets table truncates them.
std::string DegreeText(double longitude) {
  const long arcMinutes = static_cast<long>(std::floor(longitude * 60.0)) % (30 * 60);
  char text[16];
  std::snprintf(text, sizeof text, "%ld\u00b0%02ld'", arcMinutes / 60, arcMinutes % 60);
  return text;
}

ChartBody BodyAt(std::string_view name, double siderealLongitude, bool retrograde) {
  ChartBody body;
  body.body = std::string(name);
  for (int i = 0; i < IndexOf(Planet::None); ++i)
    if (NameOf(FromIndex<Planet>(i)) == name) body.planet = FromIndex<Planet>(i);
  body.longitude = IntoCircle(siderealLongitude);
  body.retrograde = retrograde;
  const int sign = SignIndex(body.longitude);
  const int nakshatra = NakshatraIndex(body.longitude);
  if (sign < 0 || nakshatra < 0) return body;
  body.sign = std::string(NameOf(FromIndex<Rashi>(sign)));
  body.degreeText = DegreeText(body.longitude);
  body.nakshatra = std::string(NameOf(FromIndex<Nakshatra>(nakshatra)));
  body.rashi = FromIndex<Rashi>(sign);
  body.star = FromIndex<Nakshatra>(nakshatra);
  const int quarter = static_cast<int>(std::floor(body.longitude * 60.0 / kPadaArcMinutes));
  body.pada = std::clamp(quarter - 4 * nakshatra, 0, 3) + 1;
  return body;
}

// The lagna keeps the ascendant's own spellings ("Vrischika", "Dhanus"), as
// the evaluation's charts write it; the grahas keep the Moon sign's.
ChartBody LagnaAt(double siderealLongitude) {
  ChartBody body = BodyAt("Lagna", siderealLongitude, false);
  if (!body.sign.empty()) body.sign = LagnaNameOf(FromIndex<Rashi>(SignIndex(body.longitude)));
  return body;
}

// The same moment `hours` later, for the planets' motion.
TimeBase Shifted(TimeBase time, double hours) {
  time.LocalHours += hours;
  time.Centuries += hours / 24.0 / kDaysPerCentury;
  return time;
}

// The lunar node by its mean motion, tropical, degrees; nothing on a failure.
std::optional<double> MeanNodeTropicalLongitude(double julianDayUt) {
  double position[6] = {};
  char error[AS_MAXCH] = {};
  if (swe_calc_ut(julianDayUt, SE_MEAN_NODE, SEFLG_SWIEPH, position, error) < 0)
    return std::nullopt;
  return position[0];
}

// The ascendant and the Moon of a local minute, as the request's settings compute them.
CalculationState MomentState(const DayRequest& request, const LocalMinute& moment) {
  CalculationState state;
  state.Input.settings = request.settings;
  state.Moment = MomentInputFrom(PlaceClock(request).EntryOf(moment));
  ComputeAscendant(state);
  ComputeMoon(state);  // leaves state.Time in J2000 centuries, as the planets take it
  return state;
}

}  // namespace

std::vector<ChartBody> ChartOfMoment(const DayRequest& request, const LocalMinute& moment,
                                     PlanetEphemeris& ephemeris) {
  const CalculationState state = MomentState(request, moment);
  std::vector<ChartBody> chart;
  chart.push_back(LagnaAt(state.Ascendant.AscendantLongitude));

  const AyanamsaSystem system = request.settings.ayanamsa;
  const std::optional<PlanetLongitudes> now =
      SiderealPlanetLongitudes(state.Time, ephemeris, kAllPlanets, system);
  const std::optional<PlanetLongitudes> before = SiderealPlanetLongitudes(
      Shifted(state.Time, -kRetrogradeHours), ephemeris, kAllPlanets, system);
  const std::optional<PlanetLongitudes> after = SiderealPlanetLongitudes(
      Shifted(state.Time, kRetrogradeHours), ephemeris, kAllPlanets, system);
  for (int i = 0; i < kPlanetCount; ++i) {
    // The Moon of the verdicts, from the ephemeris the settings chose.
    if (i == kMoon) {
      chart.push_back(BodyAt("Moon", state.Moon.MoonLongitude, false));
      continue;
    }
    if (!now || !before || !after) continue;
    const double motion = std::remainder((*after)[i] - (*before)[i], 360.0);
    chart.push_back(BodyAt(kPlanetNames[i], (*now)[i], i != kSun && motion < 0));
  }

  // The mean node always moves backward: Rahu and Ketu are retrograde.
  const double julianDayUt = UniversalJulianDay(state.Time);
  if (const std::optional<double> node = MeanNodeTropicalLongitude(julianDayUt)) {
    const double rahu =
        *node + ChosenAyanamsa(system, julianDayUt, AyanamsaJ2000(state.Time.Centuries));
    chart.push_back(BodyAt("Rahu", rahu, true));
    chart.push_back(BodyAt("Ketu", rahu + 180.0, true));
  }
  return chart;
}

}  // namespace horavela
