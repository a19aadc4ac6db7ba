// Where the clocks go back, an element that changes in the second run of the
// repeated hour changes at that real minute, and says so with the offset of
// the run: in the day's periods and at the edges of the finder's windows.
// The instants are those the element shows on Greenwich time (the same
// search with the place's clock at UTC+0, where no hour repeats).
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "atlas/place_clock.h"
#include "atlas/zone_following.h"
#include "rules/subjects.h"
#include "search/muhurta_finder.h"
#include "support/moments_and_places.h"
#include "support/search_request.h"

namespace horavela {
namespace {

bool Holds(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

std::string Listed(const std::vector<std::string>& list) {
  std::string text = "starts:";
  for (const std::string& item : list) text += " " + item;
  return text;
}

const PlaceEntry kNewYork = testing::NewYork();
const PlaceEntry kLondon = testing::London();
const PlaceEntry kSydney = testing::Sydney();

struct SecondRunChange {
  const char* what;
  PlaceEntry place;
  const char* zone;
  int year, month, day;
  std::vector<Period> DayElements::*periods;
  const char* from;  // the period's first minute, in the second run
  bool judged;       // some subject's verdict changes with it, so a window begins there
};
const SecondRunChange kChanges[] = {
    {"NewYork2024Yoga", kNewYork, "America/New_York", 2024, 11, 3, &DayElements::yoga,
     "2024-11-03T01:09:00-05:00", false},  // 06:09 UT
    {"London2025Yoga", kLondon, "Europe/London", 2025, 10, 26, &DayElements::yoga,
     "2025-10-26T01:15:00+00:00", true},
    {"NewYork2025Pada", kNewYork, "America/New_York", 2025, 11, 2, &DayElements::nakshatra,
     "2025-11-02T01:00:00-05:00", true},
    {"NewYork2025MoonSign", kNewYork, "America/New_York", 2025, 11, 2, &DayElements::moonSign,
     "2025-11-02T01:00:00-05:00", true},
    {"Sydney2024Lagna", kSydney, "Australia/Sydney", 2024, 4, 7, &DayElements::lagna,
     "2024-04-07T02:03:00+10:00", true},
    {"Sydney2025Lagna", kSydney, "Australia/Sydney", 2025, 4, 6, &DayElements::lagna,
     "2025-04-06T02:08:00+10:00", true},
};

class SecondRunTest : public ::testing::TestWithParam<SecondRunChange> {};

TEST_P(SecondRunTest, TheDaysPeriodBeginsAtTheRealMinute) {
  const SecondRunChange& c = GetParam();
  DayRequest request;
  request.year = c.year;
  request.month = c.month;
  request.day = c.day;
  request.place = c.place;
  request.zone = testing::ZoneNamed(c.zone);
  const DayElements elements =
      ElementsOfDay(request, {c.year, c.month, c.day, 23, 59, 0}, SwissEphemeris());
  std::vector<std::string> starts;
  for (const Period& period : elements.*c.periods) starts.push_back(FormatLocalTime(period.from));
  EXPECT_TRUE(Holds(starts, c.from)) << Listed(starts);
}

TEST_P(SecondRunTest, AWindowOfTheFinderBeginsAtTheRealMinute) {
  const SecondRunChange& c = GetParam();
  if (!c.judged) GTEST_SKIP() << "no verdict changes with it";
  SearchRequest request = testing::AshaAtNewDelhi(AllSubjectTexts());
  request.place = c.place;
  request.zone = testing::ZoneNamed(c.zone);
  request.from = {c.year, c.month, c.day, 0, 0};
  request.to = {c.year, c.month, c.day, 4, 0};
  request.minResult = "Bad";
  const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris());
  std::vector<std::string> starts;
  // The window's minute with the period's seconds.
  for (const SearchWindow& window : result.windows) {
    const std::string minute = FormatLocalMinute(window.first);
    starts.push_back(minute.substr(0, 16) + ":00" + minute.substr(16));
  }
  const std::string from = c.from;
  EXPECT_TRUE(Holds(starts, from)) << Listed(starts);
}

INSTANTIATE_TEST_SUITE_P(RepeatedHours, SecondRunTest, ::testing::ValuesIn(kChanges),
                         [](const ::testing::TestParamInfo<SecondRunChange>& info) {
                           return std::string(info.param.what);
                         });

// A clock minute's real minute at New York, given as UTC minutes: a repeated
// one in its first and last run, a skipped one as the first minute after the
// gap and the last before it. The moment that real minute names: the clock
// time with the captions in force (EST is 5 hours west, EDT the same with
// the DST box), and the zone in force at the clock minute itself.
TEST(PlaceClock, NamesTheRealMinutesOfAClockMinute) {
  const PlaceClock clock(kNewYork, testing::ZoneNamed(testing::kNewYorkZone));
  const struct {
    LocalMinute local;
    PlaceClock::Run run;
    LocalMinute utc;
    LocalMinute named;  // the clock time of the moment at `utc`
    bool dst;           // its captions' DST box
  } rows[] = {
      {{2024, 11, 3, 1, 30},
       PlaceClock::Run::First,
       {2024, 11, 3, 5, 30},
       {2024, 11, 3, 1, 30},
       true},
      {{2024, 11, 3, 1, 30},
       PlaceClock::Run::Last,
       {2024, 11, 3, 6, 30},
       {2024, 11, 3, 1, 30},
       false},
      {{2024, 11, 3, 2, 30},
       PlaceClock::Run::Last,
       {2024, 11, 3, 7, 30},
       {2024, 11, 3, 2, 30},
       false},
      {{2024, 3, 10, 2, 30},
       PlaceClock::Run::First,
       {2024, 3, 10, 7, 0},
       {2024, 3, 10, 3, 0},
       true},
      {{2024, 3, 10, 2, 30},
       PlaceClock::Run::Last,
       {2024, 3, 10, 6, 59},
       {2024, 3, 10, 1, 59},
       false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(FormatLocalMinute(row.local));
    const std::int64_t universal = clock.UniversalOf(row.local, row.run);
    EXPECT_EQ(FormatLocalMinute(FromMinuteIndex(universal)), FormatLocalMinute(row.utc));
    const MomentEntry entry = clock.EntryAt(universal);
    EXPECT_EQ(FormatLocalMinute({entry.year, entry.month, entry.day, entry.hour, entry.minute}),
              FormatLocalMinute(row.named));
    EXPECT_EQ(entry.place.zoneHours, 5);
    EXPECT_EQ(entry.place.dst, row.dst);
    // The named clock minute, on its run where the clocks repeat it, reads
    // on the captions of that run.
    LocalMinute named = clock.At(universal).local;
    EXPECT_EQ(clock.ZoneInForce(named).dst, row.dst);
  }
}

// New York skips 02:00-02:59 on 2026-03-08: minutes judged alike on both
// sides of the gap are one window, not two.
TEST(SpringGap, AWindowJudgedAlikeAcrossTheGapIsOneWindow) {
  SearchRequest request = testing::AshaAtNewDelhi({"Marriage"});
  request.place = kNewYork;
  request.zone = testing::ZoneNamed("America/New_York");
  request.from = {2026, 3, 8, 0, 0};
  request.to = {2026, 3, 8, 5, 0};
  request.minResult = "Bad";
  const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris());
  bool across = false;
  for (const SearchWindow& window : result.windows) {
    EXPECT_NE(FormatLocalMinute(window.first), "2026-03-08T03:00") << "a window cut by the gap";
    across = across || (window.first.hour < 2 && window.last.hour >= 3);
  }
  EXPECT_TRUE(across);
}

}  // namespace
}  // namespace horavela
