// Feeds arbitrary request texts to `horavela-cli match`, the whole command
// (its reader is its own): the couple is read and checked and, when valid,
// matched and written. Every answer must be one JSON object; a valid
// request's answer has its total and no error, a refused one "error" in the
// form "path: message", and nothing may fail inside (exit status 1).
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "fuzz/whole_command.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  horavela::fuzz::SilenceStandardError();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  horavela::fuzz::CheckWholeCommand(
      data, size,
      [](const std::string& file, std::istream& in, std::ostream& out) {
        return horavela::cli::RunMatch(file, in, out);
      },
      "total", "the match failed");
  return 0;
}
