#include "search/planet_sign_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/crossing_search.h"
#include "engine/moon.h"
#include "rules/charts.h"
#include "rules/inputs_read.h"

namespace horavela {

namespace {

constexpr int kSunIndex = 0;
constexpr int kMoonIndex = 1;
constexpr PlanetSet kLuminaries = PlanetBit(kSunIndex) | PlanetBit(kMoonIndex);
constexpr unsigned kReadsLuminaries = ReadsPlanet(kSunIndex) | ReadsPlanet(kMoonIndex);
// Well below a lunar month, so the Moon cannot come round to its sign again.
constexpr double kLongestPlanetStepDays = 10;

// Days for which a planet that moves back and forth surely stays in its sign,
// `ahead` and `behind` degrees from its ends: by its fastest motion, or, where
// it was also seen `elapsed` days ago at `earlier`, by its present speed
// (within `acceleration` times `elapsed` of the mean speed since then) and
// its greatest change of speed.
double DaysInSign(const PlanetMotion& motion, double ahead, double behind, double longitude,
                  double earlier, double elapsed) {
  const double byMotion = std::min(ahead / motion.forward, behind / motion.backward);
  if (!std::isfinite(earlier) || !(elapsed > 0)) return byMotion;
  double moved = longitude - earlier;
  if (moved > 180) moved -= 360;
  if (moved < -180) moved += 360;
  const double a = motion.acceleration;
  const double fastest = moved / elapsed + a * elapsed;
  const double slowest = moved / elapsed - a * elapsed;
  // Where fastest·τ + a·τ²/2 reaches `ahead`, and slowest·τ − a·τ²/2 reaches −`behind`.
  const double forward = (-fastest + std::sqrt(fastest * fastest + 2 * a * ahead)) / a;
  const double backward = (slowest + std::sqrt(slowest * slowest + 2 * a * behind)) / a;
  const double bySpeed = std::min(forward, backward);
  return std::isfinite(bySpeed) ? std::max(byMotion, bySpeed) : byMotion;
}

// A planet's sign, 1..12, 0 when unknown.
int PlanetSignCode(const PlanetPosition& position) {
  return position.known() ? IndexOf(position.sign) + 1 : 0;
}

// The signs of all seven planets in one number.
std::int64_t SignKey(const PlanetPositions& positions) {
  std::int64_t key = 0;
  for (const PlanetPosition& position : positions) key = key * 16 + PlanetSignCode(position);
  return key;
}

// The ReadsPlanet bits of the planets whose signs differ in two samples.
unsigned ChangedPlanets(const PlanetSample& a, const PlanetSample& b) {
  unsigned changed = 0;
  for (int i = 0; i < kPlanetCount; ++i)
    if (a.positions[i].sign != b.positions[i].sign) changed |= ReadsPlanet(i);
  return changed;
}

// How far into (low, high] a luminary whose sign differs at the ends should
// cross into the next: the Moon first, it is the faster. Not finite where
// neither crosses or a longitude is missing.
double LuminaryCrossing(const PlanetSample& low, const PlanetSample& high) {
  for (int i : {kMoonIndex, kSunIndex}) {
    const double a = low.longitudes[i];
    double b = high.longitudes[i];
    if (!std::isfinite(a) || !std::isfinite(b)) break;
    if (b < a) b += 360;
    const double boundary = NextOnGrid(a, 30);
    if (b < boundary) continue;
    return (boundary - a) / (b - a);
  }
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

PlanetSignSearch::PlanetSignSearch(const PlaceClock& clock, const CalculationState& birth,
                                   PlanetEphemeris& ephemeris, PlanetSet planets)
    : clock_(clock), ephemeris_(ephemeris), planets_(planets), scratch_(birth) {}

PlanetSample PlanetSignSearch::Sample(std::int64_t minute, PlanetSet planets) {
  // As the driver computes them: the election moment's J2000 time base from
  // ComputeMoon, universal time from the civil date, the Moon's ayanamsa.
  scratch_.Input.election = clock_.EntryAt(minute, offsetHint_);
  scratch_.Moment = MomentInputFrom(scratch_.Input.election);
  ComputeMoon(scratch_);
  PlanetSample sample;
  sample.longitudes.fill(NAN);
  const std::optional<PlanetLongitudes> longitudes = SiderealPlanetLongitudes(
      scratch_.Time, ephemeris_, planets, scratch_.Input.settings.ayanamsa);
  if (longitudes) {
    for (int i = 0; i < kPlanetCount; ++i) {
      if ((planets & PlanetBit(i)) == 0) continue;
      const double sidereal = (*longitudes)[i];
      sample.positions[i] = PlanetPositionAt(sidereal);
      double folded = std::fmod(sidereal, 360.0);
      if (folded < 0) folded += 360.0;
      sample.longitudes[i] = folded;
    }
  }
  sample.key = SignKey(sample.positions);
  return sample;
}

// The first minute of (low, high] whose planet signs differ from `before`
// (the signs at `low`), when only the Sun and the Moon can change in between:
// they never move backward, so the minutes before the first change all keep
// the signs of `low`. Where the other planets keep their signs at both ends,
// only the luminaries are computed in between; `after` is left as the whole
// sample at the minute found, as the next step needs it.
std::int64_t PlanetSignSearch::FirstChange(std::int64_t low, std::int64_t high,
                                           const PlanetSample& before, PlanetSample& after) {
  const bool othersKeep = (ChangedPlanets(before, after) & ~kReadsLuminaries) == 0;
  const PlanetSet sampled = othersKeep ? planets_ & kLuminaries : planets_;
  auto sampleAt = [&](std::int64_t minute) {
    PlanetSample sample = Sample(minute, sampled);
    if (sampled == planets_) return sample;
    for (int i = 0; i < kPlanetCount; ++i) {
      if (sampled & PlanetBit(i)) continue;
      sample.positions[i] = before.positions[i];
      sample.longitudes[i] = before.longitudes[i];
    }
    sample.key = SignKey(sample.positions);
    return sample;
  };
  auto same = [](const PlanetSample& a, const PlanetSample& b) { return a.key == b.key; };
  Crossing<PlanetSample> crossing =
      Bisect(low, before, high, std::move(after), sampleAt, same, LuminaryCrossing);
  // A bracket narrowed on the luminaries alone leaves the others copied.
  after = crossing.minute != high && sampled != planets_ ? Sample(crossing.minute, planets_)
                                                         : std::move(crossing.after);
  return crossing.minute;
}

// The five planets other than the luminaries move back and forth, but no
// faster than kPlanetMotions: while none can reach a boundary the search
// steps on, led by the predicted crossings of the Sun and the Moon, which
// only move forward.
std::vector<PlanetRun> PlanetSignSearch::Runs(std::int64_t first, std::int64_t last) {
  std::vector<PlanetRun> runs;
  std::int64_t t = first;
  PlanetSample sample = Sample(t, planets_);
  runs.push_back({t, 0, sample.positions});
  std::array<double, kPlanetCount> previous{};
  previous.fill(NAN);
  std::int64_t previousMinute = t;
  while (t < last) {
    double stepDays = kLongestPlanetStepDays;
    for (int i = 0; i < kPlanetCount; ++i) {
      const double longitude = sample.longitudes[i];
      if (!std::isfinite(longitude)) continue;
      const double behind = longitude - std::floor(longitude / 30) * 30;
      const double ahead = 30 - behind;
      const PlanetMotion& motion = kPlanetMotions[i];
      if (motion.backward > 0) {
        stepDays = std::min(stepDays, DaysInSign(motion, ahead, behind, longitude, previous[i],
                                                 static_cast<double>(t - previousMinute) / 1440));
        continue;
      }
      // A luminary: to where it should cross at the speed it last showed.
      double speed = motion.mean;
      if (std::isfinite(previous[i]) && t > previousMinute) {
        double moved = longitude - previous[i];
        if (moved < 0) moved += 360;
        speed = std::max(moved / (static_cast<double>(t - previousMinute) / 1440), motion.mean / 4);
      }
      stepDays = std::min(stepDays, ahead / speed);
    }
    const std::int64_t step = std::max<std::int64_t>(1, static_cast<std::int64_t>(stepDays * 1440));
    const std::int64_t next = std::min(t + step, last);
    PlanetSample nextSample = Sample(next, planets_);
    previous = sample.longitudes;
    previousMinute = t;
    if (nextSample.key == sample.key) {
      t = next;
      sample = std::move(nextSample);
      continue;
    }
    t = FirstChange(t, next, sample, nextSample);
    runs.push_back({t, ChangedPlanets(sample, nextSample), nextSample.positions});
    sample = std::move(nextSample);
  }
  return runs;
}

}  // namespace horavela
