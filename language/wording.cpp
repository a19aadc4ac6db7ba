#include "language/wording.h"

#include <algorithm>

#include "language/catalog.h"

namespace horavela {

namespace {

std::string NameIn(const Wording& name, Language language) {
  if (language == Language::English) return name.english;
  const std::string_view named = std::visit(
      [language](auto element) -> std::string_view {
        if constexpr (std::is_same_v<decltype(element), std::monostate>) {
          return {};
        } else {
          return NameOf(element, language);
        }
      },
      name.element);
  return named.empty() ? name.english : std::string(named);
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

}  // namespace horavela
