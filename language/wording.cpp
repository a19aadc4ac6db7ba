#include "language/wording.h"

#include <algorithm>
#include <array>

#include "language/catalog.h"

namespace horavela {

namespace {

std::string_view ElementName(const NamedElement& element, Language language) {
  return std::visit(
      [language](auto named) -> std::string_view {
        using Named = decltype(named);
        if constexpr (std::is_same_v<Named, std::monostate>) {
          return {};
        } else if constexpr (std::is_same_v<Named, NamedTerm>) {
          return TermName(named.set, named.index, language);
        } else {
          return NameOf(named, language);
        }
      },
      element);
}

std::string NameIn(const Wording& name, Language language) {
  if (language == Language::English) return name.english;
  const std::string_view named = ElementName(name.element, language);
  return named.empty() ? name.english : std::string(named);
}

// "2 March 1996"; a month the input checks would refuse keeps its number.
std::string DateIn(int packed, Language language) {
  const int year = packed / 10000, month = packed / 100 % 100, day = packed % 100;
  const bool named = month >= 1 && month <= 12;
  return std::to_string(day) + " " +
         (named ? std::string(GregorianMonthName(month, language)) : std::to_string(month)) + " " +
         std::to_string(year);
}

void CollectPatterns(const Wording& wording, std::vector<std::string>& patterns) {
  if (wording.kind == Wording::Kind::kPattern &&
      std::find(patterns.begin(), patterns.end(), wording.english) == patterns.end())
    patterns.push_back(wording.english);
  for (const Wording& part : wording.parts) CollectPatterns(part, patterns);
}

}  // namespace

Wording Worded(std::string_view pattern, std::vector<Wording> parts) {
  return {Wording::Kind::kPattern, std::string(pattern), {}, std::move(parts)};
}

Wording AsIs(std::string text) {
  return {Wording::Kind::kAsIs, std::move(text), {}, {}};
}

Wording NameWord(NamedElement element, std::string_view english) {
  return {Wording::Kind::kName, std::string(english), element, {}};
}

Wording NameWord(NamedElement element) {
  const std::string_view english = ElementName(element, Language::English);
  return NameWord(std::move(element), english);
}

Wording SankrantiNamed(Rashi sign) {
  return NameWord(sign, SankrantiSpelling(IndexOf(sign)));
}

Wording TermNamed(TermSet set, int index) {
  return NameWord(NamedTerm{set, index});
}

Wording Ordinal(int n) {
  Wording ordinal{Wording::Kind::kOrdinal, EnglishOrdinal(n), {}, {}};
  ordinal.number = n;
  return ordinal;
}

Wording CivilDateOf(int year, int month, int day) {
  Wording date{Wording::Kind::kDate, {}, {}, {}};
  date.number = year * 10000 + month * 100 + day;
  return date;
}

Wording Joined(std::vector<Wording> items, std::string_view separator) {
  if (items.empty()) return AsIs("");
  Wording joined = std::move(items.front());
  for (std::size_t i = 1; i < items.size(); ++i) {
    joined = Worded(std::string("%1").append(separator).append("%2"),
                    {std::move(joined), std::move(items[i])});
  }
  return joined;
}

Wording ChartName(const Chart& chart, int slot) {
  return NameWord(ReadChartSlot(chart, slot, [](auto value) { return NamedElement(value); }),
                  ChartText(chart, slot));
}

std::string TextOf(const Wording& wording, Language language) {
  switch (wording.kind) {
    case Wording::Kind::kAsIs:
      return wording.english;
    case Wording::Kind::kName:
      return NameIn(wording, language);
    case Wording::Kind::kOrdinal:
      return language == Language::English ? wording.english : std::to_string(wording.number);
    case Wording::Kind::kDate:
      return DateIn(wording.number, language);
    case Wording::Kind::kPattern:
      break;
  }
  std::vector<std::string> parts;
  for (const Wording& part : wording.parts) parts.push_back(TextOf(part, language));
  const std::vector<std::string_view> views(parts.begin(), parts.end());
  return Formatted(Translated(wording.english, language), views);
}

std::vector<std::string> TextsOf(const std::vector<Wording>& wordings, Language language) {
  std::vector<std::string> texts;
  for (const Wording& wording : wordings) texts.push_back(TextOf(wording, language));
  return texts;
}

std::vector<std::string> PatternsOf(const Wording& wording) {
  std::vector<std::string> patterns;
  CollectPatterns(wording, patterns);
  return patterns;
}

std::string_view SankrantiSpelling(int sign) {
  static constexpr std::array<std::string_view, 12> kSpellings = {
      "Mesha", "Vrishabha", "Mithuna", "Karka",  "Simha",  "Kanya",
      "Tula",  "Vrischika", "Dhanu",   "Makara", "Kumbha", "Meena",
  };
  return sign >= 0 && sign < 12 ? kSpellings[static_cast<std::size_t>(sign)] : std::string_view{};
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
