#include "matching/ashtakoota.h"

#include <utility>

#include "matching/match_tables.h"

namespace horavela::matching {

namespace {

// Each koota's most, in half points; their names are the language layer's.
constexpr std::array<int, kKootaCount> kMaxHalves = {2, 4, 6, 8, 10, 12, 14, 16};

std::size_t At(auto value) {
  return static_cast<std::size_t>(value);
}

// "groom Kshatriya, bride Brahmin"
template <typename Class>
Wording Pair(Class groom, Class bride) {
  return Worded("groom %1, bride %2", {Named(groom), Named(bride)});
}

struct Scored {
  int halves;
  Wording why;
  Wording groom;  // what the koota reads of each: a class, a star, a lord or a sign
  Wording bride;
};

template <typename Class>
Scored Classes(int halves, Wording why, Class groom, Class bride) {
  return {halves, std::move(why), Named(groom), Named(bride)};
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
                 Worded("the bride's star the %1 tara from the groom's, the groom's the %2 "
                        "from the bride's",
                        {Ordinal(fromGroom), Ordinal(fromBride)}),
                 c.groom.star, c.bride.star);
}

Scored ScoreYoni(const Couple& c) {
  const Yoni groom = YoniOf(c.groom.star), bride = YoniOf(c.bride.star);
  const Wording why = AreYoniEnemies(groom, bride) ? Worded("groom %1, bride %2 (sworn enemies)",
                                                            {Named(groom), Named(bride)})
                                                   : Pair(groom, bride);
  return Classes(2 * kYoniPoints[At(groom)][At(bride)], why, groom, bride);
}

Scored ScoreMaitri(const Couple& c) {
  const Planet groom = LordOf(c.groom.sign), bride = LordOf(c.bride.sign);
  const Regard toBride = RegardOf(groom, bride), toGroom = RegardOf(bride, groom);
  if (groom == bride)
    return Classes(10, Worded("lords %1 and %2, one lord", {Named(groom), Named(bride)}), groom,
                   bride);
  const Wording why = Worded("lords %1 and %2, %1 %3 to %2, %2 %4 to %1",
                             {Named(groom), Named(bride), Named(toBride), Named(toGroom)});
  return Classes(kMaitriHalves[At(toBride)][At(toGroom)], why, groom, bride);
}

Scored ScoreGana(const Couple& c) {
  const Gana groom = GanaOf(c.groom.star), bride = GanaOf(c.bride.star);
  return Classes(2 * kGanaPoints[At(groom)][At(bride)], Pair(groom, bride), groom, bride);
}

Scored ScoreBhakoot(const Couple& c) {
  const int count = SignCount(c.groom.sign, c.bride.sign);
  const int back = SignCount(c.bride.sign, c.groom.sign);
  const Wording why =
      count == 1 ? Worded("the same sign")
                 : Worded("signs %1/%2 apart", {AsIs(std::to_string(std::min(count, back))),
                                                AsIs(std::to_string(std::max(count, back)))});
  return Classes(kBhakootIsBad[At(count - 1)] ? 0 : 14, why, c.groom.sign, c.bride.sign);
}

Scored ScoreNadi(const Couple& c) {
  const Nadi groom = NadiOf(c.groom.star), bride = NadiOf(c.bride.star);
  if (groom == bride) return Classes(0, Worded("both %1", {Named(groom)}), groom, bride);
  return Classes(16, Pair(groom, bride), groom, bride);
}

using Scorer = Scored (*)(const Couple&);
constexpr std::array<Scorer, kKootaCount> kScorers = {
    ScoreVarna, ScoreVashya, ScoreTara, ScoreYoni, ScoreMaitri, ScoreGana, ScoreBhakoot, ScoreNadi};

}  // namespace

std::string_view NameOf(Koota koota) {
  return NameOf(koota, Language::English);
}
std::string_view NameOf(Koota koota, Language language) {
  return TermName(TermSet::Koota, static_cast<int>(koota), language);
}
int MaxHalvesOf(Koota koota) {
  return kMaxHalves[At(koota)];
}

KootaScore ScoreKoota(Koota koota, const Couple& couple) {
  const Scored scored = kScorers[At(koota)](couple);
  KootaScore score;
  score.koota = koota;
  score.halves = scored.halves;
  score.maxHalves = MaxHalvesOf(koota);
  score.groomReads = scored.groom;
  score.brideReads = scored.bride;
  score.groom = TextOf(scored.groom, Language::English);
  score.bride = TextOf(scored.bride, Language::English);
  score.why = Worded("%1: %2, %3 of %4",
                     {TermNamed(TermSet::Koota, static_cast<int>(koota)), scored.why,
                      AsIs(PointsText(scored.halves)), AsIs(PointsText(score.maxHalves))});
  score.reason = TextOf(score.why, Language::English);
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
