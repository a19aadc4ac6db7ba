#include "matching/ashtakoota.h"

#include <utility>

#include "matching/match_tables.h"

namespace horavela::matching {

namespace {

struct KootaRow {
  std::string_view name;
  int maxHalves;
};
constexpr std::array<KootaRow, kKootaCount> kKootas = {{
    {"Varna", 2},
    {"Vashya", 4},
    {"Tara", 6},
    {"Yoni", 8},
    {"Graha maitri", 10},
    {"Gana", 12},
    {"Bhakoot", 14},
    {"Nadi", 16},
}};

std::size_t At(auto value) {
  return static_cast<std::size_t>(value);
}

// "groom Kshatriya, bride Brahmin"
template <typename Class>
std::string Pair(Class groom, Class bride) {
  return "groom " + std::string(NameOf(groom)) + ", bride " + std::string(NameOf(bride));
}

struct Scored {
  int halves;
  std::string why;
  std::string groom;  // what the koota reads of each: a class, a star, a lord or a sign
  std::string bride;
};

template <typename Class>
Scored Classes(int halves, std::string why, Class groom, Class bride) {
  return {halves, std::move(why), std::string(NameOf(groom)), std::string(NameOf(bride))};
}

Vashya VashyaOf(const BirthMoon& moon) {
  const VashyaOfSign& row = kVashyaOfSign[At(IndexOf(moon.sign))];
  return moon.degreesInSign < 15 ? row.firstHalf : row.secondHalf;
}

Scored ScoreVarna(const Couple& c) {
  const Varna groom = VarnaOf(c.groom.sign), bride = VarnaOf(c.bride.sign);
  // Brahmin ranks first: the groom's class must be the bride's or above it.
  return Classes(groom <= bride ? 2 : 0, Pair(groom, bride), groom, bride);
}

Scored ScoreVashya(const Couple& c) {
  const Vashya groom = VashyaOf(c.groom), bride = VashyaOf(c.bride);
  return Classes(kVashyaHalves[At(groom)][At(bride)], Pair(groom, bride), groom, bride);
}

// The tara of `to` counted from `from`: 1..9.
int TaraOf(Nakshatra from, Nakshatra to) {
  return (StarCount(from, to) - 1) % 9 + 1;
}

Scored ScoreTara(const Couple& c) {
  const int fromGroom = TaraOf(c.groom.star, c.bride.star);
  const int fromBride = TaraOf(c.bride.star, c.groom.star);
  const int halves =
      (kTaraIsBad[At(fromGroom - 1)] ? 0 : 3) + (kTaraIsBad[At(fromBride - 1)] ? 0 : 3);
  return Classes(halves,
                 "the bride's star the " + OrdinalText(fromGroom) + " tara from the groom's, the " +
                     "groom's the " + OrdinalText(fromBride) + " from the bride's",
                 c.groom.star, c.bride.star);
}

Scored ScoreYoni(const Couple& c) {
  const Yoni groom = YoniOf(c.groom.star), bride = YoniOf(c.bride.star);
  std::string why = Pair(groom, bride);
  if (AreYoniEnemies(groom, bride)) why += " (sworn enemies)";
  return Classes(2 * kYoniPoints[At(groom)][At(bride)], why, groom, bride);
}

Scored ScoreMaitri(const Couple& c) {
  const Planet groom = LordOf(c.groom.sign), bride = LordOf(c.bride.sign);
  const Regard toBride = RegardOf(groom, bride), toGroom = RegardOf(bride, groom);
  std::string why = "lords " + std::string(NameOf(groom)) + " and " + std::string(NameOf(bride));
  if (groom == bride) return Classes(10, why + ", one lord", groom, bride);
  why += ", " + std::string(NameOf(groom)) + " " + std::string(NameOf(toBride)) + " to " +
         std::string(NameOf(bride)) + ", " + std::string(NameOf(bride)) + " " +
         std::string(NameOf(toGroom)) + " to " + std::string(NameOf(groom));
  return Classes(kMaitriHalves[At(toBride)][At(toGroom)], why, groom, bride);
}

Scored ScoreGana(const Couple& c) {
  const Gana groom = GanaOf(c.groom.star), bride = GanaOf(c.bride.star);
  return Classes(2 * kGanaPoints[At(groom)][At(bride)], Pair(groom, bride), groom, bride);
}

Scored ScoreBhakoot(const Couple& c) {
  const int count = SignCount(c.groom.sign, c.bride.sign);
  const int back = SignCount(c.bride.sign, c.groom.sign);
  const std::string why = count == 1 ? std::string("the same sign")
                                     : "signs " + std::to_string(std::min(count, back)) + "/" +
                                           std::to_string(std::max(count, back)) + " apart";
  return Classes(kBhakootIsBad[At(count - 1)] ? 0 : 14, why, c.groom.sign, c.bride.sign);
}

Scored ScoreNadi(const Couple& c) {
  const Nadi groom = NadiOf(c.groom.star), bride = NadiOf(c.bride.star);
  if (groom == bride) return Classes(0, "both " + std::string(NameOf(groom)), groom, bride);
  return Classes(16, Pair(groom, bride), groom, bride);
}

using Scorer = Scored (*)(const Couple&);
constexpr std::array<Scorer, kKootaCount> kScorers = {
    ScoreVarna, ScoreVashya, ScoreTara, ScoreYoni, ScoreMaitri, ScoreGana, ScoreBhakoot, ScoreNadi};

}  // namespace

std::string_view NameOf(Koota koota) {
  return kKootas[At(koota)].name;
}
int MaxHalvesOf(Koota koota) {
  return kKootas[At(koota)].maxHalves;
}

KootaScore ScoreKoota(Koota koota, const Couple& couple) {
  const Scored scored = kScorers[At(koota)](couple);
  KootaScore score;
  score.koota = koota;
  score.halves = scored.halves;
  score.maxHalves = MaxHalvesOf(koota);
  score.groom = scored.groom;
  score.bride = scored.bride;
  score.reason = std::string(NameOf(koota)) + ": " + scored.why + ", " + PointsText(scored.halves) +
                 " of " + PointsText(score.maxHalves);
  return score;
}

Ashtakoota ScoreAshtakoota(const Couple& couple) {
  Ashtakoota result;
  for (int i = 0; i < kKootaCount; ++i) {
    result.kootas[At(i)] = ScoreKoota(static_cast<Koota>(i), couple);
    result.totalHalves += result.kootas[At(i)].halves;
  }
  return result;
}

}  // namespace horavela::matching
