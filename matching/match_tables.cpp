#include "matching/match_tables.h"

#include <algorithm>

namespace horavela::matching {

namespace {

// The classes' names live in the language layer, with their spellings in
// every language; English is the one the reasons have always printed.
std::string_view Entry(TermSet set, auto value) {
  return TermName(set, static_cast<int>(value), Language::English);
}

template <typename T, std::size_t N>
T StarEntry(const std::array<T, N>& table, Nakshatra star) {
  return table[static_cast<std::size_t>(IndexOf(star))];
}

constexpr Regard F = Regard::Friend, N = Regard::Neutral, E = Regard::Enemy;
// clang-format off
// How the planet down the side regards the one across (Brihat Parashara Hora
// Shastra, the natural relationships).
constexpr std::array<std::array<Regard, 7>, 7> kNaturalRegard = {{
  // Sun Moon Merc Ven Mars Jup  Sat
  {{  F,   F,   N,  E,   F,   F,   E }},  // Sun
  {{  F,   F,   F,  N,   N,   N,   N }},  // Moon
  {{  F,   E,   F,  F,   N,   N,   N }},  // Mercury
  {{  E,   E,   F,  F,   N,   N,   F }},  // Venus
  {{  F,   F,   E,  N,   F,   F,   N }},  // Mars
  {{  F,   F,   E,  E,   F,   F,   N }},  // Jupiter
  {{  E,   E,   F,  F,   E,   N,   F }},  // Saturn
}};
// clang-format on

}  // namespace

std::string_view NameOf(Varna varna) {
  return Entry(TermSet::Varna, varna);
}
std::string_view NameOf(Vashya vashya) {
  return Entry(TermSet::Vashya, vashya);
}
std::string_view NameOf(Yoni yoni) {
  return Entry(TermSet::Yoni, yoni);
}
std::string_view NameOf(Gana gana) {
  return Entry(TermSet::Gana, gana);
}
std::string_view NameOf(Nadi nadi) {
  return Entry(TermSet::Nadi, nadi);
}
std::string_view NameOf(Rajju rajju) {
  return Entry(TermSet::Rajju, rajju);
}
std::string_view NameOf(Regard regard) {
  return Entry(TermSet::Regard, regard);
}

Varna VarnaOf(Rashi sign) {
  return kVarnaOfSign[static_cast<std::size_t>(IndexOf(sign))];
}
Yoni YoniOf(Nakshatra star) {
  return StarEntry(kYoniOfStar, star);
}
Gana GanaOf(Nakshatra star) {
  return StarEntry(kGanaOfStar, star);
}
Nadi NadiOf(Nakshatra star) {
  return StarEntry(kNadiOfStar, star);
}
Rajju RajjuOf(Nakshatra star) {
  return StarEntry(kRajjuOfStar, star);
}

Regard RegardOf(Planet planet, Planet other) {
  const int a = IndexOf(planet), b = IndexOf(other);
  if (a < 0 || a >= 7 || b < 0 || b >= 7) return Regard::Neutral;
  return kNaturalRegard[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
}

bool AreYoniEnemies(Yoni a, Yoni b) {
  return std::any_of(kYoniEnemies.begin(), kYoniEnemies.end(), [&](const auto& pair) {
    return (pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a);
  });
}

bool PierceEachOther(Nakshatra a, Nakshatra b) {
  return std::any_of(kVedhaPairs.begin(), kVedhaPairs.end(), [&](const auto& pair) {
    return (pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a);
  });
}

int StarCount(Nakshatra from, Nakshatra to) {
  return (IndexOf(to) - IndexOf(from) + 27) % 27 + 1;
}

int SignCount(Rashi from, Rashi to) {
  return (IndexOf(to) - IndexOf(from) + 12) % 12 + 1;
}

}  // namespace horavela::matching
