#include "tradition/solar_vetoes.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/crossing_search.h"
#include "engine/moon.h"

namespace horavela {

namespace {

// Safely below the shortest stay of the Sun in a sign (29.3 days): no step
// passes over a whole sign, nor over more than one sankranti.
constexpr std::int64_t kSunStepMinutes = 28 * 1440;

// The solar months the almanacs keep free of marriage and the other
// samskaras: Muhurta Chintamani (Vivaha prakarana 6.13) names the Sun's signs
// in which to marry, and Dhanu and Meena are not among them.
struct SolarMonthVeto {
  Rashi sign;
  Veto veto;
};
constexpr std::array<SolarMonthVeto, 2> kSolarMonthVetoes = {{
    {Rashi::Dhanus, Veto::Kharmas},
    {Rashi::Meena, Veto::Malmas},
}};

std::optional<Veto> VetoOfSign(int sign) {
  for (const SolarMonthVeto& solar : kSolarMonthVetoes)
    if (static_cast<int>(solar.sign) == sign) return solar.veto;
  return std::nullopt;
}

// The Sun's sign, and its longitude to guide the bisection.
struct SunSample {
  int sign = -1;
  double longitude = std::numeric_limits<double>::quiet_NaN();
  // What the search tells apart: the vetoed sign the Sun is in, or none.
  int key() const { return VetoOfSign(sign) ? sign : -1; }
};

// How far into a bracket the Sun should reach its next sign, by its
// longitudes at the ends; not finite where one of them is missing.
double SignCrossingFraction(const SunSample& low, const SunSample& high) {
  double upper = high.longitude;
  if (upper < low.longitude) upper += 360;
  return (NextOnGrid(low.longitude, 30) - low.longitude) / (upper - low.longitude);
}

}  // namespace

std::string_view SankrantiName(Rashi sign) {
  return SankrantiSpelling(static_cast<int>(sign));
}

// Only the sankrantis into and out of Dhanu and Meena are pinned to the
// minute: the search's key is the vetoed sign the Sun is in.
std::vector<VetoPeriod> KharmasAndMalmas(MinuteSky& sky, std::int64_t first, std::int64_t last) {
  auto sampleAt = [&sky](std::int64_t minute) {
    const double longitude = sky.SiderealSun(minute);
    return SunSample{SignIndex(longitude), longitude};
  };
  auto same = [](const SunSample& a, const SunSample& b) { return a.key() == b.key(); };
  const std::vector<Crossing<SunSample>> crossings =
      Crossings<SunSample>(first - kLongestSolarMonthMinutes, last + kLongestSolarMonthMinutes,
                           kSunStepMinutes, sampleAt, same, SignCrossingFraction);
  std::vector<VetoPeriod> periods;
  for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
    const Crossing<SunSample>& entry = crossings[i];
    const Crossing<SunSample>& exit = crossings[i + 1];
    const std::optional<Veto> veto = VetoOfSign(entry.after.sign);
    if (!veto || exit.before.sign != entry.after.sign) continue;
    if (entry.minute > last || exit.minute <= first) continue;
    const auto sign = FromIndex<Rashi>(entry.after.sign);
    const auto next = FromIndex<Rashi>(exit.after.sign);
    periods.push_back(
        PeriodOf(*veto, entry.minute, exit.minute - 1,
                 Worded("The Sun is in %1 from its sankranti on %2 to %3 Sankranti on %4.",
                        {SankrantiNamed(sign), sky.DateText(entry.minute), SankrantiNamed(next),
                         sky.DateText(exit.minute)})));
  }
  return periods;
}

}  // namespace horavela
