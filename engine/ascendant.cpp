#include "engine/ascendant.h"

#include <cmath>

#include "engine/angle_fold.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/swiss_positions.h"
#include "engine/time_base.h"

namespace horavela {

double AyanamsaJ2000(double t) {
  // Nutation in longitude from its two largest terms (node and twice the
  // Sun's mean longitude), in arc-seconds.
  const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
  const double sunMean = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
  const double nutation =
      17.23 * std::sin(node * kDegreesToRadians) + 1.27 * std::sin(2 * sunMean * kDegreesToRadians);
  // General precession of 5025.64"/century from the ayanamsa of J2000.0.
  return (nutation - 5025.64 * t - 1.11 * t * t - 85886.27) / 3600;
}

double Ayanamsa1900(double t) {
  // The same terms counted from 1900.0, the node and twice the Sun's mean
  // longitude taken directly in arc-seconds.
  const double node = ReduceBelowTurn((933060 - 6962911 * t + 7.5 * t * t) / 3600, 360);
  const double twiceSunMean = (2013816 + 259205536 * t) / 3600;
  const double nutation = 17.23 * std::sin(node * kDegreesToRadians) +
                          1.27 * std::sin(twiceSunMean * kDegreesToRadians);
  return (nutation - 5025.64 * t - 1.11 * t * t - 80861.27) / 3600;
}

double Normalize360(double& angle) {
  if (angle < 0) angle += 360;
  if (angle > 360) angle -= 360;
  return angle;
}

double LocalSiderealAngle(double t, double universalTime, double geoLongitude) {
  // Newcomb's Greenwich mean sidereal time in hours; the centuries already
  // include the time of day, so universal time enters with factor 1.
  const double hours = 6.6460656 + 2400.0513 * t + 0.0000258 * t * t + universalTime;
  return ReduceBelowTurn(15 * hours - geoLongitude, 360);
}

double TropicalAscendant(double localSiderealDegrees, double obliquity, double latitude) {
  const double ramc = localSiderealDegrees * kDegreesToRadians;
  const double y = std::cos(ramc);
  const double x = -std::sin(ramc) * std::cos(obliquity) -
                   std::sin(obliquity) * std::tan(latitude * kDegreesToRadians);
  double a = ArcTan2(y, x);
  // The ascendant is the rising intersection: half a turn on when the
  // meridian's cosine is negative.
  if (a < 0) a += kPi;
  if (std::cos(ramc) < 0) a += kPi;
  return ReduceBelowTurn(a * kRadiansToDegrees, 360);
}

void ComputeAscendant(CalculationState& state) {
  state.Time = BuildTimeBase(state.Moment);
  TimeBase& time = state.Time;
  time.Centuries = (time.JulianDay - 2415020 + time.UniversalTime / 24 - 0.5) / 36525;
  const double t = time.Centuries;

  const CalculationSettings& settings = state.Input.settings;
  const double julianDayUt = UniversalJulianDay(time);
  AscendantState& asc = state.Ascendant;
  asc.Ayanamsa = ChosenAyanamsa(settings.ayanamsa, julianDayUt, Ayanamsa1900(t));
  asc.LocalSiderealAngle = LocalSiderealAngle(t, time.UniversalTime, time.GeoLongitude);
  asc.Obliquity = (23.452294 - 0.0130125 * t) * kDegreesToRadians;
  // The engine's longitudes are west-positive, the library's east-positive.
  const double tropical =
      settings.ephemeris == EphemerisSource::Program
          ? TropicalAscendant(asc.LocalSiderealAngle, asc.Obliquity, time.GeoLatitude)
          : SwissAscendant(julianDayUt, time.GeoLatitude, -time.GeoLongitude).value_or(NAN);
  asc.AscendantLongitude = tropical + asc.Ayanamsa;
  Normalize360(asc.AscendantLongitude);
  // SignIndex also copes with an ayanamsa of more than a turn (far eras).
  asc.Lagna = FromIndex<Rashi>(SignIndex(asc.AscendantLongitude));
}

}  // namespace horavela
