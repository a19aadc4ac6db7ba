#include "language/catalog.h"

#include <algorithm>
#include <array>
#include <map>

#include "language/catalog_files.h"

namespace horavela {
namespace {

std::string Unescaped(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    switch (field[++i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case '\\':
        out += '\\';
        break;
      default:  // not an escape: kept as written
        out += '\\';
        out += field[i];
    }
  }
  return out;
}

// Each language's entries, parsed once from the text built into the library.
struct LoadedCatalog {
  std::vector<CatalogEntry> entries;
  std::map<std::string, std::string, std::less<>> byEnglish;
};

const LoadedCatalog& Loaded(Language language) {
  static const std::array<LoadedCatalog, 9> catalogs = [] {
    std::array<LoadedCatalog, 9> all;
    for (Language each : AllLanguages()) {
      LoadedCatalog& loaded = all[static_cast<std::size_t>(each)];
      loaded.entries = ParseCatalog(CatalogFileText(CodeOf(each))).entries;
      for (const CatalogEntry& entry : loaded.entries)
        loaded.byEnglish.emplace(entry.english, entry.translation);
    }
    return all;
  }();
  return catalogs[std::min<std::size_t>(static_cast<std::size_t>(language), catalogs.size() - 1)];
}

}  // namespace

ParsedCatalog ParseCatalog(std::string_view tsv) {
  ParsedCatalog parsed;
  int number = 0;
  std::size_t start = 0;
  while (start < tsv.size()) {
    std::size_t end = tsv.find('\n', start);
    if (end == std::string_view::npos) end = tsv.size();
    std::string_view line = tsv.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string_view::npos || tab + 1 == line.size()) {
      parsed.malformedLines.push_back(number);
      continue;
    }
    parsed.entries.push_back({Unescaped(line.substr(0, tab)), Unescaped(line.substr(tab + 1))});
  }
  return parsed;
}

std::span<const CatalogEntry> CatalogOf(Language language) {
  return Loaded(language).entries;
}

std::string_view Translated(std::string_view english, Language language) {
  if (language == Language::English) return english;
  const auto& byEnglish = Loaded(language).byEnglish;
  const auto found = byEnglish.find(english);
  return found == byEnglish.end() ? english : std::string_view(found->second);
}

std::string_view TranslatedMeaning(std::string_view meaning, std::string_view english,
                                   Language language) {
  if (language == Language::English) return english;
  const std::string_view said = Translated(meaning, language);
  return said == meaning ? english : said;
}

std::string Formatted(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return Formatted(pattern, std::span<const std::string_view>(args.begin(), args.size()));
}

std::string Formatted(std::string_view pattern, std::span<const std::string_view> args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                             pattern[i + 1] <= '9';
    const std::size_t index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
    if (placeholder && index < args.size()) {
      out += args[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::vector<int> PlaceholdersOf(std::string_view text) {
  std::vector<int> found;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
      found.push_back(text[i + 1] - '0');
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace horavela
