#pragma once

#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "explain/explanation.h"

// The rule set's factors in plain words, and which elements of the chart they
// read, from one table keyed by the factor.
namespace horavela {

// The elements of the chart a factor reads, as bits.
enum ElementRead : unsigned {
  kNakshatraRead = 1u << 0,
  kMoonSignRead = 1u << 1,
  kLagnaRead = 1u << 2,
  kTithiRead = 1u << 3,
  kYogaRead = 1u << 4,
  kKaranaRead = 1u << 5,
  kCivilDateRead = 1u << 6,
};
// The sign of one planet, by its index Sun..Saturn.
constexpr unsigned PlanetSignRead(int planet) {
  return 1u << (8 + planet);
}

// `input`'s election moment evaluated as horavela-cli evaluate evaluates it:
// both charts, the strengths, then the rule set.
CalculationState EvaluatedState(const EvaluationInput& input, PlanetEphemeris& ephemeris);

// One line per recorded factor of `state`, in the report's order.
std::vector<FactorInWords> FactorsInWords(const CalculationState& state);

// Whether the table has a row for `factor` (for the short path: a row for
// `subject`); without one the line reads "<factor>: <verdict word>".
bool HasFactorRow(Factor factor, std::string_view subject = {});

// The elements the factors recorded in `state` read, with the civil date,
// which every rule set reads, and the planets the rule set reads beyond its
// factors (the planets in the tenth of a trade).
unsigned ElementsRead(const CalculationState& state);

}  // namespace horavela
