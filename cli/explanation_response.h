#pragma once

#include <nlohmann/json.hpp>

#include "explain/explanation.h"

namespace horavela::cli {

// The "explanation" member of an evaluate answer: {"window", "elements",
// "warnings", "nearest_better"}; minutes as search writes them.
nlohmann::ordered_json ExplanationJson(const Explanation& explanation);

}  // namespace horavela::cli
