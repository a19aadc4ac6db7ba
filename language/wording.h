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
#include "language/term_names.h"

// A sentence kept as what it says until a reader's language is known: an
// English pattern, which is the catalog's key, and the parts its %1 .. %9
// stand for. A part is a wording of its own, a text said as it is (a clock, a
// number), the name of an element or of a term of matching and the vetoes,
// which each language spells from its own table, an ordinal or a civil date.
// So the one computed text can be shown in any language, and in English it
// reads exactly as it was put together.
namespace horavela {

// The `index`th term of a list of term_names.h (a koota, a veto, a lunar month).
struct NamedTerm {
  TermSet set = TermSet::Koota;
  int index = 0;
  bool operator==(const NamedTerm&) const = default;
};

// The elements a wording can name.
using NamedElement = std::variant<std::monostate, Nakshatra, Rashi, Tithi, Paksha, Yoga, Karana,
                                  Weekday, Planet, KalamWord, TithiGroup, NamedTerm>;

struct Wording {
  enum class Kind : std::uint8_t { kPattern, kAsIs, kName, kOrdinal, kDate };
  Kind kind = Kind::kAsIs;
  // The pattern, the text itself, or the name as the English text spells it.
  std::string english;
  NamedElement element;
  std::vector<Wording> parts;
  // An ordinal's count; a date as year * 10000 + month * 100 + day.
  int number = 0;

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
// An element's name, in English as its table spells it.
Wording NameWord(NamedElement element);
// The sign the Sun enters at a sankranti, in English as the vetoes spell it
// (SankrantiSpelling).
Wording SankrantiNamed(Rashi sign);
// The `index`th term of `set` ("Nadi", "Kharmas", "Pausha").
Wording TermNamed(TermSet set, int index);
// "3rd" in English; in every other language the bare number, and the
// sentence around it says "the third" its own way, right for any number
// (क्रमांक %1, %1-வது, %1ನೇ): Hindi and Gujarati endings change with the
// number and the noun's gender, which a suffix table cannot know.
Wording Ordinal(int n);
// "14 January 2026", the month named through the catalog; a month outside
// the year keeps its number.
Wording CivilDateOf(int year, int month, int day);
// `items` joined by `separator` ("; "), as one wording; an empty text for none.
Wording Joined(std::vector<Wording> items, std::string_view separator);
// The row `slot` of `chart` as ChartText names it.
Wording ChartName(const Chart& chart, int slot);

// The wording in `language`; a pattern the catalog lacks reads in English.
std::string TextOf(const Wording& wording, Language language = Language::English);
std::vector<std::string> TextsOf(const std::vector<Wording>& wordings,
                                 Language language = Language::English);

// The patterns of `wording` and of its parts, each once, in order met: the
// keys a catalog needs to say it.
std::vector<std::string> PatternsOf(const Wording& wording);

// The sign the Sun enters at a sankranti as the vetoes name it in English
// ("Karka", "Tula", "Dhanu"; the chart writes "Kataka", "Thula", "Dhanus"),
// 0 for Mesha; empty outside the twelve.
std::string_view SankrantiSpelling(int sign);

// "1st", "2nd", "3rd", "11th", "22nd".
std::string EnglishOrdinal(int n);

}  // namespace horavela
