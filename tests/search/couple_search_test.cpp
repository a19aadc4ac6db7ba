// The finder for two against two searches for one: a couple's window is a
// run of minutes both people's judgements share, listed when both reach the
// minimum.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "atlas/local_minute.h"
#include "search/muhurta_finder.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::Madurai;
using testing::On;

// Asha's request for an engagement in March 2025, and Ravi, born under
// another star: some 1,200 minutes of the month are Good for her and Bad for
// him.
SearchRequest AshaAndRavi(const std::string& minimum) {
  SearchRequest request = testing::AshaAtNewDelhi({"Engagement"});
  request.from = {2025, 3, 1, 0, 0};
  request.to = {2025, 3, 31, 23, 59};
  request.minResult = minimum;
  request.partner = Partner{"Ravi", "Male", On(1993, 11, 9).At(1, 15).In(Madurai())};
  return request;
}

SearchRequest Alone(SearchRequest request, bool partner) {
  if (partner) {
    request.name = request.partner->name;
    request.sex = request.partner->sex;
    request.birth = request.partner->birth;
  }
  request.partner.reset();
  return request;
}

// The listed window's evaluation at every minute it covers, by MinuteIndex.
std::map<std::int64_t, const Evaluation*> ByMinute(const SearchResult& result, bool partner) {
  std::map<std::int64_t, const Evaluation*> minutes;
  for (const SearchWindow& w : result.windows)
    for (std::int64_t m = MinuteIndex(w.first); m <= MinuteIndex(w.last); ++m)
      minutes[m] = partner ? w.partnerEvaluation() : &w.evaluation();
  return minutes;
}

TEST(CoupleSearch, ListsExactlyTheMinutesBothSearchesListWithBothEvaluations) {
  for (const std::string minimum : {"Average", "Good"}) {
    SCOPED_TRACE(minimum);
    const SearchRequest request = AshaAndRavi(minimum);
    const SearchResult both = FindMuhurtaWindows(request, SwissEphemeris());
    const SearchResult asha = FindMuhurtaWindows(Alone(request, false), SwissEphemeris());
    const SearchResult ravi = FindMuhurtaWindows(Alone(request, true), SwissEphemeris());
    const auto bothAsha = ByMinute(both, false);
    const auto bothRavi = ByMinute(both, true);
    const auto ashaAlone = ByMinute(asha, false);
    const auto raviAlone = ByMinute(ravi, false);
    std::size_t shared = 0;
    for (const auto& [minute, evaluation] : ashaAlone) {
      const auto r = raviAlone.find(minute);
      const auto b = bothAsha.find(minute);
      ASSERT_EQ(b != bothAsha.end(), r != raviAlone.end()) << minute;
      if (b == bothAsha.end()) continue;
      ++shared;
      EXPECT_EQ(b->second->TotalScore, evaluation->TotalScore);
      EXPECT_EQ(bothRavi.at(minute)->TotalScore, r->second->TotalScore);
      EXPECT_EQ(bothRavi.at(minute)->ResultWord, r->second->ResultWord);
    }
    EXPECT_EQ(shared, bothAsha.size());
    EXPECT_GT(shared, 0u);
    // Neighbouring windows differ for one of the two at least.
    for (std::size_t i = 1; i < both.windows.size(); ++i) {
      const SearchWindow& a = both.windows[i - 1];
      const SearchWindow& b = both.windows[i];
      if (MinuteIndex(a.last) + 1 != MinuteIndex(b.first)) continue;
      EXPECT_FALSE(a.judgement == b.judgement && a.partnerJudgement == b.partnerJudgement)
          << FormatLocalMinute(b.first);
    }
  }
}

// Two birth stars that make the same minutes Good for one and Bad for the
// other: listed for two only when the minimum lets the weaker through.
TEST(CoupleSearch, AWindowGoodForOneAndBadForTheOtherIsJudgedByTheWeaker) {
  const SearchResult every = FindMuhurtaWindows(AshaAndRavi("Bad"), SwissEphemeris());
  const SearchWindow* split = nullptr;
  for (const SearchWindow& w : every.windows)
    if (w.evaluation().ResultWord == Verdict::Good &&
        w.partnerEvaluation()->ResultWord == Verdict::Bad) {
      split = &w;
      break;
    }
  ASSERT_NE(split, nullptr) << "no minute of March 2025 is Good for Asha and Bad for Ravi";
  const std::int64_t minute = MinuteIndex(split->first);
  const SearchResult good = FindMuhurtaWindows(AshaAndRavi("Good"), SwissEphemeris());
  for (const SearchWindow& w : good.windows)
    EXPECT_FALSE(MinuteIndex(w.first) <= minute && minute <= MinuteIndex(w.last));
}

TEST(CoupleSearch, APartnersFaultsAreNamedForThePartner) {
  SearchRequest request = AshaAndRavi("Good");
  request.partner->sex = "Unknown";
  const Result<void> sex = CheckSearchRequest(request);
  ASSERT_FALSE(sex);
  EXPECT_EQ(sex.error().path, "partner.sex");
  request.partner->sex = "Male";
  request.partner->birth.month = 13;
  const Result<void> birth = CheckSearchRequest(request);
  ASSERT_FALSE(birth);
  EXPECT_EQ(birth.error().path.rfind("partner.birth", 0), 0u) << birth.error().path;
  request.partner->birth = On(2026, 1, 1).At(0, 0).In(Madurai());
  const Result<void> after = CheckRangeAfterBirth(request);
  ASSERT_FALSE(after);
  EXPECT_EQ(after.error().path, "partner.birth");
}

}  // namespace
}  // namespace horavela
