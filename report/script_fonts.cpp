#include "report/script_fonts.h"

#include <array>

namespace horavela {
namespace {

// Indexed by Language.
constexpr std::array<std::string_view, 9> kFonts = {
    "",                      // English
    "Noto Sans Devanagari",  // Hindi
    "Noto Sans Devanagari",  // Marathi
    "Noto Sans Bengali",
    "Noto Sans Gujarati",
    "Noto Sans Tamil",
    "Noto Sans Telugu",
    "Noto Sans Kannada",
    "Noto Sans Malayalam",
};

}  // namespace

std::string_view ScriptFontOf(Language language) {
  const auto index = static_cast<std::size_t>(language);
  return index < kFonts.size() ? kFonts[index] : std::string_view();
}

bool IsIndicCodePoint(char32_t cp) {
  return (cp >= 0x0900 && cp <= 0x0D7F) || cp == 0x200C || cp == 0x200D;
}

}  // namespace horavela
