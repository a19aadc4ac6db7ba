#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/calculation_state.h"
#include "rules/rule_sets.h"
#include "search/muhurta_finder.h"

namespace horavela {

// What a rule set decided at one minute: everything a window must share.
struct Judgement {
  Evaluation evaluation;
  std::string label;
};

// Judges the minutes of one search, one thread each. Finds the minutes at
// which anything a rule set reads changes (the Moon's nakshatra and sign, the
// lagna, tithi and karana, yoga, the table lagna, the planets' signs, the
// zone), and evaluates the subjects once per stretch between them.
class MinuteJudge {
 public:
  // The request's person with the birth chart computed once.
  static CalculationState BirthState(const SearchRequest& request);

  MinuteJudge(const SearchRequest& request, const CalculationState& birth);

  bool MinuteExists(std::int64_t minute);

  // First minutes of the stretches of [first, last] (one civil day at most)
  // within which no input of any requested subject changes; `first` included.
  std::vector<std::int64_t> SegmentStarts(std::int64_t first, std::int64_t last);

  // Every requested subject at `minute`, which must be a result of
  // SegmentStarts of its day (the planets come from that call).
  std::vector<Judgement> JudgeAll(std::int64_t minute);

  // One subject at `minute` through the whole driver from a fresh state, as
  // horavela-cli evaluate does it.
  Judgement JudgeThroughDriver(std::int64_t minute, std::size_t subject);

 private:
  using Key = std::int64_t;
  using KeyFunction = Key (MinuteJudge::*)(std::int64_t);

  MomentEntry EntryAt(std::int64_t minute);
  ZoneAtMinute ZoneAt(std::int64_t minute);
  void LoadMoment(std::int64_t minute);
  void FindChanges(std::int64_t first, std::int64_t last, std::int64_t span, KeyFunction key,
                   std::vector<std::int64_t>& changes);

  Key MoonKey(std::int64_t minute);
  Key LagnaKey(std::int64_t minute);
  Key KaranaKey(std::int64_t minute);
  Key YogaKey(std::int64_t minute);
  Key TableLagnaKey(std::int64_t minute);
  Key PlanetKey(std::int64_t minute);
  Key ZoneKey(std::int64_t minute);
  std::pair<int, int> PanchangAt(std::int64_t minute);

  const SearchRequest& request_;
  std::vector<RuleSet> ruleSets_;
  bool needsTableLagna_ = false;
  bool needsPlanets_ = false;
  std::int64_t lagnaSpan_ = 1;
  CalculationState birth_;
  CalculationState scratch_;  // for the element keys
  CalculationState state_;    // for the evaluations
  std::unordered_map<std::int64_t, std::pair<int, int>> panchangCache_;
  std::unordered_map<std::int64_t, std::array<std::string, kPlanetCount>> planetCache_;
  std::vector<std::pair<std::int64_t, std::array<std::string, kPlanetCount>>> planetRuns_;
};

}  // namespace horavela
