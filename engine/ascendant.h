#pragma once

#include <array>
#include <string_view>

#include "engine/calculation_state.h"

namespace horavela {

// Ayanamsa as a negative number of degrees, to be added to a tropical longitude.
double AyanamsaJ2000(double centuriesFromJ2000);
double Ayanamsa1900(double centuriesFrom1900);

// Adds 360 once if below 0, then subtracts 360 once if above 360.
double Normalize360(double& angle);

// Local sidereal time in degrees from T Julian centuries since 1900.0 (which
// already hold the time of day), universal time in hours and a west-positive
// longitude; reduced below 360 but not folded from below.
double LocalSiderealAngle(double centuriesFrom1900, double universalTime, double geoLongitude);

// Tropical longitude of the ascendant, degrees 0..360, from the local sidereal
// time (degrees), the obliquity (radians) and a north-positive latitude (degrees).
double TropicalAscendant(double localSiderealDegrees, double obliquity, double latitude);

// The ascendant (lagna) of state.Moment, from the ephemeris and with the
// ayanamsa of state.Input.settings; writes state.Time and state.Ascendant.
void ComputeAscendant(CalculationState& state);

}  // namespace horavela
