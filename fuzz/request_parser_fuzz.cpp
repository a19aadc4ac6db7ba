// Feeds arbitrary request texts to horavela-cli's request reading. The first
// byte chooses the command (even: evaluate, odd: search); the rest is the
// request. A request read as valid must pass the core's checks, and every
// refusal must read "path: message" within a bounded length, with no NUL.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/request_parser.h"
#include "engine/input_check.h"
#include "fuzz/error_form.h"
#include "search/muhurta_finder.h"

using horavela::fuzz::CheckErrorForm;
using horavela::fuzz::Fail;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string error;
  if (data[0] % 2 == 1) {
    const horavela::cli::ParsedSearch parsed = horavela::cli::ParseSearchRequest(text);
    if (parsed.error.empty() && !horavela::CheckSearchRequest(parsed.request))
      Fail("search read as valid fails the core's check", "");
    error = parsed.error;
  } else {
    const horavela::cli::ParsedRequest parsed = horavela::cli::ParseRequest(text);
    if (parsed.error.empty() && !horavela::CheckEvaluationInput(parsed.input))
      Fail("request read as valid fails the core's check", "");
    if (parsed.error.empty() && parsed.partner && !horavela::CheckPartner(*parsed.partner))
      Fail("a partner read as valid fails the core's check", "");
    error = parsed.error;
  }
  if (!error.empty()) CheckErrorForm(error);
  return 0;
}
