#include "engine/time_base.h"

#include <cmath>

namespace horavela {

double JulianDayNumber(double month, double day, double year) {
  // Months counted from March of the year -4800, so that the leap day falls
  // at the end of each counted year.
  const double m = 12 * (year + 4800) + month - 3;
  double j = day + std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) +
             std::floor(m / 48) - 32083;  // Julian calendar
  // The Gregorian reform is told by the day number, not by the date typed:
  // 5..14 October 1582 are read as Julian dates.
  if (j > 2299171) j = j + std::floor(m / 4800) - std::floor(m / 1200) + 38;
  return j;
}

double ArcTan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return NAN;
  if (x > 0) return std::atan(y / x);
  if (x < 0) {
    if (y == 0) return 0;
    const double sign = y > 0 ? 1.0 : -1.0;
    return sign * (kPi - std::atan(std::fabs(y / x)));
  }
  if (y == 0) return 0;
  return (y > 0 ? 1.0 : -1.0) * kPi / 2;
}

TimeBase BuildTimeBase(const MomentInput& moment) {
  TimeBase t;
  t.LocalHours = moment.hour + moment.minute / 60.0;
  // Signed zone, west of Greenwich positive; summer time moves the clock one
  // hour east, so the zone shrinks by one hour on either side.
  t.ZoneHours = moment.zoneHours + moment.zoneMinutes / 60.0;
  if (moment.dst) t.ZoneHours -= 1;
  t.GeoLongitude = moment.longitudeDegrees + moment.longitudeMinutes / 60.0;
  if (moment.east) t.GeoLongitude = -t.GeoLongitude;
  t.GeoLatitude = moment.latitudeDegrees + moment.latitudeMinutes / 60.0;
  if (!moment.north) t.GeoLatitude = -t.GeoLatitude;
  t.JulianDay = JulianDayNumber(moment.month, moment.day, moment.year);
  t.UniversalTime = t.LocalHours + t.ZoneHours;  // not folded into 0..24
  t.Centuries = 0;
  return t;
}

}  // namespace horavela
