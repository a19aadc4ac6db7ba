#include "matching/poruthams.h"

#include <algorithm>

#include "matching/match_tables.h"

namespace horavela::matching {

namespace {

std::size_t At(auto value) {
  return static_cast<std::size_t>(value);
}

struct Outcome {
  bool matched;
  Wording why;
};

// The groom's star (or sign) counted from the bride's.
Wording StarCounted(int count) {
  return Worded("the groom's star the %1 from the bride's", {Ordinal(count)});
}
Wording SignCounted(int count) {
  return Worded("the groom's sign the %1 from the bride's", {Ordinal(count)});
}

template <std::size_t N>
bool Holds(const std::array<std::int8_t, N>& counts, int count) {
  return std::find(counts.begin(), counts.end(), count) != counts.end();
}

template <typename Class>
Wording Pair(Class groom, Class bride) {
  if (groom == bride) return Worded("both %1", {Named(groom)});
  return Worded("groom %1, bride %2", {Named(groom), Named(bride)});
}

Outcome Dina(const Couple& c) {
  const int count = StarCount(c.bride.star, c.groom.star);
  return {Holds(kDinaCounts, count), StarCounted(count)};
}

// The same gana agrees, and Deva with Manushya either way; a Rakshasa with
// anyone else does not.
Outcome GanaMatch(const Couple& c) {
  const Gana groom = GanaOf(c.groom.star), bride = GanaOf(c.bride.star);
  const bool matched = groom == bride || (groom != Gana::Rakshasa && bride != Gana::Rakshasa);
  return {matched, Pair(groom, bride)};
}

Outcome Mahendra(const Couple& c) {
  const int count = StarCount(c.bride.star, c.groom.star);
  return {Holds(kMahendraCounts, count), StarCounted(count)};
}

Outcome StreeDeergha(const Couple& c) {
  const int count = StarCount(c.bride.star, c.groom.star);
  return {count >= kStreeDeerghaMinimum, StarCounted(count)};
}

Outcome YoniMatch(const Couple& c) {
  const Yoni groom = YoniOf(c.groom.star), bride = YoniOf(c.bride.star);
  const bool enemies = AreYoniEnemies(groom, bride);
  return {!enemies, enemies
                        ? Worded("groom %1, bride %2 (sworn enemies)", {Named(groom), Named(bride)})
                        : Pair(groom, bride)};
}

Outcome Rasi(const Couple& c) {
  const int count = SignCount(c.bride.sign, c.groom.sign);
  return {kRasiAgrees[At(count - 1)], SignCounted(count)};
}

// The lords agree unless either counts the other an enemy.
Outcome Rasyadhipati(const Couple& c) {
  const Planet groom = LordOf(c.groom.sign), bride = LordOf(c.bride.sign);
  const bool matched =
      RegardOf(groom, bride) != Regard::Enemy && RegardOf(bride, groom) != Regard::Enemy;
  return {matched, Worded("lords %1 and %2", {Named(groom), Named(bride)})};
}

bool Holds(Rashi sign, Rashi over) {
  const auto& signs = kVasyaSigns[At(IndexOf(sign))];
  return std::find(signs.begin(), signs.end(), over) != signs.end();
}

Outcome Vasya(const Couple& c) {
  const bool groomHolds = Holds(c.groom.sign, c.bride.sign);
  const bool brideHolds = Holds(c.bride.sign, c.groom.sign);
  const bool matched = c.groom.sign == c.bride.sign || groomHolds || brideHolds;
  return {matched, Worded(c.groom.sign == c.bride.sign ? "the same sign"
                          : brideHolds                 ? "the bride's sign holds the groom's"
                          : groomHolds                 ? "the groom's sign holds the bride's"
                                                       : "neither sign holds the other")};
}

Outcome RajjuMatch(const Couple& c) {
  const Rajju groom = RajjuOf(c.groom.star), bride = RajjuOf(c.bride.star);
  return {groom != bride, Pair(groom, bride)};
}

Outcome Vedha(const Couple& c) {
  const bool pierce = PierceEachOther(c.groom.star, c.bride.star);
  return {!pierce,
          Worded(pierce ? "%1 and %2 pierce each other" : "%1 and %2 do not pierce each other",
                 {Named(c.groom.star), Named(c.bride.star)})};
}

// In the order of the enum; the names are the language layer's.
struct PoruthamRow {
  Outcome (*check)(const Couple&);
  bool deciding;
};
constexpr std::array<PoruthamRow, kPoruthamCount> kPoruthams = {{
    {Dina, false},
    {GanaMatch, false},
    {Mahendra, false},
    {StreeDeergha, false},
    {YoniMatch, false},
    {Rasi, false},
    {Rasyadhipati, false},
    {Vasya, false},
    {RajjuMatch, true},
    {Vedha, true},
}};

}  // namespace

std::string_view NameOf(Porutham porutham) {
  return NameOf(porutham, Language::English);
}
std::string_view NameOf(Porutham porutham, Language language) {
  return TermName(TermSet::Porutham, static_cast<int>(porutham), language);
}

Poruthams CheckPoruthams(const Couple& couple) {
  Poruthams result;
  for (int i = 0; i < kPoruthamCount; ++i) {
    const PoruthamRow& row = kPoruthams[At(i)];
    const Outcome outcome = row.check(couple);
    PoruthamCheck& check = result.checks[At(i)];
    check.porutham = static_cast<Porutham>(i);
    check.matched = outcome.matched;
    check.deciding = row.deciding;
    check.why = Worded(outcome.matched ? "%1: %2, matched" : "%1: %2, not matched",
                       {TermNamed(TermSet::Porutham, i), outcome.why});
    check.reason = TextOf(check.why, Language::English);
    result.matchedCount += outcome.matched ? 1 : 0;
    if (row.deciding && !outcome.matched) result.decidingFailed = true;
  }
  return result;
}

}  // namespace horavela::matching
