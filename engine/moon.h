#pragma once

#include <array>
#include <string_view>

#include "engine/calculation_state.h"

namespace horavela {

// Tropical longitude of the Moon, degrees 0..360, from the 25 largest terms
// of the ELP-2000/82 series at T Julian centuries from J2000.0 (evaluated at
// universal time: no delta T, no nutation).
double MoonTropicalLongitude(double centuriesFromJ2000);

// A tropical longitude (0..360) made sidereal with a (negative) ayanamsa,
// brought into 0..360.
double MoonSiderealLongitude(double tropical, double ayanamsa);

// Nakshatra 0..26 of a sidereal longitude (spans of 800 arc-minutes), and its
// sign 0..11 (whole degrees / 30); -1 for a value that is not finite.
int NakshatraIndex(double siderealLongitude);
int SignIndex(double siderealLongitude);

// The sidereal Moon of state.Moment, from the ephemeris and with the ayanamsa
// of state.Input.settings; writes state.Time (J2000 centuries) and state.Moon.
void ComputeMoon(CalculationState& state);

// The nakshatra and the sign of moon.MoonLongitude.
void NameMoonLongitude(MoonState& moon);

}  // namespace horavela
