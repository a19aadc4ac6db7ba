#pragma once

#include "engine/calculation_state.h"
#include "engine/moment_input.h"

namespace horavela {

// Degrees to radians and back, and pi, to the precision the theories were fitted with.
inline constexpr double kDegreesToRadians = 0.0174532925199433;
inline constexpr double kRadiansToDegrees = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;

// Julian day number (the count that changes at noon) of a civil date, read in
// the Julian calendar up to day number 2299171 and in the Gregorian after it.
// 1 January 2000 gives 2451545.
double JulianDayNumber(double month, double day, double year);

// Two-argument arc tangent in radians, -pi..pi; 0 for (0, 0).
double ArcTan2(double y, double x);

// Local time, zone, coordinates, Julian day and universal time of a moment.
// Centuries are left 0: the ascendant and the Moon count them from epochs of their own.
// The zone is signed, west positive, so universal time = local + zone, with
// daylight saving taking one hour off the zone.
TimeBase BuildTimeBase(const MomentInput& moment);

}  // namespace horavela
