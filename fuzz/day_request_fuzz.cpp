// Feeds arbitrary request texts to `horavela-cli day`, the whole command: the
// request is read and checked and, when valid, the day computed and written.
// Every answer must be one JSON object; a valid request's answer has its
// sunrise and no error, a refused one "error" in the form "path: message",
// and nothing may fail inside (exit status 1). Slow per input (a whole day is
// computed), so the smoke run gives it fewer inputs.
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
        return horavela::cli::RunDay(file, in, out);
      },
      "sunrise", "the day failed");
  return 0;
}
