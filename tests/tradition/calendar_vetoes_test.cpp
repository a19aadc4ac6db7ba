// The calendar vetoes against the dates the almanacs publish for New Delhi.
#include "tradition/calendar_vetoes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "vetoes_at_new_delhi.h"

namespace horavela {
namespace {

using Day = std::array<int, 3>;  // year, month, day

Day DateOf(const LocalMinute& minute) {
  return {minute.year, minute.month, minute.day};
}

class CalendarVetoes : public ::testing::Test, public testing::VetoesAtNewDelhi {
 protected:
  // The one period of `veto` whose first minute falls in `year`.
  VetoPeriod Only(Veto veto, int year) {
    std::vector<VetoPeriod> periods = OfYear(veto, year);
    std::erase_if(periods, [&](const VetoPeriod& p) { return Local(p.first).year != year; });
    EXPECT_EQ(periods.size(), 1u) << NameOf(veto) << " " << year;
    return periods.empty() ? VetoPeriod{} : periods.front();
  }
};

// The Sun's entries into and out of Dhanu and Meena, published to the
// minute; the program's ayanamsa lies some 20 arc-seconds from the
// almanacs' (8 minutes of the Sun's motion).
TEST_F(CalendarVetoes, SolarMonthsChangeAtThePublishedSankrantis) {
  const struct {
    Veto veto;
    int year;
    bool entry;  // the sankranti that begins the period, else the one that ends it
    LocalMinute published;
    const char* source;
  } rows[] = {
      {Veto::Kharmas, 2025, false, {2025, 1, 14, 9, 3}, "Lahiri panchang: Makara Sankranti"},
      {Veto::Malmas, 2025, false, {2025, 4, 14, 3, 30}, "Lahiri panchang: Mesha Sankranti"},
      {Veto::Kharmas, 2025, true, {2025, 12, 16, 4, 19}, "indiatvnews.com, 16 December 2025"},
      {Veto::Kharmas, 2026, false, {2026, 1, 14, 15, 6}, "indiatvnews.com, 16 December 2025"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.source) + " " + FormatLocalMinute(row.published));
    const std::int64_t published = Universal(row.published);
    std::optional<std::int64_t> edge;
    for (const VetoPeriod& period : OfYear(row.veto, row.year)) {
      const std::int64_t minute = row.entry ? period.first : period.last + 1;
      if (std::abs(minute - published) < 1440) edge = minute;
    }
    ASSERT_TRUE(edge.has_value());
    EXPECT_LE(std::abs(*edge - published), 10);
  }
}

// 2023 and 2026 each hold a month without a sankranti; the years between none.
TEST_F(CalendarVetoes, AdhikaMasaInTheYearsThePublishedCalendarsHaveOne) {
  const struct {
    int year;
    std::optional<Day> first;
    Day nextNewMoon;
    const char* name;
    const char* source;
  } rows[] = {
      {2023, Day{2023, 7, 18}, {2023, 8, 16}, "Adhika Shravana", "hindu-blog.com, May 2023"},
      {2024, std::nullopt, {}, "", "no adhika month in 2024"},
      {2025, std::nullopt, {}, "", "no adhika month in 2025"},
      {2026, Day{2026, 5, 17}, {2026, 6, 15}, "Adhika Jyeshtha", "patrika.com, 5 January 2026"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.source));
    const std::vector<VetoPeriod> periods = OfYear(Veto::AdhikaMasa, row.year);
    ASSERT_EQ(periods.size(), row.first ? 1u : 0u);
    EXPECT_TRUE(OfYear(Veto::KshayaMasa, row.year).empty());
    if (!row.first) continue;
    EXPECT_EQ(DateOf(Local(periods[0].first)), *row.first);
    EXPECT_EQ(DateOf(Local(periods[0].last + 1)), row.nextNewMoon);
    EXPECT_EQ(periods[0].reason.substr(0, periods[0].reason.find(':')), row.name);
  }
  EXPECT_EQ(OfYear(Veto::AdhikaMasa, 2023)[0].reason,
            "Adhika Shravana: no sankranti between the new moons of 18 July 2023 and 16 August "
            "2023.");
}

// Chaturmas and Holashtak begin on the day at whose sunrise their tithi runs,
// and end with the tithi that closes them; Pitru Paksha runs from the day of
// Krishna Pratipada through the day of Amavasya.
TEST_F(CalendarVetoes, FestivalSeasonsOnThePublishedDays) {
  const struct {
    Veto veto;
    Day firstDay;
    LocalMinute ends;  // the first minute free of it
    const char* source;
  } rows[] = {
      {Veto::Chaturmas,
       {2025, 7, 6},
       {2025, 11, 2, 7, 31},
       "abplive.com: Devshayani 6 July 2025; dnaindia.com: Kartika Shukla Ekadashi ends 2 Nov "
       "7:31"},
      {Veto::Holashtak,
       {2025, 3, 7},
       {2025, 3, 14, 12, 23},
       "hindustantimes.com: from 7 March 2025; moneycontrol.com: Purnima ends 14 March 12:23"},
      {Veto::PitruPaksha,
       {2025, 9, 8},
       {2025, 9, 22, 6, 9},
       "indianscope.com: Pratipada 8 September 2025 to Amavasya 21 September, to the sunrise"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.source);
    const VetoPeriod period = Only(row.veto, row.firstDay[0]);
    EXPECT_EQ(DateOf(Local(period.first)), row.firstDay);
    EXPECT_LE(std::abs(period.last + 1 - Universal(row.ends)), 5);
  }
}

// The two ways of naming the months name the same fortnight differently.
TEST_F(CalendarVetoes, PitruPakshaIsNamedByTheMonthConvention) {
  VetoOptions purnimanta;
  purnimanta.months = MonthConvention::Purnimanta;
  const VetoPeriod amanta = Only(Veto::PitruPaksha, 2025);
  const std::vector<VetoPeriod> north = OfYear(Veto::PitruPaksha, 2025, purnimanta);
  ASSERT_EQ(north.size(), 1u);
  EXPECT_EQ(north[0].first, amanta.first);
  EXPECT_EQ(north[0].last, amanta.last);
  EXPECT_EQ(amanta.reason,
            "Pitru Paksha: the dark fortnight of Bhadrapada (amanta), from Krishna Pratipada on 8 "
            "September 2025 to Amavasya on 21 September 2025.");
  EXPECT_EQ(north[0].reason,
            "Pitru Paksha: the dark fortnight of Ashvina (purnimanta), from Krishna Pratipada on 8 "
            "September 2025 to Amavasya on 21 September 2025.");
}

// A range that only touches a period returns it whole, and in order.
TEST_F(CalendarVetoes, PeriodsOverlappingTheRangeComeWhole) {
  const VetoPeriod chaturmas = Only(Veto::Chaturmas, 2025);
  const std::int64_t inside = chaturmas.last - 60;
  const std::vector<VetoPeriod> touched =
      CalendarVetoPeriods(clock(), inside, inside + 1, SwissEphemeris());
  ASSERT_EQ(std::count(touched.begin(), touched.end(), chaturmas), 1);
  for (const VetoPeriod& period : touched) {
    EXPECT_LE(period.first, inside + 1);
    EXPECT_GE(period.last, inside);
  }
  EXPECT_TRUE(std::is_sorted(touched.begin(), touched.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));
}

}  // namespace
}  // namespace horavela

namespace horavela {
namespace {

// The reasons said in Hindi name the seasons, months, signs and dates in
// Hindi; in English they are the reason itself.
TEST_F(CalendarVetoes, ReasonsAreSaidInTheReadersLanguage) {
  const struct {
    Veto veto;
    int year;
    const char* hindi;
  } rows[] = {
      {Veto::Kharmas, 2025,
       "सूर्य धनु में है: 16 दिसंबर 2025 की संक्रान्ति से 14 जनवरी 2026 की मकर संक्रान्ति तक।"},
      {Veto::PitruPaksha, 2025,
       "पितृ पक्ष: भाद्रपद का कृष्ण पक्ष (अमान्त), 8 सितंबर 2025 की कृष्ण प्रतिपदा से 21 सितंबर "
       "2025 की अमावस्या तक।"},
  };
  for (const auto& row : rows) {
    const VetoPeriod period = Only(row.veto, row.year);
    EXPECT_EQ(TextOf(period.why, Language::English), period.reason);
    EXPECT_EQ(TextOf(period.why, Language::Hindi), row.hindi);
    EXPECT_EQ(NameOf(row.veto, Language::Hindi), row.veto == Veto::Kharmas ? "खरमास" : "पितृ पक्ष");
  }
}

}  // namespace
}  // namespace horavela
