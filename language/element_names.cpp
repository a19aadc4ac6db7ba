#include "language/element_names.h"

#include <array>

#include "calendar/civil_calendar.h"
#include "language/catalog.h"
#include "language/element_name_tables.h"

namespace horavela {

namespace {

using element_names::Table;

// The kalams as the Day page has always labelled them.
constexpr std::array<std::string_view, 3> kEnglishKalams = {"Rahu kalam", "Yamaganda",
                                                            "Gulika kalam"};

// The table of a language other than English, in the order of Language.
const Table* TableOf(Language language) {
  static constexpr std::array<const Table*, 9> kTables = {
      nullptr,
      &element_names::kHindi,
      &element_names::kMarathi,
      &element_names::kBengali,
      &element_names::kGujarati,
      &element_names::kTamil,
      &element_names::kTelugu,
      &element_names::kKannada,
      &element_names::kMalayalam,
  };
  const auto index = static_cast<std::size_t>(language);
  return index < kTables.size() ? kTables[index] : nullptr;
}

// Entry `value` of the language's list `list`, the English name where the
// language has no table, empty for None.
template <typename E, std::size_t N>
std::string_view Lookup(E value, Language language, std::array<std::string_view, N> Table::*list,
                        std::string_view english) {
  const auto index = static_cast<std::size_t>(value);
  if (index >= N) return {};
  const Table* table = TableOf(language);
  return table ? (table->*list)[index] : english;
}

}  // namespace

std::string_view NameOf(Nakshatra nakshatra, Language language) {
  return Lookup(nakshatra, language, &Table::nakshatras, NameOf(nakshatra));
}
std::string_view NameOf(Rashi rashi, Language language) {
  return Lookup(rashi, language, &Table::rashis, NameOf(rashi));
}
std::string_view NameOf(Tithi tithi, Language language) {
  return Lookup(tithi, language, &Table::tithis, NameOf(tithi));
}
std::string_view NameOf(Paksha paksha, Language language) {
  return Lookup(paksha, language, &Table::pakshas, NameOf(paksha));
}
std::string_view NameOf(Yoga yoga, Language language) {
  return Lookup(yoga, language, &Table::yogas, NameOf(yoga));
}
std::string_view NameOf(Karana karana, Language language) {
  return Lookup(karana, language, &Table::karanas, NameOf(karana));
}
std::string_view NameOf(Weekday weekday, Language language) {
  return Lookup(weekday, language, &Table::weekdays, NameOf(weekday));
}
std::string_view NameOf(Planet planet, Language language) {
  return Lookup(planet, language, &Table::planets, NameOf(planet));
}
std::string_view NameOf(KalamWord kalam, Language language) {
  const auto index = static_cast<std::size_t>(kalam);
  const std::string_view english = index < kEnglishKalams.size() ? kEnglishKalams[index] : "";
  return Lookup(kalam, language, &Table::kalams, english);
}

std::string_view NameOf(TithiGroup group, Language language) {
  return Lookup(group, language, &Table::tithiGroups, NameOf(group));
}

std::string_view GregorianMonthName(int month, Language language) {
  if (month < 1 || month > 12) return {};
  return Translated(kMonthNames[static_cast<std::size_t>(month - 1)], language);
}

std::string_view LagnaNameOf(Rashi rashi, Language language) {
  return language == Language::English ? LagnaNameOf(rashi) : NameOf(rashi, language);
}

std::string_view ChartText(const Chart& chart, int slot, Language language) {
  if (language == Language::English) return ChartText(chart, slot);
  return ReadChartSlot(chart, slot, [language](auto value) { return NameOf(value, language); });
}

}  // namespace horavela
