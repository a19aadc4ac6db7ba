#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "rules/charts.h"
#include "search/minute_judge.h"

// Period names: the chart's tithi with its fortnight, "Dwadasi (Shukla)" or
// "Pratipad (Krishna)"; the chart's nakshatra with the pada of the Moon,
// "Pushya pada 2", so a nakshatra list holds one period per pada; the others
// exactly as the chart writes them. A period runs from the first minute that
// shows its name up to the first minute that shows the next one ("to" is
// where the next period begins).
namespace horavela {

namespace {

// How far beyond the day each element's search reaches, in minutes: first
// `reach`, doubled up to the element's longest span while no change is
// found. The Moon's sign and the lagna are first looked for nearer than the
// longest they can last, which only the Moon at its slowest and the lagna
// near the poles reach.
struct ElementSearch {
  ChartElement element;
  std::vector<Period> DayElements::*periods;
  std::int64_t reach;
};
const ElementSearch kElementSearches[] = {
    {ChartElement::kTithi, &DayElements::tithi, FactsOf(ChartElement::kTithi).longestSpan},
    {ChartElement::kNakshatraPada, &DayElements::nakshatra,
     FactsOf(ChartElement::kNakshatraPada).longestSpan},
    {ChartElement::kYoga, &DayElements::yoga, FactsOf(ChartElement::kYoga).longestSpan},
    {ChartElement::kKarana, &DayElements::karana, FactsOf(ChartElement::kKarana).longestSpan},
    {ChartElement::kMoonSign, &DayElements::moonSign, 32 * kHourMinutes},
    {ChartElement::kLagna, &DayElements::lagna, 4 * kHourMinutes},
};

// The local time of a universal minute, with the run it is in where the
// clocks went back.
LocalTime TimeOfMinute(const MinuteJudge& judge, std::int64_t minute) {
  const LocalMinute m = judge.LocalAt(minute);
  LocalTime time(m.year, m.month, m.day, m.hour, m.minute, 0,
                 static_cast<int>(MinuteIndex(m) - minute) * 60);
  time.repeated = m.repeated;
  return time;
}

// The element's changes over [first, last] and the last one at or before
// `first` and the first one after `last`; where none is found within the cap,
// the edge of the search stands for it.
std::vector<std::int64_t> BoundariesAround(MinuteJudge& judge, const ElementSearch& search,
                                           std::int64_t first, std::int64_t last) {
  const std::int64_t cap = FactsOf(search.element).longestSpan;
  std::int64_t back = search.reach;
  std::int64_t ahead = search.reach;
  std::vector<std::int64_t> changes =
      judge.ElementChanges(first - back, last + ahead, search.element);
  auto startsBefore = [&] { return !changes.empty() && changes.front() <= first; };
  auto endsAfter = [&] { return !changes.empty() && changes.back() > last; };
  while (!startsBefore() && back < cap) {
    const std::int64_t further = std::min(back * 2, cap);
    std::vector<std::int64_t> earlier =
        judge.ElementChanges(first - further, first - back, search.element);
    changes.insert(changes.begin(), earlier.begin(), earlier.end());
    back = further;
  }
  while (!endsAfter() && ahead < cap) {
    const std::int64_t further = std::min(ahead * 2, cap);
    std::vector<std::int64_t> later =
        judge.ElementChanges(last + ahead, last + further, search.element);
    changes.insert(changes.end(), later.begin(), later.end());
    ahead = further;
  }
  if (!startsBefore()) changes.insert(changes.begin(), first - back);
  if (!endsAfter()) changes.push_back(last + ahead);
  // Keep the last boundary at or before `first` and the first after `last`.
  const auto from = std::upper_bound(changes.begin(), changes.end(), first) - 1;
  const auto to = std::upper_bound(changes.begin(), changes.end(), last) + 1;
  return {from, to};
}

// The election charts at the minutes where periods begin, each computed once.
class ChartsAtMinutes {
 public:
  explicit ChartsAtMinutes(MinuteJudge& judge) : judge_(judge) {}

  const CalculationState& At(std::int64_t minute) {
    auto found = states_.find(minute);
    if (found != states_.end()) return found->second;
    CalculationState& state = states_[minute];
    state.Input.settings = judge_.settings();
    state.Input.election = judge_.EntryAt(minute);
    ComputeElectionChart(state);
    return state;
  }

 private:
  MinuteJudge& judge_;
  std::map<std::int64_t, CalculationState> states_;
};

PeriodName TermOf(ChartElement element, const CalculationState& state) {
  const Chart& chart = state.ElectionChart;
  switch (element) {
    case ChartElement::kTithi:
      return PeriodName::Of(chart.tithi, state.Panchang.Fortnight);
    case ChartElement::kNakshatra:
      return PeriodName::Of(chart.nakshatra);
    case ChartElement::kNakshatraPada:
      return PeriodName::Of(chart.nakshatra, PadaIndex(state.Moon.MoonLongitude) % 4 + 1);
    case ChartElement::kYoga:
      return PeriodName::Of(chart.yoga);
    case ChartElement::kKarana:
      return PeriodName::Of(chart.karana);
    case ChartElement::kMoonSign:
      return PeriodName::MoonSignOf(chart.moonSign);
    case ChartElement::kLagna:
      return PeriodName::LagnaOf(chart.lagna);
  }
  return {};
}

// The judge over the civil day's first real minute to the last run of
// `until`, and the periods of any element over that stretch.
class DayScan {
 public:
  // `margin` minutes more on each side.
  DayScan(const DayRequest& request, const LocalTime& until, PlanetEphemeris& ephemeris,
          std::int64_t margin = 0)
      : judged_(Judged(request)),
        birth_(MinuteJudge::BirthState(judged_)),
        judge_(judged_, birth_, ephemeris),
        charts_(judge_) {
    const PlaceClock& clock = judge_.clock();
    first_ =
        clock.UniversalOf({request.year, request.month, request.day, 0, 0}, PlaceClock::Run::First);
    const LocalMinute end{until.year, until.month,  until.day,
                          until.hour, until.minute, until.repeated};
    last_ = std::max(first_, clock.UniversalOf(end, PlaceClock::Run::Last)) + margin;
    first_ -= margin;
  }

  std::vector<Period> Periods(const ElementSearch& search) {
    const std::vector<std::int64_t> bounds = BoundariesAround(judge_, search, first_, last_);
    std::vector<Period> periods;
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
      const PeriodName term = TermOf(search.element, charts_.At(bounds[i]));
      periods.push_back({NameOf(term, Language::English), TimeOfMinute(judge_, bounds[i]),
                         TimeOfMinute(judge_, bounds[i + 1]), term});
    }
    return periods;
  }

 private:
  static SearchRequest Judged(const DayRequest& request) {
    SearchRequest judged;
    judged.where() = request.where();
    judged.settings = request.settings;
    return judged;
  }

  SearchRequest judged_;
  CalculationState birth_;
  MinuteJudge judge_;
  ChartsAtMinutes charts_;
  std::int64_t first_ = 0;
  std::int64_t last_ = 0;
};

}  // namespace

DayElements ElementsOfDay(const DayRequest& request, const LocalTime& until,
                          PlanetEphemeris& ephemeris) {
  DayScan scan(request, until, ephemeris);
  DayElements elements;
  for (const ElementSearch& search : kElementSearches) {
    elements.*search.periods = scan.Periods(search);
  }
  return elements;
}

std::vector<Period> TithisOver(const DayRequest& request, const LocalTime& until,
                               PlanetEphemeris& ephemeris) {
  return DayScan(request, until, ephemeris).Periods(kElementSearches[0]);
}

std::vector<Period> MoonSignsOver(const DayRequest& request, const LocalTime& until,
                                  PlanetEphemeris& ephemeris) {
  return DayScan(request, until, ephemeris).Periods(kElementSearches[4]);
}

std::vector<Period> NakshatrasOfDay(const DayRequest& request, const LocalTime& until,
                                    PlanetEphemeris& ephemeris) {
  // The nakshatra's changes are found pada by pada: the padas of one
  // nakshatra are joined. Scanning a nakshatra's longest span further on
  // each side, the first and last nakshatras found may be cut short, and lie
  // wholly outside the day: they are left out.
  const std::int64_t longest = FactsOf(ChartElement::kNakshatra).longestSpan;
  const ElementSearch whole{ChartElement::kNakshatra, nullptr, longest};
  std::vector<Period> nakshatras;
  for (const Period& part : DayScan(request, until, ephemeris, longest).Periods(whole)) {
    if (!nakshatras.empty() && nakshatras.back().name == part.name) {
      nakshatras.back().to = part.to;
    } else {
      nakshatras.push_back(part);
    }
  }
  if (nakshatras.size() < 2) return {};
  return {nakshatras.begin() + 1, nakshatras.end() - 1};
}

}  // namespace horavela
