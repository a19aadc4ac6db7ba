#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "atlas/place_clock.h"
#include "explain/explanation.h"
#include "support/moments_and_places.h"
#include "support/search_request.h"
#include "tradition/observance.h"
#include "usecases/search.h"

namespace horavela {
namespace {

using Window = std::tuple<std::int64_t, std::int64_t>;  // local minutes, inclusive

// 10 January to 10 February 2026 at New Delhi holds two veto edges a
// marriage observes: Kharmas ends on 14 January and Shukra asta on the 31st.
SearchEntries MarriageAroundFebruary2026(AlmanacMode mode) {
  SearchEntries entries;
  entries.request = testing::AshaAtNewDelhi({"Marriage"});
  entries.request.from = {2026, 1, 10, 0, 0};
  entries.request.to = {2026, 2, 10, 23, 59};
  entries.request.minResult = "Average";
  entries.almanac.mode = mode;
  return entries;
}

// Observed, the search lists what a scan of every minute keeps once the
// minutes of the observed vetoes and those failing shuddhi are dropped.
TEST(RunSearchUseCase, ObservedVetoesAndShuddhiMatchAFilteredScan) {
  const Result<PreparedSearch> observing =
      PrepareSearch(MarriageAroundFebruary2026(AlmanacMode::Observe));
  ASSERT_TRUE(observing.has_value());
  const FoundTimes found = RunSearch(*observing, SwissEphemeris());
  ASSERT_GE(found.vetoes.size(), 2u);

  SearchRequest scanned = observing->request;
  scanned.judgeShuddhi = true;
  const SearchResult everything = ScanEveryMinute(scanned, SwissEphemeris());
  const PlaceClock clock(scanned);
  const VetoSet observed = VetoesObservedBy("Marriage");
  auto vetoed = [&](std::int64_t local) {
    const std::int64_t universal =
        clock.UniversalOf(FromMinuteIndex(local), PlaceClock::Run::First);
    for (const VetoPeriod& period : found.vetoes)
      if ((observed & VetoBit(period.veto)) && universal >= period.first &&
          universal <= period.last)
        return true;
    return false;
  };
  std::vector<Window> expected;
  for (const SearchWindow& window : everything.windows) {
    if (window.judgement->shuddhi != 0) continue;
    bool open = false;
    for (std::int64_t t = MinuteIndex(window.first); t <= MinuteIndex(window.last); ++t) {
      if (vetoed(t)) {
        open = false;
      } else if (open) {
        std::get<1>(expected.back()) = t;
      } else {
        expected.emplace_back(t, t);
        open = true;
      }
    }
  }
  std::vector<Window> listed;
  for (const SearchWindow& window : found.result.windows)
    listed.emplace_back(MinuteIndex(window.first), MinuteIndex(window.last));
  EXPECT_EQ(listed, expected);
  // Nothing while Venus is set; something after it rises.
  ASSERT_FALSE(listed.empty());
  EXPECT_GE(std::get<0>(listed.front()), MinuteIndex({2026, 1, 31, 16, 0}));
}

// Ignored, the search is the program's own; shown, the same windows carry
// the vetoes they touch.
TEST(RunSearchUseCase, ShownVetoesMarkTheWindowsIgnoredOnesDoNot) {
  const Result<PreparedSearch> ignoring =
      PrepareSearch(MarriageAroundFebruary2026(AlmanacMode::Ignore));
  const Result<PreparedSearch> showing =
      PrepareSearch(MarriageAroundFebruary2026(AlmanacMode::Show));
  ASSERT_TRUE(ignoring.has_value() && showing.has_value());
  const FoundTimes plain = RunSearch(*ignoring, SwissEphemeris());
  const FoundTimes shown = RunSearch(*showing, SwissEphemeris());
  EXPECT_TRUE(plain.vetoes.empty());
  std::uint32_t marksSeen = 0;
  for (const SearchWindow& window : plain.result.windows) EXPECT_EQ(window.marks, 0u);
  for (const SearchWindow& window : shown.result.windows) marksSeen |= window.marks;
  EXPECT_TRUE(marksSeen & VetoBit(Veto::Kharmas));
  EXPECT_TRUE(marksSeen & VetoBit(Veto::ShukraAsta));
  // Shuddhi splits windows where it changes: never fewer windows than plain.
  EXPECT_GE(shown.result.windows.size(), plain.result.windows.size());
}

// The explanation names the vetoes in force and the shuddhi beside the verdict.
TEST(TraditionInTheExplanation, NamesVetoesInForceAndShuddhi) {
  using namespace testing;
  const struct {
    const char* subject;
    LocalMinute at;
    std::vector<std::string> expected;  // each the start of one sentence present
    std::vector<std::string> absent;
  } rows[] = {
      {"Marriage",
       {2026, 1, 5, 10, 0},
       {"The tradition keeps Kharmas for this undertaking, in force from 04:21 on 16 December 2025",
        "The tradition keeps Shukra asta", "Panchanga shuddhi: Pushya is not one"},
       {}},
      // Lending observes no veto and has no classical table.
      {"Lending Money", {2026, 1, 5, 10, 0}, {}, {"The tradition keeps", "Panchanga shuddhi"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.subject);
    const EvaluationInput input = Asha(row.subject)
                                      .ElectedAt(On(row.at.year, row.at.month, row.at.day)
                                                     .At(row.at.hour, row.at.minute)
                                                     .In(NewDelhi()));
    const Explanation explanation = ExplainMoment(input, nullptr, SwissEphemeris());
    auto has = [&](const std::string& start) {
      for (const std::string& warning : explanation.warnings)
        if (warning.rfind(start, 0) == 0) return true;
      return false;
    };
    for (const std::string& start : row.expected) EXPECT_TRUE(has(start)) << start;
    for (const std::string& start : row.absent) EXPECT_FALSE(has(start)) << start;
  }
}

}  // namespace
}  // namespace horavela
