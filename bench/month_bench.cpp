// A month on one page at New Delhi, as horavela-cli month computes it, the
// twelve months of a year, and a month with a person's best windows.
#include <benchmark/benchmark.h>

#include "support/search_request.h"
#include "tradition/month_at_a_glance.h"

namespace horavela {
namespace {

MonthRequest NewDelhiMonth(int month) {
  MonthRequest request;
  request.where() = testing::AshaAtNewDelhi({}).where();
  request.year = 2026;
  request.month = month;
  return request;
}

void BM_MonthOneMonth(benchmark::State& state) {
  const MonthRequest request = NewDelhiMonth(1);
  MonthAtAGlance month;
  for (auto _ : state) benchmark::DoNotOptimize(month = ComputeMonth(request, SwissEphemeris()));
}
BENCHMARK(BM_MonthOneMonth)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MonthYearOfMonths(benchmark::State& state) {
  MonthAtAGlance month;
  for (auto _ : state) {
    for (int m = 1; m <= 12; ++m)
      benchmark::DoNotOptimize(month = ComputeMonth(NewDelhiMonth(m), SwissEphemeris()));
  }
}
BENCHMARK(BM_MonthYearOfMonths)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same month with the best window of each day for Asha's marriage: one
// finder run over the month besides.
void BM_MonthWithBestWindows(benchmark::State& state) {
  MonthRequest request = NewDelhiMonth(1);
  request.person = testing::AshaAtNewDelhi({"Marriage"});
  MonthAtAGlance month;
  for (auto _ : state) benchmark::DoNotOptimize(month = ComputeMonth(request, SwissEphemeris()));
}
BENCHMARK(BM_MonthWithBestWindows)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace horavela
