#include "explain/factor_values.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/vocabulary.h"
#include "panchang/strengths.h"
#include "rules/factors.h"

namespace horavela::factor_values {

namespace {

constexpr int kJupiter = 5;

// 1-based position of `name` in `table`, 0 when absent.
template <std::size_t N>
int PositionIn(const std::array<std::string_view, N>& table, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i)
    if (table[i] == name) return static_cast<int>(i) + 1;
  return 0;
}

std::string Plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The table lagna, as the lagnas name signs.
std::string TableLagnaName(const CalculationState& s) {
  return std::string(LagnaNameOf(s.Lagna.MuhurthaLagna));
}

std::string JupiterSign(const CalculationState& s) {
  const PlanetPosition& jupiter = s.Lagna.PlanetSigns[kJupiter];
  if (!jupiter.known()) return "Jupiter's sign unknown (no planet positions)";
  return "Jupiter in " + std::string(LagnaNameOf(jupiter.sign));
}

std::string BirthSigns(const CalculationState& s) {
  return "the birth Moon sign is " + std::string(NameOf(s.BirthChart.moonSign)) +
         " and the birth lagna " + std::string(LagnaNameOf(s.BirthChart.lagna));
}

std::string WeekdayOrNone(horavela::Weekday weekday) {
  return weekday == horavela::Weekday::None ? "no weekday" : std::string(NameOf(weekday));
}

// "1 sign", "3 signs".
std::string Counted(int n, const char* what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

std::string Ordinal(int n) {
  const int lastTwo = n % 100;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    if (n % 10 == 1) suffix = "st";
    if (n % 10 == 2) suffix = "nd";
    if (n % 10 == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

std::string Nakshatra(const CalculationState& s) {
  return std::string(NameOf(s.ElectionChart.nakshatra));
}
std::string MoonSign(const CalculationState& s) {
  return "the Moon in " + std::string(NameOf(s.ElectionChart.moonSign));
}
std::string Lagna(const CalculationState& s) {
  return std::string(LagnaNameOf(s.ElectionChart.lagna)) + " rising";
}
std::string Tithi(const CalculationState& s) {
  return std::string(RuleNameOf(s.Panchang.TithiName)) + ", " +
         std::string(NameOf(s.Panchang.Fortnight));
}
std::string Yoga(const CalculationState& s) {
  return std::string(NameOf(s.ElectionChart.yoga));
}
std::string Karana(const CalculationState& s) {
  return std::string(NameOf(s.ElectionChart.karana));
}
std::string Weekday(const CalculationState& s) {
  return WeekdayOrNone(s.Input.electionWeekday);
}
std::string HinduMonth(const CalculationState& s) {
  return std::string(NameOf(s.Yogas.HinduMonth)) + " by the civil date";
}

namespace {

// The classical count: forward round the 27 stars from the birth star, which
// is the first (Janma), the tara the count's place in the cycle of nine.
std::string InclusiveTaraCount(const CalculationState& s) {
  const std::string birth(NameOf(s.BirthChart.nakshatra));
  const std::string election(NameOf(s.ElectionChart.nakshatra));
  const int from = PositionOf(s.BirthChart.nakshatra);
  const int to = PositionOf(s.ElectionChart.nakshatra);
  if (from == 0 || to == 0) return "the birth nakshatra or the Moon's is unknown";
  const int count = (to - from + 27) % 27 + 1;
  const std::string tara(TaraNameOf((count - 1) % 9 + 1));
  if (count == 1) return "the Moon is in the birth nakshatra " + birth + " itself (" + tara + ")";
  return "the Moon's nakshatra " + election + " is the " + Ordinal(count) +
         " counting forward from the birth nakshatra " + birth + " as the first (" + tara + ")";
}

}  // namespace

// The tarabala verdict reads the plain distance between the two stars, in
// either direction, within the cycle of nine, unless the settings ask for the
// classical count.
std::string TaraCount(const CalculationState& s) {
  if (s.Input.settings.tarabala == horavela::TaraCount::Inclusive) return InclusiveTaraCount(s);
  const std::string birth(NameOf(s.BirthChart.nakshatra));
  const std::string election(NameOf(s.ElectionChart.nakshatra));
  const int from = PositionOf(s.BirthChart.nakshatra);
  const int to = PositionOf(s.ElectionChart.nakshatra);
  const int distance = std::abs(to - from);
  if (distance == 0) return "the Moon is in the birth nakshatra " + birth + " itself";
  const int tara = distance % 9 == 0 ? 9 : distance % 9;
  // A plain distance, not an ordinal: astrologers count the birth star itself
  // as the first, and "the 3rd from" would name another star to them.
  return "the Moon's nakshatra " + election + " lies " + Counted(distance, "nakshatra") +
         (to > from ? " after" : " before") + " the birth nakshatra " + birth + " (counted as " +
         std::string(TaraNameOf(tara)) + ")";
}

std::string MoonSignCount(const CalculationState& s) {
  const std::string birth(NameOf(s.BirthChart.moonSign));
  const std::string election(NameOf(s.ElectionChart.moonSign));
  const int from = PositionOf(s.BirthChart.moonSign);
  const int to = PositionOf(s.ElectionChart.moonSign);
  if (from == to) return "the Moon is in the birth Moon sign " + birth + " itself";
  return "the Moon in " + election + " is the " + Ordinal(std::abs(to - from) + 1) + " sign" +
         (to > from ? " from" : " back from") + " the birth Moon sign " + birth;
}

std::string LagnaCount(const CalculationState& s) {
  const std::string birth(LagnaNameOf(s.BirthChart.lagna));
  const std::string election(LagnaNameOf(s.ElectionChart.lagna));
  if (s.BirthChart.lagna == s.ElectionChart.lagna)
    return "the lagna " + election + " is the birth lagna itself";
  // The count runs from the sign after the birth lagna: a distance, as above.
  return "the lagna " + election + " lies " + Counted(s.Lagna.LagnaCount, "sign") +
         " after the birth lagna " + birth;
}

std::string SaleLagna(const CalculationState& s) {
  return std::string(LagnaNameOf(s.ElectionChart.lagna)) + " rising; " + BirthSigns(s);
}

std::string TableLagna(const CalculationState& s) {
  return TableLagnaName(s) + " rising by the clock table; " + BirthSigns(s);
}

std::string JupiterRising(const CalculationState& s) {
  return JupiterSign(s) + ", with " + TableLagnaName(s) + " rising by the clock table";
}

// Favourable when the two lie nine signs apart, either way.
std::string JupiterNinth(const CalculationState& s) {
  const PlanetPosition& jupiter = s.Lagna.PlanetSigns[kJupiter];
  if (!jupiter.known()) return JupiterSign(s);
  const int apart = std::abs(IndexOf(jupiter.sign) + 1 - MuhurthaLagnaNumber(s.Lagna));
  return JupiterSign(s) + " and " + TableLagnaName(s) + " rising by the clock table lie " +
         Plural(apart, "sign", "signs") + " apart";
}

std::string WeekdayTithiGroup(const CalculationState& s) {
  return Weekday(s) + " with a " + std::string(NameOf(s.Panchang.Group)) + " tithi";
}
std::string WeekdayTithi(const CalculationState& s) {
  return Weekday(s) + " with " + std::string(RuleNameOf(s.Panchang.TithiName));
}
std::string WeekdayStar(const CalculationState& s) {
  return Weekday(s) + " with the Moon in " + std::string(NameOf(s.ElectionChart.nakshatra));
}
std::string WeekdayTithiStar(const CalculationState& s) {
  return Weekday(s) + ", " + std::string(RuleNameOf(s.Panchang.TithiName)) + " and the Moon in " +
         std::string(NameOf(s.ElectionChart.nakshatra));
}
std::string SaraswatiWanted(const CalculationState& s) {
  return "today is " + WeekdayStar(s) + "; a Wednesday with the Moon in Hasta favours it";
}

std::string MonthsAfterBirth(const CalculationState& s) {
  const int months = MonthDifference(s);
  if (months >= 0) return Plural(months, "month", "months") + " after birth by the calendar";
  return Plural(-months, "month", "months") +
         " before the birth month by the calendar (the years are not counted)";
}

std::string DaysAfterBirthDay(const CalculationState& s) {
  return "Date: the day of the month is " + Plural(DayDifference(s), "day", "days") +
         " after the birth day";
}

// The first of the three dates that lets ear piercing through.
std::string EarPiercingDate(const CalculationState& s) {
  const int days = DayDifference(s);
  if (days == 10 || days == 12 || days == 16) return DaysAfterBirthDay(s);
  const int months = MonthDifference(s);
  if (months >= 6 && months <= 8) return "Month: " + MonthsAfterBirth(s);
  return YearsAfterBirth(s) + ", an odd year of life";
}

std::string YearsAfterBirth(const CalculationState& s) {
  return "Age: " + Plural(YearDifference(s), "year", "years") + " after birth by the calendar";
}

std::string StarOfLearning(const CalculationState& s) {
  return "Nakshatra: " + Nakshatra(s);
}

}  // namespace horavela::factor_values
