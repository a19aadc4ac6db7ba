#include <tuple>

#include "atlas/local_minute.h"
#include "calendar/civil_calendar.h"
#include "explain/explain_internal.h"
#include "explain/factor_words.h"
#include "explain/precise_check.h"
#include "explain/suggested_minute.h"
#include "explain/tradition_warnings.h"
#include "report/report_particulars.h"
#include "rules/charts.h"

namespace horavela {

namespace {

using explain_detail::RunsAround;
using explain_detail::VerdictOf;
using explain_detail::WindowOf;

SearchRequest RequestFor(const EvaluationInput& input, const FollowedZone& electionZone) {
  SearchRequest request;
  request.subjects = {input.subject};
  request.name = input.name;
  request.sex = input.sex;
  request.birth = input.birth;
  request.settings = input.settings;
  request.where() = {input.election.place, electionZone};
  const MomentEntry& e = input.election;
  request.from = request.to = {e.year, e.month, e.day, e.hour, e.minute};
  request.minResult = "Bad";
  return request;
}

// A better run as the user is offered it: the minute of the run nearest to
// `wanted` that stands clear of its edges.
BetterMoment Suggested(const PlaceClock& clock, const JudgedRun& run, std::int64_t wanted) {
  return BetterMoment{clock.At(SuggestedUniversalMinute(run.first, run.last, wanted)).local,
                      WindowOf(clock, run)};
}

// The window holding the moment, whole unless it runs past the reach.
std::size_t CoverOwnWindow(RunsAround& runs, std::int64_t moment) {
  while (runs.runs().front().first == runs.lo() && runs.IndexOf(moment) == 0 && runs.GrowBefore()) {
  }
  while (runs.runs().back().last == runs.hi() && runs.IndexOf(moment) + 1 == runs.runs().size() &&
         runs.GrowAfter()) {
  }
  return runs.IndexOf(moment);
}

// The nearest run before the moment's own that reads a better word, whole
// unless it runs past the reach.
std::optional<BetterMoment> BetterBefore(RunsAround& runs, std::int64_t moment, Verdict own) {
  for (;;) {
    const std::vector<JudgedRun>& list = runs.runs();
    std::size_t i = runs.IndexOf(moment);
    while (i > 0 && VerdictOf(list[i - 1]) <= own) --i;
    if (i > 0) {
      const bool cut = i == 1 && list.front().first == runs.lo();
      if (cut && runs.GrowBefore()) continue;
      return Suggested(runs.clock(), list[i - 1], list[i - 1].last);
    }
    if (!runs.GrowBefore()) return std::nullopt;
  }
}

std::optional<BetterMoment> BetterAfter(RunsAround& runs, std::int64_t moment, Verdict own) {
  for (;;) {
    const std::vector<JudgedRun>& list = runs.runs();
    std::size_t i = runs.IndexOf(moment) + 1;
    while (i < list.size() && VerdictOf(list[i]) <= own) ++i;
    if (i < list.size()) {
      const bool cut = i + 1 == list.size() && list.back().last == runs.hi();
      if (cut && runs.GrowAfter()) continue;
      return Suggested(runs.clock(), list[i], list[i].first);
    }
    if (!runs.GrowAfter()) return std::nullopt;
  }
}

BestWindowKey RankKey(const JudgedRun& run) {
  return BestKeyOf(run.judgement->evaluation, run.last - run.first + 1);
}

// The best window touching the moment's civil day, when better than its own.
std::optional<BetterMoment> BestOfDay(RunsAround& runs, std::int64_t moment) {
  const PlaceClock& clock = runs.clock();
  const LocalMinute at = clock.At(moment).local;
  const std::int64_t dayStart =
      clock.UniversalOf({at.year, at.month, at.day, 0, 0}, PlaceClock::Run::First);
  const std::int64_t dayEnd =
      clock.UniversalOf({at.year, at.month, at.day, 23, 59}, PlaceClock::Run::Last);
  runs.CoverBefore(dayStart);
  runs.CoverAfter(dayEnd);
  // The windows at the day's edges whole, for their length.
  while (runs.runs().front().last >= dayStart && runs.GrowBefore()) {
  }
  while (runs.runs().back().first <= dayEnd && runs.GrowAfter()) {
  }
  const std::vector<JudgedRun>& list = runs.runs();
  const JudgedRun& own = list[runs.IndexOf(moment)];
  const JudgedRun* best = &own;
  for (const JudgedRun& run : list) {
    if (run.last < dayStart || run.first > dayEnd) continue;
    if (RankKey(run) > RankKey(*best)) best = &run;
  }
  if (best == &own) return std::nullopt;
  return Suggested(clock, *best, best->first);
}

// Said once, so that times that differ from another almanac's are not read
// as the program's defaults.
std::vector<Wording> SettingsWarnings(const CalculationSettings& settings) {
  const std::string words = SettingsInWords(settings);
  if (words.empty()) return {};
  return {Worded("Calculated with settings other than the program's own: %1.", {AsIs(words)})};
}

}  // namespace

Explanation ExplainMoment(const EvaluationInput& input, const FollowedZone& electionZone,
                          PlanetEphemeris& ephemeris) {
  const SearchRequest request = RequestFor(input, electionZone);
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, ephemeris);
  // The run of the clock minute the election's captions name, where the
  // clocks went back (the second run is on standard time).
  const PlaceEntry& typed = input.election.place;
  const std::int64_t moment = judge.clock().UniversalOnOffset(
      request.from, UtcOffsetOfZoneCaptions(typed.zoneHours, typed.zoneMinutes, typed.dst));

  Explanation explanation;
  if (!judge.clock().ZoneAt(request.from).exists) return explanation;  // a skipped minute
  RunsAround runs(judge, moment);
  if (runs.IndexOf(moment) == runs.runs().size()) return explanation;
  const Verdict own = VerdictOf(runs.runs()[CoverOwnWindow(runs, moment)]);
  if (own == Verdict::Good) {
    explanation.bestOfDay = BestOfDay(runs, moment);
    explanation.noneBetter = !explanation.bestOfDay;
  } else if (own != Verdict::None) {  // none when the rule set stopped at its year precondition
    explanation.before = BetterBefore(runs, moment, own);
    explanation.after = BetterAfter(runs, moment, own);
    explanation.noneBetter = !explanation.before && !explanation.after;
  }
  explanation.window = WindowOf(runs.clock(), runs.runs()[runs.IndexOf(moment)]);

  // The moment as evaluate judges it, with the zone the judge reads there and
  // the weekday the user picked (the runs around it are the finder's, each on
  // its own date's weekday).
  EvaluationInput evaluated = input;
  evaluated.election = judge.EntryAt(moment);
  const CalculationState state = EvaluatedState(evaluated, ephemeris);
  explanation.factors = FactorsInWords(state);

  const std::vector<explain_detail::ElementAround> elements =
      explain_detail::ElementsAround(judge, moment, ElementsRead(state));
  for (const explain_detail::ElementAround& element : elements) {
    auto minute = [&judge](std::optional<std::int64_t> index) -> std::optional<LocalMinute> {
      if (!index) return std::nullopt;
      return judge.LocalAt(*index);
    };
    explanation.elements.push_back(
        {element.element, TextOf(element.name), minute(element.began), minute(element.ends)});
  }
  for (auto&& part : {explain_detail::VerdictWarnings(runs, moment),
                      explain_detail::MarginWarnings(judge.clock(), elements, moment),
                      explain_detail::KalamWarnings(request, judge.clock(), moment),
                      PreciseCheckWarningWordings(input, judge.EntryAt(moment), ephemeris),
                      TraditionWarnings(state, judge.clock(), moment, ephemeris),
                      SettingsWarnings(input.settings)})
    for (const Wording& warning : part) AddWarning(explanation, warning);
  return explanation;
}

void AddWarning(Explanation& explanation, Wording warning) {
  explanation.warnings.push_back(TextOf(warning));
  explanation.warningsSaid.push_back(std::move(warning));
}

std::vector<std::string> WarningsIn(const Explanation& explanation, Language language) {
  if (language == Language::English) return explanation.warnings;
  return TextsOf(explanation.warningsSaid, language);
}

}  // namespace horavela
