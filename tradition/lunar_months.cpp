#include "tradition/lunar_months.h"

#include <array>
#include <optional>

#include "engine/crossing_search.h"
#include "engine/moon.h"
#include "tradition/solar_vetoes.h"

namespace horavela {

namespace {

// The Moon gains at most about 14.5 degrees a day on the Sun: half a turn
// takes at least 12.4 days, so no step of 12 passes over a new or full moon.
constexpr std::int64_t kHalfMonthStepMinutes = 12 * 1440;
constexpr int kTithisPerFortnight = 15;
constexpr double kDegreesPerTithi = 12;
constexpr int kSigns = 12;

bool InDarkFortnight(const LunarPhase& phase) {
  return phase.tithi >= kTithisPerFortnight;
}

// How far into a bracket the elongation should reach `boundary`, by its
// values at the ends (the one at the high end past a whole turn if it wrapped).
double ElongationFraction(const LunarPhase& low, const LunarPhase& high, double boundary) {
  double upper = high.elongation;
  if (upper < low.elongation) upper += 360;
  return (boundary - low.elongation) / (upper - low.elongation);
}

struct MoonPhases {
  std::vector<std::int64_t> newMoons;
  std::vector<std::int64_t> fullMoons;
};

// The minutes in (first, last] at which the panchang passes from one
// fortnight to the other.
MoonPhases PhasesOver(MinuteSky& sky, std::int64_t first, std::int64_t last) {
  auto sampleAt = [&sky](std::int64_t minute) { return sky.Phase(minute); };
  auto same = [](const LunarPhase& a, const LunarPhase& b) {
    return InDarkFortnight(a) == InDarkFortnight(b);
  };
  auto fraction = [](const LunarPhase& low, const LunarPhase& high) {
    return ElongationFraction(low, high, NextOnGrid(low.elongation, 180));
  };
  MoonPhases phases;
  for (const Crossing<LunarPhase>& crossing :
       Crossings<LunarPhase>(first, last, kHalfMonthStepMinutes, sampleAt, same, fraction))
    (InDarkFortnight(crossing.after) ? phases.fullMoons : phases.newMoons)
        .push_back(crossing.minute);
  return phases;
}

std::optional<std::int64_t> FirstBetween(const std::vector<std::int64_t>& minutes,
                                         std::int64_t first, std::int64_t last) {
  for (std::int64_t minute : minutes)
    if (minute >= first && minute <= last) return minute;
  return std::nullopt;
}

Rashi SignAfter(Rashi sign, int signs) {
  return FromIndex<Rashi>((static_cast<int>(sign) + signs) % kSigns);
}

// A month whose new moons see the Sun in signs `signs` apart holds that many
// sankrantis, the first into the sign after the one at its new moon. An
// adhika month takes the name of the next, whose first sankranti is the
// Sun's next.
void NameMonth(LunarMonth& month, Rashi sunAtNextNewMoon) {
  const int held =
      (static_cast<int>(sunAtNextNewMoon) - static_cast<int>(month.sunAtNewMoon) + kSigns) % kSigns;
  month.kind = held == 0 ? MonthKind::Adhika : held == 1 ? MonthKind::Nija : MonthKind::Kshaya;
  // Masa and Rashi share their order: Chaitra holds the entry into Mesha.
  month.name = static_cast<Masa>(static_cast<int>(SignAfter(month.sunAtNewMoon, 1)));
}

}  // namespace

std::string_view MasaName(Masa masa) {
  return TermName(TermSet::Masa, static_cast<int>(masa), Language::English);
}

std::vector<LunarMonth> LunarMonths(MinuteSky& sky, std::int64_t first, std::int64_t last) {
  const MoonPhases phases = PhasesOver(sky, first, last);
  std::vector<LunarMonth> months;
  Rashi sunAtNewMoon = Rashi::None;
  for (std::size_t i = 0; i < phases.newMoons.size(); ++i) {
    const int sign = SignIndex(sky.SiderealSun(phases.newMoons[i]));
    const Rashi sun = sign < 0 ? Rashi::None : FromIndex<Rashi>(sign);
    const std::optional<std::int64_t> fullMoon =
        i == 0 ? std::nullopt
               : FirstBetween(phases.fullMoons, phases.newMoons[i - 1], phases.newMoons[i]);
    if (fullMoon && sun != Rashi::None && sunAtNewMoon != Rashi::None) {
      LunarMonth month;
      month.first = phases.newMoons[i - 1];
      month.last = phases.newMoons[i] - 1;
      month.fullMoon = *fullMoon;
      month.sunAtNewMoon = sunAtNewMoon;
      NameMonth(month, sun);
      months.push_back(month);
    }
    sunAtNewMoon = sun;
  }
  return months;
}

std::int64_t TithiBegins(MinuteSky& sky, const LunarMonth& month, int tithi) {
  if (tithi <= 0) return month.first;
  if (tithi >= 2 * kTithisPerFortnight) return month.last + 1;
  if (tithi == kTithisPerFortnight) return month.fullMoon;
  const std::int64_t low = tithi > kTithisPerFortnight ? month.fullMoon : month.first;
  const std::int64_t high = tithi > kTithisPerFortnight ? month.last : month.fullMoon;
  auto sampleAt = [&sky](std::int64_t minute) { return sky.Phase(minute); };
  auto same = [tithi](const LunarPhase& a, const LunarPhase& b) {
    return (a.tithi >= tithi) == (b.tithi >= tithi);
  };
  auto fraction = [tithi](const LunarPhase& a, const LunarPhase& b) {
    return ElongationFraction(a, b, tithi * kDegreesPerTithi);
  };
  return Bisect(low, sky.Phase(low), high, sky.Phase(high), sampleAt, same, fraction).minute;
}

std::vector<VetoPeriod> AdhikaAndKshayaMasas(const MinuteSky& sky,
                                             const std::vector<LunarMonth>& months,
                                             std::int64_t first, std::int64_t last) {
  std::vector<VetoPeriod> periods;
  for (const LunarMonth& month : months) {
    if (month.kind == MonthKind::Nija || month.first > last || month.last < first) continue;
    const Wording name = TermNamed(TermSet::Masa, static_cast<int>(month.name));
    if (month.kind == MonthKind::Adhika) {
      periods.push_back(
          PeriodOf(Veto::AdhikaMasa, month.first, month.last,
                   Worded("Adhika %1: no sankranti between the new moons of %2 and %3.",
                          {name, sky.DateText(month.first), sky.DateText(month.last + 1)})));
      continue;
    }
    periods.push_back(PeriodOf(
        Veto::KshayaMasa, month.first, month.last,
        Worded("Kshaya %1: the Sun enters both %2 and %3 between the new moons of %4 and %5.",
               {name, SankrantiNamed(SignAfter(month.sunAtNewMoon, 1)),
                SankrantiNamed(SignAfter(month.sunAtNewMoon, 2)), sky.DateText(month.first),
                sky.DateText(month.last + 1)})));
  }
  return periods;
}

}  // namespace horavela
