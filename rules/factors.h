#pragma once

#include <initializer_list>

#include "engine/calculation_state.h"
#include "rules/evaluation.h"

namespace horavela {

// A value in a list of values; None only in a list that holds None.
template <typename E>
bool OneOf(E value, std::initializer_list<E> list) {
  for (E entry : list) {
    if (entry == value) return true;
  }
  return false;
}

// The election moment's elements, each tested against a list. The tithi is
// the panchang's; the weekday is the election page's weekday box.
bool MoonNakshatraIn(const CalculationState& s, std::initializer_list<Nakshatra> list);
bool MoonSignIn(const CalculationState& s, std::initializer_list<Rashi> list);
bool LagnaIn(const CalculationState& s, std::initializer_list<Rashi> list);
bool TithiIn(const CalculationState& s, std::initializer_list<Tithi> list);
bool YogaIn(const CalculationState& s, std::initializer_list<Yoga> list);
bool KaranaIn(const CalculationState& s, std::initializer_list<Karana> list);
bool WeekdayIn(const CalculationState& s, std::initializer_list<Weekday> list);
bool PakshaIs(const CalculationState& s, Paksha paksha);
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
