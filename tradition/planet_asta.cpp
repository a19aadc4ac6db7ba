#include "tradition/planet_asta.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "almanac/sky_at_place.h"
#include "engine/crossing_search.h"

namespace horavela {

namespace {

// The kalamsha of Venus and Jupiter, in degrees of time.
//
// The Surya Siddhanta (IX.6-9) gives the planets' kalamsha: Mars 17,
// Mercury 14 (12 when retrograde), Jupiter 11, Venus 10 (8 when
// retrograde), Saturn 15; Bhaskara I (Mahabhaskariya VI.46-47, tr. K. S.
// Shukla) reckons the degrees of time between a planet and the Sun from the
// oblique ascensions in the east and those of the seventh sign (the
// descensions) in the west, as below. Those numbers describe the first
// naked-eye sighting from the old mean positions with their visibility
// corrections. The almanacs of New Delhi print dates that fall earlier in
// the conjunction: Venus rose on 1 February 2026 and 17 April 2021 and set
// on about 15 February 2021, which this measure, on Swiss Ephemeris true
// positions, puts at 6.5-6.8 degrees of time; Jupiter rose on 29 April 2023
// (8.8) and set on 5 May 2024 (11.3). No one number meets all of an
// almanac's dates to the day (the almanacs disagree among themselves too:
// others print 27 April or 3 May 2023 for Jupiter's rising), so the numbers
// are the ones that come nearest: 6.6 for Venus puts those three dates
// within a day, 10 for Jupiter puts its two within two. Venus retrograde (at
// inferior conjunction) keeps the classical ratio, 8 to 10.
struct AstaRule {
  Veto veto;
  int body;  // Swiss Ephemeris' number
  double direct;
  double retrograde;
  Planet planet;
  // The fastest the Sun and the planet draw together in right ascension,
  // degrees a day (the Sun near a solstice, Venus retrograde).
  double closingSpeed;
};
constexpr std::array<AstaRule, 2> kAstaRules = {{
    {Veto::ShukraAsta, SE_VENUS, 6.6, 6.6 * 8.0 / 10.0, Planet::Venus, 2.0},
    {Veto::GuruAsta, SE_JUPITER, 10.0, 10.0, Planet::Jupiter, 1.5},
}};

const AstaRule& RuleOf(Veto veto) {
  return veto == Veto::GuruAsta ? kAstaRules[1] : kAstaRules[0];
}

// True positions, as everything else the program reckons; Swiss Ephemeris
// falls back to its analytical ephemeris by itself where the files are missing.
constexpr int32 kEquatorialFlags = SEFLG_SWIEPH | SEFLG_EQUATORIAL;
constexpr double kDegreesPerRadian = 180.0 / M_PI;

struct Equatorial {
  double rightAscension;  // degrees
  double declination;     // degrees
  double speed;           // degrees of right ascension a day
};

// `withSpeed` only where the direction of motion matters: it costs more.
std::optional<Equatorial> EquatorialOf(int body, double julianDayUt, bool withSpeed = false) {
  double position[6] = {};
  char error[AS_MAXCH] = {};
  const int32 flags = kEquatorialFlags | (withSpeed ? SEFLG_SPEED : 0);
  if (swe_calc_ut(julianDayUt, body, flags, position, error) < 0) return std::nullopt;
  return Equatorial{position[0], position[1], position[3]};
}

// An angle folded into (-180, 180].
double Folded(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees > 180.0) degrees -= 360.0;
  if (degrees <= -180.0) degrees += 360.0;
  return degrees;
}

// The ascensional difference: how far a body of this declination rises
// before (north) or after the point of the equator rising with it; nothing
// where it never rises or never sets at this latitude.
std::optional<double> AscensionalDifference(double declination, double latitude) {
  const double sine =
      std::tan(declination / kDegreesPerRadian) * std::tan(latitude / kDegreesPerRadian);
  if (!(std::abs(sine) <= 1.0)) return std::nullopt;
  return std::asin(sine) * kDegreesPerRadian;
}

// The larger of the evening and morning intervals, degrees of time. A body
// rises at its oblique ascension (RA - AD) and sets at its oblique descension
// (RA + AD). Where either body neither rises nor sets (the polar day or
// night) there is no horizon to reckon by, and the plain difference of
// right ascensions stands in: what the intervals tend to at the equator.
double Clearance(const Equatorial& sun, const Equatorial& planet, double latitude) {
  const double apart = Folded(planet.rightAscension - sun.rightAscension);
  const std::optional<double> sunAd = AscensionalDifference(sun.declination, latitude);
  const std::optional<double> planetAd = AscensionalDifference(planet.declination, latitude);
  if (!sunAd || !planetAd) return std::abs(apart);
  const double evening = apart + (*planetAd - *sunAd);   // OD(planet) - OD(Sun)
  const double morning = -apart + (*planetAd - *sunAd);  // OA(Sun) - OA(planet)
  return std::max(evening, morning);
}

struct AstaSample {
  bool asta = false;
  double margin = 0;  // clearance minus kalamsha, degrees of time
  bool retrograde = false;
};

class AstaSearch {
 public:
  AstaSearch(const PlaceClock& clock, std::int64_t minute, Veto veto)
      : rule_(RuleOf(veto)), latitude_(GeoPositionOf(clock.EntryAt(minute).place).Latitude()) {}

  // How far a moment stands from the stretch near a conjunction, degrees of
  // right ascension (none or negative: within it). Within a generous
  // multiple of the kalamsha the clearance can fall below it at any latitude
  // the ascensional differences allow (a third of the separation at most).
  double OutsideBy(std::int64_t minute) const {
    const double julianDay = JulianDayOfMinute(minute);
    const std::optional<Equatorial> sun = EquatorialOf(SE_SUN, julianDay);
    const std::optional<Equatorial> planet = EquatorialOf(rule_.body, julianDay);
    if (!sun || !planet) return 0;
    return std::abs(Folded(planet->rightAscension - sun->rightAscension)) -
           kPrefilterMultiple * rule_.direct;
  }
  bool NearConjunction(std::int64_t minute) const { return OutsideBy(minute) <= 0; }

  // The next moment worth a look after one `outside` degrees away: none
  // nearer can be within the stretch.
  std::int64_t NextLook(std::int64_t minute, double outside) const {
    const double days = std::max(1.0, outside / rule_.closingSpeed);
    return minute + static_cast<std::int64_t>(days * 1440.0);
  }

  AstaSample At(std::int64_t minute) const {
    const double julianDay = JulianDayOfMinute(minute);
    const std::optional<Equatorial> sun = EquatorialOf(SE_SUN, julianDay);
    const std::optional<Equatorial> planet = EquatorialOf(rule_.body, julianDay, true);
    if (!sun || !planet) return {};
    const bool retrograde = planet->speed < 0;
    const double margin =
        Clearance(*sun, *planet, latitude_) - (retrograde ? rule_.retrograde : rule_.direct);
    return {margin < 0, margin, retrograde};
  }

  // The periods within a stretch that begins and ends clear of the Sun.
  std::vector<VetoPeriod> PeriodsWithin(std::int64_t from, std::int64_t to) const {
    auto sampleAt = [this](std::int64_t minute) { return At(minute); };
    auto same = [](const AstaSample& a, const AstaSample& b) { return a.asta == b.asta; };
    auto fraction = [](const AstaSample& low, const AstaSample& high) {
      return low.margin / (low.margin - high.margin);
    };
    std::vector<VetoPeriod> periods;
    for (const Crossing<AstaSample>& crossing :
         Crossings<AstaSample>(from, to, kSampleSpan, sampleAt, same, fraction)) {
      if (crossing.after.asta)
        periods.push_back(
            PeriodOf(rule_.veto, crossing.minute, to, Reason(crossing.after.retrograde)));
      else if (!periods.empty())
        periods.back().last = crossing.minute - 1;
    }
    return periods;
  }

  Wording Reason(bool retrograde) const {
    char kalamsha[16];
    std::snprintf(kalamsha, sizeof kalamsha, "%g", retrograde ? rule_.retrograde : rule_.direct);
    return Worded("%1 within %2\u00b0 of time of the Sun at the horizon: set in its glare (%3).",
                  {NameWord(rule_.planet), AsIs(kalamsha),
                   TermNamed(TermSet::Veto, static_cast<int>(rule_.veto))});
  }

  // One look every four days finds the stretches near a conjunction: the
  // Sun and the planet draw apart by at most 7 degrees of right ascension
  // in that time.
  static constexpr std::int64_t kPrefilterStep = 4 * 1440;
  // The clearance crosses the kalamsha twice a conjunction, a week apart at
  // the least (Venus retrograde).
  static constexpr std::int64_t kSampleSpan = 2 * 1440;

 private:
  static constexpr double kPrefilterMultiple = 3.0;
  const AstaRule& rule_;
  double latitude_;
};

}  // namespace

std::optional<double> HorizonClearance(Veto veto, double julianDayUt, double latitudeDegrees) {
  const std::optional<Equatorial> sun = EquatorialOf(SE_SUN, julianDayUt);
  const std::optional<Equatorial> planet = EquatorialOf(RuleOf(veto).body, julianDayUt);
  if (!sun || !planet) return std::nullopt;
  return Clearance(*sun, *planet, latitudeDegrees);
}

double KalamshaOf(Veto veto, bool retrograde) {
  const AstaRule& rule = RuleOf(veto);
  return retrograde ? rule.retrograde : rule.direct;
}

std::vector<VetoPeriod> AstaPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last, Veto veto) {
  const AstaSearch search(clock, first, veto);
  constexpr std::int64_t step = AstaSearch::kPrefilterStep;
  // Back out of a conjunction in progress at either end, so that its period
  // is found whole.
  std::int64_t from = first;
  while (search.NearConjunction(from)) from -= step;
  std::int64_t to = last;
  while (search.NearConjunction(to)) to += step;

  // Leap from look to look while far from the Sun; walk through each
  // stretch near it and search it for the glare's edges.
  std::vector<VetoPeriod> periods;
  std::int64_t previous = from;
  for (std::int64_t t = from; t <= to;) {
    const double outside = search.OutsideBy(t);
    if (outside > 0) {
      previous = t;
      t = search.NextLook(t, outside);
      continue;
    }
    std::int64_t end = t;
    while (search.NearConjunction(end)) end += step;
    for (VetoPeriod& period : search.PeriodsWithin(previous, end))
      if (period.last >= first && period.first <= last) periods.push_back(std::move(period));
    previous = t = end;
  }
  return periods;
}

std::vector<VetoPeriod> AstaPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last) {
  std::vector<VetoPeriod> periods = AstaPeriodsOver(clock, first, last, Veto::ShukraAsta);
  std::vector<VetoPeriod> jupiter = AstaPeriodsOver(clock, first, last, Veto::GuruAsta);
  periods.insert(periods.end(), jupiter.begin(), jupiter.end());
  std::sort(periods.begin(), periods.end(),
            [](const VetoPeriod& a, const VetoPeriod& b) { return a.first < b.first; });
  return periods;
}

}  // namespace horavela
