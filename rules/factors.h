#pragma once

#include <initializer_list>
#include <string_view>

#include "engine/calculation_state.h"
#include "rules/evaluation.h"

namespace horavela {

// List tests match by identity: a list name matches the element it names even
// where the chart's own table spells it differently ("Vrishcika"/"Vrischika",
// "Dhanush"/"Dhanus", "Vaidhruthi"/"Veidhriti", "Visti"/"Vishti").
std::string_view CanonicalName(std::string_view name);
bool NameIn(std::string_view name, std::initializer_list<std::string_view> list);

// The election moment's elements, each tested against a list of names.
bool MoonNakshatraIn(const CalculationState& s, std::initializer_list<std::string_view> list);
bool MoonSignIn(const CalculationState& s, std::initializer_list<std::string_view> list);
bool LagnaIn(const CalculationState& s, std::initializer_list<std::string_view> list);
bool TithiIn(const CalculationState& s, std::initializer_list<std::string_view> list);
bool YogaIn(const CalculationState& s, std::initializer_list<std::string_view> list);
bool KaranaIn(const CalculationState& s, std::initializer_list<std::string_view> list);
// The weekday the rule sets read: the election page's weekday box.
bool WeekdayIn(const CalculationState& s, std::initializer_list<std::string_view> list);
bool PakshaIs(const CalculationState& s, std::string_view paksha);
bool TithiNumberIn(const CalculationState& s, std::initializer_list<int> numbers);

// Date differences of the two pages' selected values (election minus birth):
// plain differences of the numbers, not elapsed time; they may be negative.
int DayDifference(const CalculationState& s);
int MonthDifference(const CalculationState& s);
int YearDifference(const CalculationState& s);

// The two factors that open 33 of the 34 rule sets.
Outcome TaraBalaFactor(const CalculationState& s);
Outcome ChandraBalaFactor(const CalculationState& s);

// The standard yoga factor: the nine inauspicious yogas.
Outcome StandardYogaFactor(const CalculationState& s);
// The standard karana factor: Vishti.
Outcome StandardKaranaFactor(const CalculationState& s);

}  // namespace horavela
