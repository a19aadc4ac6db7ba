#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/vocabulary.h"

// The rule tables of the tests write verdicts as the report prints them; these
// turn the typed verdicts into that text, and a strength the tests write as a
// word into the engine's value.
namespace horavela::testing {

inline std::vector<std::string> Texts(const std::vector<FactorVerdict>& verdicts) {
  std::vector<std::string> texts;
  for (const FactorVerdict& verdict : verdicts) texts.push_back(TextOf(verdict));
  return texts;
}

// "Unfavourable", "Favourable", "Very Favourable"; any other text stands for a
// strength no procedure leaves (Word::None).
inline Word StrengthWord(std::string_view text) {
  for (Word word : {Word::Unfavourable, Word::Favourable, Word::VeryFavourable}) {
    if (NameOf(word) == text) return word;
  }
  return Word::None;
}

// The verdict printed as `text`, found in the text tables; an empty verdict
// for a text no factor and word print.
inline FactorVerdict VerdictWithText(std::string_view text) {
  for (int f = 0; f <= static_cast<int>(Factor::None); ++f) {
    for (int w = 1; w <= static_cast<int>(Word::Uafvourable); ++w) {
      const FactorVerdict verdict{static_cast<Factor>(f), static_cast<Word>(w)};
      if (TextOf(verdict) == text) return verdict;
    }
  }
  return {};
}

inline std::vector<FactorVerdict> VerdictsWithTexts(const std::vector<std::string>& texts) {
  std::vector<FactorVerdict> verdicts;
  for (const std::string& text : texts) verdicts.push_back(VerdictWithText(text));
  return verdicts;
}

}  // namespace horavela::testing
