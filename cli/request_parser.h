#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/evaluation_input.h"

namespace horavela::cli {

// An evaluation request read from JSON, or why it is not one.
struct ParsedRequest {
  EvaluationInput input;
  std::string error;  // empty when `input` may be evaluated
};

// Reads one request: the JSON text of an object with subject, name, sex,
// election and birth. Every field is checked for presence, type, 16-bit range
// and the ranges the input pages allow; the first problem found is reported
// with the field's name. A missing election weekday becomes the civil weekday
// of the election date.
ParsedRequest ParseRequest(std::string_view text);
ParsedRequest ParseRequestJson(const nlohmann::json& request);

}  // namespace horavela::cli
