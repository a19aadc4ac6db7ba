#include "almanac/period_names.h"

#include <array>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "language/catalog.h"
#include "panchang/strengths.h"

namespace horavela {

namespace {

// The named muhurtas as the Day page and the CLI have always written them;
// the catalog holds each one's words in the other languages.
constexpr std::array<std::string_view, 8> kMuhurtaNames = {
    "Abhijit muhurta", "Vijaya muhurta", "Sayahna sandhya", "Pradosh",
    "Nishita kaal",    "Brahma muhurta", "Pratah sandhya",  "Godhuli"};

// The tithi with its fortnight in parentheses: English writes the
// fortnight's first word ("Dwadasi (Shukla)"), another language its whole
// name ("द्वादशी (शुक्ल पक्ष)").
std::string TithiName(const PeriodName& name, Language language) {
  const std::string_view tithi = NameOf(FromIndex<Tithi>(name.value), language);
  std::string_view fortnight = NameOf(FromIndex<Paksha>(name.detail), language);
  if (language == Language::English) fortnight = fortnight.substr(0, fortnight.find(' '));
  return Formatted("%1 (%2)", {tithi, fortnight});
}

std::string NakshatraName(const PeriodName& name, Language language) {
  const std::string_view nakshatra = NameOf(FromIndex<Nakshatra>(name.value), language);
  if (name.detail == 0) return std::string(nakshatra);
  return Formatted(Translated("%1 pada %2", language), {nakshatra, std::to_string(name.detail)});
}

std::string DurmuhurtaName(const PeriodName& name, Language language) {
  const std::string_view pattern =
      name.detail != 0 ? "Muhurta %1 of the night" : "Muhurta %1 of the day";
  return Formatted(Translated(pattern, language), {std::to_string(name.value)});
}

std::string_view MuhurtaName(int index, Language language) {
  if (index < 0 || index >= static_cast<int>(kMuhurtaNames.size())) return {};
  return Translated(kMuhurtaNames[static_cast<std::size_t>(index)], language);
}

std::string_view TaraName(int number, Language language) {
  const std::string_view english = TaraNameOf(number);
  return english.empty() ? english : Translated(english, language);
}

}  // namespace

std::string NameOf(const PeriodName& name, Language language) {
  const int value = name.value;
  switch (name.kind) {
    case PeriodKind::None:
      return {};
    case PeriodKind::Tithi:
      return TithiName(name, language);
    case PeriodKind::Nakshatra:
      return NakshatraName(name, language);
    case PeriodKind::Yoga:
      return std::string(NameOf(FromIndex<Yoga>(value), language));
    case PeriodKind::Karana:
      return std::string(NameOf(FromIndex<Karana>(value), language));
    case PeriodKind::MoonSign:
      return std::string(NameOf(FromIndex<Rashi>(value), language));
    case PeriodKind::Lagna:
      return std::string(LagnaNameOf(FromIndex<Rashi>(value), language));
    case PeriodKind::Hora:
      return std::string(NameOf(FromIndex<Planet>(value), language));
    case PeriodKind::Kalam:
      return std::string(NameOf(FromIndex<KalamWord>(value), language));
    case PeriodKind::Muhurta:
      return std::string(MuhurtaName(value, language));
    case PeriodKind::Durmuhurta:
      return DurmuhurtaName(name, language);
    case PeriodKind::Choghadiya:
      return std::string(NameOf(FromIndex<Choghadiya>(value), language));
    case PeriodKind::Gowri:
      return std::string(NameOf(FromIndex<Gowri>(value), language));
    case PeriodKind::Tara:
      return std::string(TaraName(value, language));
  }
  return {};
}

std::string NameOf(const Period& period, Language language) {
  if (language == Language::English || period.term.kind == PeriodKind::None) return period.name;
  return NameOf(period.term, language);
}

}  // namespace horavela
