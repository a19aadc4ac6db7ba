#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "atlas/place_clock.h"
#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"

namespace horavela {

// The planets' fastest motions in longitude, degrees a day, forward and
// backward, with a margin; the Sun and the Moon never move backward and go
// on at about their mean motion.
// The others also change their speed by at most `acceleration` degrees a day
// per day (the largest swings come at Mercury's inferior conjunctions).
struct PlanetMotion {
  double forward;
  double backward;
  double mean;
  double acceleration;
};
inline constexpr PlanetMotion kPlanetMotions[kPlanetCount] = {
    {1.1, 0, 0.9856, 0},   // Sun
    {16.0, 0, 13.176, 0},  // Moon
    {2.5, 1.6, 0, 0.6},    // Mercury
    {1.35, 0.8, 0, 0.2},   // Venus
    {0.9, 0.5, 0, 0.05},   // Mars
    {0.3, 0.16, 0, 0.02},  // Jupiter
    {0.15, 0.1, 0, 0.01},  // Saturn
};

// The positions at a minute of some planets, as the driver leaves them in
// Lagna.PlanetSigns, with their sidereal longitudes (unknown and NaN for the
// others, or when unavailable), and their signs as a key.
struct PlanetSample {
  PlanetPositions positions;
  std::array<double, kPlanetCount> longitudes;
  std::int64_t key = 0;
};

// The planets' positions at a minute at which one of their signs changes.
struct PlanetRun {
  std::int64_t first;
  unsigned changed;  // ReadsPlanet bits of the planets whose sign changed there
  PlanetPositions positions;
};

// The signs of some planets over universal minutes of one place.
class PlanetSignSearch {
 public:
  // `clock` and `ephemeris` must outlive the search; `planets` are those
  // whose changes it finds.
  PlanetSignSearch(const PlaceClock& clock, const CalculationState& birth,
                   PlanetEphemeris& ephemeris, PlanetSet planets);

  PlanetSample Sample(std::int64_t minute, PlanetSet planets);

  // The runs of one set of signs over [first, last], a stretch of one zone:
  // the first from `first`, then one from each minute a sign changes.
  std::vector<PlanetRun> Runs(std::int64_t first, std::int64_t last);

 private:
  std::int64_t FirstChange(std::int64_t low, std::int64_t high, const PlanetSample& before,
                           PlanetSample& after);

  const PlaceClock& clock_;
  int offsetHint_ = 0;
  PlanetEphemeris& ephemeris_;
  PlanetSet planets_;
  CalculationState scratch_;
};

}  // namespace horavela
