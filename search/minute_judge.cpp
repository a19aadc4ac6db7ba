#include "search/minute_judge.h"

#include <algorithm>

#include "calendar/civil_calendar.h"
#include "rules/charts.h"
#include "rules/evaluation.h"
#include "rules/inputs_read.h"
#include "search/reference_judgement.h"

namespace horavela {

namespace {

std::vector<RuleSet> RuleSetsOf(const SearchRequest& request) {
  std::vector<RuleSet> ruleSets;
  for (const std::string& subject : request.subjects) ruleSets.push_back(FindRuleSet(subject));
  return ruleSets;
}

std::vector<unsigned> ReadsOf(const std::vector<RuleSet>& ruleSets) {
  std::vector<unsigned> reads;
  for (RuleSet ruleSet : ruleSets) reads.push_back(InputsRead(ruleSet));
  return reads;
}

unsigned ReadByAny(const std::vector<unsigned>& reads) {
  unsigned any = 0;
  for (unsigned read : reads) any |= read;
  return any;
}

double LatitudeOf(const PlaceEntry& place) {
  return place.latitudeDegrees + place.latitudeMinutes / 60.0;
}

}  // namespace

CalculationState MinuteJudge::BirthState(const SearchRequest& request) {
  CalculationState state;
  state.Input.name = request.name;
  state.Input.sex = request.sex;
  state.Input.birth = request.birth;
  state.Input.settings = request.settings;
  state.Input.election.place = request.place;
  ComputeBirthChart(state);
  return state;
}

MinuteJudge::MinuteJudge(const SearchRequest& request, const CalculationState& birth,
                         PlanetEphemeris& ephemeris)
    : request_(request),
      clock_(request),
      ephemeris_(ephemeris),
      ruleSets_(RuleSetsOf(request)),
      reads_(ReadsOf(ruleSets_)),
      readByAny_(ReadByAny(reads_)),
      probes_(clock_, birth, LatitudeOf(request.place)),
      planets_(clock_, birth, ephemeris, PlanetsRead(readByAny_)),
      book_(request.subjects.size(), VerdictNamed(request.minResult).value_or(Verdict::None)),
      state_(birth) {}

MomentEntry MinuteJudge::EntryAt(std::int64_t minute) {
  return clock_.EntryAt(minute, offsetHint_);
}

LocalMinute MinuteJudge::LocalAt(std::int64_t minute) const {
  return clock_.At(minute).local;
}

PlanetSample MinuteJudge::SamplePlanets(std::int64_t minute, PlanetSet planets) {
  return planets_.Sample(minute, planets);
}

std::vector<std::int64_t> MinuteJudge::PlanetChanges(std::int64_t first, std::int64_t last) {
  const std::vector<PlanetRun> runs = planets_.Runs(first, last);
  std::vector<std::int64_t> minutes;
  for (std::size_t i = 1; i < runs.size(); ++i) minutes.push_back(runs[i].first);
  return minutes;
}

// Universal minutes run on through clock changes, and so do the elements.
std::vector<std::int64_t> MinuteJudge::ElementChanges(std::int64_t first, std::int64_t last,
                                                      ChartElement element) {
  return probes_.Changes(first, last, ProbedOf(element));
}

Judgement MinuteJudge::JudgeThroughDriver(std::int64_t minute, std::size_t subject) {
  return JudgeAsEvaluated(request_, subject, EntryAt(minute), ephemeris_);
}

// Every piece starts with every input changed (its date among them), so a
// partial refresh only ever follows a full load of the same civil date.
void MinuteJudge::LoadElection(std::int64_t minute, unsigned changed) {
  state_.Input.election = EntryAt(minute);
  const MomentEntry& e = state_.Input.election;
  state_.Input.electionWeekday = WeekdayOfCivilDate(e.year, e.month, e.day);
  RefreshElectionChart(state_, changed);
  if (changed & kReadsMoon) ComputeStrengths(state_);
}

// The minutes of [first, last] at which something a requested rule set reads
// changes, in order: `first` itself with every input.
std::vector<MinuteJudge::Change> MinuteJudge::ChangesOver(
    std::int64_t first, std::int64_t last, const std::vector<PlanetRun>& planetRuns) {
  std::vector<Change> changes{{first, kReadsAll}};
  auto add = [&](Probed probed, unsigned inputs) {
    for (std::int64_t minute : probes_.Changes(first, last, probed))
      changes.push_back({minute, inputs});
  };
  add(Probed::kMoon, kReadsMoon);
  if (readByAny_ & kReadsLagna) add(Probed::kLagna, kReadsLagna);
  add(Probed::kKarana, kReadsPanchang);
  add(Probed::kYoga, kReadsPanchang);
  if (readByAny_ & kReadsTableLagna) add(Probed::kTableLagna, kReadsTableLagna);
  for (const PlanetRun& run : planetRuns)
    if (run.first > first && run.first <= last) changes.push_back({run.first, run.changed});
  std::sort(changes.begin(), changes.end(),
            [](const Change& a, const Change& b) { return a.minute < b.minute; });
  return changes;
}

std::int64_t MinuteJudge::JudgePiece(std::int64_t first, std::int64_t last,
                                     const std::vector<PlanetRun>& planetRuns,
                                     std::vector<std::vector<JudgedRun>>& runs) {
  const std::vector<Change> changes = ChangesOver(first, last, planetRuns);
  PlanetPositions planets{};
  std::int64_t evaluations = 0;
  for (std::size_t i = 0; i < changes.size();) {
    const std::int64_t start = changes[i].minute;
    unsigned changed = 0;
    for (; i < changes.size() && changes[i].minute == start; ++i) changed |= changes[i].inputs;
    const std::int64_t end = i < changes.size() ? changes[i].minute - 1 : last;
    if (changed & kReadsPlanets) {
      for (const PlanetRun& run : planetRuns)
        if (run.first <= start) planets = run.positions;
    }
    bool loaded = false;
    for (std::size_t s = 0; s < ruleSets_.size(); ++s) {
      if ((reads_[s] & changed) == 0) {
        // Nothing this rule set reads changed: its judgement runs on.
        runs[s].back().last = end;
        continue;
      }
      if (!loaded) {
        LoadElection(start, changed);
        loaded = true;
      }
      // Each subject as from a fresh state, with the planets of this stretch.
      state_.Input.subject = request_.subjects[s];
      ResetRuleSetOutputs(state_);
      state_.Lagna.PlanetSigns = planets;
      ruleSets_[s](state_);
      ++evaluations;
      const ShuddhiFailures shuddhi =
          request_.judgeShuddhi ? ShuddhiFailuresOf(request_.subjects[s], state_) : 0;
      book_.Record(s, runs[s], start, end, state_.Result, shuddhi);
    }
  }
  return evaluations;
}

// The first minutes of the stretches of one zone that make up [first, last],
// then last + 1.
std::vector<std::int64_t> MinuteJudge::ZoneStretches(std::int64_t first, std::int64_t last) {
  std::vector<std::int64_t> stretches{first};
  if (request_.zone) {
    for (std::int64_t minute : probes_.Changes(first, last, Probed::kZone))
      stretches.push_back(minute);
  }
  stretches.push_back(last + 1);
  return stretches;
}

std::int64_t MinuteJudge::JudgeRange(std::int64_t first, std::int64_t last,
                                     std::vector<std::vector<JudgedRun>>& runs,
                                     std::int64_t& scanned, const std::function<bool()>& beforeDay,
                                     const std::function<void()>& afterDay) {
  // The minutes are universal ones; the rule sets read the zone and the civil
  // date, which change with the clock, so each stretch of one zone is judged
  // afresh at its start.
  const std::vector<std::int64_t> stretches = ZoneStretches(first, last);
  const bool readsPlanets = PlanetsRead(readByAny_) != 0;

  std::int64_t evaluations = 0;
  std::size_t stretch = 0;
  std::vector<PlanetRun> planetRuns;
  std::size_t planetsFor = stretches.size();  // the stretch planetRuns holds
  for (std::int64_t day = DayOfMinute(first); day <= DayOfMinute(last); ++day) {
    if (!beforeDay()) break;
    const std::int64_t dayFirst = std::max(first, day * 1440);
    const std::int64_t dayLast = std::min(last, day * 1440 + 1439);
    while (stretches[stretch + 1] <= dayFirst) ++stretch;
    for (std::size_t k = stretch; stretches[k] <= dayLast; ++k) {
      const std::int64_t a = std::max(dayFirst, stretches[k]);
      const std::int64_t b = std::min(dayLast, stretches[k + 1] - 1);
      if (readsPlanets && planetsFor != k) {
        planetRuns = planets_.Runs(stretches[k], stretches[k + 1] - 1);
        planetsFor = k;
      }
      scanned += b - a + 1;
      // The civil date turns at local midnight, at most once in a day's piece.
      const std::int64_t offset = MinuteIndex(LocalAt(a)) - a;
      const std::int64_t midnight = DayOfMinute(b + offset) * 1440 - offset;
      if (midnight > a) {
        evaluations += JudgePiece(a, midnight - 1, planetRuns, runs);
        evaluations += JudgePiece(midnight, b, planetRuns, runs);
      } else {
        evaluations += JudgePiece(a, b, planetRuns, runs);
      }
    }
    afterDay();
  }
  return evaluations;
}

}  // namespace horavela
