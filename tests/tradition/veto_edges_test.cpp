// The calendar vetoes begin and end on the very minutes at which the
// program's own chart changes what they are counted from: the Sun's sign,
// the panchang's tithi and the Moon's nakshatra pada.
#include <gtest/gtest.h>

#include "almanac/day_at_a_glance.h"
#include "almanac/zone_in_force.h"
#include "rules/charts.h"
#include "search/element_probes.h"
#include "vetoes_at_new_delhi.h"

namespace horavela {
namespace {

enum class Probe { SunSign, Tithi, MoonPada };

class VetoEdges : public ::testing::Test, public testing::VetoesAtNewDelhi {
 protected:
  int ChartAt(Probe probe, std::int64_t minute) const {
    CalculationState state =
        EvaluatedState(testing::InputAtMinute(request(), Local(minute)), SwissEphemeris());
    switch (probe) {
      case Probe::SunSign:
        return static_cast<int>(ElectionPlanetSigns(state)[0].sign);
      case Probe::Tithi:
        return state.Panchang.TithiIndex;
      case Probe::MoonPada:
        return PadaIndex(state.Moon.MoonLongitude);
    }
    return -1;
  }
};

TEST_F(VetoEdges, EachEdgeIsWhereTheChartChanges) {
  constexpr int kDhanishtaThirdPada = 22 * 4 + 2;
  constexpr int kRevatiFourthPada = 107;
  const struct {
    Veto veto;
    int year;
    Probe probe;
    int within;  // at the first and the last minute
    int before;  // at the minute before the first
    int after;   // at the minute after the last
  } rows[] = {
      {Veto::Kharmas, 2025, Probe::SunSign, static_cast<int>(Rashi::Dhanus),
       static_cast<int>(Rashi::Vrischika), static_cast<int>(Rashi::Makara)},
      {Veto::Malmas, 2025, Probe::SunSign, static_cast<int>(Rashi::Meena),
       static_cast<int>(Rashi::Kumbha), static_cast<int>(Rashi::Mesha)},
      {Veto::AdhikaMasa, 2023, Probe::Tithi, -1, 29, 0},
      {Veto::Panchaka, 2025, Probe::MoonPada, -1, kDhanishtaThirdPada - 1, 0},
  };
  for (const auto& row : rows) {
    for (const VetoPeriod& period : OfYear(row.veto, row.year)) {
      SCOPED_TRACE(std::string(NameOf(row.veto)) + " from " +
                   FormatLocalMinute(Local(period.first)));
      EXPECT_EQ(ChartAt(row.probe, period.first - 1), row.before);
      EXPECT_EQ(ChartAt(row.probe, period.last + 1), row.after);
      if (row.within >= 0) {
        EXPECT_EQ(ChartAt(row.probe, period.first), row.within);
        EXPECT_EQ(ChartAt(row.probe, period.last), row.within);
      } else if (row.probe == Probe::Tithi) {
        EXPECT_EQ(ChartAt(row.probe, period.first), 0);
        EXPECT_EQ(ChartAt(row.probe, period.last), 29);
      } else {
        EXPECT_EQ(ChartAt(row.probe, period.first), kDhanishtaThirdPada);
        EXPECT_EQ(ChartAt(row.probe, period.last), kRevatiFourthPada);
      }
    }
  }
}

// The first Panchaka of 2025 as published: 10:47 on 3 January to 17:50 on
// 7 January (zeenews, via ilidea.com, January 2025).
TEST_F(VetoEdges, PanchakaAtThePublishedMinutes) {
  const std::vector<VetoPeriod> periods = OfYear(Veto::Panchaka, 2025);
  ASSERT_FALSE(periods.empty());
  EXPECT_LE(std::abs(periods[0].first - Universal({2025, 1, 3, 10, 47})), 5);
  EXPECT_LE(std::abs(periods[0].last + 1 - Universal({2025, 1, 7, 17, 50})), 5);
}

// Chaturmas begins at the almanac's sunrise of Devshayani Ekadashi, the
// first sunrise at which the chart shows Ashadha Shukla Ekadashi; the day
// before rose on Dashami.
TEST_F(VetoEdges, ChaturmasBeginsAtTheSunriseOfEkadashi) {
  const std::vector<VetoPeriod> periods = OfYear(Veto::Chaturmas, 2025);
  ASSERT_EQ(periods.size(), 1u);
  auto sunrise = [this](int day) {
    DayRequest request;
    request.where() = this->request().where();
    request.year = 2025;
    request.month = 7;
    request.day = day;
    const std::int64_t seconds = UniversalOf(request, *SunriseAndSunset(request).sunrise);
    return (seconds + 59) / 60;
  };
  constexpr int kShuklaEkadashi = 10;
  EXPECT_EQ(periods[0].first, sunrise(6));
  EXPECT_EQ(ChartAt(Probe::Tithi, sunrise(6)), kShuklaEkadashi);
  EXPECT_EQ(ChartAt(Probe::Tithi, sunrise(5)), kShuklaEkadashi - 1);
}

}  // namespace
}  // namespace horavela
