#include "almanac/sky_at_place.h"

#include <cmath>

namespace horavela {

namespace {
// Julian day of 1970-01-01 00:00 UT.
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kMinutesPerDay = 1440.0;
// A minute's own start read back from its Julian day may fall a hair short.
constexpr double kRoundingSlack = 1e-6;
}  // namespace

double JulianDayOfMinute(std::int64_t universalMinute) {
  return kUnixEpochJulianDay + static_cast<double>(universalMinute) / kMinutesPerDay;
}

std::int64_t MinuteOfJulianDay(double julianDayUt) {
  return static_cast<std::int64_t>(
      std::floor((julianDayUt - kUnixEpochJulianDay) * kMinutesPerDay + kRoundingSlack));
}

GeoPosition GeoPositionOf(const PlaceEntry& place) {
  const double longitude = place.longitudeDegrees + place.longitudeMinutes / 60.0;
  const double latitude = place.latitudeDegrees + place.latitudeMinutes / 60.0;
  return {{place.east ? longitude : -longitude, place.north ? latitude : -latitude, 0.0}};
}

}  // namespace horavela
