#include "panchang/panchang_time.h"

#include <cmath>
#include <limits>

#include "engine/angle_fold.h"
#include "engine/time_base.h"

namespace horavela {

namespace {

// Delta T (dynamical minus universal time), seconds, at the start of each
// decade 1620, 1630, ... 2010, from historical observations.
constexpr double kDeltaTTable[40] = {
    124,  85,  62,   48,   37,   26,   16,   10,   9,    10,    // 1620-1710
    11,   11,  12,   13,   15,   16,   17,   17,   13.7, 12.5,  // 1720-1810
    12,   7.5, 5.7,  7.1,  7.9,  1.6,  -5.4, -5.9, -2.7, 10.5,  // 1820-1910
    21.2, 24,  24.3, 29.2, 33.2, 40.2, 50.5, 56.9, 65.7, 75.5,  // 1920-2010
};

struct CalendarParts {
  double year, month, day;  // day with its fraction
};

// Meeus, Astronomical Algorithms, ch. 7: Julian date to calendar date, the
// Julian calendar before the Gregorian reform (day 2299161).
CalendarParts CalendarPartsOf(double jd) {
  const double z = std::floor(jd + 0.5);
  const double f = jd + 0.5 - z;
  double a = z;
  if (z >= 2299161) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  CalendarParts parts;
  parts.day = b - d - std::floor(30.6001 * e) + f;
  parts.month = e < 13.5 ? e - 1 : e - 13;
  parts.year = parts.month > 2.5 ? c - 4716 : c - 4715;
  return parts;
}

// A whole number as int, 0 when it does not fit.
int ToInt(double x) {
  if (!(x > std::numeric_limits<int>::min() && x < std::numeric_limits<int>::max())) return 0;
  return static_cast<int>(std::floor(x));
}

}  // namespace

CalendarDate CalendarFromJulian(double jd) {
  const CalendarParts parts = CalendarPartsOf(jd);
  return {ToInt(parts.year), ToInt(parts.month), ToInt(std::floor(parts.day))};
}

double DeltaT(double jd) {
  if (!std::isfinite(jd)) return NAN;
  const CalendarParts date = CalendarPartsOf(jd);
  const double y = date.year + (date.month - 1) / 12 + (std::floor(date.day) - 1) / 365.25;
  const double t = (jd - 2378497) / 36525;  // centuries from 1800
  double seconds;
  if (y >= 1620 && y < 2010) {
    // Linear interpolation between the observed decade values.
    const int i = static_cast<int>(std::floor((y - 1620) / 10));
    const double f = y - (1620 + 10 * i);
    seconds = kDeltaTTable[i] + f * (kDeltaTTable[i + 1] - kDeltaTTable[i]) / 10;
  } else if (y >= 2010) {
    seconds = 25.5 * t * t - 39;
  } else if (y >= 948) {
    seconds = 25.5 * t * t;
  } else {
    seconds = 1361.7 + 320 * t + 44.3 * t * t;
  }
  return seconds / 3600;
}

double Fold360(double angle) {
  return FoldUpToTurn(angle, 360);
}

double SolveKepler(double meanAnomalyDegrees, double eccentricity, double toleranceDegrees) {
  // Newton's method on E - e sin E = M. Near-circular orbits converge in a
  // few steps; the cap keeps a hyperbolic or non-finite input from hanging.
  constexpr int kMaxSteps = 50;
  const double m = meanAnomalyDegrees * kDegreesToRadians;
  const double tolerance = toleranceDegrees * kDegreesToRadians;
  double e = m;
  double delta = 1;
  for (int step = 0; step < kMaxSteps && std::fabs(delta) >= tolerance; ++step) {
    delta = (m + eccentricity * std::sin(e) - e) / (1 - eccentricity * std::cos(e));
    e += delta;
  }
  return e;
}

double NutationInLongitude(double jd) {
  const double t = (jd - 2415020) / 36525;
  const double t2 = t * t;
  // Fundamental arguments from 1900 January 0.5, in radians.
  const double l = (279.6967 + 36000.7689 * t + 0.000303 * t2) * kDegreesToRadians;
  const double lp = (270.4341639 + 481267.8831417 * t - 0.0011333333 * t2) * kDegreesToRadians;
  const double m = (358.475833333333 + 35999.0497499996 * t - 0.00015 * t2) * kDegreesToRadians;
  const double mp =
      (296.104608333376 + 477198.849108334 * t + 0.0091916667 * t2) * kDegreesToRadians;
  const double d =
      (350.737486111058 + 445267.114216667 * t - 0.0014361111 * t2) * kDegreesToRadians;
  const double node = (259.183275 - 1934.14200833321 * t + 0.0020777778 * t2) * kDegreesToRadians;

  // Delta psi in arc-seconds: the thirteen largest terms.
  const double arcSeconds =
      (-17.2327 - 0.01737 * t) * std::sin(node) + 0.2088 * std::sin(2 * node) +
      0.0675 * std::sin(mp) - 0.0149 * std::sin(mp - 2 * d) - 0.0342 * std::sin(2 * lp - node) +
      0.0114 * std::sin(2 * lp - mp) - 0.2037 * std::sin(2 * lp) - 0.0261 * std::sin(mp + 2 * lp) +
      0.0124 * std::sin(2 * l - node) + 0.0214 * std::sin(2 * l - m) - 1.2729 * std::sin(2 * l) -
      0.0497 * std::sin(m + 2 * l) + 0.1261 * std::sin(m);
  return arcSeconds / 3600;
}

SunLongitude PanchangSun(double jd) {
  const double d = jd - 2415020;
  const double t = d / 36525;
  const double t2 = t * t;
  const double t3 = t2 * t;

  // Newcomb's Sun: mean longitude, perigee, mean anomaly.
  const double meanLongitude = 279.696678 + 0.9856473354 * d + 1.089 * t2 / 3600;
  const double perigee = 101.220833 + (6189.03 * t + 1.63 * t2 + 0.012 * t3) / 3600;
  const double meanAnomaly = Fold360(meanLongitude - perigee + 180);
  // Long-period perturbations of the mean anomaly, arc-seconds.
  const double correctedAnomaly =
      meanAnomaly + (6.4 * std::sin((231.19 + 20.2 * t) * kDegreesToRadians) +
                     0.266 * std::sin((31.8 + 119.0 * t) * kDegreesToRadians) +
                     (1.882 - 0.016 * t) * std::sin((57.24 + 150.27 * t) * kDegreesToRadians)) /
                        3600;
  const double ecc = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;

  const double eccentricAnomaly = SolveKepler(correctedAnomaly, ecc, 0.0000003);
  double trueAnomaly = eccentricAnomaly;
  if (std::fabs(kPi - eccentricAnomaly) >= 1e-10) {
    trueAnomaly = 2 * std::atan(std::tan(eccentricAnomaly / 2) * std::sqrt((1 + ecc) / (1 - ecc)));
  }
  trueAnomaly = Fold360(trueAnomaly * kRadiansToDegrees);

  // Periodic perturbations of longitude and radius vector by the planets and
  // the Moon (D is the Moon's mean elongation), and a long-period term J.
  const double a = (153.23 + 22518.7541 * t) * kDegreesToRadians;
  const double b = (216.57 + 45037.5082 * t) * kDegreesToRadians;
  const double c = (312.69 + 32964.3577 * t) * kDegreesToRadians;
  const double dd = (350.74 + 445267.1142 * t - 0.00144 * t2) * kDegreesToRadians;
  const double h = (353.4 + 65928.7155 * t) * kDegreesToRadians;
  const double j = (315.6 + 893.3 * t) * kDegreesToRadians;
  const double longitudeCorrection = 0.00134 * std::cos(a) + 0.00154 * std::cos(b) +
                                     0.002 * std::cos(c) + 0.00179 * std::sin(dd) +
                                     (0.202 * std::sin(j)) / 3600;
  const double radiusCorrection = 0.00000543 * std::sin(a) + 0.00001575 * std::sin(b) +
                                  0.00001627 * std::sin(c) + 0.00003076 * std::cos(dd) +
                                  0.00000926999999 * std::sin(h);

  const double trueLongitude = meanLongitude + longitudeCorrection + trueAnomaly - meanAnomaly;
  const double radius =
      1.0000002 * (1 - ecc * ecc) / (1 + ecc * std::cos(trueAnomaly * kDegreesToRadians)) +
      radiusCorrection;
  const double aberration = 20.496 * (1 - ecc * ecc) / radius / 3600;

  SunLongitude sun;
  sun.unfolded = NutationInLongitude(jd) + trueLongitude - aberration;
  sun.folded = Fold360(sun.unfolded);
  return sun;
}

double PanchangAyanamsa(double jd) {
  const double t = (jd - 2415020) / 36525;
  const double t2 = t * t;
  const double node =
      259.183275 - 1934.14200833321 * t + 0.0020777778 * t2 + 0.0000022222222 * t2 * t;
  const double sunMean = 279.696678 + 36000.76892 * t + 0.0003025 * t2;
  const double nutation =
      17.23 * std::sin(node * kDegreesToRadians) + 1.27 * std::sin(2 * sunMean * kDegreesToRadians);
  return (nutation - (5025.64 + 1.11 * t) * t - 80861.27) / 3600;
}

}  // namespace horavela
