#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace horavela {

// One JSON text, as the command line answers and the book exports: indented
// by two spaces when `pretty`, else on one line. Doubles are written so that
// reading them back gives the very same double; text that is not valid UTF-8
// is replaced, never fatal.
std::string Serialize(const nlohmann::ordered_json& value, bool pretty);

}  // namespace horavela
