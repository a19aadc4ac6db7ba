#include "search/element_probes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/angle_fold.h"
#include "engine/ascendant.h"
#include "engine/crossing_search.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"
#include "rules/charts.h"

namespace horavela {

namespace {

// Table lagna: every sign holds at least 97 of the table's counts (Meena,
// across the turn of the count), and the count runs with the clock but for a
// step of five at midnight: within an hour it cannot change twice.
constexpr std::int64_t kTableLagnaSpan = 60;
// Zones: daylight-saving gaps last at least half an hour.
constexpr std::int64_t kZoneSpan = 15;

// Minutes the ascendant needs at least to cross a whole sign at this latitude:
// the sign (30°) over its fastest motion, d(asc)/d(sidereal time) =
// (cos e + sin t sin e tan f) / (cos²t + (sin t cos e + sin e tan f)²). Where
// the numerator can vanish (polar latitudes) the ascendant is checked every minute.
std::int64_t LagnaSpan(double latitudeDegrees) {
  const double obliquity = 23.6 * kDegreesToRadians;  // a little above its value: safer
  const double tanLatitude = std::tan(std::fabs(latitudeDegrees) * kDegreesToRadians);
  if (!std::isfinite(tanLatitude) || tanLatitude * std::sin(obliquity) >= 0.9 * std::cos(obliquity))
    return 1;
  double fastest = 0;
  for (int step = 0; step < 3600; ++step) {
    const double t = step * 0.1 * kDegreesToRadians;
    for (double sign : {1.0, -1.0}) {
      const double tf = sign * tanLatitude;
      const double numerator = std::cos(obliquity) + std::sin(t) * std::sin(obliquity) * tf;
      const double x = std::sin(t) * std::cos(obliquity) + std::sin(obliquity) * tf;
      const double rate = numerator / (std::cos(t) * std::cos(t) + x * x);
      fastest = std::max(fastest, rate);
    }
  }
  const double degreesPerMinute = fastest * 0.250684;  // sidereal degrees per clock minute
  const double minutes = 0.8 * 30.0 / degreesPerMinute;
  return std::clamp<std::int64_t>(static_cast<std::int64_t>(minutes), 1, 120);
}

// The next boundaries of each element's quantity, on the catalogue's grids;
// the Moon's nakshatras and signs together.
template <ChartElement element>
double NextBoundary(double x) {
  return NextOnGrid(x, FactsOf(element).grid);
}
double NextMoonBoundary(double x) {
  return std::min(NextBoundary<ChartElement::kNakshatra>(x),
                  NextBoundary<ChartElement::kMoonSign>(x));
}

}  // namespace

int PadaIndex(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return -1;
  double longitude = siderealLongitude;
  if (!(longitude >= 0 && longitude < 360)) {
    longitude = FoldUpToTurn(longitude, 360);
    if (longitude == 360) longitude = 0;
  }
  // Over 200 rather than 800 arc-minutes: the same rounding as NakshatraIndex,
  // so each pada lies within its nakshatra.
  return FloorIndex(longitude * 60 / 200, 108);
}

Probed ProbedOf(ChartElement element) {
  switch (element) {
    case ChartElement::kNakshatra:
    case ChartElement::kNakshatraPada:
      return Probed::kNakshatraPada;
    case ChartElement::kMoonSign:
      return Probed::kMoonSign;
    case ChartElement::kLagna:
      return Probed::kLagna;
    case ChartElement::kTithi:
      return Probed::kTithi;
    case ChartElement::kYoga:
      return Probed::kYoga;
    case ChartElement::kKarana:
      return Probed::kKarana;
  }
  return Probed::kYoga;
}

ElementProbes::ElementProbes(const PlaceClock& clock, const CalculationState& birth,
                             double latitudeDegrees)
    : clock_(clock), lagnaSpan_(LagnaSpan(latitudeDegrees)), scratch_(birth) {}

ElementProbes::Search ElementProbes::SearchOf(Probed probed) const {
  auto of = [](ChartElement element, double (*next)(double)) {
    const ChartElementFacts& facts = FactsOf(element);
    return Search{facts.shortestSpan, facts.turn, next};
  };
  switch (probed) {
    case Probed::kMoon:
      return {kMoonElementSpan, 360, NextMoonBoundary};
    case Probed::kMoonSign:
      return of(ChartElement::kMoonSign, NextBoundary<ChartElement::kMoonSign>);
    case Probed::kNakshatraPada:
      return of(ChartElement::kNakshatraPada, NextBoundary<ChartElement::kNakshatraPada>);
    case Probed::kLagna:
      return {lagnaSpan_, FactsOf(ChartElement::kLagna).turn, NextBoundary<ChartElement::kLagna>};
    case Probed::kTithi:
      return of(ChartElement::kTithi, NextBoundary<ChartElement::kTithi>);
    case Probed::kYoga:
      return of(ChartElement::kYoga, NextBoundary<ChartElement::kYoga>);
    case Probed::kKarana:
      return of(ChartElement::kKarana, NextBoundary<ChartElement::kKarana>);
    case Probed::kTableLagna:
      return {kTableLagnaSpan, 1440, NextRisingSignCount};
    case Probed::kZone:
      return {kZoneSpan, 0, nullptr};
  }
  return {1, 0, nullptr};
}

// Samples the element every span (it cannot change twice within one) and
// pins each change to the minute, guided by interpolating the element's
// quantity to its next boundary.
std::vector<std::int64_t> ElementProbes::Changes(std::int64_t first, std::int64_t last,
                                                 Probed probed) {
  if (first != panchangFirst_ || last != panchangLast_) {
    panchang_.clear();
    panchangFirst_ = first;
    panchangLast_ = last;
  }
  const Search search = SearchOf(probed);
  auto sampleAt = [&](std::int64_t minute) { return At(probed, minute); };
  auto same = [](const Sample& a, const Sample& b) { return a.key == b.key; };
  auto fraction = [&search](const Sample& low, const Sample& high) {
    if (search.nextBoundary == nullptr) return std::numeric_limits<double>::quiet_NaN();
    double upper = high.quantity;
    if (search.turn > 0 && upper < low.quantity) upper += search.turn;
    const double boundary = search.nextBoundary(low.quantity);
    return (boundary - low.quantity) / (upper - low.quantity);
  };
  std::vector<std::int64_t> minutes;
  for (const Crossing<Sample>& crossing :
       Crossings<Sample>(first, last, search.span, sampleAt, same, fraction))
    minutes.push_back(crossing.minute);
  return minutes;
}

MomentEntry ElementProbes::EntryAt(std::int64_t minute) {
  return clock_.EntryAt(minute, offsetHint_);
}

void ElementProbes::LoadMoment(std::int64_t minute) {
  scratch_.Input.election = EntryAt(minute);
  scratch_.Moment = MomentInputFrom(scratch_.Input.election);
}

double ElementProbes::MoonLongitude(std::int64_t minute) {
  LoadMoment(minute);
  ComputeMoon(scratch_);
  return scratch_.Moon.MoonLongitude;
}

const ElementProbes::PanchangSample& ElementProbes::PanchangAt(std::int64_t minute) {
  for (const PanchangSample& sample : panchang_)
    if (sample.minute == minute) return sample;
  LoadMoment(minute);
  scratch_.Time = BuildTimeBase(scratch_.Moment);
  ComputePanchang(scratch_);
  const PanchangState& p = scratch_.Panchang;
  const PanchangQuantities quantities = PanchangQuantitiesOf(p);
  panchang_.push_back({minute,
                       {p.KaranaIndex * 64 + p.TithiIndex, quantities.elongation},
                       {p.YogaIndex, quantities.yogaSpans},
                       {p.TithiIndex, quantities.elongation}});
  return panchang_.back();
}

ElementProbes::Sample ElementProbes::At(Probed probed, std::int64_t minute) {
  switch (probed) {
    case Probed::kMoon: {
      const double longitude = MoonLongitude(minute);
      return {NakshatraIndex(longitude) * 16 + SignIndex(longitude), longitude};
    }
    case Probed::kMoonSign: {
      const double longitude = MoonLongitude(minute);
      return {SignIndex(longitude), longitude};
    }
    case Probed::kNakshatraPada: {
      const double longitude = MoonLongitude(minute);
      return {PadaIndex(longitude), longitude};
    }
    case Probed::kLagna:
      LoadMoment(minute);
      ComputeAscendant(scratch_);
      return {SignIndex(scratch_.Ascendant.AscendantLongitude),
              scratch_.Ascendant.AscendantLongitude};
    case Probed::kTithi:
      return PanchangAt(minute).tithi;
    case Probed::kYoga:
      return PanchangAt(minute).yoga;
    case Probed::kKarana:
      return PanchangAt(minute).karana;
    case Probed::kTableLagna:
      LoadMoment(minute);
      ComputeMuhurthaLagna(scratch_);
      return {MuhurthaLagnaNumber(scratch_.Lagna),
              static_cast<double>(MuhurthaLagnaCount(scratch_.Moment))};
    case Probed::kZone: {
      const PlaceClock::Reading reading = clock_.At(minute, offsetHint_);
      offsetHint_ = OffsetSecondsOf(reading.zone);
      const ZoneAtMinute& zone = reading.zone;
      return {((static_cast<std::int64_t>(zone.hours) + 64) * 256 + (zone.minutes + 128)) * 4 +
                  (zone.dst ? 2 : 0) + (zone.exists ? 1 : 0),
              NAN};
    }
  }
  return {};
}

}  // namespace horavela
