#include "engine/planet_ephemeris.h"

#include <cmath>
#include <cstdio>

#include "engine/ascendant.h"

namespace horavela {

namespace {

constexpr std::array<std::string_view, 12> kSignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cpr", "Aqu", "Pis"};

}  // namespace

std::string PlanetPositionText(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return {};
  double longitude = std::fmod(siderealLongitude, 360.0);
  if (longitude < 0) longitude += 360.0;
  // Whole arc-minutes, truncated, so a planet is never pushed into the next sign.
  const long totalMinutes = static_cast<long>(std::floor(longitude * 60.0)) % (360 * 60);
  const int sign = static_cast<int>(totalMinutes / (30 * 60));
  const int degrees = static_cast<int>(totalMinutes / 60 % 30);
  const int minutes = static_cast<int>(totalMinutes % 60);
  char text[16];
  std::snprintf(text, sizeof text, "%02d %s %02d", degrees, kSignAbbreviations[sign].data(),
                minutes);
  return text;
}

bool ComputePlanetSigns(CalculationState& state, PlanetEphemeris& ephemeris) {
  const MomentSnapshot& election = state.ElectionMoment;
  // The engine's day number changes at noon; 0 h UT of the civil date is half a day earlier.
  const double julianDayUt =
      election.Time.JulianDay - 0.5 + (election.Time.LocalHours + election.Time.ZoneHours) / 24.0;
  state.Lagna.PlanetSigns = {};
  const std::optional<PlanetLongitudes> tropical =
      ephemeris.TropicalLongitudes(julianDayUt, kAllPlanets);
  if (!tropical) {
    state.Warnings.push_back("Planet positions are unavailable (" + ephemeris.Description() +
                             "): the Jupiter and tenth-house factors see no planet.");
    return false;
  }
  // The same zodiac as the Moon: the J2000 ayanamsa of the election moment.
  const double ayanamsa = AyanamsaJ2000(election.Time.Centuries);
  for (int i = 0; i < kPlanetCount; ++i) {
    state.Lagna.PlanetSigns[i] = PlanetPositionText((*tropical)[i] + ayanamsa);
  }
  return true;
}

}  // namespace horavela
