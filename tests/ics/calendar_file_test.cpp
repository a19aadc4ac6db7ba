#include "ics/calendar_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "atlas/time_zone_rules.h"
#include "ics/calendar_reading.h"
#include "rules/evaluation.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

using testing::ReadBack;
using testing::ReadCalendar;

constexpr std::int64_t kStamp = 1733650000;  // 2024-12-08 09:26:40 UTC

std::int64_t Utc(int year, int month, int day, int hour, int minute) {
  return CivilToSeconds(year, month, day, hour, minute);
}

Evaluation Judged(const char* word, int total) {
  Evaluation evaluation;
  evaluation.ResultWord = VerdictNamed(word).value_or(Verdict::None);
  evaluation.TotalScore = static_cast<std::int16_t>(total);
  evaluation.FactorCount = 2;
  evaluation.FactorVerdicts = {
      {Factor::Tithi, Word::Favourable}, {Factor::Weekday, Word::Unfavourable}, {}};
  evaluation.FactorPoints = {3, -1, 0};
  return evaluation;
}

PlaceEntry Chennai() {
  return testing::Place(testing::Chennai()).Named("Chennai", "Tamil Nadu", "India");
}

ZonedPlace NewYork() {
  return {testing::Place(testing::NewYork()).Named("New York City", "New York", "United States"),
          testing::ZoneNamed(testing::kNewYorkZone)};
}

SearchWindow Window(const LocalMinute& first, const LocalMinute& last, const char* word = "Good",
                    int total = 4) {
  auto judgement = std::make_shared<Judgement>();
  judgement->evaluation = Judged(word, total);
  return {"Marriage", first, last, MinuteIndex(last) - MinuteIndex(first) + 1, judgement};
}

// Fixed captions: west of Greenwich positive, daylight saving one hour east.
TEST(MomentCalendar, FixedCaptionsGiveUniversalTimes) {
  const struct {
    int hours, minutes;
    bool dst;
    std::int64_t start;
  } rows[] = {
      {-5, -30, false, Utc(2024, 11, 14, 5, 0)},  // India
      {5, 0, false, Utc(2024, 11, 14, 15, 30)},   // Eastern Standard Time
      {5, 0, true, Utc(2024, 11, 14, 14, 30)},    // the same with summer time
      {0, 0, true, Utc(2024, 11, 14, 9, 30)},     // London in summer
      {-9, -45, false, Utc(2024, 11, 14, 0, 45)},
  };
  for (const auto& row : rows) {
    JudgedMoment moment{"Marriage", {2024, 11, 14, 10, 30}, Judged("Good", 4), {}, {Chennai(), {}}};
    moment.place.place.zoneHours = static_cast<std::int16_t>(row.hours);
    moment.place.place.zoneMinutes = static_cast<std::int16_t>(row.minutes);
    moment.place.place.dst = row.dst;
    const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
    ASSERT_TRUE(calendar.parsed);
    ASSERT_EQ(calendar.events.size(), 1u);
    EXPECT_TRUE(calendar.zoneIds.empty());
    EXPECT_EQ(calendar.events[0].startTzid, "");
    EXPECT_EQ(calendar.events[0].startUtc, row.start) << row.hours << " " << row.minutes;
    EXPECT_EQ(calendar.events[0].endUtc, row.start + kMomentEventMinutes * 60);
  }
}

// The event begins at the judged minute, not at the window's first.
TEST(MomentCalendar, TheEventRunsFromTheMomentToTheWindowsEnd) {
  JudgedMoment moment{"Marriage", {2024, 11, 14, 10, 30}, Judged("Good", 4), {}, {Chennai(), {}}};
  moment.window = CalendarSpan{{2024, 11, 14, 6, 27}, {2024, 11, 14, 12, 8}};
  moment.person = "Asha Verma";
  const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
  ASSERT_EQ(calendar.events.size(), 1u);
  const testing::ReadEvent& event = calendar.events[0];
  EXPECT_EQ(event.startUtc, Utc(2024, 11, 14, 5, 0));
  // The window's last minute is whole: the event ends when it does.
  EXPECT_EQ(event.endUtc, Utc(2024, 11, 14, 6, 39));
  EXPECT_EQ(event.summary, "Marriage - Asha Verma: Good (total 4)");
  EXPECT_EQ(event.description,
            "The window of this reading runs from 06:27 to 12:08 on 14 November 2024.\n\n"
            "Tithi - Favourable: +3\nWeekday - Unfavourable: -1");
}

TEST(MomentCalendar, SaysWhatWhereAndWhy) {
  JudgedMoment moment{"Marriage", {2024, 11, 14, 10, 30}, Judged("Good", 4), {}, {Chennai(), {}}};
  const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
  ASSERT_EQ(calendar.events.size(), 1u);
  const testing::ReadEvent& event = calendar.events[0];
  EXPECT_EQ(event.summary, "Marriage: Good (total 4)");
  EXPECT_EQ(event.location, "Chennai, Tamil Nadu, India");
  ASSERT_TRUE(event.geo.has_value());
  EXPECT_NEAR(event.geo->lat, 13 + 5 / 60.0, 1e-6);
  EXPECT_NEAR(event.geo->lon, 80 + 17 / 60.0, 1e-6);
  EXPECT_EQ(event.description, "Tithi - Favourable: +3\nWeekday - Unfavourable: -1");
  EXPECT_EQ(event.stampUtc, kStamp);
  EXPECT_FALSE(event.uid.empty());
}

TEST(MomentCalendar, SouthAndWestAreNegativeAndEmptyNamesAreLeftOut) {
  PlaceEntry place = Chennai();
  place.north = false;
  place.east = false;
  place.city = "";
  place.state = "";
  JudgedMoment moment{"Marriage", {2024, 11, 14, 10, 30}, Judged("Good", 4), {}, {place, {}}};
  const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
  ASSERT_EQ(calendar.events.size(), 1u);
  EXPECT_EQ(calendar.events[0].location, "India");
  ASSERT_TRUE(calendar.events[0].geo.has_value());
  EXPECT_LT(calendar.events[0].geo->lat, 0);
  EXPECT_LT(calendar.events[0].geo->lon, 0);
}

// Texts with the characters iCalendar escapes come back as they went in.
TEST(MomentCalendar, TextsSurviveEscaping) {
  for (const char* subject : {"Sale, purchase; \"land\"", "Back\\slash", "नक्षत्र line\nbreak"}) {
    JudgedMoment moment{subject, {2024, 11, 14, 10, 30}, Judged("Bad", -2), {}, {Chennai(), {}}};
    moment.place.place.city = subject;
    const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
    ASSERT_EQ(calendar.events.size(), 1u) << subject;
    EXPECT_EQ(calendar.events[0].summary, std::string(subject) + ": Bad (total -2)");
    EXPECT_EQ(calendar.events[0].location, std::string(subject) + ", Tamil Nadu, India");
  }
}

TEST(MomentCalendar, APreconditionStopDescribesItself) {
  JudgedMoment moment{"Marriage", {2024, 11, 14, 10, 30}, {}, {}, {Chennai(), {}}};
  moment.evaluation.ResultWord = Verdict::Bad;
  moment.evaluation.PreconditionMessage = kYearPreconditionMessage;
  const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
  ASSERT_EQ(calendar.events.size(), 1u);
  EXPECT_EQ(calendar.events[0].description, std::string(kYearPreconditionMessage));
}

// New York went from EST (UTC-5) to EDT (UTC-4) at 02:00 on 10 March 2024;
// each event resolves through the file's own VTIMEZONE.
TEST(WindowsCalendar, ATzPlaceResolvesThroughItsOwnZoneOnBothSidesOfAChange) {
  const ZonedPlace place = NewYork();
  ASSERT_TRUE(place.zone);
  const struct {
    SearchWindow window;
    std::int64_t start, end;
  } rows[] = {
      {Window({2024, 3, 9, 10, 0}, {2024, 3, 9, 10, 59}), Utc(2024, 3, 9, 15, 0),
       Utc(2024, 3, 9, 16, 0)},
      {Window({2024, 3, 11, 10, 0}, {2024, 3, 11, 10, 59}), Utc(2024, 3, 11, 14, 0),
       Utc(2024, 3, 11, 15, 0)},
      // Across the gap: 01:00 EST to 03:29 EDT.
      {Window({2024, 3, 10, 1, 0}, {2024, 3, 10, 3, 29}), Utc(2024, 3, 10, 6, 0),
       Utc(2024, 3, 10, 7, 30)},
      // Back to EST at 02:00 EDT on 3 November.
      {Window({2024, 11, 4, 9, 0}, {2024, 11, 4, 9, 29}), Utc(2024, 11, 4, 14, 0),
       Utc(2024, 11, 4, 14, 30)},
  };
  std::vector<SearchWindow> windows;
  for (const auto& row : rows) windows.push_back(row.window);
  const ReadCalendar calendar = ReadBack(WindowsCalendar(windows, place, kStamp));
  ASSERT_TRUE(calendar.parsed);
  EXPECT_EQ(calendar.zoneIds, std::vector<std::string>{"America/New_York"});
  ASSERT_EQ(calendar.events.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(calendar.events[i].startTzid, "America/New_York") << i;
    EXPECT_EQ(calendar.events[i].startUtc, rows[i].start) << i;
    EXPECT_EQ(calendar.events[i].endUtc, rows[i].end) << i;
    EXPECT_EQ(calendar.events[i].summary, "Marriage: Good (total 4)");
  }
}

// The clocks ran through 01:00-01:59 twice on 3 November 2024, and readers
// differ on which occurrence such a wall time names: 01:45 EDT and 01:15 EST
// half an hour later are written in UTC; 03:00 EST, after it, is not.
TEST(MomentCalendar, TimesInTheRepeatedHourAreWrittenInUtc) {
  JudgedMoment moment{"Marriage", {2024, 11, 3, 1, 45}, Judged("Good", 4), {}, NewYork()};
  ASSERT_TRUE(moment.place.zone);
  const ReadCalendar calendar = ReadBack(MomentCalendar(moment, kStamp));
  ASSERT_EQ(calendar.events.size(), 1u);
  EXPECT_EQ(calendar.events[0].startTzid, "");
  EXPECT_EQ(calendar.events[0].startUtc, Utc(2024, 11, 3, 5, 45));
  EXPECT_EQ(calendar.events[0].endTzid, "");
  EXPECT_EQ(calendar.events[0].endUtc, Utc(2024, 11, 3, 6, 15));

  moment.window = CalendarSpan{{2024, 11, 3, 1, 45}, {2024, 11, 3, 2, 59}};
  const ReadCalendar windowed = ReadBack(MomentCalendar(moment, kStamp));
  ASSERT_EQ(windowed.events.size(), 1u);
  EXPECT_EQ(windowed.events[0].endTzid, "America/New_York");
  EXPECT_EQ(windowed.events[0].endUtc, Utc(2024, 11, 3, 8, 0));
}

// A window the finder lists in the repeated hour names its run by its
// offset: 01:09 EST is 06:09 UTC, an hour after 01:09 EDT.
TEST(WindowsCalendar, AWindowInTheRepeatedHourIsTheRunItNames) {
  const ZonedPlace place = NewYork();
  ASSERT_TRUE(place.zone);
  const LocalMinute firstRun{2024, 11, 3, 1, 9, ClockRun{-4 * 3600, false}};
  const LocalMinute secondRun{2024, 11, 3, 1, 9, ClockRun{-5 * 3600, true}};
  const LocalMinute secondRunEnd{2024, 11, 3, 1, 39, ClockRun{-5 * 3600, true}};
  const struct {
    SearchWindow window;
    std::int64_t start, end;
  } rows[] = {
      {Window(firstRun, {2024, 11, 3, 1, 29, ClockRun{-4 * 3600, false}}), Utc(2024, 11, 3, 5, 9),
       Utc(2024, 11, 3, 5, 30)},
      {Window(secondRun, secondRunEnd), Utc(2024, 11, 3, 6, 9), Utc(2024, 11, 3, 6, 40)},
      {Window(secondRun, {2024, 11, 3, 2, 30}), Utc(2024, 11, 3, 6, 9), Utc(2024, 11, 3, 7, 31)},
  };
  std::vector<SearchWindow> windows;
  for (const auto& row : rows) windows.push_back(row.window);
  const ReadCalendar calendar = ReadBack(WindowsCalendar(windows, place, kStamp));
  ASSERT_EQ(calendar.events.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(calendar.events[i].startUtc, rows[i].start) << i;
    EXPECT_EQ(calendar.events[i].endUtc, rows[i].end) << i;
  }
}

TEST(WindowsCalendar, EachWindowIsItsOwnEvent) {
  const std::vector<SearchWindow> windows = {
      Window({2024, 11, 14, 9, 0}, {2024, 11, 14, 9, 40}, "Good", 5),
      Window({2024, 11, 14, 12, 0}, {2024, 11, 14, 12, 9}, "Average", 1),
  };
  const ReadCalendar calendar = ReadBack(WindowsCalendar(windows, {Chennai(), {}}, kStamp));
  ASSERT_EQ(calendar.events.size(), 2u);
  EXPECT_EQ(calendar.events[0].summary, "Marriage: Good (total 5)");
  EXPECT_EQ(calendar.events[1].summary, "Marriage: Average (total 1)");
  EXPECT_EQ(calendar.events[1].startUtc, Utc(2024, 11, 14, 6, 30));
  EXPECT_EQ(calendar.events[1].endUtc, Utc(2024, 11, 14, 6, 40));
  EXPECT_NE(calendar.events[0].uid, calendar.events[1].uid);
  // The same window written again keeps its UID, so a second import updates it.
  const ReadCalendar again = ReadBack(WindowsCalendar(windows, {Chennai(), {}}, kStamp + 60));
  ASSERT_EQ(again.events.size(), 2u);
  EXPECT_EQ(again.events[0].uid, calendar.events[0].uid);
}

TEST(WindowsCalendar, NoWindowsIsACalendarWithoutEvents) {
  const ReadCalendar calendar = ReadBack(WindowsCalendar({}, NewYork(), kStamp));
  EXPECT_TRUE(calendar.parsed);
  EXPECT_TRUE(calendar.events.empty());
  EXPECT_TRUE(calendar.zoneIds.empty());
}

}  // namespace
}  // namespace horavela
