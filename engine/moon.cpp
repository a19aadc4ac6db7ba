#include "engine/moon.h"

#include <cmath>

#include "engine/angle_fold.h"
#include "engine/ascendant.h"
#include "engine/planet_ephemeris.h"
#include "engine/swiss_positions.h"
#include "engine/time_base.h"
#include "engine/vocabulary.h"

namespace horavela {

namespace {

// One periodic term of the Moon's longitude: multiples of D, M, M', F and the
// coefficient in degrees.
struct LongitudeTerm {
  int d, m, mp, f;
  double coefficient;
};

// The 25 largest terms of the Moon's longitude, ELP-2000/82 as tabulated in
// Meeus, Astronomical Algorithms, 2nd ed., table 47.A (degrees).
// clang-format off
constexpr LongitudeTerm kMoonLongitudeTerms[] = {
    //  D   M   M'  F   coefficient
    { 0,  0,  1,  0,   6.288774},
    { 2,  0, -1,  0,   1.274027},
    { 2,  0,  0,  0,   0.658314},
    { 0,  0,  2,  0,   0.213618},
    { 0,  1,  0,  0,  -0.185116},
    { 0,  0,  0,  2,  -0.114332},
    { 2,  0, -2,  0,   0.058793},
    { 2, -1, -1,  0,   0.057066},
    { 2,  0,  1,  0,   0.053322},
    { 2, -1,  0,  0,   0.045758},
    { 0,  1, -1,  0,  -0.040923},
    { 1,  0,  0,  0,   -0.03472},
    { 0,  1,  1,  0,  -0.030383},
    { 2,  0,  0, -2,   0.015327},
    { 0,  0,  1,  2,  -0.012528},
    { 0,  0,  1, -2,    0.01098},
    { 4,  0, -1,  0,   0.010675},
    { 0,  0,  3,  0,   0.010034},
    { 4,  0, -2,  0,   0.008548},
    { 2,  1, -1,  0,  -0.007888},
    { 2,  1,  0,  0,  -0.006766},
    { 1,  0, -1,  0,  -0.005163},
    { 1,  1,  0,  0,   0.004987},
    { 2, -1,  1,  0,   0.004036},
    { 2,  0,  2,  0,   0.003994},
};
// clang-format on

// Folds a finite longitude that lies outside 0..360 into 0 <= x < 360.
double IntoCircle(double x) {
  if (x >= 0 && x < 360) return x;
  const double folded = FoldUpToTurn(x, 360);
  return folded == 360 ? 0.0 : folded;
}

}  // namespace

double MoonTropicalLongitude(double t) {
  // Mean elements, linear in T; the angles go to the sine unreduced.
  const double meanLongitude = 218.3164591 + 481267.88134236 * t;
  const double d = (297.8502042 + 445267.1115168 * t) * kDegreesToRadians;
  const double m = (357.5291092 + 35999.0502909 * t) * kDegreesToRadians;
  const double mp = (134.9634114 + 477198.8676313 * t) * kDegreesToRadians;
  const double f = (93.2720993 + 483202.0175273 * t) * kDegreesToRadians;
  // The Earth's orbit grows less eccentric; terms in M are scaled by E.
  const double e = 1 - 0.002516 * t - 0.0000074 * t * t;

  double sum = 0;
  for (const LongitudeTerm& term : kMoonLongitudeTerms) {
    double value = term.coefficient * std::sin(term.d * d + term.m * m + term.mp * mp + term.f * f);
    if (term.m != 0) value *= e;
    sum += value;
  }
  return FoldUpToTurn(meanLongitude + sum, 360);
}

double MoonSiderealLongitude(double tropical, double ayanamsa) {
  double sidereal = tropical + ayanamsa;
  if (sidereal < 0) sidereal += 360;
  // Far from the present era the ayanamsa exceeds a whole turn; one addition
  // is then not enough to reach the circle.
  if (std::isfinite(sidereal)) sidereal = IntoCircle(sidereal);
  return sidereal;
}

int NakshatraIndex(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return -1;
  return FloorIndex(IntoCircle(siderealLongitude) * 60 / 800, 27);
}

int SignIndex(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return -1;
  return FloorIndex(std::floor(IntoCircle(siderealLongitude)) / 30, 12);
}

void ComputeMoon(CalculationState& state) {
  state.Time = BuildTimeBase(state.Moment);
  TimeBase& time = state.Time;
  time.Centuries = (time.JulianDay - 2451545 + time.UniversalTime / 24 - 0.5) / 36525;

  const CalculationSettings& settings = state.Input.settings;
  const double julianDayUt = UniversalJulianDay(time);
  MoonState& moon = state.Moon;
  moon.Ayanamsa = ChosenAyanamsa(settings.ayanamsa, julianDayUt, AyanamsaJ2000(time.Centuries));
  const double tropical = settings.ephemeris == EphemerisSource::Program
                              ? MoonTropicalLongitude(time.Centuries)
                              : SwissMoonLongitude(julianDayUt).value_or(NAN);
  moon.MoonLongitude = MoonSiderealLongitude(tropical, moon.Ayanamsa);
  NameMoonLongitude(moon);
}

void NameMoonLongitude(MoonState& moon) {
  moon.MoonNakshatra = FromIndex<Nakshatra>(NakshatraIndex(moon.MoonLongitude));
  moon.MoonRashi = FromIndex<Rashi>(SignIndex(moon.MoonLongitude));
}

}  // namespace horavela
