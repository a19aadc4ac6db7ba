#pragma once

#include <string>
#include <vector>

#include "engine/calculation_state.h"
#include "explain/explanation.h"
#include "language/language.h"

namespace horavela::cli {

// `evaluate --text`: the verdict and total of one evaluation, the window it
// holds over, the factors in words and the warnings, for a person to read.
// `explanation` is null with --no-explain; `warnings` are the request's own
// (unknown keys), shown before the evaluation's and the explanation's.
// `partner`, for a moment judged for two, adds the partner's verdict line.
// The labels, verdict words, factors' lines and the explanation's warnings
// are in `language`; the request's and the evaluation's own warnings stay
// as the core writes them (English).
std::string EvaluateText(const CalculationState& state, const Explanation* explanation,
                         const std::vector<std::string>& warnings,
                         const CalculationState* partner = nullptr,
                         Language language = Language::English);

}  // namespace horavela::cli
