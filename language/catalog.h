#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "language/language.h"

// The sentences of the reports in each language, keyed by their English text.
// The translations are data: one UTF-8 file per language, language/catalog/
// CODE.tsv, built into the library (nothing is read at run time). Each line
// is `english<TAB>translation`; blank lines and lines starting with `#` are
// left out. In either field `\t` stands for a tab, `\n` for a line break and
// `\\` for a backslash, so a sentence of several lines stays on one line.
namespace horavela {

struct CatalogEntry {
  std::string english;
  std::string translation;
};

struct ParsedCatalog {
  std::vector<CatalogEntry> entries;
  std::vector<int> malformedLines;  // 1-based: no tab, or an empty field
};

// The entries of one catalog file's text, escapes undone.
ParsedCatalog ParseCatalog(std::string_view tsv);

// Every entry of `language`'s catalog (none for English).
std::span<const CatalogEntry> CatalogOf(Language language);

// `english` in `language`: the English itself for English or where the
// catalog has no entry for it, so an untranslated sentence still reads.
std::string_view Translated(std::string_view english, Language language);

// A text whose English reads two ways ("%1 to %2" is a range, and also a
// tithi that runs until a time): English prints `english`, and the catalog
// keys the other languages' words by `meaning`, an English phrase of its own
// ("%1, running until %2").
std::string_view TranslatedMeaning(std::string_view meaning, std::string_view english,
                                   Language language);

// Translated() bound to one language, for a text that says many fixed words:
// `say("Sunrise")`.
struct Words {
  Language language = Language::English;
  std::string_view operator()(std::string_view english) const {
    return Translated(english, language);
  }
};

// `pattern` with %1 .. %9 replaced by the first to ninth of `args`, in any
// order and as often as they occur; a placeholder without its argument and
// every other `%` stay as written.
std::string Formatted(std::string_view pattern, std::initializer_list<std::string_view> args);
// The same with the arguments counted at run time.
std::string Formatted(std::string_view pattern, std::span<const std::string_view> args);

// The placeholders %1 .. %9 of `text`, sorted, each as often as it occurs.
std::vector<int> PlaceholdersOf(std::string_view text);

}  // namespace horavela
