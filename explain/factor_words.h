#pragma once

#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "explain/explanation.h"
#include "rules/chart_elements.h"

// The rule set's factors in plain words, and which elements of the chart they
// read, from one table keyed by the factor.
namespace horavela {

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
