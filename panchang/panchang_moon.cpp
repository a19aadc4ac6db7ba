#include "panchang/panchang_moon.h"

#include <cmath>

#include "engine/time_base.h"
#include "panchang/panchang_time.h"

namespace horavela {

namespace {

// One periodic term: coefficient in arc-seconds times the sine of
// p M' + q M + r F + s D (Moon's and Sun's mean anomalies, argument of
// latitude, mean elongation).
struct LunarTerm {
  double coefficient;
  int p, q, r, s;
};

// Periodic terms of the classical (Brown) lunar theory, 93 rows, arc-seconds;
// these take the eccentricity factor (for M) and the node factor (for F).
// clang-format off
constexpr LunarTerm kScaledTerms[] = {
    // coefficient  M'   M   F   D
    {    13.902,  0,  0,  0,  4},
    {  2369.912,  0,  0,  0,  2},
    {     1.979,  1,  0,  0,  4},
    {   191.953,  1,  0,  0,  2},
    {   22639.5,  1,  0,  0,  0},
    { -4586.465,  1,  0,  0, -2},
    {   -38.428,  1,  0,  0, -4},
    {    -0.393,  1,  0,  0, -6},
    {    -0.289,  0,  1,  0,  4},
    {    -24.42,  0,  1,  0,  2},
    {  -668.146,  0,  1,  0,  0},
    {  -165.145,  0,  1,  0, -2},
    {    -1.877,  0,  1,  0, -4},
    {     0.403,  0,  0,  0,  3},
    {  -125.154,  0,  0,  0,  1},
    {     0.213,  2,  0,  0,  4},
    {    14.387,  2,  0,  0,  2},
    {   769.016,  2,  0,  0,  0},
    {  -211.656,  2,  0,  0, -2},
    {   -30.773,  2,  0,  0, -4},
    {     -0.57,  2,  0,  0, -6},
    {    -2.921,  1,  1,  0,  2},
    {  -109.673,  1,  1,  0,  0},
    {  -205.962,  1,  1,  0, -2},
    {    -4.391,  1,  1,  0, -4},
    {     0.283,  1, -1,  0,  4},
    {    14.577,  1, -1,  0,  2},
    {   147.687,  1, -1,  0,  0},
    {    28.475,  1, -1,  0, -2},
    {     0.636,  1, -1,  0, -4},
    {    -0.189,  0,  2,  0,  2},
    {    -7.486,  0,  2,  0,  0},
    {    -8.096,  0,  2,  0, -2},
    {    -5.741,  0,  0,  2,  2},
    {  -411.608,  0,  0,  2,  0},
    {   -55.173,  0,  0,  2, -2},
    {     0.025,  0,  0,  2, -4},
    {    -8.466,  1,  0,  0,  1},
    {    18.609,  1,  0,  0, -1},
    {     3.215,  1,  0,  0, -3},
    {    18.023,  0,  1,  0,  1},
    {      0.56,  0,  1,  0, -1},
    {      1.06,  3,  0,  0,  2},
    {    36.124,  3,  0,  0,  0},
    {   -13.193,  3,  0,  0, -2},
    {    -1.187,  3,  0,  0, -4},
    {    -0.293,  3,  0,  0, -6},
    {     -0.29,  2,  1,  0,  2},
    {    -7.649,  2,  1,  0,  0},
    {    -8.627,  2,  1,  0, -2},
    {     -2.74,  2,  1,  0, -4},
    {     1.181,  2, -1,  0,  2},
    {     9.703,  2, -1,  0,  0},
    {    -2.494,  2, -1,  0, -2},
    {      0.36,  2, -1,  0, -4},
    {    -1.167,  1,  2,  0,  0},
    {    -7.412,  1,  2,  0, -2},
    {    -0.311,  1,  2,  0, -4},
    {     0.757,  1, -2,  0,  2},
    {      2.58,  1, -2,  0,  0},
    {     2.533,  1, -2,  0, -2},
    {    -0.344,  0,  3,  0, -2},
    {    -0.992,  1,  0,  2,  2},
    {   -45.099,  1,  0,  2,  0},
    {    -0.179,  1,  0,  2, -2},
    {    -6.382,  1,  0, -2,  2},
    {    39.528,  1,  0, -2,  0},
    {     9.366,  1,  0, -2, -2},
    {     0.415,  0,  1,  2,  0},
    {    -2.152,  0,  1,  2, -2},
    {     -1.44,  0,  1, -2,  2},
    {     0.384,  0,  1, -2, -2},
    {    -0.586,  2,  0,  0,  1},
    {      1.75,  2,  0,  0, -1},
    {     1.225,  2,  0,  0, -3},
    {     1.267,  1,  1,  0,  1},
    {    -1.089,  1, -1,  0, -1},
    {     0.584,  0,  0,  2, -1},
    {     1.938,  4,  0,  0,  0},
    {    -0.952,  4,  0,  0, -2},
    {    -0.551,  3,  1,  0,  0},
    {    -0.482,  3,  1,  0, -2},
    {     0.681,  3, -1,  0,  0},
    {    -3.996,  2,  0,  2,  0},
    {     0.557,  2,  0,  2, -2},
    {    -0.459,  2,  0, -2,  2},
    {    -1.298,  2,  0, -2,  0},
    {     0.538,  2,  0, -2, -2},
    {     0.426,  1,  1, -2, -2},
    {    -0.304,  1, -1,  2,  0},
    {    -0.372,  1, -1, -2,  2},
    {     0.418,  0,  0,  4,  0},
    {    -0.352,  2, -1,  0, -1},
};
// clang-format on

// The 27 smaller terms of the same theory, arc-seconds, used without factors.
// clang-format off
constexpr LunarTerm kPlainTerms[] = {
    // coefficient  M'   M   F   D
    {     0.127,  0,  0,  0,  6},
    {    -0.151,  0,  2,  0, -4},
    {    -0.085,  0,  0,  2,  4},
    {      0.15,  0,  1,  0,  3},
    {    -0.091,  2,  1,  1, -6},
    {    -0.103,  0,  3,  0,  0},
    {    -0.301,  1,  0,  2, -4},
    {     0.202,  1,  0, -2, -4},
    {     0.137,  1,  1,  0, -1},
    {     0.233,  1,  1,  0, -3},
    {    -0.122,  1, -1,  0,  1},
    {    -0.276,  1, -1,  0, -3},
    {     0.255,  0,  0,  2,  1},
    {     0.254,  0,  0,  2, -3},
    {      -0.1,  3,  1,  0, -4},
    {    -0.183,  3, -1,  0, -2},
    {    -0.297,  2,  2,  0, -2},
    {    -0.161,  2,  2,  0, -4},
    {     0.197,  2, -2,  0,  0},
    {     0.254,  2, -2,  0, -2},
    {     -0.25,  1,  3,  0, -2},
    {    -0.123,  2,  0,  2,  2},
    {     0.173,  2,  0, -2, -4},
    {     0.263,  1,  1,  2,  0},
    {      0.13,  3,  0,  0, -1},
    {     0.113,  5,  0,  0,  0},
    {     0.092,  3,  0,  2, -2},
};
// clang-format on

// Planetary perturbations: arc-seconds times the sine of an argument in
// revolutions, phase plus rate per day from 1900 January 0.5.
struct PlanetaryTerm {
  double coefficient, phase, rate;
};
constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {0.822, 0.3248, -0.0017125594},  {0.307, 0.14905, -0.0034251187},
    {0.348, 0.68266, -0.0006873156}, {0.662, 0.65162, 0.0365724168},
    {0.643, 0.88098, -0.0025069941}, {1.137, 0.85823, 0.036448727},
    {0.436, 0.71892, 0.036217918},   {0.327, 0.97639, 0.000173491},
};

constexpr double kTwoPi = 360 * kDegreesToRadians;

double Revolutions(double turns) {
  return kTwoPi * turns;
}

}  // namespace

MoonLongitude PanchangMoon(double jd) {
  const double d = jd - 2415020;
  const double t = d / 36525;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double dd = d * d;

  // Mean elements from 1900 January 0.5, degrees; the mean longitude unfolded.
  const double meanLongitude =
      270.4337361 + 13.1763965445281 * d - 5.86 * t2 / 3600 + 0.0068 * t3 / 3600;
  double elongation =
      350.737486111058 + 445267.114216667 * t - 0.0014361111 * t2 + 0.0000018888889 * t3;
  const double perigee = 334.329556 + (14648522.52 * t - 37.17 * t2 - 0.045 * t3) / 3600;
  double sunAnomaly = 358.475833333333 + 35999.0497499996 * t - 0.00015 * t2 - 0.0000033333333 * t3;
  double moonAnomaly = Fold360(meanLongitude - perigee);
  const double node = 259.183275 + (-6962911.23 * t + 7.48 * t2 + 0.008 * t3) / 3600;
  double latitudeArgument = Fold360(meanLongitude - node);

  // Long-period (mostly planetary) corrections of the mean elements.
  const double s1 = std::sin(Revolutions(0.14222222 + 0.000001536238 * d));
  const double s2 =
      std::sin(Revolutions(0.23363774 + 0.000001232723 * d + 0.0000000000000191 * dd));
  const double s3 =
      std::sin(Revolutions(0.53733431 - 0.000010104982 * d + 0.0000000000000191 * dd));
  const double arg4 = Revolutions(0.71995354 - 0.000147094228 * d + 0.0000000000000043 * dd);
  const double s4 = std::sin(arg4);
  const double c4 = std::cos(arg4);
  const double arg5 = Revolutions(0.48398132 - 0.000147269147 * d + 0.0000000000000043 * dd);
  const double s5 = std::sin(arg5);
  const double c5 = std::cos(arg5);
  const double s6 = std::sin(Revolutions(0.84536324 - 0.000011459387 * d));
  const double s7 =
      std::sin(Revolutions(0.52453688 - 0.000147162675 * d + 0.0000000000000043 * dd));
  const double s8 = std::sin(Revolutions(0.5875 + 0.000009050118 * d));
  const double s9 = std::sin(Revolutions(0.61043085 - 0.000067718733 * d));

  const double common = 0.84 * s1 + 0.31 * s2 + 14.27 * s3 + 7.261 * s4 + 0.282 * s5 + 0.237 * s6;
  const double moonAnomalyCorrection = common + 2.1 * s1 + 2.076 * s4 + 0.84 * s5 + 0.593 * s6;
  const double latitudeCorrection = common - (0.63 * s1 + 95.96 * s4 + 15.58 * s5 + 1.86 * s7);
  const double sunAnomalyCorrection = -6.4 * s1 - 0.27 * s8 - 1.89 * s6 + 0.2 * s9;
  const double elongationCorrection = common - sunAnomalyCorrection;
  const double gamma = (-4.318 * c4 - 0.698 * c5) / 3600 / 360;
  const double nodeFactor = 1.000002708 + 139.978 * gamma;

  moonAnomaly = (moonAnomaly + moonAnomalyCorrection / 3600) * kDegreesToRadians;
  sunAnomaly = (sunAnomaly + sunAnomalyCorrection / 3600) * kDegreesToRadians;
  latitudeArgument = (latitudeArgument + latitudeCorrection / 3600) * kDegreesToRadians;
  elongation = (elongation + elongationCorrection / 3600) * kDegreesToRadians;

  // The Earth's orbital eccentricity decreases; terms in M scale with it.
  const double eccentricity = 1 - 0.00000006832 * d;
  const double nodeFactor2 = nodeFactor * nodeFactor;

  double scaledSum = 0;
  for (const LunarTerm& term : kScaledTerms) {
    double value = std::sin(term.p * moonAnomaly + term.q * sunAnomaly + term.r * latitudeArgument +
                            term.s * elongation);
    if (term.q != 0) value *= eccentricity;
    if (term.q == 2 || term.q == -2) value *= eccentricity;  // a second time for 2M
    if (term.r != 0) value *= nodeFactor2;
    scaledSum += term.coefficient * value;
  }

  double plainSum = 0;
  for (const LunarTerm& term : kPlainTerms) {
    plainSum += term.coefficient * std::sin(term.p * moonAnomaly + term.q * sunAnomaly +
                                            term.r * latitudeArgument + term.s * elongation);
  }

  double planetarySum = 0;
  for (const PlanetaryTerm& term : kPlanetaryTerms) {
    planetarySum += term.coefficient * std::sin(Revolutions(term.phase + term.rate * d));
  }

  MoonLongitude moon;
  moon.unfolded = meanLongitude + NutationInLongitude(jd) +
                  (common + scaledSum + plainSum + planetarySum) / 3600;
  moon.folded = Fold360(moon.unfolded);
  return moon;
}

}  // namespace horavela
