#include <benchmark/benchmark.h>

#include "support/place_clocks.h"
#include "tradition/eclipses.h"
#include "tradition/planet_asta.h"

namespace horavela {
namespace {

// A year of Guru and Shukra asta and of the eclipses seen at New Delhi.
void BM_AstaAndEclipsesOneYear(benchmark::State& state) {
  const PlaceClock delhi = testing::ClockAt(testing::NewDelhi(), testing::kIndiaZone);
  const std::int64_t from = testing::UniversalAt(delhi, 2026, 1, 1);
  const std::int64_t to = testing::UniversalAt(delhi, 2027, 1, 1) - 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AstaPeriodsOver(delhi, from, to));
    benchmark::DoNotOptimize(EclipsePeriodsOver(delhi, from, to, EclipseReach::Day));
  }
}
BENCHMARK(BM_AstaAndEclipsesOneYear)->Unit(benchmark::kMillisecond);

void BM_AstaOneYear(benchmark::State& state) {
  const PlaceClock delhi = testing::ClockAt(testing::NewDelhi(), testing::kIndiaZone);
  const std::int64_t from = testing::UniversalAt(delhi, 2026, 1, 1);
  const std::int64_t to = testing::UniversalAt(delhi, 2027, 1, 1) - 1;
  for (auto _ : state) benchmark::DoNotOptimize(AstaPeriodsOver(delhi, from, to));
}
BENCHMARK(BM_AstaOneYear)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace horavela
