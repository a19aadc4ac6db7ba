// Feeds arbitrary request texts to `horavela-cli match`, the whole command
// (its reader is its own): the couple is read and checked and, when valid,
// matched and written. Every answer must be one JSON object; a valid
// request's answer has its total and no error, a refused one "error" in the
// form "path: message", and nothing may fail inside (exit status 1).
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "fuzz/error_form.h"

namespace {

// Unknown keys are also named on standard error: not wanted in the fuzz log.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static NullBuffer null;
  std::cerr.rdbuf(&null);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using horavela::fuzz::Fail;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  const int status = horavela::cli::RunMatch("", in, out);
  const nlohmann::json answer = nlohmann::json::parse(out.str(), nullptr, false);
  if (!answer.is_object()) Fail("the answer is not one JSON object", out.str());
  const auto error = answer.find("error");
  switch (status) {
    case horavela::cli::kExitOk:
      if (error != answer.end() || !answer.contains("total"))
        Fail("a match answered without its total", out.str());
      break;
    case horavela::cli::kExitBadRequest:
      if (error == answer.end() || !error->is_string())
        Fail("a refusal without an error", out.str());
      horavela::fuzz::CheckErrorForm(error->get<std::string>());
      break;
    default:
      Fail("the match failed", out.str());
  }
  return 0;
}
