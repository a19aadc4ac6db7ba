#include "language/digits.h"

#include <array>
#include <cstddef>

namespace horavela {

namespace {

// The code point of each script's digit zero, the nine others following it
// in order: the Unicode Standard's Devanagari (U+0966..U+096F), Bengali
// (U+09E6..), Gujarati (U+0AE6..), Tamil (U+0BE6..), Telugu (U+0C66..),
// Kannada (U+0CE6..) and Malayalam (U+0D66..) blocks. All lie in U+0800..
// U+FFFF, so each digit is three bytes of UTF-8.
struct ScriptDigits {
  Language language;
  char32_t zero;
};
constexpr std::array<ScriptDigits, 8> kZeros = {{
    {Language::Hindi, 0x0966},
    {Language::Marathi, 0x0966},
    {Language::Bengali, 0x09E6},
    {Language::Gujarati, 0x0AE6},
    {Language::Tamil, 0x0BE6},
    {Language::Telugu, 0x0C66},
    {Language::Kannada, 0x0CE6},
    {Language::Malayalam, 0x0D66},
}};

using Utf8Digit = std::array<char, 3>;
using DigitRow = std::array<Utf8Digit, 10>;

constexpr Utf8Digit ThreeBytes(char32_t c) {
  return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
          static_cast<char>(0x80 | (c & 0x3F))};
}

// Every language's ten digits, built once from the table above.
constexpr std::array<DigitRow, 9> BuildDigitRows() {
  std::array<DigitRow, 9> rows{};
  for (const ScriptDigits& script : kZeros) {
    DigitRow& row = rows[static_cast<std::size_t>(script.language)];
    for (char32_t d = 0; d < 10; ++d) row[d] = ThreeBytes(script.zero + d);
  }
  return rows;
}
constexpr std::array<DigitRow, 9> kDigitRows = BuildDigitRows();

constexpr std::string_view kAsciiDigits = "0123456789";

bool HasScriptDigits(Language language) {
  return language != Language::English && static_cast<std::size_t>(language) < kDigitRows.size();
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// A file's path, a web or mail address: what the reader may copy and use.
bool KeepsItsDigits(std::string_view word) {
  return word.find_first_of("/\\@") != std::string_view::npos;
}

void AppendWord(std::string& out, std::string_view word, const DigitRow& row) {
  if (KeepsItsDigits(word)) {
    out += word;
    return;
  }
  for (const char c : word) {
    if (c >= '0' && c <= '9') {
      const Utf8Digit& digit = row[static_cast<std::size_t>(c - '0')];
      out.append(digit.data(), digit.size());
    } else {
      out += c;
    }
  }
}

}  // namespace

std::string_view DigitOf(int value, Language language) {
  if (value < 0 || value > 9) return {};
  if (!HasScriptDigits(language)) return kAsciiDigits.substr(static_cast<std::size_t>(value), 1);
  const Utf8Digit& digit = kDigitRows[static_cast<std::size_t>(language)][value];
  return {digit.data(), digit.size()};
}

std::string WithNativeDigits(std::string_view text, Language language) {
  if (!HasScriptDigits(language) || text.find_first_of(kAsciiDigits) == std::string_view::npos)
    return std::string(text);
  const DigitRow& row = kDigitRows[static_cast<std::size_t>(language)];
  std::string out;
  out.reserve(text.size() * 2);
  std::size_t at = 0;
  while (at < text.size()) {
    if (IsBlank(text[at])) {
      out += text[at++];
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    AppendWord(out, text.substr(at, end - at), row);
    at = end;
  }
  return out;
}

std::string InDigits(std::string_view text, Language language, Digits digits) {
  return digits == Digits::Native ? WithNativeDigits(text, language) : std::string(text);
}

}  // namespace horavela
