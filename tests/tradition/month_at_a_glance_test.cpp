// A month on one page: each cell says what the Day view says of its date.
#include "tradition/month_at_a_glance.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/moments_and_places.h"
#include "support/search_request.h"

namespace horavela {
namespace {

MonthRequest MonthAt(const PlaceEntry& place, const char* zone, int year, int month) {
  MonthRequest request;
  request.place = place;
  request.zone = testing::ZoneNamed(zone);
  request.year = year;
  request.month = month;
  return request;
}

bool HasVeto(const MonthDay& cell, Veto veto) {
  return std::any_of(cell.vetoes.begin(), cell.vetoes.end(),
                     [veto](const VetoPeriod& p) { return p.veto == veto; });
}

// The period of `periods` running at `moment` on the Day view.
const Period* DayPeriodAt(const std::vector<Period>& periods, const LocalTime& moment) {
  for (const Period& period : periods)
    if (period.from <= moment && moment < period.to) return &period;
  return nullptr;
}

// Days chosen at edges: the month's first and last, a pada that ends within
// the first hour after sunrise (New Delhi, 5 January 2026), a day the clocks spring forward (New
// York, 8 March 2026), a month beginning across a year (Madurai, December 2025).
TEST(MonthAtAGlance, EachCellIsTheDayViewsOwn) {
  const struct {
    PlaceEntry place;
    const char* zone;
    int year, month;
    std::vector<int> days;
  } rows[] = {
      {testing::NewDelhi(), testing::kIndiaZone, 2026, 1, {1, 5, 17, 31}},
      {testing::NewYork(), testing::kNewYorkZone, 2026, 3, {1, 8, 31}},
      {testing::Madurai(), testing::kIndiaZone, 2025, 12, {1, 31}},
  };
  for (const auto& row : rows) {
    const MonthRequest request = MonthAt(row.place, row.zone, row.year, row.month);
    const MonthAtAGlance month = ComputeMonth(request, SwissEphemeris());
    ASSERT_EQ(month.days.size(), static_cast<std::size_t>(DaysInMonth(row.year, row.month)));
    for (int dayNumber : row.days) {
      SCOPED_TRACE(::testing::Message() << row.year << "-" << row.month << "-" << dayNumber);
      DayRequest dayRequest;
      dayRequest.where() = request.where();
      dayRequest.year = row.year;
      dayRequest.month = row.month;
      dayRequest.day = dayNumber;
      const DayAtAGlance day = ComputeDay(dayRequest, SwissEphemeris());
      const MonthDay& cell = month.days[static_cast<std::size_t>(dayNumber - 1)];
      EXPECT_EQ(cell.day, dayNumber);
      ASSERT_TRUE(cell.sunrise && day.sky.sunrise);
      EXPECT_EQ(*cell.sunrise, *day.sky.sunrise);
      EXPECT_EQ(cell.sunset, day.sky.sunset);
      ASSERT_TRUE(day.parts && cell.rahuKalam);
      EXPECT_EQ(cell.weekday, day.parts->weekday);
      EXPECT_EQ(cell.rahuKalam->from, day.parts->rahuKalam.from);
      EXPECT_EQ(cell.rahuKalam->to, day.parts->rahuKalam.to);
      const Period* tithi = DayPeriodAt(day.elements.tithi, *day.sky.sunrise);
      ASSERT_TRUE(tithi && cell.tithi);
      EXPECT_EQ(cell.tithi->name, tithi->name);
      EXPECT_EQ(cell.tithi->to, tithi->to);
      // The Day view lists padas: the cell's nakshatra is the pada's at
      // sunrise without " pada N", and ends where its last pada does.
      const Period* pada = DayPeriodAt(day.elements.nakshatra, *day.sky.sunrise);
      ASSERT_TRUE(pada && cell.nakshatra);
      EXPECT_EQ(pada->name.substr(0, pada->name.find(" pada ")), cell.nakshatra->name);
      EXPECT_LE(pada->to, cell.nakshatra->to);
      EXPECT_GE(pada->from, cell.nakshatra->from);
    }
  }
}

// New Delhi, 5 January 2026: Pushya's first pada ends at 07:51, half an hour
// after sunrise; the nakshatra runs on to 13:27, where its fourth pada ends.
TEST(MonthAtAGlance, NakshatraIsWholeOverItsPadas) {
  const MonthAtAGlance month =
      ComputeMonth(MonthAt(testing::NewDelhi(), testing::kIndiaZone, 2026, 1), SwissEphemeris());
  const MonthDay& fifth = month.days[4];
  ASSERT_TRUE(fifth.nakshatra);
  EXPECT_EQ(fifth.nakshatra->name, "Pushya");
  EXPECT_EQ(fifth.nakshatra->to.day, 5);
  EXPECT_EQ(fifth.nakshatra->to.hour, 13);
  EXPECT_EQ(fifth.nakshatra->to.minute, 27);
  // A nakshatra lasts about a day (19 to 27 hours), never a pada's quarter.
  for (const MonthDay& cell : month.days) {
    const std::int64_t minutes =
        MinuteIndex({cell.nakshatra->to.year, cell.nakshatra->to.month, cell.nakshatra->to.day,
                     cell.nakshatra->to.hour, cell.nakshatra->to.minute}) -
        MinuteIndex({cell.nakshatra->from.year, cell.nakshatra->from.month,
                     cell.nakshatra->from.day, cell.nakshatra->from.hour,
                     cell.nakshatra->from.minute});
    EXPECT_GT(minutes, 18 * 60) << cell.day;
    EXPECT_LT(minutes, 28 * 60) << cell.day;
  }
}

// January 2026 at New Delhi: Kharmas until Makara Sankranti on the 14th
// (15:06), none after.
TEST(MonthAtAGlance, KharmasUntilMakaraSankranti) {
  const MonthAtAGlance month =
      ComputeMonth(MonthAt(testing::NewDelhi(), testing::kIndiaZone, 2026, 1), SwissEphemeris());
  for (const MonthDay& cell : month.days) {
    SCOPED_TRACE(cell.day);
    EXPECT_EQ(HasVeto(cell, Veto::Kharmas), cell.day <= 14);
  }
}

// With a person, each day's best window is the best a search of that day
// alone finds (by result word, total and factors: a window running over
// midnight is longer in the month's run than in the day's).
TEST(MonthAtAGlance, BestWindowOfEachDayIsTheDaysOwnBest) {
  MonthRequest request = MonthAt(testing::NewDelhi(), testing::kIndiaZone, 2026, 2);
  request.person = testing::AshaAtNewDelhi({"Marriage"});
  request.person->minResult = "Average";
  const MonthAtAGlance month = ComputeMonth(request, SwissEphemeris());
  int daysWithWindows = 0;
  for (int day : {1, 9, 14, 22, 28}) {
    SCOPED_TRACE(day);
    SearchRequest alone = *request.person;
    alone.where() = request.where();
    alone.from = {2026, 2, day, 0, 0};
    alone.to = {2026, 2, day, 23, 59};
    std::optional<BestWindowKey> best;
    for (const SearchWindow& w : FindMuhurtaWindows(alone, SwissEphemeris()).windows)
      best = std::max(best.value_or(BestWindowKey{}), BestKeyOf(w.evaluation(), w.minutes));
    const std::optional<SearchWindow>& cell = month.days[static_cast<std::size_t>(day - 1)].best;
    ASSERT_EQ(cell.has_value(), best.has_value());
    if (!cell) continue;
    ++daysWithWindows;
    const BestWindowKey key = BestKeyOf(cell->evaluation(), cell->minutes);
    EXPECT_EQ(std::get<0>(key), std::get<0>(*best));
    EXPECT_EQ(std::get<1>(key), std::get<1>(*best));
    EXPECT_EQ(std::get<2>(key), std::get<2>(*best));
    EXPECT_LE(cell->first, (LocalMinute{2026, 2, day, 23, 59}));
    EXPECT_GE(cell->last, (LocalMinute{2026, 2, day, 0, 0}));
  }
  EXPECT_GT(daysWithWindows, 0);
}

// Asha of the example (born at Madurai, 23 August 1998, 06:45: Moon in
// Simha) in February 2025 at New Delhi: the Moon is in Meena, her eighth
// sign, from the evening of the 1st to the night of the 3rd, and not again
// that month. Meena ends where Revati ends, so the mark's end is the cell's
// nakshatra's.
TEST(MonthAtAGlance, APersonsChandrashtamaDays) {
  MonthRequest request = MonthAt(testing::NewDelhi(), testing::kIndiaZone, 2025, 2);
  SearchRequest asha;
  asha.name = "Asha";
  asha.sex = "Female";
  asha.birth = testing::On(1998, 8, 23).At(6, 45).In(testing::Madurai());
  request.person = asha;
  const MonthAtAGlance month = ComputeMonth(request, SwissEphemeris());
  const struct {
    int day;
    const char* markBegins;  // nullptr: no mark
  } rows[] = {
      {1, "Chandrashtama from "},
      {2, "Chandrashtama"},
      {3, "Chandrashtama to "},
      {4, nullptr},
      {28, nullptr},
  };
  for (const auto& row : rows) {
    const MonthDay& cell = month.days[static_cast<std::size_t>(row.day - 1)];
    const std::string mark = ChandrashtamaMark(cell, 2025, 2);
    if (row.markBegins == nullptr) {
      EXPECT_EQ(mark, "") << row.day;
    } else {
      EXPECT_EQ(mark.rfind(row.markBegins, 0), 0u) << row.day << ": " << mark;
    }
    EXPECT_FALSE(cell.best) << "no subject, no best window";
  }
  EXPECT_EQ(month.days[1].chandrashtama.front().from, month.days[0].chandrashtama.front().from);
  ASSERT_EQ(month.days[2].nakshatra->name, "Revati");
  EXPECT_EQ(month.days[2].chandrashtama.front().to, month.days[2].nakshatra->to);
  int marked = 0;
  for (const MonthDay& cell : month.days) marked += cell.chandrashtama.empty() ? 0 : 1;
  EXPECT_EQ(marked, 3);
}

// The mark's four forms: a day it fills, begins, ends, or begins and ends.
TEST(ChandrashtamaMark, SaysWhereTheSpanBeginsOrEndsThatDay) {
  const LocalTime dayBefore{2025, 2, 9, 20, 0, 0};
  const LocalTime morning{2025, 2, 10, 9, 41, 0};
  const LocalTime afternoon{2025, 2, 10, 13, 2, 0};
  const LocalTime dayAfter{2025, 2, 11, 3, 0, 0};
  const struct {
    LocalTime from, to;
    const char* mark;
    const char* hindi;
  } rows[] = {
      {dayBefore, dayAfter, "Chandrashtama", "चन्द्राष्टम"},
      {afternoon, dayAfter, "Chandrashtama from 13:02", "चन्द्राष्टम 13:02 से"},
      {dayBefore, morning, "Chandrashtama to 09:41", "चन्द्राष्टम 09:41 तक"},
      {morning, afternoon, "Chandrashtama 09:41-13:02", "चन्द्राष्टम 09:41-13:02"},
  };
  for (const auto& row : rows) {
    MonthDay cell;
    cell.day = 10;
    cell.chandrashtama = {{"Meena", row.from, row.to}};
    EXPECT_EQ(ChandrashtamaMark(cell, 2025, 2), row.mark);
    EXPECT_EQ(ChandrashtamaMark(cell, 2025, 2, Language::Hindi), row.hindi);
  }
  EXPECT_EQ(ChandrashtamaMark(MonthDay{}, 2025, 2), "");
}

}  // namespace
}  // namespace horavela
