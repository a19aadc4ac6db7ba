#include "language/language.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace horavela {

namespace {

struct LanguageRow {
  Language language;
  std::string_view code;
  std::string_view selfName;
  std::string_view englishName;
};

// clang-format off
constexpr std::array<LanguageRow, 9> kLanguages = {{
    {Language::English,   "en", "English",  "English"},
    {Language::Hindi,     "hi", "हिन्दी",     "Hindi"},
    {Language::Marathi,   "mr", "मराठी",     "Marathi"},
    {Language::Bengali,   "bn", "বাংলা",     "Bengali"},
    {Language::Gujarati,  "gu", "ગુજરાતી",    "Gujarati"},
    {Language::Tamil,     "ta", "தமிழ்",     "Tamil"},
    {Language::Telugu,    "te", "తెలుగు",     "Telugu"},
    {Language::Kannada,   "kn", "ಕನ್ನಡ",     "Kannada"},
    {Language::Malayalam, "ml", "മലയാളം",    "Malayalam"},
}};
// clang-format on

constexpr std::array<Language, 9> kAll = {
    Language::English, Language::Hindi,  Language::Marathi, Language::Bengali,  Language::Gujarati,
    Language::Tamil,   Language::Telugu, Language::Kannada, Language::Malayalam};

const LanguageRow& RowOf(Language language) {
  const auto index = static_cast<std::size_t>(language);
  return index < kLanguages.size() ? kLanguages[index] : kLanguages[0];
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::span<const Language> AllLanguages() {
  return kAll;
}

std::string_view CodeOf(Language language) {
  return RowOf(language).code;
}
std::string_view SelfNameOf(Language language) {
  return RowOf(language).selfName;
}
std::string_view EnglishNameOf(Language language) {
  return RowOf(language).englishName;
}

std::optional<Language> LanguageNamed(std::string_view code) {
  for (const auto& row : kLanguages) {
    if (SameLetters(row.code, code)) return row.language;
  }
  return std::nullopt;
}

Language LanguageOfLocale(std::string_view locale) {
  // The language is what stands before the territory, the encoding or the
  // modifier: "ta" of "ta_IN.UTF-8@latin", "hi" of "hi-IN".
  const auto end = locale.find_first_of("_-.@");
  return LanguageNamed(locale.substr(0, end)).value_or(Language::English);
}

}  // namespace horavela
