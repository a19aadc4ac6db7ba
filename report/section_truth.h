#pragma once

#include <string>

#include "engine/calculation_state.h"
#include "language/language.h"
#include "rules/evaluation.h"

namespace horavela {

// Whether a section's paragraph says what its factor's verdict says. A rule
// set switches a section on with a selector that picks the adverse (1) or the
// favourable (any other) paragraph, and some set the favourable one for a
// neutral factor: "Siddha Yoga - Neutral" sets 2, and the paragraph would
// then claim a yoga that is not formed, under a green "Good".
//
// Empty when the paragraph holds (or no factor set the selector, or its
// verdict word is none the rule sets write); otherwise the one true sentence
// to write instead: "Siddha yoga is not formed at this moment.", its subject
// and ending each in `language`.
std::string TruthfulLine(const CalculationState& state, ReportSlot slot,
                         Language language = Language::English);

}  // namespace horavela
