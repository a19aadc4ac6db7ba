// One evaluated moment explained: the window around it searched up to seven
// days each way, the elements' changes, the warnings and the nearest better
// moments, as horavela-cli evaluate adds them to its answer.
#include <benchmark/benchmark.h>

#include <string>

#include "explain/explanation.h"
#include "support/search_request.h"

namespace horavela {
namespace {

// The middle of the first window reading `word` for `subject` from 1 March 2025.
EvaluationInput MomentReading(const std::string& subject, const std::string& word) {
  SearchRequest request = testing::AshaAtNewDelhi({subject});
  request.from = {2025, 3, 1, 0, 0};
  request.to = {2025, 3, 14, 23, 59};
  request.minResult = "Bad";
  for (const SearchWindow& window : FindMuhurtaWindows(request, SwissEphemeris()).windows) {
    if (NameOf(window.evaluation().ResultWord) != word) continue;
    return testing::InputAtMinute(request,
                                  FromMinuteIndex(MinuteIndex(window.first) + window.minutes / 2));
  }
  return testing::InputAtMinute(request, request.from);
}

void Explain(benchmark::State& state, const EvaluationInput& input) {
  Explanation explanation;
  for (auto _ : state)
    benchmark::DoNotOptimize(explanation = ExplainMoment(input, {}, SwissEphemeris()));
  state.counters["window_minutes"] = static_cast<double>(explanation.window.minutes);
}

// A Good marriage moment: its window and the best window of its day.
void BM_ExplainGood(benchmark::State& state) {
  Explain(state, MomentReading("Marriage", "Good"));
}
BENCHMARK(BM_ExplainGood)->Unit(benchmark::kMillisecond)->UseRealTime();

// A Bad moment: the nearest better minutes on both sides.
void BM_ExplainBad(benchmark::State& state) {
  Explain(state, MomentReading("Borrowing Money", "Bad"));
}
BENCHMARK(BM_ExplainBad)->Unit(benchmark::kMillisecond)->UseRealTime();

// The most the window search can cost: every minute of seven days each way,
// as when nothing better lies within reach.
void BM_WholeReach(benchmark::State& state) {
  SearchRequest request = testing::AshaAtNewDelhi({"Domestic Journey"});
  request.from = {2025, 3, 1, 0, 0};
  request.to = {2025, 3, 15, 23, 59};
  request.minResult = "Bad";
  SearchControl control;
  control.threads = 1;
  for (auto _ : state)
    benchmark::DoNotOptimize(FindMuhurtaWindows(request, SwissEphemeris(), control));
}
BENCHMARK(BM_WholeReach)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace horavela
