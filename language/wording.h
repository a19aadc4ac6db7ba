#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/chart.h"
#include "engine/vocabulary.h"
#include "language/element_names.h"
#include "language/language.h"

// A sentence kept as what it says until a reader's language is known: an
// English pattern, which is the catalog's key, and the parts its %1 .. %9
// stand for. A part is a wording of its own, a text said as it is (a clock, a
// number) or the name of an element, which each language spells from its own
// table. So the one computed text can be shown in any language, and in
// English it reads exactly as it was put together.
namespace horavela {

// The elements a wording can name.
using NamedElement = std::variant<std::monostate, Nakshatra, Rashi, Tithi, Paksha, Yoga, Karana,
                                  Weekday, Planet, KalamWord>;

struct Wording {
  enum class Kind : std::uint8_t { kPattern, kAsIs, kName };
  Kind kind = Kind::kAsIs;
  // The pattern, the text itself, or the name as the English text spells it.
  std::string english;
  NamedElement element;
  std::vector<Wording> parts;

  bool operator==(const Wording&) const = default;
};

// `pattern` (English, with %1 .. %9) with its parts, translated through the
// catalog.
Wording Worded(std::string_view pattern, std::vector<Wording> parts = {});
// A text that reads the same in every language.
Wording AsIs(std::string text);
// An element's name: `english` in English (the spelling the sentence has
// always used), NameOf(element, language) in another.
Wording NameWord(NamedElement element, std::string_view english);
// The row `slot` of `chart` as ChartText names it.
Wording ChartName(const Chart& chart, int slot);

// The wording in `language`; a pattern the catalog lacks reads in English.
std::string TextOf(const Wording& wording, Language language = Language::English);
std::vector<std::string> TextsOf(const std::vector<Wording>& wordings,
                                 Language language = Language::English);

// The patterns of `wording` and of its parts, each once, in order met: the
// keys a catalog needs to say it.
std::vector<std::string> PatternsOf(const Wording& wording);

}  // namespace horavela
