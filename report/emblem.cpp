#include "report/emblem.h"

#include <cmath>
#include <cstdint>

namespace horavela {
namespace {

struct Rgb {
  double r, g, b;
};

// Palette of the emblem, in 0..255 per channel.
constexpr Rgb kWhite = {255, 255, 255};
constexpr Rgb kSaffron = {255, 140, 26};  // long rays
constexpr Rgb kGold = {240, 180, 20};     // short rays
constexpr Rgb kDiscCentre = {255, 222, 90};
constexpr Rgb kDiscEdge = {245, 150, 20};
constexpr Rgb kMaroon = {150, 40, 10};  // rim, inner ring and the central point

constexpr int kRays = 12;
constexpr double kPi = 3.14159265358979323846;
constexpr int kSubsamples = 4;  // per axis, for smooth edges

// Is (u along the ray, v across it) inside a ray that starts under the disc
// and narrows to a point at `length`?
bool InRay(double u, double v, double length, double halfWidth) {
  constexpr double kBase = 0.40;
  if (u < kBase || u > length) return false;
  return std::fabs(v) <= halfWidth * (length - u) / (length - kBase);
}

// Colour of the emblem at (x, y), both in -1..1 with y downwards; nothing
// drawn there gives white.
Rgb Shade(double x, double y) {
  const double r = std::hypot(x, y);
  if (r < 0.07) return kMaroon;
  if (r < 0.50) {
    if (r > 0.45) return kMaroon;
    if (r > 0.26 && r < 0.29) return kMaroon;
    const double t = r / 0.45;
    return {kDiscCentre.r + (kDiscEdge.r - kDiscCentre.r) * t,
            kDiscCentre.g + (kDiscEdge.g - kDiscCentre.g) * t,
            kDiscCentre.b + (kDiscEdge.b - kDiscCentre.b) * t};
  }
  for (int k = 0; k < kRays; ++k) {
    // Ray 0 points straight up; long and short rays alternate.
    const double angle = k * 2 * kPi / kRays;
    const double dx = std::sin(angle);
    const double dy = -std::cos(angle);
    const double u = x * dx + y * dy;
    const double v = -x * dy + y * dx;
    const bool longRay = k % 2 == 0;
    if (InRay(u, v, longRay ? 0.97 : 0.80, longRay ? 0.17 : 0.13)) {
      return longRay ? kSaffron : kGold;
    }
  }
  return kWhite;
}

std::uint32_t Pack(const Rgb& c) {
  const auto channel = [](double v) {
    return static_cast<std::uint32_t>(std::lround(std::fmin(255.0, std::fmax(0.0, v))));
  };
  return 0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

}  // namespace

Bitmap DrawSunEmblem(int size) {
  Bitmap bitmap;
  if (size <= 0) return bitmap;
  bitmap.width = size;
  bitmap.height = size;
  bitmap.pixels.resize(static_cast<std::size_t>(size) * size);
  const double half = size / 2.0;
  for (int row = 0; row < size; ++row) {
    for (int col = 0; col < size; ++col) {
      Rgb sum = {0, 0, 0};
      for (int sy = 0; sy < kSubsamples; ++sy) {
        for (int sx = 0; sx < kSubsamples; ++sx) {
          const double x = (col + (sx + 0.5) / kSubsamples - half) / half;
          const double y = (row + (sy + 0.5) / kSubsamples - half) / half;
          const Rgb c = Shade(x, y);
          sum.r += c.r;
          sum.g += c.g;
          sum.b += c.b;
        }
      }
      constexpr double kSamples = kSubsamples * kSubsamples;
      bitmap.pixels[static_cast<std::size_t>(row) * size + col] =
          Pack({sum.r / kSamples, sum.g / kSamples, sum.b / kSamples});
    }
  }
  return bitmap;
}

const Bitmap& ReportEmblem() {
  static const Bitmap emblem = DrawSunEmblem(72);
  return emblem;
}

}  // namespace horavela
