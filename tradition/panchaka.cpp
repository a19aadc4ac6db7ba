#include "tradition/panchaka.h"

#include "engine/crossing_search.h"
#include "search/element_probes.h"

namespace horavela {

namespace {

// Panchaka spans 60 degrees of the Moon's path, which it crosses in 3.9 days
// at its fastest; the rest of the turn takes three weeks.
constexpr std::int64_t kMoonStepMinutes = 3 * 1440 + 720;
constexpr std::int64_t kLongestPanchakaMinutes = 6 * 1440;
constexpr double kPanchakaBegins = kPanchakaFirstPada * 200.0 / 60.0;  // degrees

struct MoonSample {
  bool inPanchaka = false;
  double longitude = 0;
};

double PanchakaEdgeFraction(const MoonSample& low, const MoonSample& high) {
  double upper = high.longitude;
  if (upper < low.longitude) upper += 360;
  const double edge = low.longitude < kPanchakaBegins ? kPanchakaBegins : 360;
  return (edge - low.longitude) / (upper - low.longitude);
}

}  // namespace

std::vector<VetoPeriod> Panchakas(MinuteSky& sky, std::int64_t first, std::int64_t last) {
  auto sampleAt = [&sky](std::int64_t minute) {
    const double longitude = sky.SiderealMoon(minute);
    return MoonSample{PadaIndex(longitude) >= kPanchakaFirstPada, longitude};
  };
  auto same = [](const MoonSample& a, const MoonSample& b) { return a.inPanchaka == b.inPanchaka; };
  const std::vector<Crossing<MoonSample>> crossings =
      Crossings<MoonSample>(first - kLongestPanchakaMinutes, last + kLongestPanchakaMinutes,
                            kMoonStepMinutes, sampleAt, same, PanchakaEdgeFraction);
  std::vector<VetoPeriod> periods;
  for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
    const std::int64_t begins = crossings[i].minute;
    const std::int64_t ends = crossings[i + 1].minute - 1;
    if (!crossings[i].after.inPanchaka || begins > last || ends < first) continue;
    periods.push_back(PeriodOf(Veto::Panchaka, begins, ends,
                               Worded("The Moon is in the last five nakshatras, from "
                                      "Dhanishta's third pada through Revati.")));
  }
  return periods;
}

}  // namespace horavela
