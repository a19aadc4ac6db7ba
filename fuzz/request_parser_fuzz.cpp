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
#include "search/muhurta_finder.h"

namespace {

constexpr std::size_t kLongestError = 400;

[[noreturn]] void Fail(const char* what, const std::string& error) {
  std::fprintf(stderr, "%s: %.500s\n", what, error.c_str());
  std::abort();
}

bool IsNameCharacter(char c, bool first) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  return letter || (!first && c >= '0' && c <= '9');
}

// Length of the JSON path at the start of `text` ("birth.zone.hours",
// "people[2].name"), or 0 when there is none.
std::size_t PathLength(std::string_view text) {
  std::size_t at = 0;
  while (true) {
    const std::size_t start = at;
    while (at < text.size() && IsNameCharacter(text[at], at == start)) ++at;
    if (at == start) return 0;
    while (at < text.size() && text[at] == '[') {
      const std::size_t digits = ++at;
      while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
      if (at == digits || at == text.size() || text[at] != ']') return 0;
      ++at;
    }
    if (at == text.size() || text[at] != '.') return at;
    ++at;
  }
}

void CheckErrorForm(const std::string& error) {
  if (error.size() > kLongestError) Fail("error too long", error);
  if (error.find('\0') != std::string::npos) Fail("NUL in error", error);
  const std::size_t path = PathLength(error);
  if (path == 0 || error.compare(path, 2, ": ") != 0) Fail("error without a path", error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string error;
  if (data[0] % 2 == 1) {
    const horavela::cli::ParsedSearch parsed = horavela::cli::ParseSearchRequest(text);
    if (parsed.error.empty() && horavela::CheckSearchRequest(parsed.request))
      Fail("search read as valid fails the core's check", "");
    error = parsed.error;
  } else {
    const horavela::cli::ParsedRequest parsed = horavela::cli::ParseRequest(text);
    if (parsed.error.empty() && horavela::CheckEvaluationInput(parsed.input))
      Fail("request read as valid fails the core's check", "");
    error = parsed.error;
  }
  if (!error.empty()) CheckErrorForm(error);
  return 0;
}
