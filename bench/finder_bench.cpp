// The muhurta finder over a year: one subject, all 34, and the minute-by-minute
// scan it replaces, so the ratio is visible.
#include <benchmark/benchmark.h>

#include "rules/subjects.h"
#include "search/muhurta_finder.h"
#include "support/search_request.h"

namespace horavela {
namespace {

// The rule-set runs and windows of the last search, for reading the figures.
void Count(benchmark::State& state, const SearchResult& result) {
  state.counters["evaluations"] = static_cast<double>(result.evaluations);
  state.counters["windows"] = static_cast<double>(result.windows.size());
}

void BM_FindOneSubjectOneYear(benchmark::State& state) {
  const SearchRequest request = testing::AshaAtNewDelhi({"Marriage"});
  SearchResult result;
  for (auto _ : state)
    benchmark::DoNotOptimize(result = FindMuhurtaWindows(request, SwissEphemeris()));
  Count(state, result);
}
BENCHMARK(BM_FindOneSubjectOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with Swiss Ephemeris's Sun, Moon and ascendant and Lahiri's ayanamsa.
void BM_FindOneSubjectOneYearSwissLahiri(benchmark::State& state) {
  SearchRequest request = testing::AshaAtNewDelhi({"Marriage"});
  request.settings = {EphemerisSource::Swiss, AyanamsaSystem::Lahiri};
  SearchResult result;
  for (auto _ : state)
    benchmark::DoNotOptimize(result = FindMuhurtaWindows(request, SwissEphemeris()));
  Count(state, result);
}
BENCHMARK(BM_FindOneSubjectOneYearSwissLahiri)->Unit(benchmark::kMillisecond)->UseRealTime();

// A subject that reads the election lagna, the table lagna and the planets.
void BM_FindPilgrimageOneYear(benchmark::State& state) {
  const SearchRequest request = testing::AshaAtNewDelhi({"Religious Journey"});
  SearchResult result;
  for (auto _ : state)
    benchmark::DoNotOptimize(result = FindMuhurtaWindows(request, SwissEphemeris()));
  Count(state, result);
}
BENCHMARK(BM_FindPilgrimageOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindAllSubjectsOneYear(benchmark::State& state) {
  const SearchRequest request = testing::AshaAtNewDelhi(AllSubjectTexts());
  SearchResult result;
  for (auto _ : state)
    benchmark::DoNotOptimize(result = FindMuhurtaWindows(request, SwissEphemeris()));
  Count(state, result);
}
BENCHMARK(BM_FindAllSubjectsOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

// The widest search there is: ten years, every subject, every window, as
// horavela-cli search streams it (listing stops at the default limit).
void BM_FindAllSubjectsTenYearsBad(benchmark::State& state) {
  SearchRequest request = testing::AshaAtNewDelhi(AllSubjectTexts());
  request.to = {2034, 12, 31, 23, 59};
  request.minResult = "Bad";
  SearchControl control;
  std::size_t listed = 0;
  control.windows = [&listed](const SearchWindow&) { ++listed; };
  SearchResult result;
  for (auto _ : state)
    benchmark::DoNotOptimize(result = FindMuhurtaWindows(request, SwissEphemeris(), control));
  Count(state, result);
  state.counters["windows"] = static_cast<double>(listed / state.iterations());
}
BENCHMARK(BM_FindAllSubjectsTenYearsBad)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

void BM_ScanEveryMinuteOneSubjectOneYear(benchmark::State& state) {
  const SearchRequest request = testing::AshaAtNewDelhi({"Marriage"});
  for (auto _ : state) benchmark::DoNotOptimize(ScanEveryMinute(request, SwissEphemeris()));
}
BENCHMARK(BM_ScanEveryMinuteOneSubjectOneYear)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace horavela
