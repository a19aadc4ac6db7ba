#include "engine/lagna_tests.h"

#include <array>
#include <string_view>

#include "engine/ascendant.h"
#include "engine/planet_ephemeris.h"

namespace horavela {

namespace {

// Minute count at the start of each month, January first: the table lagna
// advances about four minutes a day against the clock.
constexpr std::array<int, 12> kMonthStartMinutes = {726, 850, 996, 1086, 1208, 1327,
                                                    6,   126, 250, 366,  491,  604};

// Rising signs by minute count: first and last minute of the range, the sign.
struct RisingSignRow {
  int firstMinute;
  int lastMinute;
  Rashi sign;
};
constexpr RisingSignRow kRisingSigns[] = {
    {77, 181, Rashi::Mesha},     {182, 302, Rashi::Vrishabha},  {303, 434, Rashi::Mithuna},
    {435, 566, Rashi::Kataka},   {567, 691, Rashi::Simha},      {692, 818, Rashi::Kanya},
    {819, 949, Rashi::Thula},    {950, 1083, Rashi::Vrischika}, {1084, 1208, Rashi::Dhanus},
    {1209, 1319, Rashi::Makara}, {1320, 1419, Rashi::Kumbha},   {1420, 1440, Rashi::Meena},
    {0, 76, Rashi::Meena},
};

constexpr int kJupiter = IndexOf(Planet::Jupiter);

// The sign `count` signs on from `sign` (the sign itself the first).
Rashi SignCounted(Rashi sign, int count) {
  return FromIndex<Rashi>((IndexOf(sign) + count - 1) % 12);
}

// Position 0..11 of a sign, -1 for None.
int LagnaPosition(Rashi sign) {
  return sign == Rashi::None ? -1 : IndexOf(sign);
}

}  // namespace

void CountFromBirthLagna(const CalculationState& state, std::int16_t& count) {
  const int birth = LagnaPosition(state.BirthChart.lagna);
  const int election = LagnaPosition(state.ElectionChart.lagna);
  if (election < 0) {
    count = 12;
  } else if (birth < 0) {
    count = static_cast<std::int16_t>(election + 1);
  } else {
    const int steps = ((election - birth) % 12 + 12) % 12;
    count = static_cast<std::int16_t>(steps == 0 ? 12 : steps);
  }
}

long MuhurthaLagnaCount(const MomentInput& m) {
  if (m.month < 1 || m.month > 12) return -1;
  long minutes = kMonthStartMinutes[m.month - 1] + 4L * m.day + 60L * m.hour + m.minute;
  // Fold as often as needed: late on 29 and 30 June a single fold leaves the
  // count above a whole day and the lagna of an earlier evaluation would stand.
  while (minutes > 1440) minutes -= 1440;
  while (minutes < 0) minutes += 1440;
  return minutes;
}

double NextRisingSignCount(double count) {
  // Rows run in order of their counts but for Meena's second half at the end.
  for (const RisingSignRow& row : kRisingSigns)
    if (row.firstMinute > count) return row.firstMinute;
  // Past Kumbha's end the next sign to begin is Mesha, a day's count on.
  return kRisingSigns[0].firstMinute + 1440.0;
}

void ComputeMuhurthaLagna(CalculationState& state) {
  LagnaTestState& lagna = state.Lagna;
  const long minutes = MuhurthaLagnaCount(state.Moment);
  if (minutes < 0) return;
  for (const RisingSignRow& row : kRisingSigns) {
    if (minutes >= row.firstMinute && minutes <= row.lastMinute) {
      lagna.MuhurthaLagna = row.sign;
      lagna.TenthSign = SignCounted(row.sign, 10);
      return;
    }
  }
}

int MuhurthaLagnaNumber(const LagnaTestState& lagna) {
  return lagna.MuhurthaLagna == Rashi::None ? 0 : IndexOf(lagna.MuhurthaLagna) + 1;
}

void FindPlanetsInTenth(CalculationState& state) {
  LagnaTestState& lagna = state.Lagna;
  lagna.PlanetsInTenth.clear();
  const PlanetPositions& planets = ElectionPlanetSigns(state);
  for (int i = 0; i < kPlanetCount; ++i) {
    if (planets[i].known() && planets[i].sign == lagna.TenthSign) {
      lagna.PlanetsInTenth.push_back(FromIndex<Planet>(i));
    }
  }
}

void CheckJupiterInLagna(CalculationState& state) {
  const PlanetPosition jupiter = ElectionPlanetSigns(state)[kJupiter];
  state.Lagna.IsJupiterInLagna = jupiter.known() && jupiter.sign == state.Lagna.MuhurthaLagna;
}

void CheckJupiterInNinth(CalculationState& state) {
  const PlanetPosition jupiter = ElectionPlanetSigns(state)[kJupiter];
  // An unknown Jupiter counts as sign 0, as if it stood before Mesha.
  const int position = jupiter.known() ? IndexOf(jupiter.sign) + 1 : 0;
  const int distance = position - MuhurthaLagnaNumber(state.Lagna);
  state.Lagna.IsJupiterInNinth = distance == 9 || distance == -9;
}

}  // namespace horavela
