#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"

namespace horavela {
namespace {

// Sunday 7 January 2024 and the six days after it, each with a daytime of
// 06:00 to 18:00 and a night of 18:00 to 06:00.
LocalTime At(int day, int hour, int minute = 0, int second = 0) {
  return {2024, 1, day, hour, minute, second};
}
// On Greenwich's clock, which never changes.
const DayRequest kGreenwich;
DayParts EvenDay(int weekday) {
  return PartsOfDay(kGreenwich, At(7 + weekday, 6), At(7 + weekday, 18), At(8 + weekday, 6));
}

std::vector<std::string> Names(const std::vector<Period>& periods) {
  std::vector<std::string> names;
  for (const Period& period : periods) names.push_back(period.name);
  return names;
}

std::string Span(const Period& period) {
  return FormatLocalTime(period.from).substr(11, 5) + "-" +
         FormatLocalTime(period.to).substr(11, 5);
}

// The kalams and Abhijit muhurta of a 06:00-18:00 daytime. Every row agrees
// with @ishubhamx/panchangam-js 2.2.3 (calculateRahuKalam,
// calculateYamagandaKalam, calculateGulikaKalam, calculateAbhijitMuhurta).
struct KalamRow {
  std::string weekday;
  std::string rahu;
  std::string yamaganda;
  std::string gulika;
  bool abhijitObserved;  // almanacs leave it out on a Wednesday
};
TEST(PartsOfDayTest, KalamsAndAbhijitOfEachWeekday) {
  const std::vector<KalamRow> rows = {
      {"Sunday", "16:30-18:00", "12:00-13:30", "15:00-16:30", true},
      {"Monday", "07:30-09:00", "10:30-12:00", "13:30-15:00", true},
      {"Tuesday", "15:00-16:30", "09:00-10:30", "12:00-13:30", true},
      {"Wednesday", "12:00-13:30", "07:30-09:00", "10:30-12:00", false},
      {"Thursday", "13:30-15:00", "06:00-07:30", "09:00-10:30", true},
      {"Friday", "10:30-12:00", "15:00-16:30", "07:30-09:00", true},
      {"Saturday", "09:00-10:30", "13:30-15:00", "06:00-07:30", true},
  };
  for (int weekday = 0; weekday < 7; ++weekday) {
    const DayParts parts = EvenDay(weekday);
    const KalamRow& row = rows[weekday];
    SCOPED_TRACE(row.weekday);
    EXPECT_EQ(parts.weekday, row.weekday);
    EXPECT_EQ(Span(parts.rahuKalam), row.rahu);
    EXPECT_EQ(Span(parts.yamaganda), row.yamaganda);
    EXPECT_EQ(Span(parts.gulikaKalam), row.gulika);
    EXPECT_EQ(Span(parts.abhijit), "11:36-12:24");
    EXPECT_EQ(parts.abhijitObserved, row.abhijitObserved);
    EXPECT_EQ(parts.rahuKalam.name, "Rahu kalam");
    EXPECT_EQ(parts.yamaganda.name, "Yamaganda");
    EXPECT_EQ(parts.gulikaKalam.name, "Gulika kalam");
    EXPECT_EQ(parts.abhijit.name, "Abhijit muhurta");
  }
}

// The 24 hora lords from sunrise, Sunday first. The first 18 of each row
// (up to midnight) were read from @ishubhamx/panchangam-js 2.2.3
// (getCurrentHora, 06:00 sunrise, UTC); after midnight that package starts
// the weekday's sequence again, so the last six continue the cycle instead,
// as the hora of the next sunrise (the next weekday's lord) requires.
TEST(PartsOfDayTest, HoraLordsOfEachWeekday) {
  using Row = std::array<std::string, 24>;
  const std::array<Row, 7> rows = {{
      {"Sun",     "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",  "Sun",
       "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",   "Venus",
       "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",     "Venus", "Mercury"},
      {"Moon",    "Saturn",  "Jupiter", "Mars",  "Sun",     "Venus",   "Mercury", "Moon",
       "Saturn",  "Jupiter", "Mars",    "Sun",   "Venus",   "Mercury", "Moon",    "Saturn",
       "Jupiter", "Mars",    "Sun",     "Venus", "Mercury", "Moon",    "Saturn",  "Jupiter"},
      {"Mars",  "Sun",     "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",
       "Sun",   "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",
       "Venus", "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",     "Venus"},
      {"Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",  "Sun",     "Venus",   "Mercury",
       "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",   "Venus",   "Mercury", "Moon",
       "Saturn",  "Jupiter", "Mars",    "Sun",     "Venus", "Mercury", "Moon",    "Saturn"},
      {"Jupiter", "Mars",  "Sun",     "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter",
       "Mars",    "Sun",   "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",
       "Sun",     "Venus", "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun"},
      {"Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",  "Sun",     "Venus",
       "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",   "Venus",   "Mercury",
       "Moon",    "Saturn",  "Jupiter", "Mars",    "Sun",     "Venus", "Mercury", "Moon"},
      {"Saturn",  "Jupiter", "Mars",  "Sun",     "Venus",   "Mercury", "Moon",    "Saturn",
       "Jupiter", "Mars",    "Sun",   "Venus",   "Mercury", "Moon",    "Saturn",  "Jupiter",
       "Mars",    "Sun",     "Venus", "Mercury", "Moon",    "Saturn",  "Jupiter", "Mars"},
  }};
  for (int weekday = 0; weekday < 7; ++weekday) {
    SCOPED_TRACE(weekday);
    const DayParts parts = EvenDay(weekday);
    EXPECT_EQ(Names(parts.hora),
              std::vector<std::string>(rows[weekday].begin(), rows[weekday].end()));
    // The hora after the last is the next weekday's first.
    EXPECT_EQ(rows[(weekday + 1) % 7][0], EvenDay((weekday + 1) % 7).hora[0].name);
  }
}

// The eight day and eight night choghadiyas, Sunday first. The night halves
// agree with @ishubhamx/panchangam-js 2.2.3 (calculateChoghadiya). Its day
// halves put Rog before Shubh, against the published almanac tables (the
// Gujarati choghadiya table of Webdunia, Bestastroguru's weekday tables) and
// against the day's choghadiyas following the hora order of their lords; the
// day halves here are those tables'.
TEST(PartsOfDayTest, ChoghadiyaOfEachWeekday) {
  using Row = std::array<std::string, 16>;
  // clang-format off
  const std::array<Row, 7> rows = {{
      {"Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg",
       "Shubh", "Amrit", "Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh"},
      {"Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit",
       "Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char"},
      {"Rog", "Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog",
       "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char", "Rog", "Kaal"},
      {"Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh",
       "Udveg", "Shubh", "Amrit", "Char", "Rog", "Kaal", "Labh", "Udveg"},
      {"Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit", "Kaal", "Shubh",
       "Amrit", "Char", "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit"},
      {"Char", "Labh", "Amrit", "Kaal", "Shubh", "Rog", "Udveg", "Char",
       "Rog", "Kaal", "Labh", "Udveg", "Shubh", "Amrit", "Char", "Rog"},
      {"Kaal", "Shubh", "Rog", "Udveg", "Char", "Labh", "Amrit", "Kaal",
       "Labh", "Udveg", "Shubh", "Amrit", "Char", "Rog", "Kaal", "Labh"},
  }};
  // clang-format on
  for (int weekday = 0; weekday < 7; ++weekday) {
    SCOPED_TRACE(weekday);
    EXPECT_EQ(Names(EvenDay(weekday).choghadiya),
              std::vector<std::string>(rows[weekday].begin(), rows[weekday].end()));
  }
}

// Uneven lengths: each part to the nearest second, a half second rounded up,
// and the parts after midnight on the next date.
TEST(PartsOfDayTest, PartsAreRoundedToTheSecondAndCrossMidnight) {
  const DayParts parts = PartsOfDay(kGreenwich, At(10, 6, 41, 10), At(10, 18, 25), At(11, 6, 42));
  // A night of 44,220 s: eighths of 5,527.5 s.
  EXPECT_EQ(FormatLocalTime(parts.choghadiya[8].to), "2024-01-10T19:57:08");
  EXPECT_EQ(FormatLocalTime(parts.choghadiya[12].from), "2024-01-11T00:33:30");
  EXPECT_EQ(FormatLocalTime(parts.choghadiya[15].to), "2024-01-11T06:42:00");
  EXPECT_EQ(FormatLocalTime(parts.hora[23].to), "2024-01-11T06:42:00");
  // Consecutive parts meet.
  for (std::size_t i = 1; i < parts.hora.size(); ++i)
    EXPECT_EQ(parts.hora[i - 1].to, parts.hora[i].from);
  for (std::size_t i = 1; i < parts.choghadiya.size(); ++i)
    EXPECT_EQ(parts.choghadiya[i - 1].to, parts.choghadiya[i].from);
}

}  // namespace
}  // namespace horavela
