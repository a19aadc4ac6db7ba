#include <algorithm>
#include <map>

#include "atlas/local_minute.h"
#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "explain/explain_internal.h"
#include "explain/factor_words.h"
#include "rules/charts.h"

namespace horavela::explain_detail {

namespace {

// The elements a factor can read, in the explanation's order; each one's
// ends are looked for its longest span either side of the moment.
struct ElementRow {
  ElementRead read;
  ChartElement element;
};
const ElementRow kElementRows[] = {
    {kNakshatraRead, ChartElement::kNakshatra}, {kMoonSignRead, ChartElement::kMoonSign},
    {kLagnaRead, ChartElement::kLagna},         {kTithiRead, ChartElement::kTithi},
    {kYogaRead, ChartElement::kYoga},           {kKaranaRead, ChartElement::kKarana},
};

constexpr const char* kPlanetElements[kPlanetCount] = {
    "Sun sign",  "Moon sign",    "Mercury sign", "Venus sign",
    "Mars sign", "Jupiter sign", "Saturn sign",
};

// The election charts of the minutes looked at, each computed once.
class ElectionCharts {
 public:
  explicit ElectionCharts(MinuteJudge& judge) : judge_(judge) {}

  const Chart& At(std::int64_t minute) {
    auto found = states_.find(minute);
    if (found == states_.end()) {
      found = states_.try_emplace(minute).first;
      found->second.Input.settings = judge_.settings();
      found->second.Input.election = judge_.EntryAt(minute);
      ComputeElectionChart(found->second);
    }
    return found->second.ElectionChart;
  }

 private:
  MinuteJudge& judge_;
  std::map<std::int64_t, CalculationState> states_;
};

// A change of the judged element may leave its value as it was (a pada within
// one nakshatra): the element's own changes are those where the value moves.
ElementAround Around(MinuteJudge& judge, ElectionCharts& charts, ChartElement element,
                     std::int64_t moment) {
  const ChartElementFacts& facts = FactsOf(element);
  const Chart& now = charts.At(moment);
  const int value = ChartKey(now, facts.slot);
  ElementAround around{
      std::string(facts.name), element, ChartName(now, facts.slot), {}, {}, {}, {}};
  const std::int64_t reach = facts.longestSpan;
  const std::vector<std::int64_t> changes =
      judge.ElementChanges(moment - reach, moment + reach, facts.changesWith);
  const auto firstAfter = std::upper_bound(changes.begin(), changes.end(), moment);
  for (auto change = firstAfter; change != changes.end(); ++change) {
    const Chart& next = charts.At(*change);
    if (ChartKey(next, facts.slot) == value) continue;
    around.ends = *change;
    around.next = ChartName(next, facts.slot);
    break;
  }
  for (auto change = firstAfter; change != changes.begin();) {
    --change;
    const Chart& before = charts.At(*change - 1);
    if (ChartKey(before, facts.slot) == value) continue;
    around.began = *change;
    around.previous = ChartName(before, facts.slot);
    break;
  }
  return around;
}

// The civil date runs from local midnight to local midnight, however many
// real minutes the clock gives it.
ElementAround CivilDate(const PlaceClock& clock, std::int64_t moment) {
  const LocalMinute at = clock.At(moment).local;
  const LocalMinute midnight{at.year, at.month, at.day, 0, 0};
  const LocalMinute next = FromMinuteIndex(MinuteIndex(midnight) + 1440);
  return {"Civil date",
          std::nullopt,
          AsIs(FormatLocalMinute(midnight).substr(0, 10)),
          clock.UniversalOf(midnight, PlaceClock::Run::First),
          clock.UniversalOf(next, PlaceClock::Run::First),
          {},
          {}};
}

// A sign named as the lagnas name them.
Wording SignName(Rashi sign) {
  return NameWord(sign, LagnaNameOf(sign));
}

// A planet's sign at a minute; None when the ephemeris gave none.
Rashi PlanetSignAt(MinuteJudge& judge, std::int64_t minute, int planet) {
  return judge.SamplePlanets(minute, PlanetBit(planet)).positions[planet].sign;
}

// The planets' sign changes come from one search over the whole reach, for
// all the planets the rule set reads; a planet's own changes are those where
// its sign moves. Slow planets rarely change within the reach: their began and
// ends then stay empty.
ElementAround PlanetAround(MinuteJudge& judge, const std::vector<std::int64_t>& changes, int planet,
                           std::int64_t moment) {
  // The signs named as the lagnas name them.
  const Rashi sign = PlanetSignAt(judge, moment, planet);
  ElementAround around{kPlanetElements[planet], std::nullopt, SignName(sign), {}, {}, {}, {}};
  const auto firstAfter = std::upper_bound(changes.begin(), changes.end(), moment);
  for (auto change = firstAfter; change != changes.end(); ++change) {
    const Rashi next = PlanetSignAt(judge, *change, planet);
    if (next == sign) continue;
    around.ends = *change;
    around.next = SignName(next);
    break;
  }
  for (auto change = firstAfter; change != changes.begin();) {
    --change;
    const Rashi before = PlanetSignAt(judge, *change - 1, planet);
    if (before == sign) continue;
    around.began = *change;
    around.previous = SignName(before);
    break;
  }
  return around;
}

void AddPlanets(MinuteJudge& judge, unsigned reads, std::int64_t moment,
                std::vector<ElementAround>& elements) {
  std::vector<int> planets;
  for (int i = 0; i < kPlanetCount; ++i) {
    // The Moon's sign is already there as the chart gives it.
    if (i == 1 && (reads & kMoonSignRead)) continue;
    if (reads & PlanetSignRead(i)) planets.push_back(i);
  }
  if (planets.empty()) return;
  const std::vector<std::int64_t> changes =
      judge.PlanetChanges(moment - kExplainReachMinutes, moment + kExplainReachMinutes);
  for (int planet : planets) elements.push_back(PlanetAround(judge, changes, planet, moment));
}

}  // namespace

std::vector<ElementAround> ElementsAround(MinuteJudge& judge, std::int64_t moment, unsigned reads) {
  ElectionCharts charts(judge);
  std::vector<ElementAround> elements;
  for (const ElementRow& row : kElementRows)
    if (reads & row.read) elements.push_back(Around(judge, charts, row.element, moment));
  if (reads & kCivilDateRead) elements.push_back(CivilDate(judge.clock(), moment));
  AddPlanets(judge, reads, moment, elements);
  return elements;
}

}  // namespace horavela::explain_detail
