#include "tradition/eclipses.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/sky_at_place.h"
#include "tradition/minute_sky.h"

namespace horavela {

namespace {

constexpr int32 kEphemerisFlags = SEFLG_SWIEPH;
// Swiss Ephemeris leaves a contact it did not reach at zero.
constexpr bool Reached(double julianDay) {
  return julianDay > 0;
}

// The kind by Swiss Ephemeris' flags, in the order they are tested (a
// hybrid eclipse also carries the total or annular flag).
struct KindFlag {
  int32 flag;
  EclipseKind kind;
};
constexpr std::array<KindFlag, 4> kKinds = {{
    {SE_ECL_ANNULAR_TOTAL, EclipseKind::Hybrid},
    {SE_ECL_TOTAL, EclipseKind::Total},
    {SE_ECL_ANNULAR, EclipseKind::Annular},
    {SE_ECL_PARTIAL, EclipseKind::Partial},
}};

std::optional<EclipseKind> KindOf(int32 flags) {
  for (const KindFlag& entry : kKinds)
    if ((flags & entry.flag) != 0) return entry.kind;
  return std::nullopt;  // penumbral
}

// An eclipse seen at the place, in Julian days, before it is put on the clock.
struct Seen {
  EclipseKind kind;
  double begin;
  double end;
  double maximum;
};

// The part of [begin, end] the eclipsed body spends above the horizon, where
// `rise` and `set` are its rising and setting within the eclipse (0: none).
std::optional<std::pair<double, double>> AboveHorizon(double begin, double end, double rise,
                                                      double set) {
  if (Reached(rise)) begin = std::max(begin, rise);
  if (Reached(set)) end = std::min(end, set);
  if (!(begin < end)) return std::nullopt;
  return std::make_pair(begin, end);
}

// The next solar eclipse seen at the place after `julianDay`: from its first
// contact to its last, while the Sun is up.
std::optional<Seen> NextSolar(double julianDay, GeoPosition geo) {
  double times[10] = {};
  double attributes[20] = {};
  char error[AS_MAXCH] = {};
  const int32 flags =
      swe_sol_eclipse_when_loc(julianDay, kEphemerisFlags, geo.values, times, attributes, 0, error);
  if (flags <= 0) return std::nullopt;
  const std::optional<EclipseKind> kind = KindOf(flags);
  const auto span = AboveHorizon(times[1], times[4], times[5], times[6]);
  if (!kind || !span) return Seen{EclipseKind::Partial, 0, 0, times[0]};
  return Seen{*kind, span->first, span->second, times[0]};
}

// The next lunar eclipse seen at the place after `julianDay`: its umbral
// phase while the Moon is up. A penumbral one, or one whose umbral phase
// falls while the Moon is down, comes back with an empty span, so that the
// search goes on past it.
std::optional<Seen> NextLunar(double julianDay, GeoPosition geo) {
  double times[10] = {};
  double attributes[20] = {};
  char error[AS_MAXCH] = {};
  const int32 flags =
      swe_lun_eclipse_when_loc(julianDay, kEphemerisFlags, geo.values, times, attributes, 0, error);
  if (flags <= 0) return std::nullopt;
  const std::optional<EclipseKind> kind = KindOf(flags);
  // The library drops the contacts before moonrise and after moonset and
  // gives the rising and setting instead; the umbral phase is then seen
  // from the one to the other.
  const double umbraBegins = Reached(times[2]) ? times[2] : times[8];
  const double umbraEnds = Reached(times[3]) ? times[3] : times[9];
  const bool umbraSeen = Reached(umbraBegins) && Reached(umbraEnds) &&
                         (Reached(times[2]) || Reached(times[3]) || Reached(times[4]));
  if (!kind || !umbraSeen || !(umbraBegins < umbraEnds))
    return Seen{EclipseKind::Partial, 0, 0, times[0]};
  return Seen{*kind, umbraBegins, umbraEnds, times[0]};
}

// The greatest phase of the next eclipse anywhere on Earth after `julianDay`
// (for a lunar one, one that reaches the umbra), or nothing.
std::optional<double> NextAnywhereSolar(double julianDay) {
  double times[10] = {};
  char error[AS_MAXCH] = {};
  if (swe_sol_eclipse_when_glob(julianDay, kEphemerisFlags, 0, times, 0, error) <= 0)
    return std::nullopt;
  return times[0];
}

std::optional<double> NextAnywhereLunar(double julianDay) {
  double times[10] = {};
  char error[AS_MAXCH] = {};
  if (swe_lun_eclipse_when(julianDay, kEphemerisFlags, SE_ECL_TOTAL | SE_ECL_PARTIAL, times, 0,
                           error) <= 0)
    return std::nullopt;
  return times[0];
}

// Every eclipse the `next` search finds seen whose span overlaps [first, last].
// The search at the place runs on until it meets an eclipse seen there, which
// may be years away: it is only asked while an eclipse somewhere still falls
// in the range, which a short range (one moment's explanation) rarely holds.
template <class Next, class NextAnywhere>
void Collect(Next&& next, NextAnywhere&& nextAnywhere, Veto veto, const PlaceClock& clock,
             std::int64_t first, std::int64_t last, GeoPosition geo,
             std::vector<EclipseAtPlace>& eclipses) {
  // An eclipse lasts at most some hours: one that began the day before may
  // still be on at `first`.
  double from = JulianDayOfMinute(first) - 1.0;
  const double until = JulianDayOfMinute(last + 1);
  while (true) {
    const std::optional<double> anywhere = nextAnywhere(from);
    if (!anywhere || *anywhere >= until + 1.0) break;
    const std::optional<Seen> seen = next(from, geo);
    if (!seen) break;
    if (seen->maximum >= until + 1.0) break;
    from = seen->maximum + 1.0;
    if (!(seen->begin < seen->end)) continue;
    const std::int64_t begin = MinuteOfJulianDay(seen->begin);
    const std::int64_t end = MinuteOfJulianDay(seen->end);
    if (end < first || begin > last) continue;
    EclipseAtPlace eclipse{veto, seen->kind, begin, end, begin, end};
    const LocalMinute opens = clock.At(begin).local;
    const LocalMinute closes = clock.At(end).local;
    eclipse.dayFirst =
        clock.UniversalOf({opens.year, opens.month, opens.day, 0, 0}, PlaceClock::Run::First);
    const LocalMinute nextMidnight =
        FromMinuteIndex(MinuteIndex({closes.year, closes.month, closes.day, 0, 0}) + 1440);
    eclipse.dayLast = clock.UniversalOf(nextMidnight, PlaceClock::Run::First) - 1;
    eclipses.push_back(eclipse);
  }
}

// Whole sentences, solar and lunar, the eclipse alone or its whole day.
constexpr std::array<std::array<std::string_view, 2>, 2> kEclipseReasons = {{
    {"%1 solar eclipse seen here from %2 to %3.",
     "%1 solar eclipse seen here from %2 to %3; nothing auspicious is begun on its day."},
    {"%1 lunar eclipse seen here from %2 to %3.",
     "%1 lunar eclipse seen here from %2 to %3; nothing auspicious is begun on its day."},
}};

Wording ReasonFor(const EclipseAtPlace& eclipse, const PlaceClock& clock, EclipseReach reach) {
  const std::size_t lunar = eclipse.veto == Veto::SolarEclipse ? 0 : 1;
  const std::size_t day = reach == EclipseReach::Day ? 1 : 0;
  return Worded(
      kEclipseReasons[lunar][day],
      {TermNamed(TermSet::Eclipse, static_cast<int>(eclipse.kind)),
       MomentWording(clock.At(eclipse.first).local), MomentWording(clock.At(eclipse.last).local)});
}

}  // namespace

std::vector<EclipseAtPlace> EclipsesOver(const PlaceClock& clock, std::int64_t first,
                                         std::int64_t last) {
  const GeoPosition geo = GeoPositionOf(clock.EntryAt(first).place);
  std::vector<EclipseAtPlace> eclipses;
  Collect(NextSolar, NextAnywhereSolar, Veto::SolarEclipse, clock, first, last, geo, eclipses);
  Collect(NextLunar, NextAnywhereLunar, Veto::LunarEclipse, clock, first, last, geo, eclipses);
  std::sort(eclipses.begin(), eclipses.end(),
            [](const EclipseAtPlace& a, const EclipseAtPlace& b) { return a.first < b.first; });
  return eclipses;
}

std::vector<VetoPeriod> EclipsePeriodsOver(const PlaceClock& clock, std::int64_t first,
                                           std::int64_t last, EclipseReach reach) {
  std::vector<VetoPeriod> periods;
  for (const EclipseAtPlace& eclipse : EclipsesOver(clock, first, last)) {
    const bool day = reach == EclipseReach::Day;
    periods.push_back(PeriodOf(eclipse.veto, day ? eclipse.dayFirst : eclipse.first,
                               day ? eclipse.dayLast : eclipse.last,
                               ReasonFor(eclipse, clock, reach)));
  }
  return periods;
}

}  // namespace horavela
