#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "language/language.h"
#include "language/term_names.h"

// A sentence the core writes for a reader, kept as data until a language is
// chosen: which rule says it (its English pattern, the catalog's key), and
// what it names (stars, signs, planets, the terms of matching and the
// vetoes), the numbers it counts and the dates it gives. Said() writes it in
// a language; in English it is the sentence the program has always written.
namespace horavela {

// What a stretch of sky is named by: the Moon's star, a sign (as the
// sankranti is named in English, "Dhanu"; or as the chart names it,
// "Dhanus"), a planet, a term of matching or a veto.
enum class NameKind : std::int8_t { Nakshatra, Rashi, Sankranti, Planet, Term };

struct Phrase {
  enum class Kind : std::int8_t {
    Sentence,  // `text` the English pattern with %1.. for `parts`
    Literal,   // `text` written as it is in every language (a number, a clock time)
    Name,      // `name` `index` (and `term` for a term)
    Ordinal,   // `index`: "3rd" in English, the bare number in a sentence that says the rest
    Date,      // `index` as year * 10000 + month * 100 + day: "14 January 2026"
  };
  Kind kind = Kind::Literal;
  std::string text;
  NameKind name = NameKind::Nakshatra;
  TermSet term = TermSet::Koota;
  int index = 0;
  std::vector<Phrase> parts;
  bool operator==(const Phrase&) const = default;
};

// A sentence of `pattern`, its placeholders filled by `parts` in order.
Phrase Sentence(std::string_view pattern, std::vector<Phrase> parts = {});
Phrase Literal(std::string text);
Phrase NameOfKind(NameKind kind, int index);
Phrase TermNamed(TermSet set, int index);
Phrase Ordinal(int n);
Phrase CivilDateOf(int year, int month, int day);
// `items` joined by `separator` ("; "), as one phrase; an empty phrase for none.
Phrase Joined(std::vector<Phrase> items, std::string_view separator);

// The phrase in `language`: each sentence's pattern through the catalog
// (English where it has none), each name from the language's table.
std::string Said(const Phrase& phrase, Language language);

// The sign the Sun enters at a sankranti as the vetoes name it in English
// ("Karka", "Tula", "Dhanu"; the chart writes "Kataka", "Thula", "Dhanus"),
// 0 for Mesha; empty outside the twelve.
std::string_view SankrantiSpelling(int sign);

// "1st", "2nd", "3rd", "11th", "22nd".
std::string EnglishOrdinal(int n);

}  // namespace horavela
