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
  std::string why;
};

std::string Counted(const char* what, int count) {
  return std::string("the groom's ") + what + " the " + OrdinalText(count) + " from the bride's";
}

template <std::size_t N>
bool Holds(const std::array<std::int8_t, N>& counts, int count) {
  return std::find(counts.begin(), counts.end(), count) != counts.end();
}

template <typename Class>
std::string Pair(Class groom, Class bride) {
  if (groom == bride) return "both " + std::string(NameOf(groom));
  return "groom " + std::string(NameOf(groom)) + ", bride " + std::string(NameOf(bride));
}

Outcome Dina(const Couple& c) {
  const int count = StarCount(c.bride.star, c.groom.star);
  return {Holds(kDinaCounts, count), Counted("star", count)};
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
  return {Holds(kMahendraCounts, count), Counted("star", count)};
}

Outcome StreeDeergha(const Couple& c) {
  const int count = StarCount(c.bride.star, c.groom.star);
  return {count >= kStreeDeerghaMinimum, Counted("star", count)};
}

Outcome YoniMatch(const Couple& c) {
  const Yoni groom = YoniOf(c.groom.star), bride = YoniOf(c.bride.star);
  const bool enemies = AreYoniEnemies(groom, bride);
  return {!enemies, Pair(groom, bride) + (enemies ? " (sworn enemies)" : "")};
}

Outcome Rasi(const Couple& c) {
  const int count = SignCount(c.bride.sign, c.groom.sign);
  return {kRasiAgrees[At(count - 1)], Counted("sign", count)};
}

// The lords agree unless either counts the other an enemy.
Outcome Rasyadhipati(const Couple& c) {
  const Planet groom = LordOf(c.groom.sign), bride = LordOf(c.bride.sign);
  const bool matched =
      RegardOf(groom, bride) != Regard::Enemy && RegardOf(bride, groom) != Regard::Enemy;
  return {matched, "lords " + std::string(NameOf(groom)) + " and " + std::string(NameOf(bride))};
}

bool Holds(Rashi sign, Rashi over) {
  const auto& signs = kVasyaSigns[At(IndexOf(sign))];
  return std::find(signs.begin(), signs.end(), over) != signs.end();
}

Outcome Vasya(const Couple& c) {
  const bool groomHolds = Holds(c.groom.sign, c.bride.sign);
  const bool brideHolds = Holds(c.bride.sign, c.groom.sign);
  const bool matched = c.groom.sign == c.bride.sign || groomHolds || brideHolds;
  std::string why = c.groom.sign == c.bride.sign ? "the same sign"
                    : brideHolds                 ? "the bride's sign holds the groom's"
                    : groomHolds                 ? "the groom's sign holds the bride's"
                                                 : "neither sign holds the other";
  return {matched, why};
}

Outcome RajjuMatch(const Couple& c) {
  const Rajju groom = RajjuOf(c.groom.star), bride = RajjuOf(c.bride.star);
  return {groom != bride, Pair(groom, bride)};
}

Outcome Vedha(const Couple& c) {
  const bool pierce = PierceEachOther(c.groom.star, c.bride.star);
  return {!pierce, std::string(NameOf(c.groom.star)) + " and " + std::string(NameOf(c.bride.star)) +
                       (pierce ? " pierce each other" : " do not pierce each other")};
}

struct PoruthamRow {
  std::string_view name;
  Outcome (*check)(const Couple&);
  bool deciding;
};
constexpr std::array<PoruthamRow, kPoruthamCount> kPoruthams = {{
    {"Dina", Dina, false},
    {"Gana", GanaMatch, false},
    {"Mahendra", Mahendra, false},
    {"Stree-deergha", StreeDeergha, false},
    {"Yoni", YoniMatch, false},
    {"Rasi", Rasi, false},
    {"Rasyadhipati", Rasyadhipati, false},
    {"Vasya", Vasya, false},
    {"Rajju", RajjuMatch, true},
    {"Vedha", Vedha, true},
}};

}  // namespace

std::string_view NameOf(Porutham porutham) {
  return kPoruthams[At(porutham)].name;
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
    check.reason = std::string(row.name) + ": " + outcome.why +
                   (outcome.matched ? ", matched" : ", not matched");
    result.matchedCount += outcome.matched ? 1 : 0;
    if (row.deciding && !outcome.matched) result.decidingFailed = true;
  }
  return result;
}

}  // namespace horavela::matching
