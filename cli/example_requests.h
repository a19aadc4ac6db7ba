#pragma once

#include <string_view>

namespace horavela::cli {

// The example requests of docs/ (example-request.json, example-search.json,
// example-day.json), built into the program so that `example` prints the very
// text the README and the manual page show. Empty for a command without one.
std::string_view ExampleRequest(std::string_view command);

}  // namespace horavela::cli
