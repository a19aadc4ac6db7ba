#pragma once

#include <optional>

#include "engine/calculation_settings.h"

// Swiss Ephemeris's Sun, Moon, ascendant and ayanamsas at one moment: what
// the engine computes with when the user's settings ask for them, and what
// the explanation checks the program's own theories against.
namespace horavela {

// Apparent tropical longitudes, degrees 0..360, by Swiss Ephemeris.
struct PrecisePositions {
  double moon = 0;
  double sun = 0;
  double ascendant = 0;
};

// The apparent tropical Moon, or Sun, at a universal time (Julian day).
std::optional<double> SwissMoonLongitude(double julianDayUt);
std::optional<double> SwissSunLongitude(double julianDayUt);

// The tropical ascendant at a universal time for a place (latitude north
// positive, longitude east positive).
std::optional<double> SwissAscendant(double julianDayUt, double latitude, double eastLongitude);

// The three together; nothing when the library cannot give one of them.
std::optional<PrecisePositions> PrecisePositionsAt(double julianDayUt, double latitude,
                                                   double eastLongitude);

// The ayanamsa of `system` at a universal time, as the engine's ayanamsas
// are kept: negative degrees, added to a tropical longitude. It holds the
// nutation in longitude, as the apparent longitudes it is taken from do.
// NaN for AyanamsaSystem::Program (each element has its own) and where the
// library cannot give it.
double SwissAyanamsa(AyanamsaSystem system, double julianDayUt);

// The ayanamsa an element uses under `system`: `own`, the element's own
// polynomial, for the program's, else Swiss Ephemeris's.
double ChosenAyanamsa(AyanamsaSystem system, double julianDayUt, double own);

}  // namespace horavela
