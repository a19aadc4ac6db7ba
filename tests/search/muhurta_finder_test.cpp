#include "search/muhurta_finder.h"
#include "support/chart_values.h"

#include <gtest/gtest.h>

#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <tuple>

#include "atlas/time_zone_rules.h"
#include "rules/subjects.h"
#include "search/minute_judge.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::Madurai;
using testing::On;
using testing::Place;
using testing::PlaceBuilder;

// Asha's birth place, Madurai, at a minute of a day.
MomentEntry Birth(int year, int month, int day, int hour, int minute) {
  return On(year, month, day).At(hour, minute).In(Madurai());
}

// A place drawn at random, a few arcminutes off the whole degrees.
PlaceEntry PickedPlace(int latitude, bool north, int longitude, bool east, int zoneHours) {
  PlaceBuilder place = Place().Zone(zoneHours, 0);
  if (north)
    place.North(latitude, 12);
  else
    place.South(latitude, 12);
  if (east)
    place.East(longitude, 30);
  else
    place.West(longitude, 30);
  return place;
}

void ExpectSameWindows(const SearchResult& fast, const SearchResult& reference) {
  ASSERT_EQ(fast.windows.size(), reference.windows.size());
  for (std::size_t i = 0; i < fast.windows.size(); ++i) {
    const SearchWindow& a = fast.windows[i];
    const SearchWindow& b = reference.windows[i];
    EXPECT_EQ(a.subject, b.subject) << i;
    EXPECT_EQ(FormatLocalMinute(a.first), FormatLocalMinute(b.first)) << a.subject;
    EXPECT_EQ(FormatLocalMinute(a.last), FormatLocalMinute(b.last)) << a.subject;
    EXPECT_EQ(a.minutes, b.minutes);
    EXPECT_EQ(a.evaluation().FactorVerdicts, b.evaluation().FactorVerdicts);
    EXPECT_EQ(a.evaluation().FactorPoints, b.evaluation().FactorPoints);
    EXPECT_EQ(a.evaluation().ReportFlags, b.evaluation().ReportFlags);
    EXPECT_EQ(a.evaluation().ResultWord, b.evaluation().ResultWord);
    EXPECT_EQ(a.resultLabel(), b.resultLabel());
  }
  EXPECT_EQ(fast.best, reference.best);
  EXPECT_EQ(fast.minutesScanned, reference.minutesScanned);
  EXPECT_LT(fast.evaluations, reference.evaluations);
}

struct Case {
  const char* what;
  std::vector<std::string> subjects;
  PlaceEntry place;
  LocalMinute from, to;
};

// Every window of the fast finder against a scan of every minute through the
// driver, over ranges that cross midnight, month ends, a leap day and the
// late-June fold of the table lagna.
TEST(MuhurtaFinder, MatchesAMinuteByMinuteScan) {
  const Case cases[] = {
      {"New Delhi across midnight",
       {"Marriage", "Learning of a Trade"},
       Place().North(28, 12).East(77, 30).Zone(-5, -30),
       {2025, 1, 30, 18, 0},
       {2025, 2, 1, 6, 0}},
      {"leap day",
       {"Religious Journey"},
       Place().North(51, 12).West(0, 30).Zone(0, 0),
       {2024, 2, 28, 20, 0},
       {2024, 3, 1, 4, 0}},
      {"late June table lagna",
       {"Domestic Journey", "Foreign Journey"},
       Place().North(19, 12).East(72, 30).Zone(-5, -30),
       {2025, 6, 29, 12, 0},
       {2025, 7, 1, 2, 0}},
      {"Madrid with daylight saving",
       {"Buying Land", "Naming of The Child or Namakarana"},
       Place().North(40, 12).West(3, 30).Zone(-1, 0).Dst(),
       {2024, 8, 31, 0, 0},
       {2024, 9, 1, 23, 59}},
      {"Jupiter enters Pisces",
       {"Religious Journey", "Learning of a Trade"},
       Place().North(28, 12).East(77, 30).Zone(-5, -30),
       {2022, 4, 11, 0, 0},
       {2022, 4, 15, 23, 59}},
      {"southern place",
       {"Start A New Business"},
       Place().South(33, 12).East(151, 30).Zone(-10, 0),
       {2023, 12, 31, 12, 0},
       {2024, 1, 1, 12, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SearchRequest request;
    request.subjects = c.subjects;
    request.name = "Asha";
    request.sex = "Female";
    request.birth = Birth(1995, 8, 14, 5, 40);
    request.place = c.place;
    request.from = c.from;
    request.to = c.to;
    request.minResult = "Bad";  // every window
    ASSERT_TRUE(CheckSearchRequest(request).has_value());
    ExpectSameWindows(FindMuhurtaWindows(request, SwissEphemeris()),
                      ScanEveryMinute(request, SwissEphemeris()));
  }
}

// With Swiss Ephemeris's Sun, Moon and ascendant and each kind of ayanamsa,
// the finder's crossing searches still land on the minute the scan finds.
TEST(MuhurtaFinder, MatchesTheScanWithSwissEphemerisSettings) {
  const CalculationSettings settings[] = {
      {EphemerisSource::Swiss, AyanamsaSystem::Program},
      {EphemerisSource::Swiss, AyanamsaSystem::Lahiri},
      {EphemerisSource::Program, AyanamsaSystem::Raman},
  };
  for (const CalculationSettings& chosen : settings) {
    SCOPED_TRACE(static_cast<int>(chosen.ayanamsa));
    SearchRequest request;
    request.subjects = {"Marriage", "Religious Journey", "Learning of a Trade"};
    request.name = "Asha";
    request.sex = "Female";
    request.birth = Birth(1995, 8, 14, 5, 40);
    request.place = Place().North(28, 12).East(77, 30).Zone(-5, -30);
    request.from = {2025, 11, 21, 12, 0};
    request.to = {2025, 11, 23, 12, 0};
    request.minResult = "Bad";  // every window
    request.settings = chosen;
    ExpectSameWindows(FindMuhurtaWindows(request, SwissEphemeris()),
                      ScanEveryMinute(request, SwissEphemeris()));
  }
}

// All 34 rule sets at once, where the lagna moves fastest and the clock is on
// summer time at the prime meridian, and over edges of the date: the year
// precondition flipping at New Year, a range before 1970 (negative minute
// numbers) and a leap day.
TEST(MuhurtaFinder, MatchesTheScanForEverySubjectAtEdges) {
  struct Edge {
    const char* what;
    MomentEntry birth;
    PlaceEntry place;
    LocalMinute from, to;
  };
  const Edge edges[] = {
      {"64 degrees north",
       Birth(1990, 3, 3, 3, 3),
       Place().North(64, 12).West(21, 30).Zone(0, 0),
       {2025, 6, 20, 22, 30},
       {2025, 6, 21, 1, 30}},
      {"prime meridian on summer time",
       Birth(1990, 3, 3, 3, 3),
       Place().North(51, 12).East(0, 30).Zone(0, 0).Dst(),
       {2025, 7, 31, 22, 0},
       {2025, 8, 1, 1, 0}},
      {"year precondition flips at New Year",
       Birth(2025, 1, 1, 0, 0),
       Place().North(13, 12).East(80, 30).Zone(-5, -30),
       {2024, 12, 31, 22, 30},
       {2025, 1, 1, 1, 0}},
      {"before 1970",
       Birth(1940, 5, 5, 5, 5),
       Place().North(19, 12).East(72, 30).Zone(-5, -30),
       {1969, 12, 31, 22, 0},
       {1970, 1, 1, 1, 0}},
      {"leap day",
       Birth(1980, 2, 29, 12, 0),
       Place().South(35, 12).West(58, 30).Zone(3, 0),
       {2028, 2, 28, 23, 0},
       {2028, 2, 29, 1, 30}},
  };
  for (const Edge& edge : edges) {
    SCOPED_TRACE(edge.what);
    SearchRequest request;
    request.subjects = AllSubjectTexts();
    request.name = "Ravi";
    request.sex = "Male";
    request.birth = edge.birth;
    request.place = edge.place;
    request.from = edge.from;
    request.to = edge.to;
    request.minResult = "Bad";
    ASSERT_TRUE(CheckSearchRequest(request).has_value());
    ExpectSameWindows(FindMuhurtaWindows(request, SwissEphemeris()),
                      ScanEveryMinute(request, SwissEphemeris()));
  }
}

// The planets' searcher steps over days at a time: a week of the two rule sets
// that read the planets, against the scan at the minutes around every change.
TEST(MuhurtaFinder, PlanetReadersMatchTheScanOverAWeek) {
  SearchRequest request;
  request.subjects = {"Learning of a Trade", "Religious Journey"};
  request.name = "Asha";
  request.sex = "Female";
  request.birth = Birth(1995, 8, 14, 5, 40);
  request.place = Place().North(28, 12).East(77, 30).Zone(-5, -30);
  request.from = {2025, 3, 26, 0, 0};
  request.to = {2025, 4, 2, 23, 59};
  request.minResult = "Bad";
  const SearchResult fast = FindMuhurtaWindows(request, SwissEphemeris());
  // Every window's first minute and the minute before it, through the driver.
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, SwissEphemeris());
  for (const SearchWindow& window : fast.windows) {
    const std::size_t s = window.subject == request.subjects[0] ? 0 : 1;
    // The judge counts universal minutes.
    const std::int64_t first = judge.clock().UniversalOf(window.first, PlaceClock::Run::First);
    const std::int64_t last = judge.clock().UniversalOf(window.last, PlaceClock::Run::Last);
    for (std::int64_t minute : {first, last}) {
      const Judgement reference = judge.JudgeThroughDriver(minute, s);
      EXPECT_TRUE(SameJudgement(reference, *window.judgement))
          << window.subject << " " << FormatLocalMinute(judge.LocalAt(minute));
    }
    if (judge.clock().UniversalOf(request.from, PlaceClock::Run::First) < first) {
      const Judgement before = judge.JudgeThroughDriver(first - 1, s);
      EXPECT_FALSE(SameJudgement(before, *window.judgement))
          << window.subject << " " << FormatLocalMinute(window.first);
    }
  }
}

TEST(MuhurtaFinder, RandomPersonsPlacesAndSubjects) {
  std::mt19937 random(20261208);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int round = 0; round < 4; ++round) {
    SearchRequest request;
    request.subjects = {std::string(kSubjects[pick(0, kSubjectCount - 1)].text)};
    request.name = "Ravi";
    request.sex = pick(0, 1) ? "Male" : "Female";
    request.birth = Birth(pick(1950, 2010), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59));
    request.place = PickedPlace(pick(0, 58), pick(0, 1), pick(0, 179), pick(0, 1), pick(-12, 12));
    const int year = pick(1990, 2040), month = pick(1, 12), day = pick(1, 27);
    request.from = {year, month, day, pick(0, 23), 0};
    request.to = {year, month, day + 1, pick(0, 23), 59};
    request.minResult = "Bad";
    SCOPED_TRACE(request.subjects[0] + " " + FormatLocalMinute(request.from));
    ExpectSameWindows(FindMuhurtaWindows(request, SwissEphemeris()),
                      ScanEveryMinute(request, SwissEphemeris()));
  }
}

TEST(MuhurtaFinder, ClockTimesAreRightOnBothSidesOfADaylightSavingChange) {
  const auto newYork = TimeZoneRules::Load("America/New_York");
  ASSERT_TRUE(newYork) << newYork.error().message;
  SearchRequest request;
  request.subjects = {"Legal"};
  request.name = "Sam";
  request.sex = "Male";
  request.birth = Birth(1980, 3, 1, 12, 0);
  request.place = Place().North(40, 12).West(74, 30).Zone(5, 0);
  request.zone = Follow(*newYork);
  request.from = {2024, 3, 9, 22, 0};
  request.to = {2024, 3, 10, 6, 0};
  request.minResult = "Bad";
  const SearchResult fast = FindMuhurtaWindows(request, SwissEphemeris());
  ExpectSameWindows(fast, ScanEveryMinute(request, SwissEphemeris()));
  // 02:00 to 02:59 did not exist that night.
  EXPECT_EQ(fast.minutesScanned, 8 * 60 + 1 - 60);
  for (const SearchWindow& window : fast.windows) {
    EXPECT_FALSE(window.first.day == 10 && window.first.hour == 2);
  }
}

TEST(MuhurtaFinder, FiltersByMinimumResultAndRanksTheBest) {
  SearchRequest request;
  request.subjects = {"Marriage"};
  request.name = "Asha";
  request.sex = "Female";
  request.birth = Birth(1995, 8, 14, 5, 40);
  request.place = Place().North(28, 12).East(77, 30).Zone(-5, -30);
  request.from = {2025, 2, 1, 0, 0};
  request.to = {2025, 2, 10, 23, 59};
  request.minResult = "Average";
  const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris());
  for (const SearchWindow& window : result.windows)
    EXPECT_GE(window.evaluation().ResultWord, Verdict::Average);
  ASSERT_LE(result.best.size(), 10u);
  for (std::size_t i = 1; i < result.best.size(); ++i) {
    const SearchWindow& a = result.windows[result.best[i - 1]];
    const SearchWindow& b = result.windows[result.best[i]];
    EXPECT_GE(std::make_tuple(a.evaluation().ResultWord, a.evaluation().TotalScore,
                              a.evaluation().FactorCount, a.minutes),
              std::make_tuple(b.evaluation().ResultWord, b.evaluation().TotalScore,
                              b.evaluation().FactorCount, b.minutes));
  }
  EXPECT_EQ(result.minutesScanned, 10 * 1440);
}

TEST(MuhurtaFinder, CancelStopsEarly) {
  SearchRequest request;
  request.subjects = {"Marriage"};
  request.name = "Asha";
  request.sex = "Female";
  request.birth = Birth(1995, 8, 14, 5, 40);
  request.place = Place().North(28, 12).East(77, 30).Zone(-5, -30);
  request.from = {2025, 1, 1, 0, 0};
  request.to = {2025, 12, 31, 23, 59};
  std::atomic<bool> cancel{true};
  SearchControl control;
  control.cancel = &cancel;
  const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris(), control);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.minutesScanned, 0);
}

// With a limit the listing is the unlimited one cut short, the best among the
// windows listed; a sink receives the same windows in the same order.
TEST(MuhurtaFinder, ListsAtMostMaxWindows) {
  SearchRequest request = testing::AshaAtNewDelhi({"Marriage", "Sell Item"});
  request.from = {2025, 2, 1, 0, 0};
  request.to = {2025, 2, 3, 23, 59};
  request.minResult = "Bad";
  const SearchResult all = FindMuhurtaWindows(request, SwissEphemeris());
  EXPECT_FALSE(all.truncated);
  const std::size_t count = all.windows.size();
  ASSERT_GT(count, 12u);

  const std::pair<std::size_t, bool> rows[] = {
      {1, true}, {count / 3, true}, {count - 1, true}, {count, false}, {count + 1, false}};
  for (const auto& [limit, truncated] : rows) {
    request.maxWindows = limit;
    const SearchResult limited = FindMuhurtaWindows(request, SwissEphemeris());
    EXPECT_EQ(limited.truncated, truncated) << limit;
    ASSERT_EQ(limited.windows.size(), std::min(limit, count)) << limit;
    for (std::size_t i = 0; i < limited.windows.size(); ++i) {
      EXPECT_EQ(limited.windows[i].subject, all.windows[i].subject) << limit;
      EXPECT_EQ(limited.windows[i].first, all.windows[i].first) << limit;
      EXPECT_EQ(limited.windows[i].last, all.windows[i].last) << limit;
    }
    for (std::size_t best : limited.best) EXPECT_LT(best, limited.windows.size()) << limit;

    std::vector<SearchWindow> sunk;
    SearchControl control;
    control.windows = [&sunk](const SearchWindow& window) { sunk.push_back(window); };
    const SearchResult streamed = FindMuhurtaWindows(request, SwissEphemeris(), control);
    EXPECT_TRUE(streamed.windows.empty());
    EXPECT_EQ(streamed.truncated, truncated);
    EXPECT_EQ(streamed.best, limited.best) << limit;
    ASSERT_EQ(sunk.size(), limited.windows.size());
    for (std::size_t i = 0; i < sunk.size(); ++i) EXPECT_EQ(sunk[i].last, limited.windows[i].last);
  }
  request.maxWindows = 0;
  const Result<void> checked = CheckSearchRequest(request);
  ASSERT_FALSE(checked.has_value());
  EXPECT_EQ(ProblemText(checked.error()), "max_windows: must be a whole number of at least 1");
}

TEST(CheckSearchRequest, RefusesBadRanges) {
  SearchRequest request;
  request.subjects = {"Marriage"};
  request.sex = "Female";
  request.birth = Birth(1995, 8, 14, 5, 40);
  request.place = Place().North(28, 12).East(77, 30).Zone(-5, -30);
  request.from = {2025, 1, 1, 0, 0};
  request.to = {2024, 12, 31, 23, 59};
  const auto text = [&request] {
    const Result<void> checked = CheckSearchRequest(request);
    return checked ? std::string() : ProblemText(checked.error());
  };
  EXPECT_EQ(text(), "to: the range ends before it begins");
  request.to = {2036, 1, 1, 0, 0};
  EXPECT_EQ(text(), "to: the range may be at most 10 years long");
  request.to = {2025, 2, 30, 0, 0};
  EXPECT_EQ(text(), "to.day: February 30 2025 does not exist");
  request.to = {2025, 2, 1, 0, 0};
  request.minResult = "Excellent";
  EXPECT_EQ(text(), "min_result: must be \"Good\", \"Average\" or \"Bad\", not \"Excellent\"");
  request.minResult = "Good";
  request.subjects = {"marriage"};
  EXPECT_EQ(text(), "subject: unknown subject \"marriage\" (horavela-cli subjects lists them)");
}

// Swiss Ephemeris keeps state per thread (open data files, caches) that only
// that thread can free: every thread the finder starts must release it before
// it ends, and the caller's own state must stay for its next search.
class ThreadRecordingEphemeris final : public PlanetEphemeris {
 public:
  std::optional<PlanetLongitudes> TropicalLongitudes(double julianDayUt,
                                                     PlanetSet planets) override {
    Record(computed_);
    return SwissEphemeris().TropicalLongitudes(julianDayUt, planets);
  }
  std::string Description() const override { return "recording"; }
  void ReleaseThreadState() override {
    Record(released_);
    SwissEphemeris().ReleaseThreadState();
  }
  std::set<std::thread::id> computed() const { return computed_; }
  std::set<std::thread::id> released() const { return released_; }

 private:
  void Record(std::set<std::thread::id>& threads) {
    std::lock_guard<std::mutex> lock(mutex_);
    threads.insert(std::this_thread::get_id());
  }
  std::mutex mutex_;
  std::set<std::thread::id> computed_, released_;
};

TEST(MuhurtaFinder, EveryThreadItStartsReleasesItsEphemerisState) {
  SearchRequest request = testing::AshaAtNewDelhi({"Learning of a Trade"});
  request.to = {2025, 1, 8, 23, 59};
  ThreadRecordingEphemeris ephemeris;
  SearchControl control;
  control.threads = 4;
  FindMuhurtaWindows(request, ephemeris, control);
  std::set<std::thread::id> started = ephemeris.computed();
  ASSERT_TRUE(started.erase(std::this_thread::get_id()) == 1);
  ASSERT_EQ(started.size(), 3u);
  EXPECT_EQ(ephemeris.released(), started);
}

}  // namespace
}  // namespace horavela

namespace horavela {
namespace {

// The windows a filtered search should list, from an unfiltered scan of every
// minute: each minute kept or dropped on its own, runs rebuilt from the kept.
std::vector<std::tuple<std::string, std::int64_t, std::int64_t, int>> FilteredByHand(
    const SearchResult& everything, const std::string& minResult, std::optional<int> minTotal,
    const std::vector<MinuteInterval>& excluded) {
  auto isExcluded = [&](std::int64_t t) {
    for (const MinuteInterval& interval : excluded)
      if (t >= interval.first && t <= interval.last) return true;
    return false;
  };
  std::vector<std::tuple<std::string, std::int64_t, std::int64_t, int>> windows;
  for (const SearchWindow& window : everything.windows) {
    const Evaluation& evaluation = window.evaluation();
    if (evaluation.ResultWord < VerdictNamed(minResult)) continue;
    if (minTotal && evaluation.TotalScore < *minTotal) continue;
    bool open = false;
    for (std::int64_t t = MinuteIndex(window.first); t <= MinuteIndex(window.last); ++t) {
      if (isExcluded(t)) {
        open = false;
      } else if (open) {
        std::get<2>(windows.back()) = t;
      } else {
        windows.emplace_back(window.subject, t, t, evaluation.TotalScore);
        open = true;
      }
    }
  }
  return windows;
}

struct FilterCase {
  const char* what;
  const char* minResult;
  std::optional<int> minTotal;
  std::vector<MinuteInterval> excluded;  // hours after the range's start
};

TEST(MuhurtaFinder, MinimumTotalAndAvoidedMinutesMatchAFilteredScan) {
  SearchRequest request = testing::AshaAtNewDelhi({"Marriage", "Religious Journey"});
  request.from = {2025, 3, 4, 0, 0};
  request.to = {2025, 3, 6, 23, 59};
  request.minResult = "Bad";
  const SearchResult everything = ScanEveryMinute(request, SwissEphemeris());
  const std::int64_t start = MinuteIndex(request.from);
  auto hours = [start](int a, int b) { return MinuteInterval{start + a * 60, start + b * 60 - 1}; };
  const FilterCase cases[] = {
      {"nothing filtered", "Bad", std::nullopt, {}},
      {"total at least 0", "Bad", 0, {}},
      {"total at least 3 and Average", "Average", 3, {}},
      {"a total nothing reaches", "Bad", 1000, {}},
      {"one stretch a day", "Bad", std::nullopt, {hours(9, 11), hours(33, 35), hours(57, 59)}},
      {"overlapping, unsorted, at the range's ends",
       "Good",
       std::nullopt,
       {hours(70, 72), hours(10, 14), hours(12, 20), hours(-2, 1)}},
      {"both at once", "Average", 0, {hours(6, 30), {start + 3000, start + 3000}}},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.what);
    request.minResult = c.minResult;
    request.minTotal = c.minTotal;
    request.excluded = c.excluded;
    const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris());
    std::vector<std::tuple<std::string, std::int64_t, std::int64_t, int>> found;
    for (const SearchWindow& window : result.windows) {
      found.emplace_back(window.subject, MinuteIndex(window.first), MinuteIndex(window.last),
                         window.evaluation().TotalScore);
      EXPECT_EQ(window.minutes, MinuteIndex(window.last) - MinuteIndex(window.first) + 1);
    }
    EXPECT_EQ(found, FilteredByHand(everything, c.minResult, c.minTotal, c.excluded));
    for (const std::size_t best : result.best) ASSERT_LT(best, result.windows.size());
  }
}

}  // namespace
}  // namespace horavela

namespace horavela {
namespace {

using MarkedWindow = std::tuple<std::string, std::int64_t, std::int64_t, int, std::uint32_t>;

std::vector<MarkedWindow> Listed(const SearchResult& result) {
  std::vector<MarkedWindow> windows;
  for (const SearchWindow& window : result.windows)
    windows.emplace_back(window.subject, MinuteIndex(window.first), MinuteIndex(window.last),
                         window.judgement->shuddhi, window.marks);
  return windows;
}

// The tradition's marks and shuddhi as a scan of every minute gives them:
// shown, each window carries the marks it touches; observed, the marked
// minutes and the windows failing shuddhi are left out.
TEST(MuhurtaFinder, MarkedMinutesAndShuddhiMatchAFilteredScan) {
  SearchRequest request = testing::AshaAtNewDelhi({"Marriage", "Domestic Journey"});
  request.from = {2025, 3, 4, 0, 0};
  request.to = {2025, 3, 6, 23, 59};
  request.minResult = "Bad";
  request.judgeShuddhi = true;
  const PlaceClock clock(request);
  const std::int64_t start = clock.UniversalOf(request.from, PlaceClock::Run::First);
  const std::int64_t offset = MinuteIndex(request.from) - start;  // the clock's, in minutes
  auto hours = [start](int a, int b, std::uint32_t marks) {
    return MarkedMinutes{start + a * 60, start + b * 60 - 1, marks};
  };
  request.marked = {{hours(10, 40, 1), hours(30, 35, 2), hours(-5, 2, 4)}, {hours(50, 90, 8)}};
  const SearchResult everything = ScanEveryMinute(request, SwissEphemeris());

  std::vector<MarkedWindow> shown;
  std::vector<MarkedWindow> observed;
  for (const SearchWindow& window : everything.windows) {
    const std::size_t s = window.subject == "Marriage" ? 0 : 1;
    const std::int64_t first = MinuteIndex(window.first) - offset;
    const std::int64_t last = MinuteIndex(window.last) - offset;
    std::uint32_t touched = 0;
    for (const MarkedMinutes& m : request.marked[s])
      if (m.first <= last && m.last >= first) touched |= m.marks;
    shown.emplace_back(window.subject, first + offset, last + offset, window.judgement->shuddhi,
                       touched);
    if (window.judgement->shuddhi != 0) continue;
    bool open = false;
    for (std::int64_t t = first; t <= last; ++t) {
      bool marked = false;
      for (const MarkedMinutes& m : request.marked[s]) marked |= t >= m.first && t <= m.last;
      if (marked) {
        open = false;
      } else if (open) {
        std::get<2>(observed.back()) = t + offset;
      } else {
        observed.emplace_back(window.subject, t + offset, t + offset, 0, 0);
        open = true;
      }
    }
  }
  // A scan whose windows all pass or all fail would prove little.
  ASSERT_NE(shown.size(), observed.size());

  EXPECT_EQ(Listed(FindMuhurtaWindows(request, SwissEphemeris())), shown);
  request.leaveOutMarked = true;
  request.listOnlyShuddhi = true;
  EXPECT_EQ(Listed(FindMuhurtaWindows(request, SwissEphemeris())), observed);
}

}  // namespace
}  // namespace horavela
