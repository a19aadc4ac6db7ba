#pragma once

#include <cstdint>

#include "engine/evaluation_input.h"

// What the sky's events need of Swiss Ephemeris: universal minutes
// as Julian days and back, and a place as the library takes it.
namespace horavela {

// The Julian day (UT) at the start of a universal minute (minutes since
// 1970-01-01 00:00 UT).
double JulianDayOfMinute(std::int64_t universalMinute);
// The universal minute in which a Julian day (UT) falls.
std::int64_t MinuteOfJulianDay(double julianDayUt);

// A place as Swiss Ephemeris takes it: east longitude, north latitude and
// height (sea level), degrees and metres.
struct GeoPosition {
  double values[3] = {};
  double Latitude() const { return values[1]; }
};
GeoPosition GeoPositionOf(const PlaceEntry& place);

}  // namespace horavela
