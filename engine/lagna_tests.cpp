#include "engine/lagna_tests.h"

#include <array>
#include <string_view>

#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/planet_ephemeris.h"

namespace horavela {

namespace {

// Minute count at the start of each month, January first: the table lagna
// advances about four minutes a day against the clock.
constexpr std::array<int, 12> kMonthStartMinutes = {726, 850, 996, 1086, 1208, 1327,
                                                    6,   126, 250, 366,  491,  604};

// Rising signs by minute count: first minute of the range, sign number,
// abbreviations of the sign and of the sign tenth from it, lagna name.
struct RisingSignRow {
  int firstMinute;
  int lastMinute;
  std::int16_t number;
  std::string_view abbreviation;
  std::string_view tenthAbbreviation;
  std::string_view name;
};
constexpr RisingSignRow kRisingSigns[] = {
    {77, 181, 1, "Ari", "Cpr", "Mesha"},      {182, 302, 2, "Tau", "Aqu", "Vrishabha"},
    {303, 434, 3, "Gem", "Pis", "Mithuna"},   {435, 566, 4, "Can", "Ari", "Kataka"},
    {567, 691, 5, "Leo", "Tau", "Simha"},     {692, 818, 6, "Vir", "Gem", "Kanya"},
    {819, 949, 7, "Lib", "Can", "Thula"},     {950, 1083, 8, "Sco", "Leo", "Vrischika"},
    {1084, 1208, 9, "Sag", "Vir", "Dhanus"},  {1209, 1319, 10, "Cpr", "Lib", "Makara"},
    {1320, 1419, 11, "Aqu", "Sco", "Kumbha"}, {1420, 1440, 12, "Pis", "Sag", "Meena"},
    {0, 76, 12, "Pis", "Sag", "Meena"},
};

constexpr std::array<std::string_view, 7> kPlanetNames = {"Sun",  "Moon",    "Mercury", "Venus",
                                                          "Mars", "Jupiter", "Saturn"};
constexpr int kJupiter = 5;

// Characters 4 to 6 (1-based) of a planet's position text: its sign.
std::string_view SignOfPosition(std::string_view position) {
  if (position.size() < 4) return {};
  return position.substr(3, 3);
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

void ComputeMuhurthaLagna(CalculationState& state) {
  const MomentInput& m = state.Moment;
  LagnaTestState& lagna = state.Lagna;
  if (m.month >= 1 && m.month <= 12) {
    long minutes = kMonthStartMinutes[m.month - 1] + 4L * m.day + 60L * m.hour + m.minute;
    // Fold as often as needed: late on 29 and 30 June a single fold leaves the
    // count above a whole day and the lagna of an earlier evaluation would stand.
    while (minutes > 1440) minutes -= 1440;
    while (minutes < 0) minutes += 1440;
    for (const RisingSignRow& row : kRisingSigns) {
      if (minutes >= row.firstMinute && minutes <= row.lastMinute) {
        lagna.MuhurthaLagnaAbbr = std::string(row.abbreviation);
        lagna.MuhurthaLagnaNumber = row.number;
        lagna.TenthSignAbbr = std::string(row.tenthAbbreviation);
        lagna.MuhurthaLagnaName = std::string(row.name);
        break;
      }
    }
  }

  lagna.PlanetsInTenth.clear();
  const std::array<std::string, kPlanetCount>& planets = ElectionPlanetSigns(state);
  for (std::size_t i = 0; i < kPlanetNames.size(); ++i) {
    const std::string_view sign = SignOfPosition(planets[i]);
    if (!sign.empty() && sign == lagna.TenthSignAbbr) {
      lagna.PlanetsInTenth.emplace_back(kPlanetNames[i]);
    }
  }
  const std::string_view jupiterSign = SignOfPosition(planets[kJupiter]);
  lagna.IsJupiterInLagna = !jupiterSign.empty() && jupiterSign == lagna.MuhurthaLagnaAbbr;
}

void CheckJupiterInNinth(CalculationState& state) {
  const std::string_view jupiterSign = SignOfPosition(ElectionPlanetSigns(state)[kJupiter]);
  int position = 0;  // an absent or unknown text counts as position 0
  for (std::size_t i = 0; i < kSignAbbreviations.size(); ++i) {
    if (kSignAbbreviations[i] == jupiterSign) position = static_cast<int>(i) + 1;
  }
  const int distance = position - state.Lagna.MuhurthaLagnaNumber;
  state.Lagna.IsJupiterInNinth = distance == 9 || distance == -9;
}

}  // namespace horavela
