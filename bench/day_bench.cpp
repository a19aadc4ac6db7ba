// The day at a glance at one place and date: sunrise and sunset, the kalams,
// horas and choghadiyas, the elements' periods and the chart of noon, as
// horavela-cli day computes them without a subject; and the elements alone.
#include <benchmark/benchmark.h>

#include "almanac/day_at_a_glance.h"
#include "atlas/zone_following.h"
#include "support/search_request.h"

namespace horavela {
namespace {

// New Delhi on Indian Time, 3 January 2025.
DayRequest NewDelhiDay() {
  DayRequest request;
  request.year = 2025;
  request.month = 1;
  request.day = 3;
  request.place = testing::AshaAtNewDelhi({}).place;
  return request;
}

void BM_Day(benchmark::State& state) {
  const DayRequest request = NewDelhiDay();
  DayAtAGlance day;
  for (auto _ : state) benchmark::DoNotOptimize(day = ComputeDay(request, SwissEphemeris()));
  state.counters["lagnas"] = static_cast<double>(day.elements.lagna.size());
}
BENCHMARK(BM_Day)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same day at New York following its tz zone minute by minute, on the
// day the clocks go forward.
void BM_DayFollowingZone(benchmark::State& state) {
  DayRequest request = NewDelhiDay();
  request.year = 2024;
  request.month = 3;
  request.day = 10;
  request.place.latitudeDegrees = 40;
  request.place.latitudeMinutes = 43;
  request.place.longitudeDegrees = 74;
  request.place.longitudeMinutes = 0;
  request.place.east = false;
  request.zone = Follow(*TimeZoneRules::Load("America/New_York", nullptr));
  DayAtAGlance day;
  for (auto _ : state) benchmark::DoNotOptimize(day = ComputeDay(request, SwissEphemeris()));
}
BENCHMARK(BM_DayFollowingZone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ElementsOfDay(benchmark::State& state) {
  const DayRequest request = NewDelhiDay();
  DayElements elements;
  for (auto _ : state) {
    benchmark::DoNotOptimize(elements =
                                 ElementsOfDay(request, {2025, 1, 4, 7, 15, 0}, SwissEphemeris()));
  }
}
BENCHMARK(BM_ElementsOfDay)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace horavela
