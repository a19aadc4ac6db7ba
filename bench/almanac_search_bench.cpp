// A year of all 34 subjects searched through the use case three ways: with
// the tradition's vetoes and shuddhi ignored, shown and observed, so the
// cost of the almanac stands beside the plain search in one run.
#include <benchmark/benchmark.h>

#include "rules/subjects.h"
#include "support/search_request.h"
#include "usecases/search.h"

namespace horavela {
namespace {

std::vector<std::string> AllSubjectTexts() {
  std::vector<std::string> subjects;
  for (const Subject& subject : kSubjects) subjects.emplace_back(subject.text);
  return subjects;
}

void BM_SearchAllSubjectsOneYear(benchmark::State& state) {
  SearchEntries entries;
  entries.request = testing::AshaAtNewDelhi(AllSubjectTexts());
  entries.almanac.mode = static_cast<AlmanacMode>(state.range(0));
  const Result<PreparedSearch> prepared = PrepareSearch(entries);
  if (!prepared) {
    state.SkipWithError("the request does not pass its checks");
    return;
  }
  FoundTimes found;
  for (auto _ : state) benchmark::DoNotOptimize(found = RunSearch(*prepared, SwissEphemeris()));
  state.counters["windows"] = static_cast<double>(found.result.windows.size());
  state.counters["vetoes"] = static_cast<double>(found.vetoes.size());
}
BENCHMARK(BM_SearchAllSubjectsOneYear)
    ->Arg(static_cast<int>(AlmanacMode::Ignore))
    ->Arg(static_cast<int>(AlmanacMode::Show))
    ->Arg(static_cast<int>(AlmanacMode::Observe))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace horavela
