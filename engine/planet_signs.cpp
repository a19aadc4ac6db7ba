#include "engine/planet_ephemeris.h"

#include <cmath>

#include "engine/ascendant.h"
#include "engine/swiss_positions.h"

namespace horavela {

PlanetPosition PlanetPositionAt(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return {};
  double longitude = std::fmod(siderealLongitude, 360.0);
  if (longitude < 0) longitude += 360.0;
  // Whole arc-minutes, truncated, so a planet is never pushed into the next sign.
  const long totalMinutes = static_cast<long>(std::floor(longitude * 60.0)) % (360 * 60);
  return {FromIndex<Rashi>(static_cast<int>(totalMinutes / (30 * 60))),
          static_cast<std::int8_t>(totalMinutes / 60 % 30),
          static_cast<std::int8_t>(totalMinutes % 60)};
}

double UniversalJulianDay(const TimeBase& time) {
  // The engine's day number changes at noon; 0 h UT of the civil date is half a day earlier.
  return time.JulianDay - 0.5 + (time.LocalHours + time.ZoneHours) / 24.0;
}

std::optional<PlanetLongitudes> SiderealPlanetLongitudes(const TimeBase& time,
                                                         PlanetEphemeris& ephemeris,
                                                         PlanetSet planets, AyanamsaSystem system) {
  const double julianDayUt = UniversalJulianDay(time);
  std::optional<PlanetLongitudes> longitudes = ephemeris.TropicalLongitudes(julianDayUt, planets);
  if (!longitudes) return std::nullopt;
  // The same zodiac as the Moon: by default the J2000 ayanamsa of the moment.
  const double ayanamsa = ChosenAyanamsa(system, julianDayUt, AyanamsaJ2000(time.Centuries));
  for (int i = 0; i < kPlanetCount; ++i) {
    if (planets & PlanetBit(i)) (*longitudes)[i] += ayanamsa;
  }
  return longitudes;
}

namespace {

bool ComputePlanetSignsAt(CalculationState& state, const TimeBase& time,
                          PlanetEphemeris& ephemeris) {
  state.PlanetsToCompute.ephemeris = nullptr;
  state.Lagna.PlanetSigns = {};
  const std::optional<PlanetLongitudes> sidereal =
      SiderealPlanetLongitudes(time, ephemeris, kAllPlanets, state.Input.settings.ayanamsa);
  if (!sidereal) {
    state.Warnings.push_back("Planet positions are unavailable (" + ephemeris.Description() +
                             "): the Jupiter and tenth-house factors see no planet.");
    return false;
  }
  for (int i = 0; i < kPlanetCount; ++i) {
    state.Lagna.PlanetSigns[i] = PlanetPositionAt((*sidereal)[i]);
  }
  return true;
}

}  // namespace

bool ComputePlanetSigns(CalculationState& state, PlanetEphemeris& ephemeris) {
  return ComputePlanetSignsAt(state, state.ElectionMoment.Time, ephemeris);
}

void ComputePlanetSignsOnDemand(CalculationState& state, PlanetEphemeris& ephemeris) {
  state.Lagna.PlanetSigns = {};
  state.PlanetsToCompute = {&ephemeris, state.ElectionMoment.Time};
}

const PlanetPositions& ElectionPlanetSigns(CalculationState& state) {
  if (PlanetEphemeris* ephemeris = state.PlanetsToCompute.ephemeris) {
    const TimeBase time = state.PlanetsToCompute.time;
    ComputePlanetSignsAt(state, time, *ephemeris);
  }
  return state.Lagna.PlanetSigns;
}

}  // namespace horavela
