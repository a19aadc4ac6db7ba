#include "almanac/avoided_kalams.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "support/search_request.h"

namespace horavela {
namespace {

SearchRequest AYearAtNewDelhi() {
  SearchRequest request = testing::AshaAtNewDelhi({"Marriage"});
  request.from = {2025, 1, 1, 0, 0};
  request.to = {2025, 12, 31, 23, 59};
  return request;
}

// A long range reports how far it has come, in order, and stops when asked:
// the dialog shows the one and offers the other.
TEST(AvoidedKalams, LongRangeReportsProgressAndStopsWhenCancelled) {
  const SearchRequest request = AYearAtNewDelhi();
  std::vector<double> fractions;
  SearchControl control;
  control.progress = [&fractions](double fraction) { fractions.push_back(fraction); };
  const std::vector<MinuteInterval> whole = KalamMinutes(request, {Kalam::RahuKalam}, control);
  EXPECT_EQ(whole.size(), 365u);
  ASSERT_GE(fractions.size(), 12u);
  EXPECT_EQ(fractions.front(), 0.0);
  EXPECT_LT(fractions.back(), 1.0);
  for (std::size_t i = 1; i < fractions.size(); ++i) EXPECT_GT(fractions[i], fractions[i - 1]);

  std::atomic<bool> cancel{true};
  control.cancel = &cancel;
  EXPECT_TRUE(KalamMinutes(request, {Kalam::RahuKalam}, control).empty());
}

}  // namespace
}  // namespace horavela
