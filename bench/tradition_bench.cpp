// The calendar's vetoes of a whole year at New Delhi: the Sun's sankrantis
// into and out of Dhanu and Meena, the lunar months around the year with
// their adhika and kshaya months, Chaturmas, Holashtak, Pitru Paksha and
// the Panchakas, as a search with the almanac observed first asks for them.
#include <benchmark/benchmark.h>

#include "atlas/place_clock.h"
#include "support/search_request.h"
#include "tradition/calendar_vetoes.h"

namespace horavela {
namespace {

void BM_CalendarVetoesOneYear(benchmark::State& state) {
  const SearchRequest request = testing::AshaAtNewDelhi({});
  const PlaceClock clock(request.where());
  const std::int64_t first = clock.UniversalOf({2026, 1, 1, 0, 0}, PlaceClock::Run::First);
  const std::int64_t last = clock.UniversalOf({2026, 12, 31, 23, 59}, PlaceClock::Run::First);
  std::vector<VetoPeriod> periods;
  for (auto _ : state)
    benchmark::DoNotOptimize(periods = CalendarVetoPeriods(clock, first, last, SwissEphemeris()));
  state.counters["periods"] = static_cast<double>(periods.size());
}
BENCHMARK(BM_CalendarVetoesOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace horavela
