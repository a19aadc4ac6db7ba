#pragma once

// The form every refusal of a request must keep: "path: message", within a
// bounded length and without a NUL. Shared by the fuzz targets of requests.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace horavela::fuzz {

inline constexpr std::size_t kLongestError = 400;

[[noreturn]] inline void Fail(const char* what, const std::string& error) {
  std::fprintf(stderr, "%s: %.500s\n", what, error.c_str());
  std::abort();
}

inline bool IsNameCharacter(char c, bool first) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  return letter || (!first && c >= '0' && c <= '9');
}

// Length of the JSON path at the start of `text` ("birth.zone.hours",
// "people[2].name"), or 0 when there is none.
inline std::size_t PathLength(std::string_view text) {
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

inline void CheckErrorForm(const std::string& error) {
  if (error.size() > kLongestError) Fail("error too long", error);
  if (error.find('\0') != std::string::npos) Fail("NUL in error", error);
  const std::size_t path = PathLength(error);
  if (path == 0 || error.compare(path, 2, ": ") != 0) Fail("error without a path", error);
}

}  // namespace horavela::fuzz
