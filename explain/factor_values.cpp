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

Wording Number(int n) {
  return AsIs(std::to_string(n));
}

// "1 sign", "3 signs": `one` and `many` are the two patterns.
Wording Counted(int n, const char* one, const char* many) {
  return Worded(n == 1 ? one : many, {Number(n)});
}

// An element named as the engine spells it in English.
template <typename E>
Wording Named(E value) {
  return NameWord(value, NameOf(value));
}

// A sign as the lagnas name it.
Wording LagnaName(Rashi sign) {
  return NameWord(sign, LagnaNameOf(sign));
}

// A tithi as the rule lists write it.
Wording RuleTithi(horavela::Tithi tithi) {
  return NameWord(tithi, RuleNameOf(tithi));
}

// The table lagna, as the lagnas name signs.
Wording TableLagnaName(const CalculationState& s) {
  return LagnaName(s.Lagna.MuhurthaLagna);
}

Wording JupiterSign(const CalculationState& s) {
  const PlanetPosition& jupiter = s.Lagna.PlanetSigns[kJupiter];
  if (!jupiter.known()) return Worded("Jupiter's sign unknown (no planet positions)");
  return Worded("Jupiter in %1", {LagnaName(jupiter.sign)});
}

Wording BirthSigns(const CalculationState& s) {
  return Worded("the birth Moon sign is %1 and the birth lagna %2",
                {Named(s.BirthChart.moonSign), LagnaName(s.BirthChart.lagna)});
}

Wording WeekdayOrNone(horavela::Weekday weekday) {
  return weekday == horavela::Weekday::None ? Worded("no weekday") : Named(weekday);
}

}  // namespace

Wording Nakshatra(const CalculationState& s) {
  return Named(s.ElectionChart.nakshatra);
}
Wording MoonSign(const CalculationState& s) {
  return Worded("the Moon in %1", {Named(s.ElectionChart.moonSign)});
}
Wording Lagna(const CalculationState& s) {
  return Worded("%1 rising", {LagnaName(s.ElectionChart.lagna)});
}
Wording Tithi(const CalculationState& s) {
  return Worded("%1, %2", {RuleTithi(s.Panchang.TithiName), Named(s.Panchang.Fortnight)});
}
Wording Yoga(const CalculationState& s) {
  return Named(s.ElectionChart.yoga);
}
Wording Karana(const CalculationState& s) {
  return Named(s.ElectionChart.karana);
}
Wording Weekday(const CalculationState& s) {
  return WeekdayOrNone(s.Input.electionWeekday);
}
Wording HinduMonth(const CalculationState& s) {
  // The program's month of the civil date bears the lunar month's name
  // (Chaitra first), which each language spells as its almanacs do.
  const SolarMonth month = s.Yogas.HinduMonth;
  return Worded("%1 by the civil date",
                {NameWord(NamedTerm{TermSet::Masa, IndexOf(month)}, NameOf(month))});
}

namespace {

// The classical count: forward round the 27 stars from the birth star, which
// is the first (Janma), the tara the count's place in the cycle of nine.
Wording InclusiveTaraCount(const CalculationState& s) {
  const Wording birth = Named(s.BirthChart.nakshatra);
  const Wording election = Named(s.ElectionChart.nakshatra);
  const int from = PositionOf(s.BirthChart.nakshatra);
  const int to = PositionOf(s.ElectionChart.nakshatra);
  if (from == 0 || to == 0) return Worded("the birth nakshatra or the Moon's is unknown");
  const int count = (to - from + 27) % 27 + 1;
  // The tara's name is a word of the catalog, as the Day page's tarabala row says it.
  const Wording tara = Worded(TaraNameOf((count - 1) % 9 + 1));
  if (count == 1) return Worded("the Moon is in the birth nakshatra %1 itself (%2)", {birth, tara});
  return Worded(
      "the Moon's nakshatra %1 is the %2 counting forward from the birth nakshatra %3 as the "
      "first (%4)",
      {election, Ordinal(count), birth, tara});
}

}  // namespace

// The tarabala verdict reads the plain distance between the two stars, in
// either direction, within the cycle of nine, unless the settings ask for the
// classical count.
Wording TaraCounted(const CalculationState& s) {
  if (s.Input.settings.tarabala == horavela::TaraCount::Inclusive) return InclusiveTaraCount(s);
  const Wording birth = Named(s.BirthChart.nakshatra);
  const Wording election = Named(s.ElectionChart.nakshatra);
  const int from = PositionOf(s.BirthChart.nakshatra);
  const int to = PositionOf(s.ElectionChart.nakshatra);
  const int distance = std::abs(to - from);
  if (distance == 0) return Worded("the Moon is in the birth nakshatra %1 itself", {birth});
  const int tara = distance % 9 == 0 ? 9 : distance % 9;
  // A plain distance, not an ordinal: astrologers count the birth star itself
  // as the first, and "the 3rd from" would name another star to them.
  return Worded(to > from ? "the Moon's nakshatra %1 lies %2 after the birth nakshatra %3 "
                            "(counted as %4)"
                          : "the Moon's nakshatra %1 lies %2 before the birth nakshatra %3 "
                            "(counted as %4)",
                {election, Counted(distance, "%1 nakshatra", "%1 nakshatras"), birth,
                 Worded(TaraNameOf(tara))});
}

std::string TaraCount(const CalculationState& s) {
  return TextOf(TaraCounted(s));
}

Wording MoonSignCount(const CalculationState& s) {
  const Wording birth = Named(s.BirthChart.moonSign);
  const Wording election = Named(s.ElectionChart.moonSign);
  const int from = PositionOf(s.BirthChart.moonSign);
  const int to = PositionOf(s.ElectionChart.moonSign);
  if (from == to) return Worded("the Moon is in the birth Moon sign %1 itself", {birth});
  return Worded(to > from ? "the Moon in %1 is the %2 sign from the birth Moon sign %3"
                          : "the Moon in %1 is the %2 sign back from the birth Moon sign %3",
                {election, Ordinal(std::abs(to - from) + 1), birth});
}

Wording LagnaCount(const CalculationState& s) {
  const Wording birth = LagnaName(s.BirthChart.lagna);
  const Wording election = LagnaName(s.ElectionChart.lagna);
  if (s.BirthChart.lagna == s.ElectionChart.lagna)
    return Worded("the lagna %1 is the birth lagna itself", {election});
  // The count runs from the sign after the birth lagna: a distance, as above.
  return Worded("the lagna %1 lies %2 after the birth lagna %3",
                {election, Counted(s.Lagna.LagnaCount, "%1 sign", "%1 signs"), birth});
}

Wording SaleLagna(const CalculationState& s) {
  return Worded("%1 rising; %2", {LagnaName(s.ElectionChart.lagna), BirthSigns(s)});
}

Wording TableLagna(const CalculationState& s) {
  return Worded("%1 rising by the clock table; %2", {TableLagnaName(s), BirthSigns(s)});
}

Wording JupiterRising(const CalculationState& s) {
  return Worded("%1, with %2 rising by the clock table", {JupiterSign(s), TableLagnaName(s)});
}

// Favourable when the two lie nine signs apart, either way.
Wording JupiterNinth(const CalculationState& s) {
  const PlanetPosition& jupiter = s.Lagna.PlanetSigns[kJupiter];
  if (!jupiter.known()) return JupiterSign(s);
  const int apart = std::abs(IndexOf(jupiter.sign) + 1 - MuhurthaLagnaNumber(s.Lagna));
  return Worded("%1 and %2 rising by the clock table lie %3 apart",
                {JupiterSign(s), TableLagnaName(s), Counted(apart, "%1 sign", "%1 signs")});
}

Wording WeekdayTithiGroup(const CalculationState& s) {
  return Worded("%1 with a %2 tithi", {Weekday(s), NameWord(s.Panchang.Group)});
}
Wording WeekdayTithi(const CalculationState& s) {
  return Worded("%1 with %2", {Weekday(s), RuleTithi(s.Panchang.TithiName)});
}
Wording WeekdayStar(const CalculationState& s) {
  return Worded("%1 with the Moon in %2", {Weekday(s), Named(s.ElectionChart.nakshatra)});
}
Wording WeekdayTithiStar(const CalculationState& s) {
  return Worded("%1, %2 and the Moon in %3",
                {Weekday(s), RuleTithi(s.Panchang.TithiName), Named(s.ElectionChart.nakshatra)});
}
Wording SaraswatiWanted(const CalculationState& s) {
  return Worded("today is %1; a Wednesday with the Moon in Hasta favours it", {WeekdayStar(s)});
}

Wording MonthsAfterBirth(const CalculationState& s) {
  const int months = MonthDifference(s);
  if (months >= 0)
    return Worded("%1 after birth by the calendar", {Counted(months, "%1 month", "%1 months")});
  return Worded("%1 before the birth month by the calendar (the years are not counted)",
                {Counted(-months, "%1 month", "%1 months")});
}

Wording DaysAfterBirthDay(const CalculationState& s) {
  return Worded("Date: the day of the month is %1 after the birth day",
                {Counted(DayDifference(s), "%1 day", "%1 days")});
}

// The first of the three dates that lets ear piercing through.
Wording EarPiercingDate(const CalculationState& s) {
  const int days = DayDifference(s);
  if (days == 10 || days == 12 || days == 16) return DaysAfterBirthDay(s);
  const int months = MonthDifference(s);
  if (months >= 6 && months <= 8) return Worded("Month: %1", {MonthsAfterBirth(s)});
  return Worded("%1, an odd year of life", {YearsAfterBirth(s)});
}

Wording YearsAfterBirth(const CalculationState& s) {
  return Worded("Age: %1 after birth by the calendar",
                {Counted(YearDifference(s), "%1 year", "%1 years")});
}

Wording StarOfLearning(const CalculationState& s) {
  return Worded("Nakshatra: %1", {Nakshatra(s)});
}

}  // namespace horavela::factor_values
