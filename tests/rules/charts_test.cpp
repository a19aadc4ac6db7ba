#include "rules/charts.h"

#include <gtest/gtest.h>

#include "calendar/civil_calendar.h"
#include "rules/inputs_read.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

using testing::Asha;
using testing::NewDelhi;
using testing::On;

CalculationState ElectedAt(int hour, int minute) {
  CalculationState state;
  state.Input = Asha("Marriage").ElectedAt(On(2025, 11, 22).At(hour, minute).In(NewDelhi()));
  ComputeBirthChart(state);
  ComputeElectionChart(state);
  ComputeStrengths(state);
  return state;
}

// The InputsRead bits whose part of the chart differs between two minutes.
unsigned ChangedBetween(const Chart& a, const Chart& b) {
  unsigned changed = 0;
  if (a.lagna != b.lagna) changed |= kReadsLagna;
  if (a.moonSign != b.moonSign || a.nakshatra != b.nakshatra) changed |= kReadsMoon;
  if (a.tithi != b.tithi || a.yoga != b.yoga || a.karana != b.karana) changed |= kReadsPanchang;
  return changed;
}

// The finder refreshes only what moved at each change through a day; the
// chart and the strengths must be those of a full computation at every minute.
TEST(RefreshElectionChart, FollowsAFullComputationThroughADay) {
  CalculationState refreshed = ElectedAt(0, 0);
  Chart before = refreshed.ElectionChart;
  int refreshes = 0;
  for (int minute = 1; minute < 1440; ++minute) {
    const CalculationState full = ElectedAt(minute / 60, minute % 60);
    const unsigned changed = ChangedBetween(before, full.ElectionChart);
    before = full.ElectionChart;
    if (changed == 0) continue;
    ++refreshes;
    refreshed.Input.election = full.Input.election;
    RefreshElectionChart(refreshed, changed);
    if (changed & kReadsMoon) ComputeStrengths(refreshed);
    ASSERT_EQ(refreshed.ElectionChart, full.ElectionChart) << "minute " << minute;
    EXPECT_EQ(refreshed.TaraBalaVerdict, full.TaraBalaVerdict);
    EXPECT_EQ(refreshed.ChandraBalaVerdict, full.ChandraBalaVerdict);
    EXPECT_EQ(refreshed.Moment.hour, full.Moment.hour);
    EXPECT_EQ(refreshed.Moment.minute, full.Moment.minute);
  }
  // Twelve rising signs and at least a nakshatra, a tithi or a karana.
  EXPECT_GE(refreshes, 13);
}

}  // namespace
}  // namespace horavela
