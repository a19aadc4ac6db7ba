#pragma once

#include <string>

#include "engine/calculation_state.h"

// What decided one factor, read from the evaluated state, as the words after
// "<factor>: " ("Rohini", "the lagna Simha is the 5th sign from the birth
// lagna Mesha"). The factor table of factor_words.cpp names one per factor.
namespace horavela::factor_values {

using ValueOf = std::string (*)(const CalculationState&);

// The chart's own names.
std::string Nakshatra(const CalculationState& s);
std::string MoonSign(const CalculationState& s);  // "the Moon in Simha"
std::string Lagna(const CalculationState& s);     // "Simha rising"
std::string Tithi(const CalculationState& s);     // "Dwitiya, Shukla Paksha"
std::string Yoga(const CalculationState& s);
std::string Karana(const CalculationState& s);
std::string Weekday(const CalculationState& s);
std::string HinduMonth(const CalculationState& s);

// Counts against the birth chart.
std::string TaraCount(const CalculationState& s);
std::string MoonSignCount(const CalculationState& s);
std::string LagnaCount(const CalculationState& s);
std::string SaleLagna(const CalculationState& s);
std::string TableLagna(const CalculationState& s);
std::string JupiterRising(const CalculationState& s);
std::string JupiterNinth(const CalculationState& s);

// Special yogas: what the day brings to them.
std::string WeekdayTithiGroup(const CalculationState& s);  // "Friday with a Nanda tithi"
std::string WeekdayTithi(const CalculationState& s);       // "Friday with Dwitiya"
std::string WeekdayStar(const CalculationState& s);        // "Friday with the Moon in Revati"
std::string WeekdayTithiStar(const CalculationState& s);
std::string SaraswatiWanted(const CalculationState& s);

// Age by the calendar: plain differences of the dates' numbers.
std::string MonthsAfterBirth(const CalculationState& s);

// The short paths, each with its own label ("Date: ...").
std::string DaysAfterBirthDay(const CalculationState& s);
std::string EarPiercingDate(const CalculationState& s);
std::string YearsAfterBirth(const CalculationState& s);
std::string StarOfLearning(const CalculationState& s);

// "1st", "2nd", "3rd", "11th", "22nd".
std::string Ordinal(int n);

}  // namespace horavela::factor_values
