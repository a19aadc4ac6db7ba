// The muhurta finder over a year: one subject, all 34, and the minute-by-minute
// scan it replaces, so the ratio is visible.
#include <benchmark/benchmark.h>

#include "rules/subjects.h"
#include "search/muhurta_finder.h"

namespace horavela {
namespace {

SearchRequest YearRequest(std::vector<std::string> subjects, int months) {
  SearchRequest request;
  request.subjects = std::move(subjects);
  request.name = "Asha";
  request.sex = "Female";
  request.birth.year = 1995;
  request.birth.month = 8;
  request.birth.day = 14;
  request.birth.hour = 5;
  request.birth.minute = 40;
  request.birth.place.latitudeDegrees = 9;
  request.birth.place.latitudeMinutes = 55;
  request.birth.place.longitudeDegrees = 78;
  request.birth.place.longitudeMinutes = 7;
  request.birth.place.zoneHours = -5;
  request.birth.place.zoneMinutes = -30;
  request.place = request.birth.place;
  request.place.latitudeDegrees = 28;
  request.place.latitudeMinutes = 37;
  request.place.longitudeDegrees = 77;
  request.place.longitudeMinutes = 13;
  request.from = {2025, 1, 1, 0, 0};
  request.to =
      months == 12 ? LocalMinute{2025, 12, 31, 23, 59} : LocalMinute{2025, months, 28, 23, 59};
  request.minResult = "Good";
  return request;
}

std::vector<std::string> AllSubjects() {
  std::vector<std::string> subjects;
  for (const Subject& subject : kSubjects) subjects.emplace_back(subject.text);
  return subjects;
}

// The rule-set runs and windows of the last search, for reading the figures.
void Count(benchmark::State& state, const SearchResult& result) {
  state.counters["evaluations"] = static_cast<double>(result.evaluations);
  state.counters["windows"] = static_cast<double>(result.windows.size());
}

void BM_FindOneSubjectOneYear(benchmark::State& state) {
  const SearchRequest request = YearRequest({"Marriage"}, 12);
  SearchResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindMuhurtaWindows(request));
  Count(state, result);
}
BENCHMARK(BM_FindOneSubjectOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

// A subject that reads the election lagna, the table lagna and the planets.
void BM_FindPilgrimageOneYear(benchmark::State& state) {
  const SearchRequest request = YearRequest({"Religious Journey"}, 12);
  SearchResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindMuhurtaWindows(request));
  Count(state, result);
}
BENCHMARK(BM_FindPilgrimageOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindAllSubjectsOneYear(benchmark::State& state) {
  const SearchRequest request = YearRequest(AllSubjects(), 12);
  SearchResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindMuhurtaWindows(request));
  Count(state, result);
}
BENCHMARK(BM_FindAllSubjectsOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScanEveryMinuteOneSubjectOneYear(benchmark::State& state) {
  const SearchRequest request = YearRequest({"Marriage"}, 12);
  for (auto _ : state) benchmark::DoNotOptimize(ScanEveryMinute(request));
}
BENCHMARK(BM_ScanEveryMinuteOneSubjectOneYear)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace horavela
