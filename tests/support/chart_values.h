#pragma once

// Test rows name a chart's values as the program prints them or as the rule
// lists spell them ("Vrishcika" or "Vrischika", "Dwithiai" or "Dwitiya"):
// the value of such a name, None for a name of nothing.

#include <string_view>

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

}  // namespace horavela::testing
