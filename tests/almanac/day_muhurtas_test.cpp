#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

const DayRequest kGreenwich;  // a clock that never changes

// A day of January 2023 (the published week) or, as `Even`, of January 2024.
LocalTime At(int month, int day, int hour, int minute) {
  return {2023, month, day, hour, minute, 0};
}
LocalTime Even(int day, int hour) {
  return {2024, 1, day, hour, 0, 0};
}

// Sunday 7 January 2024 and the six days after it, each with a daytime of
// 06:00 to 18:00 and nights of 18:00 to 06:00: a muhurta is 48 minutes, a
// ghati 24, an eighth 90.
DayMuhurtas EvenDay(int weekday) {
  return MuhurtasOfDay(kGreenwich, Even(7 + weekday, 6), Even(7 + weekday, 18),
                       Even(8 + weekday, 6), Even(6 + weekday, 18));
}

std::string Span(const Period& period) {
  return FormatLocalTime(period.from).substr(11, 5) + "-" +
         FormatLocalTime(period.to).substr(11, 5);
}

int DayOfStart(const Period& period) {
  return period.from.day;
}

std::vector<std::string> Spans(const std::vector<Period>& periods) {
  std::vector<std::string> spans;
  for (const Period& period : periods) spans.push_back(Span(period));
  return spans;
}

int MinuteOfDay(const LocalTime& time) {
  return time.hour * 60 + time.minute + (time.second >= 30 ? 1 : 0);
}

// Durmuhurtam as drikpanchang.com printed it for the first week of January
// 2023 (republished in the GitHub repository Prashanthmn166/hamara-calendar,
// calendar.js), from its own sunrise and sunset to the minute: ours from the
// same times agree within a minute (theirs are rounded).
struct PublishedDay {
  int day;  // of January 2023
  LocalTime sunrise;
  LocalTime sunset;
  LocalTime nextSunrise;
  std::vector<std::pair<int, int>> durmuhurtam;  // minutes of the clock
};
constexpr int Hm(int hour, int minute) {
  return hour * 60 + minute;
}
TEST(DayMuhurtasTest, DurmuhurtamAsAPublishedAlmanacPrintsIt) {
  const std::vector<PublishedDay> days = {
      {1, At(1, 1, 6, 45), At(1, 1, 17, 21), At(1, 2, 6, 45), {{Hm(15, 57), Hm(16, 39)}}},
      {2,
       At(1, 2, 6, 45),
       At(1, 2, 17, 22),
       At(1, 3, 6, 46),
       {{Hm(12, 25), Hm(13, 7)}, {Hm(14, 32), Hm(15, 15)}}},
      {3,
       At(1, 3, 6, 46),
       At(1, 3, 17, 23),
       At(1, 4, 6, 46),
       {{Hm(8, 53), Hm(9, 35)}, {Hm(22, 44), Hm(23, 38)}}},
      {4, At(1, 4, 6, 46), At(1, 4, 17, 23), At(1, 5, 6, 46), {{Hm(11, 43), Hm(12, 26)}}},
      {5,
       At(1, 5, 6, 46),
       At(1, 5, 17, 24),
       At(1, 6, 6, 46),
       {{Hm(10, 19), Hm(11, 1)}, {Hm(14, 34), Hm(15, 16)}}},
      {6,
       At(1, 6, 6, 46),
       At(1, 6, 17, 25),
       At(1, 7, 6, 46),
       {{Hm(8, 54), Hm(9, 37)}, {Hm(12, 27), Hm(13, 9)}}},
      {7,
       At(1, 7, 6, 46),
       At(1, 7, 17, 25),
       At(1, 8, 6, 47),
       {{Hm(6, 46), Hm(7, 29)}, {Hm(7, 29), Hm(8, 12)}}},
  };
  for (const PublishedDay& published : days) {
    SCOPED_TRACE(published.day);
    const DayMuhurtas muhurtas =
        MuhurtasOfDay(kGreenwich, published.sunrise, published.sunset, published.nextSunrise);
    ASSERT_EQ(muhurtas.durmuhurtam.size(), published.durmuhurtam.size());
    for (std::size_t i = 0; i < published.durmuhurtam.size(); ++i) {
      EXPECT_LE(
          std::abs(MinuteOfDay(muhurtas.durmuhurtam[i].from) - published.durmuhurtam[i].first), 1);
      EXPECT_LE(std::abs(MinuteOfDay(muhurtas.durmuhurtam[i].to) - published.durmuhurtam[i].second),
                1);
    }
  }
}

// The night's Yamaganda and Gulika are the parts of Jupiter and Saturn when
// the night's lords begin from the fifth weekday's: the same eighths as the
// daytime's of the weekday four days on. Rahu's part of day and of night is
// where the Gowri panchangam has Visham.
TEST(DayMuhurtasTest, TheNightsKalamsAgreeWithTheDaysAndTheGowri) {
  for (int weekday = 0; weekday < 7; ++weekday) {
    SCOPED_TRACE(weekday);
    const DayMuhurtas night = EvenDay(weekday);
    const DayParts fourDaysOn =
        PartsOfDay(kGreenwich, Even(11 + weekday, 6), Even(11 + weekday, 18), std::nullopt);
    const auto eighth = [](const Period& period) {
      return (MinuteOfDay(period.from) - Hm(6, 0) + 24 * 60) % (12 * 60) / 90;
    };
    ASSERT_EQ(night.nightKalams.size(), 3u);
    EXPECT_EQ(eighth(night.nightKalams[1]), eighth(fourDaysOn.yamaganda));
    EXPECT_EQ(eighth(night.nightKalams[2]), eighth(fourDaysOn.gulikaKalam));
    const DayParts day =
        PartsOfDay(kGreenwich, Even(7 + weekday, 6), Even(7 + weekday, 18), Even(8 + weekday, 6));
    ASSERT_EQ(night.gowri.size(), 16u);
    EXPECT_EQ(night.gowri[eighth(day.rahuKalam)].name, "Visham");
    EXPECT_EQ(night.gowri[8 + eighth(night.nightKalams[0])].name, "Visham");
    int visham = 0;
    for (const Period& part : night.gowri) visham += part.name == "Visham" ? 1 : 0;
    EXPECT_EQ(visham, 2);
  }
}

// Gowri panchangam's first row as Tamil almanacs print it (Sunday daytime),
// and the parts tiling the day and night.
TEST(DayMuhurtasTest, GowriOfASunday) {
  const DayMuhurtas sunday = EvenDay(0);
  std::vector<std::string> names;
  for (int i = 0; i < 8; ++i) names.push_back(sunday.gowri[i].name);
  EXPECT_EQ(names, (std::vector<std::string>{"Uthi", "Amirdha", "Rogam", "Laabam", "Dhanam",
                                             "Sugam", "Soram", "Visham"}));
  EXPECT_EQ(Span(sunday.gowri[0]), "06:00-07:30");
  EXPECT_EQ(Span(sunday.gowri[15]), "04:30-06:00");
}

// Each named muhurta against its definition on a 06:00-18:00-06:00 day.
TEST(DayMuhurtasTest, NamedMuhurtasByTheirDefinitions) {
  struct Row {
    std::string name;
    std::string span;
  };
  const std::vector<Row> rows = {
      // The dawn of the day's own morning, as almanacs print it.
      {"Brahma muhurta", "04:24-05:12"},   // the night's 14th
      {"Pratah sandhya", "04:48-06:00"},   // three ghatis before sunrise
      {"Vijaya muhurta", "14:00-14:48"},   // the daytime's 11th muhurta
      {"Godhuli", "17:36-18:24"},          // a ghati each side of sunset
      {"Sayahna sandhya", "18:00-19:12"},  // three ghatis after sunset
      {"Pradosh", "18:00-20:24"},          // three muhurtas after sunset
      {"Nishita kaal", "23:36-00:24"},     // the night's 8th muhurta
  };
  for (int weekday = 0; weekday < 7; ++weekday) {
    const DayMuhurtas muhurtas = EvenDay(weekday);
    ASSERT_EQ(muhurtas.named.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(muhurtas.named[i].name, rows[i].name);
      EXPECT_EQ(Span(muhurtas.named[i]), rows[i].span) << rows[i].name;
      EXPECT_EQ(DayOfStart(muhurtas.named[i]), 7 + weekday) << rows[i].name;
    }
  }
}

// The dawn muhurtas as drikpanchang.com printed them for New Delhi (its
// daily panjika pages of 31 December 2020 and 24 January 2022): on the
// morning of their own date, from its sky, within a minute.
TEST(DayMuhurtasTest, TheDawnAsAPublishedAlmanacPrintsIt) {
  struct Dawn {
    int year, month, day;
    int brahma, brahmaEnd, pratah, pratahEnd;  // minutes of the clock
  };
  const std::vector<Dawn> dawns = {
      {2020, 12, 31, Hm(5, 25), Hm(6, 19), Hm(5, 52), Hm(7, 14)},
      {2022, 1, 24, Hm(5, 26), Hm(6, 20), Hm(5, 53), Hm(7, 13)},
  };
  for (const Dawn& dawn : dawns) {
    SCOPED_TRACE(dawn.day);
    DayRequest request;
    request.year = dawn.year;
    request.month = dawn.month;
    request.day = dawn.day;
    request.place = testing::NewDelhi();
    const std::optional<DayMuhurtas> muhurtas =
        MuhurtasOfSky(request, SunAndMoonRiseAndSet(request));
    ASSERT_TRUE(muhurtas.has_value());
    ASSERT_GE(muhurtas->named.size(), 2u);
    const Period& brahma = muhurtas->named[0];
    const Period& pratah = muhurtas->named[1];
    EXPECT_EQ(brahma.name, "Brahma muhurta");
    EXPECT_EQ(pratah.name, "Pratah sandhya");
    EXPECT_EQ(brahma.from.day, dawn.day);
    EXPECT_LE(std::abs(MinuteOfDay(brahma.from) - dawn.brahma), 1);
    EXPECT_LE(std::abs(MinuteOfDay(brahma.to) - dawn.brahmaEnd), 1);
    EXPECT_LE(std::abs(MinuteOfDay(pratah.from) - dawn.pratah), 1);
    EXPECT_LE(std::abs(MinuteOfDay(pratah.to) - dawn.pratahEnd), 1);
  }
}

// No sunrise, no muhurtas; a night with no end keeps the daytime's alone.
TEST(DayMuhurtasTest, ADayWithoutASunriseOrANightEndHasLess) {
  RiseAndSet polar;
  polar.polarNight = true;
  EXPECT_FALSE(MuhurtasOfSky(kGreenwich, polar).has_value());
  const DayMuhurtas tuesday = MuhurtasOfDay(kGreenwich, Even(9, 6), Even(9, 18), std::nullopt);
  EXPECT_EQ(Spans(tuesday.durmuhurtam), std::vector<std::string>{"08:24-09:12"});
  EXPECT_TRUE(tuesday.nightKalams.empty());
  EXPECT_EQ(tuesday.gowri.size(), 8u);
  ASSERT_EQ(tuesday.named.size(), 1u);
  EXPECT_EQ(tuesday.named[0].name, "Vijaya muhurta");
}

}  // namespace
}  // namespace horavela
