#include "language/phrase.h"

#include "language/catalog.h"
#include "language/element_names.h"

namespace horavela {

namespace {

std::string_view NamedIn(const Phrase& phrase, Language language) {
  switch (phrase.name) {
    case NameKind::Nakshatra:
      return NameOf(FromIndex<Nakshatra>(phrase.index), language);
    case NameKind::Rashi:
      return NameOf(FromIndex<Rashi>(phrase.index), language);
    case NameKind::Sankranti:
      return language == Language::English ? SankrantiSpelling(phrase.index)
                                           : NameOf(FromIndex<Rashi>(phrase.index), language);
    case NameKind::Planet:
      return NameOf(FromIndex<Planet>(phrase.index), language);
    case NameKind::Term:
      return TermName(phrase.term, phrase.index, language);
  }
  return {};
}

std::string DateIn(int packed, Language language) {
  const int year = packed / 10000, month = packed / 100 % 100, day = packed % 100;
  if (month < 1 || month > 12) return {};
  const std::string_view name = GregorianMonthName(month, language);
  return std::to_string(day) + " " + std::string(name) + " " + std::to_string(year);
}

}  // namespace

std::string_view SankrantiSpelling(int sign) {
  static constexpr std::array<std::string_view, 12> kSpellings = {
      "Mesha", "Vrishabha", "Mithuna", "Karka",  "Simha",  "Kanya",
      "Tula",  "Vrischika", "Dhanu",   "Makara", "Kumbha", "Meena",
  };
  return sign >= 0 && sign < 12 ? kSpellings[static_cast<std::size_t>(sign)] : std::string_view{};
}

Phrase Sentence(std::string_view pattern, std::vector<Phrase> parts) {
  Phrase phrase;
  phrase.kind = Phrase::Kind::Sentence;
  phrase.text = std::string(pattern);
  phrase.parts = std::move(parts);
  return phrase;
}

Phrase Literal(std::string text) {
  Phrase phrase;
  phrase.text = std::move(text);
  return phrase;
}

Phrase NameOfKind(NameKind kind, int index) {
  Phrase phrase;
  phrase.kind = Phrase::Kind::Name;
  phrase.name = kind;
  phrase.index = index;
  return phrase;
}

Phrase TermNamed(TermSet set, int index) {
  Phrase phrase = NameOfKind(NameKind::Term, index);
  phrase.term = set;
  return phrase;
}

Phrase Ordinal(int n) {
  Phrase phrase;
  phrase.kind = Phrase::Kind::Ordinal;
  phrase.index = n;
  return phrase;
}

Phrase CivilDateOf(int year, int month, int day) {
  Phrase phrase;
  phrase.kind = Phrase::Kind::Date;
  phrase.index = year * 10000 + month * 100 + day;
  return phrase;
}

Phrase Joined(std::vector<Phrase> items, std::string_view separator) {
  if (items.empty()) return Literal("");
  Phrase joined = std::move(items.front());
  for (std::size_t i = 1; i < items.size(); ++i) {
    joined = Sentence(std::string("%1").append(separator).append("%2"),
                      {std::move(joined), std::move(items[i])});
  }
  return joined;
}

std::string Said(const Phrase& phrase, Language language) {
  switch (phrase.kind) {
    case Phrase::Kind::Literal:
      return phrase.text;
    case Phrase::Kind::Name:
      return std::string(NamedIn(phrase, language));
    case Phrase::Kind::Ordinal:
      return language == Language::English ? EnglishOrdinal(phrase.index)
                                           : std::to_string(phrase.index);
    case Phrase::Kind::Date:
      return DateIn(phrase.index, language);
    case Phrase::Kind::Sentence:
      break;
  }
  std::vector<std::string> parts;
  parts.reserve(phrase.parts.size());
  for (const Phrase& part : phrase.parts) parts.push_back(Said(part, language));
  std::vector<std::string_view> views(parts.begin(), parts.end());
  return Formatted(Translated(phrase.text, language), std::span<const std::string_view>(views));
}

std::string EnglishOrdinal(int n) {
  const int tens = n % 100;
  const int units = n % 10;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                       : units == 1               ? "st"
                       : units == 2               ? "nd"
                       : units == 3               ? "rd"
                                                  : "th";
  return std::to_string(n) + suffix;
}

}  // namespace horavela
