#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "atlas/place_clock.h"
#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"
#include "rules/chart_elements.h"
#include "rules/rule_sets.h"
#include "rules/subjects.h"
#include "search/element_probes.h"
#include "search/judged_runs.h"
#include "search/muhurta_finder.h"
#include "search/planet_sign_search.h"

namespace horavela {

// Judges the minutes of one search, one per thread. Its minutes are universal
// ones (minutes since 1970-01-01 00:00 UT): each real minute once, both runs
// of an hour the clocks repeat, none of an hour they skip. Finds the minutes at which
// anything a requested rule set reads changes and runs each rule set only at
// the changes of the inputs it reads.
class MinuteJudge {
 public:
  // The request's person with the birth chart computed once.
  static CalculationState BirthState(const SearchRequest& request);

  // The planets come from `ephemeris`, which must outlive the judge.
  MinuteJudge(const SearchRequest& request, const CalculationState& birth,
              PlanetEphemeris& ephemeris);
  MinuteJudge(const MinuteJudge&) = delete;
  MinuteJudge& operator=(const MinuteJudge&) = delete;

  // Judges every requested subject over [first, last], appending to
  // runs[subject], one civil day after the other: `beforeDay` is asked before
  // each day (false stops the search), `afterDay` told after it. Returns the
  // number of rule-set runs; adds the minutes that exist to `scanned`.
  std::int64_t JudgeRange(std::int64_t first, std::int64_t last,
                          std::vector<std::vector<JudgedRun>>& runs, std::int64_t& scanned,
                          const std::function<bool()>& beforeDay,
                          const std::function<void()>& afterDay);

  // The planets in `planets` at `minute`, as the driver computes them.
  PlanetSample SamplePlanets(std::int64_t minute, PlanetSet planets = kAllPlanets);

  // The minutes in (first, last] at which the sign of a planet some requested
  // rule set reads changes, for a stretch of one zone.
  std::vector<std::int64_t> PlanetChanges(std::int64_t first, std::int64_t last);

  // The minutes in (first, last] at which `element` differs from the minute
  // before, found as the search finds them (a nakshatra's at its padas').
  std::vector<std::int64_t> ElementChanges(std::int64_t first, std::int64_t last,
                                           ChartElement element);

  // The election moment of `minute` as the judge reads it: the place with the
  // zone in force at that minute.
  MomentEntry EntryAt(std::int64_t minute);
  // The local minute a universal one shows at the place.
  LocalMinute LocalAt(std::int64_t minute) const;
  const PlaceClock& clock() const { return clock_; }
  // How the election moments are computed: the request's settings.
  const CalculationSettings& settings() const { return request_.settings; }

  // One subject at `minute` judged from a fresh state, as horavela-cli
  // evaluate judges it (JudgeAsEvaluated).
  Judgement JudgeThroughDriver(std::int64_t minute, std::size_t subject);

 private:
  // The first minute of a stretch at which some inputs change.
  struct Change {
    std::int64_t minute;
    unsigned inputs;  // ReadInput bits
  };

  std::vector<Change> ChangesOver(std::int64_t first, std::int64_t last,
                                  const std::vector<PlanetRun>& planetRuns);
  std::int64_t JudgePiece(std::int64_t first, std::int64_t last,
                          const std::vector<PlanetRun>& planetRuns,
                          std::vector<std::vector<JudgedRun>>& runs);
  std::vector<std::int64_t> ZoneStretches(std::int64_t first, std::int64_t last);
  void LoadElection(std::int64_t minute, unsigned changed);

  const SearchRequest& request_;
  PlaceClock clock_;
  int offsetHint_ = 0;  // the offset of the minute last judged
  PlanetEphemeris& ephemeris_;
  std::vector<RuleSet> ruleSets_;
  std::vector<unsigned> reads_;  // per subject
  unsigned readByAny_ = 0;
  ElementProbes probes_;
  PlanetSignSearch planets_;
  RunBook book_;
  CalculationState state_;  // for the evaluations
};

}  // namespace horavela
