#include "engine/swiss_positions.h"

#include <swephexp.h>

#include <cmath>

#include "engine/planet_ephemeris.h"

namespace horavela {

namespace {

constexpr int kSun = 0;
constexpr int kMoon = 1;

// One luminary through the engine's own Swiss Ephemeris source: its choice of
// data files or the analytical ephemeris, and its care for the library's
// per-thread state.
std::optional<double> SwissLuminary(double julianDayUt, int index) {
  const std::optional<PlanetLongitudes> planets =
      SwissEphemeris().TropicalLongitudes(julianDayUt, PlanetBit(index));
  if (!planets || !std::isfinite((*planets)[index])) return std::nullopt;
  return (*planets)[index];
}

}  // namespace

std::optional<double> SwissMoonLongitude(double julianDayUt) {
  return SwissLuminary(julianDayUt, kMoon);
}

std::optional<double> SwissSunLongitude(double julianDayUt) {
  return SwissLuminary(julianDayUt, kSun);
}

// The ascendant's only use of an ephemeris is the tidal term of delta T, which
// moves it by far less than an arc-second: the analytical one reads no file
// and answers the same on every machine.
std::optional<double> SwissAscendant(double julianDayUt, double latitude, double eastLongitude) {
  double cusps[13] = {};
  double angles[10] = {};
  // Equal houses: the ascendant is the same in every system, and this one
  // never fails near the poles.
  if (swe_houses_ex(julianDayUt, SEFLG_MOSEPH, latitude, eastLongitude, 'E', cusps, angles) < 0)
    return std::nullopt;
  if (!std::isfinite(angles[SE_ASC])) return std::nullopt;
  return angles[SE_ASC];
}

std::optional<PrecisePositions> PrecisePositionsAt(double julianDayUt, double latitude,
                                                   double eastLongitude) {
  const std::optional<PlanetLongitudes> planets =
      SwissEphemeris().TropicalLongitudes(julianDayUt, PlanetBit(kSun) | PlanetBit(kMoon));
  if (!planets) return std::nullopt;
  const std::optional<double> ascendant = SwissAscendant(julianDayUt, latitude, eastLongitude);
  if (!ascendant) return std::nullopt;
  return PrecisePositions{(*planets)[kMoon], (*planets)[kSun], *ascendant};
}

double ChosenAyanamsa(AyanamsaSystem system, double julianDayUt, double own) {
  return system == AyanamsaSystem::Program ? own : SwissAyanamsa(system, julianDayUt);
}

}  // namespace horavela
