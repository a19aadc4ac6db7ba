#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace horavela::cli {

// Runs a command that reads its options rather than a JSON request (almanac,
// month): `answer` writes the answer; a fault of the request it throws
// (RequestError) is answered as {"error": ...} with status 2, any other
// failure as "the `what` failed: ..." with status 1, in JSON or, with
// `text`, as a line.
int AnswerOptionCommand(const std::function<void()>& answer, const std::string& what, bool text,
                        std::ostream& out);

}  // namespace horavela::cli
