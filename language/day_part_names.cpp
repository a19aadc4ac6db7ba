#include "language/day_part_names.h"

#include <cstdio>

namespace horavela {

namespace {

using day_part_names::Table;

// The English spellings, as the Day page and the CLI have always written them.
constexpr std::array<std::string_view, 7> kEnglishChoghadiyas = {"Udveg", "Char",  "Labh", "Amrit",
                                                                 "Kaal",  "Shubh", "Rog"};
constexpr std::array<std::string_view, 8> kEnglishGowris = {"Uthi",   "Amirdha", "Rogam", "Laabam",
                                                            "Dhanam", "Sugam",   "Soram", "Visham"};

const Table* TableOf(Language language) {
  static constexpr std::array<const Table*, 9> kTables = {
      nullptr,
      &day_part_names::kHindi,
      &day_part_names::kMarathi,
      &day_part_names::kBengali,
      &day_part_names::kGujarati,
      &day_part_names::kTamil,
      &day_part_names::kTelugu,
      &day_part_names::kKannada,
      &day_part_names::kMalayalam,
  };
  const auto index = static_cast<std::size_t>(language);
  return index < kTables.size() ? kTables[index] : nullptr;
}

// Entry `value` of the language's `list`, of `english` in English; empty for
// None (or anything past the list).
template <typename E, std::size_t N>
std::string_view Lookup(E value, Language language, std::array<std::string_view, N> Table::*list,
                        const std::array<std::string_view, N>& english) {
  const auto index = static_cast<std::size_t>(value);
  if (index >= N) return {};
  const Table* table = TableOf(language);
  return table == nullptr ? english[index] : (table->*list)[index];
}

std::array<std::string_view, 12> EnglishAbbreviations() {
  std::array<std::string_view, 12> names{};
  for (int i = 0; i < 12; ++i)
    names[static_cast<std::size_t>(i)] = AbbreviationOf(FromIndex<Rashi>(i));
  return names;
}

}  // namespace

std::string_view NameOf(Choghadiya choghadiya, Language language) {
  return Lookup(choghadiya, language, &Table::choghadiyas, kEnglishChoghadiyas);
}

std::string_view NameOf(Gowri gowri, Language language) {
  return Lookup(gowri, language, &Table::gowris, kEnglishGowris);
}

std::string_view SignAbbreviationOf(Rashi rashi, Language language) {
  static const std::array<std::string_view, 12> kEnglish = EnglishAbbreviations();
  return Lookup(rashi, language, &Table::signAbbreviations, kEnglish);
}

std::string PositionText(const PlanetPosition& position, Language language) {
  if (language == Language::English || !position.known()) return TextOf(position);
  const std::string_view sign = SignAbbreviationOf(position.sign, language);
  char degrees[8];
  char minutes[8];
  std::snprintf(degrees, sizeof degrees, "%02d", position.degrees);
  std::snprintf(minutes, sizeof minutes, "%02d", position.minutes);
  return std::string(degrees).append(" ").append(sign).append(" ").append(minutes);
}

}  // namespace horavela
