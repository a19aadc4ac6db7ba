#include "almanac/period_names.h"

#include "language/catalog.h"
#include "language/element_names.h"

namespace horavela {
namespace {

// "Dwithiai (Krishna)": the tithi, then its fortnight in parentheses.
std::string TithiIn(std::string_view english, Language language) {
  const std::size_t open = english.find(" (");
  if (open == std::string_view::npos || english.back() != ')')
    return std::string(NameIn(Tithi{}, english, language));
  const std::string_view fortnight = english.substr(open + 2, english.size() - open - 3);
  const Paksha paksha = fortnight == "Shukla"    ? Paksha::Shukla
                        : fortnight == "Krishna" ? Paksha::Krishna
                                                 : Paksha::None;
  std::string name(NameIn(Tithi{}, english.substr(0, open), language));
  name += " (";
  name += paksha == Paksha::None ? fortnight : NameOf(paksha, language);
  name += ')';
  return name;
}

// "Rohini pada 2": the nakshatra, then the quarter the Moon is in.
std::string NakshatraIn(std::string_view english, Language language) {
  constexpr std::string_view kPada = " pada ";
  const std::size_t at = english.find(kPada);
  if (at == std::string_view::npos) return std::string(NameIn(Nakshatra{}, english, language));
  return Formatted(
      Translated("%1 pada %2", language),
      {NameIn(Nakshatra{}, english.substr(0, at), language), english.substr(at + kPada.size())});
}

}  // namespace

std::string PeriodNameIn(ChartElement element, std::string_view english, Language language) {
  if (language == Language::English || english.empty()) return std::string(english);
  switch (element) {
    case ChartElement::kTithi:
      return TithiIn(english, language);
    case ChartElement::kNakshatra:
    case ChartElement::kNakshatraPada:
      return NakshatraIn(english, language);
    case ChartElement::kMoonSign:
    case ChartElement::kLagna:
      return std::string(NameIn(Rashi{}, english, language));
    case ChartElement::kYoga:
      return std::string(NameIn(Yoga{}, english, language));
    case ChartElement::kKarana:
      return std::string(NameIn(Karana{}, english, language));
  }
  return std::string(english);
}

}  // namespace horavela
