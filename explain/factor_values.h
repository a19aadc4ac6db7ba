#pragma once

#include <string>

#include "engine/calculation_state.h"
#include "language/wording.h"

// What decided one factor, read from the evaluated state, as the words after
// "<factor>: " ("Rohini", "the lagna Simha is the 5th sign from the birth
// lagna Mesha"), as said for any language. The factor table of
// factor_words.cpp names one per factor.
namespace horavela::factor_values {

using ValueOf = Wording (*)(const CalculationState&);

// The chart's own names.
Wording Nakshatra(const CalculationState& s);
Wording MoonSign(const CalculationState& s);  // "the Moon in Simha"
Wording Lagna(const CalculationState& s);     // "Simha rising"
Wording Tithi(const CalculationState& s);     // "Dwitiya, Shukla Paksha"
Wording Yoga(const CalculationState& s);
Wording Karana(const CalculationState& s);
Wording Weekday(const CalculationState& s);
Wording HinduMonth(const CalculationState& s);

// Counts against the birth chart.
Wording TaraCounted(const CalculationState& s);
// The same in English.
std::string TaraCount(const CalculationState& s);
Wording MoonSignCount(const CalculationState& s);
Wording LagnaCount(const CalculationState& s);
Wording SaleLagna(const CalculationState& s);
Wording TableLagna(const CalculationState& s);
Wording JupiterRising(const CalculationState& s);
Wording JupiterNinth(const CalculationState& s);

// Special yogas: what the day brings to them.
Wording WeekdayTithiGroup(const CalculationState& s);  // "Friday with a Nanda tithi"
Wording WeekdayTithi(const CalculationState& s);       // "Friday with Dwitiya"
Wording WeekdayStar(const CalculationState& s);        // "Friday with the Moon in Revati"
Wording WeekdayTithiStar(const CalculationState& s);
Wording SaraswatiWanted(const CalculationState& s);

// Age by the calendar: plain differences of the dates' numbers.
Wording MonthsAfterBirth(const CalculationState& s);

// The short paths, each with its own label ("Date: ...").
Wording DaysAfterBirthDay(const CalculationState& s);
Wording EarPiercingDate(const CalculationState& s);
Wording YearsAfterBirth(const CalculationState& s);
Wording StarOfLearning(const CalculationState& s);

// "1st", "2nd", "3rd", "11th", "22nd", each suffix a catalog pattern
// ("%1nd"), so a language gives each its own ending (Hindi 2रा, 4वाँ); the
// matching's Ordinal instead leaves the ending to the sentence around it.
Wording SuffixedOrdinal(int n);

}  // namespace horavela::factor_values
