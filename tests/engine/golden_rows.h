#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>

namespace horavela {

// Tallies golden comparisons of one quantity: each miss reports the input, the
// result, the expected value, the error and the allowed error, and the worst
// error is printed at the end even when every row passes.
class GoldenTally {
 public:
  // `scale` turns the quantity's unit into the unit the errors are shown in
  // (60 for degrees shown in arc-minutes).
  GoldenTally(std::string quantity, std::string unit, double scale = 1)
      : quantity_(std::move(quantity)), unit_(std::move(unit)), scale_(scale) {}
  ~GoldenTally() {
    std::cout << "[ worst    ] " << quantity_ << ": " << worst_ << " " << unit_ << " ("
              << worstInput_ << ")\n";
  }

  void Check(const std::string& input, double actual, double expected, double tolerance,
             const std::string& source) {
    Record(input, actual, expected, actual - expected, tolerance, source);
  }

  // Angles in degrees compared round the circle (359.99 is near 0.01).
  void CheckAngle(const std::string& input, double actual, double expected, double tolerance,
                  const std::string& source) {
    double error = std::fmod(actual - expected, 360.0);
    if (error > 180) error -= 360;
    if (error < -180) error += 360;
    Record(input, actual, expected, error, tolerance, source);
  }

 private:
  void Record(const std::string& input, double actual, double expected, double error,
              double tolerance, const std::string& source) {
    const double shown = std::fabs(error) * scale_;
    EXPECT_LE(std::fabs(error), tolerance)
        << quantity_ << " for " << input << ": got " << actual << ", expected " << expected
        << ", error " << shown << " " << unit_ << ", allowed " << tolerance * scale_ << " " << unit_
        << " [" << source << "]";
    if (!(shown <= worst_)) {
      worst_ = shown;
      worstInput_ = input;
    }
  }

  std::string quantity_;
  std::string unit_;
  double scale_;
  double worst_ = 0;
  std::string worstInput_ = "none";
};

}  // namespace horavela
