#pragma once

// Test rows name a chart's values as the program prints them or as the rule
// lists spell them ("Vrishcika" or "Vrischika", "Dwithiai" or "Dwitiya"):
// the value of such a name, None for a name of nothing. Verdicts are written
// as the report prints them ("Tara Stength - Favourable").

#include <string>
#include <string_view>
#include <vector>

#include "engine/vocabulary.h"

namespace horavela::testing {

template <typename E, typename... Texts>
E ValueNamed(std::string_view name, Texts... texts) {
  for (int i = 0; i < static_cast<int>(E::None); ++i) {
    const E value = static_cast<E>(i);
    if (((texts(value) == name) || ...)) return value;
  }
  return E::None;
}

inline Nakshatra NakshatraNamed(std::string_view name) {
  return ValueNamed<Nakshatra>(name, [](Nakshatra n) { return NameOf(n); });
}
inline Rashi RashiNamed(std::string_view name) {
  return ValueNamed<Rashi>(
      name, [](Rashi r) { return NameOf(r); }, [](Rashi r) { return LagnaNameOf(r); });
}
inline Tithi TithiNamed(std::string_view name) {
  return ValueNamed<Tithi>(
      name, [](Tithi t) { return NameOf(t); }, [](Tithi t) { return RuleNameOf(t); });
}
inline Yoga YogaNamed(std::string_view name) {
  if (name == "Veidhriti") return Yoga::Vaidhriti;  // as the rule lists spell it
  return ValueNamed<Yoga>(name, [](Yoga y) { return NameOf(y); });
}
inline Karana KaranaNamed(std::string_view name) {
  if (name == "Vishti") return Karana::Vishti;  // as the rule lists spell it
  return ValueNamed<Karana>(name, [](Karana k) { return NameOf(k); });
}
inline Weekday WeekdayOrNone(std::string_view name) {
  return ValueNamed<Weekday>(name, [](Weekday w) { return NameOf(w); });
}
inline Paksha PakshaNamed(std::string_view name) {
  return ValueNamed<Paksha>(name, [](Paksha p) { return NameOf(p); });
}
inline TithiGroup GroupNamed(std::string_view name) {
  return ValueNamed<TithiGroup>(name, [](TithiGroup g) { return NameOf(g); });
}
inline SolarMonth MonthNamed(std::string_view name) {
  return ValueNamed<SolarMonth>(name, [](SolarMonth m) { return NameOf(m); });
}

// --- Verdicts and strengths ---

// A run's verdicts as the report prints them.
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
