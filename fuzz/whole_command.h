#pragma once

// Feeding a whole command of horavela-cli one request text and checking its
// answer: shared by the fuzz targets that run a command end to end.

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "fuzz/error_form.h"

namespace horavela::fuzz {

// Unknown keys are also named on standard error: not wanted in the fuzz log.
inline void SilenceStandardError() {
  struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
  };
  static NullBuffer null;
  std::cerr.rdbuf(&null);
}

// Runs `run(inputFile, in, out)` on the bytes and checks the answer: one JSON
// object; an answered request holds `answeredKey` and no error, a refused one
// an "error" of the form "path: message"; nothing may fail inside (exit 1).
template <typename Run>
void CheckWholeCommand(const std::uint8_t* data, std::size_t size, Run run, const char* answeredKey,
                       const char* failure) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  const int status = run("", in, out);
  const nlohmann::json answer = nlohmann::json::parse(out.str(), nullptr, false);
  if (!answer.is_object()) Fail("the answer is not one JSON object", out.str());
  const auto error = answer.find("error");
  switch (status) {
    case cli::kExitOk:
      if (error != answer.end() || !answer.contains(answeredKey))
        Fail("a request answered without what it asks", out.str());
      break;
    case cli::kExitBadRequest:
      if (error == answer.end() || !error->is_string())
        Fail("a refusal without an error", out.str());
      CheckErrorForm(error->get<std::string>());
      break;
    default:
      Fail(failure, out.str());
  }
}

}  // namespace horavela::fuzz
