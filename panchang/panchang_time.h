#pragma once

namespace horavela {

struct CalendarDate {
  int year;
  int month;
  int day;
};

// Civil date of a Julian date (Julian calendar before 15 October 1582).
CalendarDate CalendarFromJulian(double jd);

// Dynamical minus universal time at a Julian date (universal time), in hours.
double DeltaT(double jd);

// While below 0 add 360, then while above 360 subtract 360 (360 itself stays).
double Fold360(double angle);

// Eccentric anomaly in radians for a mean anomaly and tolerance in degrees.
// Stops after a bounded number of steps so that no input can hang it.
double SolveKepler(double meanAnomalyDegrees, double eccentricity, double toleranceDegrees);

// Nutation in longitude, degrees, at a Julian date in dynamical time.
double NutationInLongitude(double jd);

struct SunLongitude {
  double unfolded;  // apparent tropical longitude before folding, degrees
  double folded;    // the same in 0..360
};
SunLongitude PanchangSun(double jd);

// The panchang's ayanamsa at a Julian date, degrees, negative.
double PanchangAyanamsa(double jd);

}  // namespace horavela
