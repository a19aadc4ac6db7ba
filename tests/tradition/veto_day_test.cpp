// A civil day's vetoes: every period in force at any of its minutes, from its
// first clock minute to its last.
#include "tradition/veto_day.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "vetoes_at_new_delhi.h"

namespace horavela {
namespace {

class VetoDay : public ::testing::Test, public testing::VetoesAtNewDelhi {
 protected:
  bool InForce(Veto veto, int year, int month, int day) {
    const std::vector<VetoPeriod> periods =
        VetoPeriodsOnDay(clock(), year, month, day, SwissEphemeris());
    return std::any_of(periods.begin(), periods.end(),
                       [veto](const VetoPeriod& p) { return p.veto == veto; });
  }
};

// Kharmas 2025-26 runs from 04:21 on 16 December to 15:07 on 14 January at
// New Delhi: both those days hold some of it, the days around them none.
TEST_F(VetoDay, ADayHoldsAPeriodThatTouchesAnyOfItsMinutes) {
  const struct {
    int year, month, day;
    bool kharmas;
  } rows[] = {
      {2025, 12, 15, false}, {2025, 12, 16, true}, {2026, 1, 1, true},
      {2026, 1, 14, true},   {2026, 1, 15, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(std::array{row.year, row.month, row.day}));
    EXPECT_EQ(InForce(Veto::Kharmas, row.year, row.month, row.day), row.kharmas);
  }
}

}  // namespace
}  // namespace horavela
