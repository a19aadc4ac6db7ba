#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace horavela {

// The languages the program speaks. English is the program as it always was:
// with it every name and sentence is the one the pages and reports have always
// printed. The others are the languages most almanac readers read first.
enum class Language : std::uint8_t {
  English,
  Hindi,
  Marathi,
  Bengali,
  Gujarati,
  Tamil,
  Telugu,
  Kannada,
  Malayalam
};

// Every language, English first, in the order a menu lists them.
std::span<const Language> AllLanguages();

// The ISO 639-1 code ("hi"), as files, settings and `--lang` name a language.
std::string_view CodeOf(Language language);
// The language's name in itself ("हिन्दी", "தமிழ்"), as a menu shows it.
std::string_view SelfNameOf(Language language);
// The language's name in English ("Hindi").
std::string_view EnglishNameOf(Language language);

// The language a code names; nothing for an unknown code. Case matters not.
std::optional<Language> LanguageNamed(std::string_view code);
// The language of a POSIX or BCP 47 locale name ("ta_IN.UTF-8", "hi-IN",
// "mr"); English for any other locale.
Language LanguageOfLocale(std::string_view locale);

}  // namespace horavela
