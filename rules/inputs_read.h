#pragma once

#include "engine/planet_ephemeris.h"

namespace horavela {

// The inputs of the election moment a rule set can read, as bits: a rule set
// needs judging again only where one of them changes. The civil date
// (weekday, date differences, Hindu month, the year precondition) and the
// zone are read by every rule set.
enum ReadInput : unsigned {
  kReadsMoon = 1u << 0,        // the Moon's nakshatra and sign (tara and chandra bala)
  kReadsLagna = 1u << 1,       // the ascendant's sign
  kReadsPanchang = 1u << 2,    // tithi, karana, yoga
  kReadsTableLagna = 1u << 3,  // the rising sign of the Muhurtha lagna's table
  kReadsDate = 1u << 4,        // the civil date and the zone
};
// The sign of one planet (index in the ephemeris order), and of all seven.
constexpr unsigned ReadsPlanet(int index) {
  return 1u << (5 + index);
}
inline constexpr unsigned kReadsPlanets = ReadsPlanet(0) * kAllPlanets;
inline constexpr unsigned kReadsAll = (1u << (5 + kPlanetCount)) - 1;
// What every rule set reads.
inline constexpr unsigned kReadsEveryone = kReadsMoon | kReadsPanchang | kReadsDate;

// The planets among `inputs`.
constexpr PlanetSet PlanetsRead(unsigned inputs) {
  return (inputs / ReadsPlanet(0)) & kAllPlanets;
}

}  // namespace horavela
