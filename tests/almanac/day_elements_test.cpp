// The elements' periods of a day against the judge's own chart, minute by
// minute: every period begins and ends where the chart's text changes, and
// carries the chart's text.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "atlas/zone_following.h"
#include "calendar/civil_calendar.h"
#include "rules/charts.h"
#include "support/chart_values.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

using testing::NewDelhi;
using testing::NewYork;
using testing::Place;

std::int64_t IndexOf(const LocalTime& t) {
  return MinuteIndex({t.year, t.month, t.day, t.hour, t.minute});
}

bool Exists(const DayRequest& request, std::int64_t minute) {
  return PlaceClock(request).ZoneAt(FromMinuteIndex(minute)).exists;
}

// The chart's texts at a minute as the judge computes them: both charts and
// the planets, the election on the zone in force at that minute.
struct Texts {
  std::string tithi, nakshatra, yoga, karana, moonSign, lagna;
};
Texts TextsAt(const DayRequest& request, std::int64_t index) {
  const LocalMinute m = FromMinuteIndex(index);
  CalculationState state;
  MomentEntry& e = state.Input.election;
  e.year = static_cast<std::int16_t>(m.year);
  e.month = static_cast<std::int16_t>(m.month);
  e.day = static_cast<std::int16_t>(m.day);
  e.hour = static_cast<std::int16_t>(m.hour);
  e.minute = static_cast<std::int16_t>(m.minute);
  e.place = request.place;
  if (request.zone) {
    const ZoneAtMinute zone = PlaceClock(request).ZoneAt(m);
    e.place.zoneHours = zone.hours;
    e.place.zoneMinutes = zone.minutes;
    e.place.dst = zone.dst;
  }
  state.Input.electionWeekday = WeekdayOfCivilDate(m.year, m.month, m.day);
  state.Input.settings = request.settings;
  ComputeCharts(state, SwissEphemeris());
  const Chart& c = state.ElectionChart;
  const std::string paksha = state.Panchang.TithiIndex <= 14 ? "Shukla" : "Krishna";
  const double padaWidth = 40.0 / 3.0 / 4.0;
  const int pada =
      static_cast<int>(std::floor(std::fmod(state.Moon.MoonLongitude, 40.0 / 3.0) / padaWidth)) + 1;
  auto text = [&c](ChartSlot slot) { return std::string(ChartText(c, slot)); };
  return {text(kTithiSlot) + " (" + paksha + ")",
          text(kNakshatraSlot) + " pada " + std::to_string(pada),
          text(kYogaSlot),
          text(kKaranaSlot),
          text(kMoonSignSlot),
          text(kLagnaSlot)};
}

struct ElementOfDay {
  const char* what;
  std::vector<Period> DayElements::*periods;
  std::string Texts::*text;
};
const ElementOfDay kElements[] = {
    {"tithi", &DayElements::tithi, &Texts::tithi},
    {"nakshatra", &DayElements::nakshatra, &Texts::nakshatra},
    {"yoga", &DayElements::yoga, &Texts::yoga},
    {"karana", &DayElements::karana, &Texts::karana},
    {"moon sign", &DayElements::moonSign, &Texts::moonSign},
    {"lagna", &DayElements::lagna, &Texts::lagna},
};

struct DayCase {
  const char* what;
  PlaceEntry place;
  const char* zone;  // followed when set
  int year, month, day;
  LocalTime until;
  CalculationSettings settings = {};
};

class ElementsOfDayTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(ElementsOfDayTest, PeriodsBeginAndEndWhereTheJudgesChartChanges) {
  const DayCase& c = GetParam();
  DayRequest request;
  request.year = c.year;
  request.month = c.month;
  request.day = c.day;
  request.place = c.place;
  if (c.zone != nullptr) request.zone = testing::ZoneNamed(c.zone);
  request.settings = c.settings;
  const DayElements elements = ElementsOfDay(request, c.until, SwissEphemeris());

  const std::int64_t first = MinuteIndex({c.year, c.month, c.day, 0, 0});
  const std::int64_t last = IndexOf(c.until);
  auto before = [&](std::int64_t minute) {
    do --minute;
    while (!Exists(request, minute));
    return minute;
  };
  for (const ElementOfDay& element : kElements) {
    SCOPED_TRACE(element.what);
    const std::vector<Period>& periods = elements.*element.periods;
    ASSERT_FALSE(periods.empty());
    EXPECT_LE(IndexOf(periods.front().from), first);
    EXPECT_GT(IndexOf(periods.back().to), last);
    for (std::size_t i = 0; i < periods.size(); ++i) {
      const Period& p = periods[i];
      SCOPED_TRACE(p.name + " from " + FormatLocalTime(p.from) + " to " + FormatLocalTime(p.to));
      const std::int64_t from = IndexOf(p.from), to = IndexOf(p.to);
      ASSERT_LT(from, to);
      if (i + 1 < periods.size()) {
        EXPECT_EQ(p.to, periods[i + 1].from);
      }
      EXPECT_EQ(p.from.second, 0);
      EXPECT_EQ(TextsAt(request, from).*element.text, p.name);
      EXPECT_EQ(TextsAt(request, before(to)).*element.text, p.name);
      EXPECT_NE(TextsAt(request, before(from)).*element.text, p.name);
      EXPECT_NE(TextsAt(request, to).*element.text, p.name);
    }
  }
  // No change hides inside a period: every minute of the day shows its period's text.
  std::vector<std::size_t> at(std::size(kElements), 0);
  for (std::int64_t minute = first; minute <= last; ++minute) {
    if (!Exists(request, minute)) continue;
    const Texts texts = TextsAt(request, minute);
    for (std::size_t k = 0; k < std::size(kElements); ++k) {
      const std::vector<Period>& periods = elements.*kElements[k].periods;
      while (IndexOf(periods[at[k]].to) <= minute) ++at[k];
      ASSERT_EQ(texts.*kElements[k].text, periods[at[k]].name)
          << kElements[k].what << " at " << FormatLocalMinute(FromMinuteIndex(minute));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Days, ElementsOfDayTest,
    ::testing::Values(DayCase{"NewDelhi", NewDelhi(), nullptr, 2025, 1, 3, {2025, 1, 4, 7, 15, 20}},
                      // The clocks go forward at 02:00: the skipped hour lies between two periods.
                      DayCase{"NewYorkSpringForward",
                              NewYork(),
                              "America/New_York",
                              2024,
                              3,
                              10,
                              {2024, 3, 11, 7, 12, 0}},
                      // Above 64 degrees the lagna is followed minute by minute, and crosses
                      // some signs in minutes.
                      DayCase{"Tromso",
                              Place().North(69, 39).East(18, 57).Zone(-1, 0),
                              nullptr,
                              2025,
                              2,
                              14,
                              {2025, 2, 14, 23, 59, 0}},
                      // A southern place, west of Greenwich.
                      DayCase{"SaoPaulo",
                              Place().South(23, 33).West(46, 38).Zone(3, 0),
                              nullptr,
                              2025,
                              6,
                              21,
                              {2025, 6, 22, 7, 27, 41}},
                      // Swiss Ephemeris's Sun, Moon and ascendant with Lahiri's ayanamsa.
                      DayCase{"NewDelhiSwissLahiri",
                              NewDelhi(),
                              nullptr,
                              2025,
                              11,
                              22,
                              {2025, 11, 23, 6, 50, 0},
                              {EphemerisSource::Swiss, AyanamsaSystem::Lahiri}}),
    [](const ::testing::TestParamInfo<DayCase>& info) { return std::string(info.param.what); });

// The names carry the fortnight and the pada in the documented forms.
TEST(ElementsOfDay, NamesCarryTheFortnightAndThePada) {
  DayRequest request;
  request.year = 2025;
  request.month = 1;
  request.day = 3;
  request.place = NewDelhi();
  const DayElements elements = ElementsOfDay(request, {2025, 1, 3, 23, 59, 0}, SwissEphemeris());
  for (const Period& p : elements.tithi)
    EXPECT_TRUE(p.name.ends_with(" (Shukla)") || p.name.ends_with(" (Krishna)")) << p.name;
  for (const Period& p : elements.nakshatra) {
    ASSERT_GE(p.name.size(), 8u);
    const std::string tail = p.name.substr(p.name.size() - 7);
    EXPECT_TRUE(tail == " pada 1" || tail == " pada 2" || tail == " pada 3" || tail == " pada 4")
        << p.name;
  }
}

// Whole nakshatras, for Varjyam and Amrit kalam: each begins where its first
// pada does and ends where its fourth does, those of the day's padas that
// show both, and together they cover the day.
TEST(ElementsOfDay, WholeNakshatrasJoinTheirPadas) {
  DayRequest request;
  request.year = 2025;
  request.month = 2;
  request.day = 14;
  request.place = NewDelhi();
  const LocalTime until{2025, 2, 15, 7, 0, 0};
  const DayElements elements = ElementsOfDay(request, until, SwissEphemeris());
  const std::vector<Period> whole = NakshatrasOfDay(request, until, SwissEphemeris());
  ASSERT_FALSE(whole.empty());
  EXPECT_LE(IndexOf(whole.front().from), IndexOf({2025, 2, 14, 0, 0, 0}));
  EXPECT_GE(IndexOf(whole.back().to), IndexOf(until));
  int joined = 0;
  for (const Period& pada : elements.nakshatra) {
    for (const Period& nakshatra : whole) {
      if (pada.name == nakshatra.name + " pada 1") {
        EXPECT_EQ(pada.from, nakshatra.from) << pada.name;
        ++joined;
      }
      if (pada.name == nakshatra.name + " pada 4") {
        EXPECT_EQ(pada.to, nakshatra.to) << pada.name;
        ++joined;
      }
    }
  }
  EXPECT_GE(joined, 3);  // Poorva Phalguni's two ends, Uttara Phalguni's start
  for (std::size_t i = 1; i < whole.size(); ++i) EXPECT_EQ(whole[i].from, whole[i - 1].to);
}

}  // namespace
}  // namespace horavela
