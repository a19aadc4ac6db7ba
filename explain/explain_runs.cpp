#include <algorithm>
#include <utility>

#include "atlas/local_minute.h"
#include "explain/explain_internal.h"

namespace horavela::explain_detail {

namespace {

// The first look covers the quarter hour either side that the verdict
// warnings read; each further step on a side doubles the last.
constexpr std::int64_t kFirstLook = 60;
constexpr std::int64_t kLongestStep = 2 * 1440;

}  // namespace

RunsAround::RunsAround(MinuteJudge& judge, std::int64_t moment)
    : judge_(judge), moment_(moment), lo_(moment - kFirstLook), hi_(moment + kFirstLook) {
  runs_ = Judge(lo_, hi_);
}

std::vector<JudgedRun> RunsAround::Judge(std::int64_t first, std::int64_t last) {
  std::vector<std::vector<JudgedRun>> runs(1);
  std::int64_t scanned = 0;
  judge_.JudgeRange(
      first, last, runs, scanned, [] { return true; }, [] {});
  return std::move(runs.front());
}

bool RunsAround::GrowBefore() {
  if (AtReachBefore()) return false;
  const std::int64_t first = std::max(lo_ - stepBefore_, moment_ - kExplainReachMinutes);
  std::vector<JudgedRun> merged = Judge(first, lo_ - 1);
  for (JudgedRun& run : runs_) AppendRun(merged, run.first, run.last, std::move(run.judgement));
  runs_ = std::move(merged);
  lo_ = first;
  stepBefore_ = std::min(stepBefore_ * 2, kLongestStep);
  return true;
}

bool RunsAround::GrowAfter() {
  if (AtReachAfter()) return false;
  const std::int64_t last = std::min(hi_ + stepAfter_, moment_ + kExplainReachMinutes);
  for (JudgedRun& run : Judge(hi_ + 1, last))
    AppendRun(runs_, run.first, run.last, std::move(run.judgement));
  hi_ = last;
  stepAfter_ = std::min(stepAfter_ * 2, kLongestStep);
  return true;
}

void RunsAround::CoverBefore(std::int64_t minute) {
  while (lo_ > minute && GrowBefore()) {
  }
}

void RunsAround::CoverAfter(std::int64_t minute) {
  while (hi_ < minute && GrowAfter()) {
  }
}

std::size_t RunsAround::IndexOf(std::int64_t minute) const {
  auto found = std::partition_point(runs_.begin(), runs_.end(),
                                    [minute](const JudgedRun& run) { return run.last < minute; });
  if (found == runs_.end() || found->first > minute) return runs_.size();
  return static_cast<std::size_t>(found - runs_.begin());
}

Verdict VerdictOf(const JudgedRun& run) {
  return run.judgement->evaluation.ResultWord;
}

ExplainedWindow WindowOf(const PlaceClock& clock, const JudgedRun& run) {
  const Evaluation& evaluation = run.judgement->evaluation;
  return {clock.At(run.first).local, clock.At(run.last).local, evaluation.ResultWord,
          evaluation.TotalScore,     evaluation.FactorCount,   run.last - run.first + 1};
}

}  // namespace horavela::explain_detail
