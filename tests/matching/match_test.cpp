#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "matching/match.h"

namespace horavela::matching {
namespace {

BirthMoon Moon(int star, int pada, int sign, double degreesInSign = 10) {
  return {FromIndex<Nakshatra>(star - 1), pada, FromIndex<Rashi>(sign - 1), degreesInSign};
}

// Every koota and the total of the committed rows, read as data.
TEST(GunaMilan, RowsWorkedFromThePublishedTables) {
  std::ifstream file(HORAVELA_SOURCE_DIR "/tests/matching/data/guna_milan_rows.tsv");
  ASSERT_TRUE(file);
  std::string line;
  int rows = 0;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    int gs, gp, gr, bs, bp, br, total;
    std::vector<int> halves(kKootaCount);
    in >> gs >> gp >> gr >> bs >> bp >> br;
    for (int& h : halves) in >> h;
    in >> total;
    const Ashtakoota result = ScoreAshtakoota({Moon(gs, gp, gr), Moon(bs, bp, br)});
    for (int k = 0; k < kKootaCount; ++k)
      EXPECT_EQ(result.kootas[k].halves, halves[k]) << line << "\n" << result.kootas[k].reason;
    EXPECT_EQ(result.totalHalves, total) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 6);
}

TEST(GunaMilan, ReasonsNameTheClassesAndThePoints) {
  const Couple sameNadi{Moon(8, 1, 4), Moon(17, 1, 8)};  // Pushya, Anuradha: both Madhya
  EXPECT_EQ(ScoreKoota(Koota::Nadi, sameNadi).reason, "Nadi: both Madhya, 0 of 8");
  // Krittika is the 3rd tara (Vipat) from Ashwini; Ashwini the 8th from Krittika.
  EXPECT_EQ(ScoreKoota(Koota::Tara, {Moon(1, 1, 1), Moon(3, 1, 1)}).halves, 3);
}

// The direction of the one-sided kootas: the groom's row, the bride's column.
TEST(GunaMilan, OneSidedKootasReadFromTheGroom) {
  const BirthMoon brahmin = Moon(9, 1, 4), kshatriya = Moon(10, 1, 5);
  EXPECT_EQ(ScoreKoota(Koota::Varna, {brahmin, kshatriya}).halves, 2);
  EXPECT_EQ(ScoreKoota(Koota::Varna, {kshatriya, brahmin}).halves, 0);
  const BirthMoon deva = Moon(1, 1, 1), manushya = Moon(2, 1, 1);
  EXPECT_EQ(ScoreKoota(Koota::Gana, {deva, manushya}).halves, 12);
  EXPECT_EQ(ScoreKoota(Koota::Gana, {manushya, deva}).halves, 10);
}

// Dhanus is human in its first fifteen degrees and a quadruped after them.
TEST(GunaMilan, VashyaChangesAtTheMiddleOfDhanus) {
  const BirthMoon lion = Moon(10, 1, 5);
  EXPECT_EQ(ScoreKoota(Koota::Vashya, {Moon(19, 4, 9, 14.99), lion}).halves, 0);
  EXPECT_EQ(ScoreKoota(Koota::Vashya, {Moon(20, 1, 9, 15.0), lion}).halves, 1);
}

TEST(Bands, EdgesOfTheVerdicts) {
  struct Row {
    int halves;
    Band band;
  };
  for (const Row& row : {Row{35, Band::NotRecommended}, Row{36, Band::Average},
                         Row{49, Band::Average}, Row{50, Band::Good}, Row{64, Band::Good},
                         Row{65, Band::Excellent}, Row{72, Band::Excellent}})
    EXPECT_EQ(BandOf(row.halves), row.band) << row.halves;
}

struct DoshaRow {
  const char* what;
  Couple couple;
  Dosha dosha;
  bool present;
  std::vector<Cancellation> cancellations;
};

TEST(Doshas, CancellationsAreStated) {
  using C = Cancellation;
  const std::vector<DoshaRow> rows = {
      {"Ardra and Punarvasu in Mithuna",
       {Moon(6, 1, 3), Moon(7, 1, 3)},
       Dosha::Nadi,
       true,
       {C::SameSignDifferentStars, C::SameRashiLord}},
      {"Ardra, two padas",
       {Moon(6, 1, 3), Moon(6, 3, 3)},
       Dosha::Nadi,
       true,
       {C::SameStarDifferentPadas, C::SameRashiLord}},
      {"Krittika across Mesha and Vrishabha",
       {Moon(3, 1, 1), Moon(3, 2, 2)},
       Dosha::Nadi,
       true,
       {C::SameStarDifferentPadas, C::SameStarDifferentSigns}},
      {"Hasta and Shatabhisha", {Moon(13, 1, 6), Moon(24, 1, 11)}, Dosha::Nadi, true, {}},
      {"Mesha and Vrischika, one lord",
       {Moon(1, 1, 1), Moon(17, 1, 8)},
       Dosha::Bhakoot,
       true,
       {C::SameRashiLord}},
      {"Simha and Meena, friendly lords",
       {Moon(10, 1, 5), Moon(26, 1, 12)},
       Dosha::Bhakoot,
       true,
       {C::FriendlyRashiLords}},
      {"Kanya and Kumbha", {Moon(13, 1, 6), Moon(24, 1, 11)}, Dosha::Bhakoot, true, {}},
      {"Mesha and Thula", {Moon(1, 1, 1), Moon(15, 1, 7)}, Dosha::Bhakoot, false, {}},
  };
  for (const DoshaRow& row : rows) {
    const DoshaCheck check = CheckDoshas(row.couple)[static_cast<std::size_t>(row.dosha)];
    EXPECT_EQ(check.present, row.present) << row.what;
    EXPECT_EQ(check.cancellations, row.cancellations) << row.what << ": " << check.reason;
  }
}

TEST(Poruthams, RajjuAndVedhaDecide) {
  struct Row {
    Couple couple;
    Porutham porutham;
    bool matched;
  };
  const std::vector<Row> rows = {
      {{Moon(9, 1, 4), Moon(1, 1, 1)}, Porutham::Rajju, false},          // both Pada
      {{Moon(2, 1, 1), Moon(1, 1, 1)}, Porutham::Rajju, true},           // Kati, Pada
      {{Moon(18, 1, 8), Moon(1, 1, 1)}, Porutham::Vedha, false},         // Jyeshtha pierces Ashwini
      {{Moon(14, 1, 6), Moon(5, 1, 2)}, Porutham::Vedha, false},         // Chitra pierces Mrigasira
      {{Moon(2, 1, 1), Moon(1, 1, 1)}, Porutham::Dina, true},            // the 2nd
      {{Moon(1, 1, 1), Moon(2, 1, 1)}, Porutham::Dina, false},           // the 27th
      {{Moon(13, 1, 6), Moon(1, 1, 1)}, Porutham::StreeDeergha, true},   // the 13th
      {{Moon(12, 1, 6), Moon(1, 1, 1)}, Porutham::StreeDeergha, false},  // the 12th
      {{Moon(4, 1, 2), Moon(1, 1, 1)}, Porutham::Mahendra, true},        // the 4th
  };
  for (const Row& row : rows) {
    const Poruthams result = CheckPoruthams(row.couple);
    const PoruthamCheck& check = result.checks[static_cast<std::size_t>(row.porutham)];
    EXPECT_EQ(check.matched, row.matched) << check.reason;
    if (check.deciding && !check.matched) {
      EXPECT_TRUE(result.decidingFailed);
    }
  }
}

BirthSigns Chart(Rashi lagna, Rashi moon, Rashi venus, Rashi mars, Rashi jupiter = Rashi::None) {
  BirthSigns signs;
  signs.lagna = lagna;
  signs.moon.sign = moon;
  signs.venus = venus;
  signs.mars = mars;
  signs.jupiter = jupiter;
  return signs;
}

TEST(Manglik, HousesAndExceptions) {
  using R = Rashi;
  struct Row {
    const char* what;
    BirthSigns signs;
    bool manglik;
  };
  const std::vector<Row> rows = {
      {"4th from the lagna", Chart(R::Mesha, R::Simha, R::Simha, R::Kataka), true},
      {"2nd from the Moon", Chart(R::Simha, R::Mesha, R::Simha, R::Vrishabha), true},
      {"3rd, 5th, 6th: none", Chart(R::Mesha, R::Thula, R::Simha, R::Mithuna), false},
      {"7th, exalted in Makara", Chart(R::Kataka, R::Kataka, R::Kataka, R::Makara), false},
      {"8th, own sign", Chart(R::Thula, R::Thula, R::Thula, R::Vrischika), false},
      {"12th in Thula", Chart(R::Vrischika, R::Vrischika, R::Vrischika, R::Thula), false},
      {"12th in Kanya", Chart(R::Thula, R::Thula, R::Thula, R::Kanya), true},
      {"with Jupiter", Chart(R::Mesha, R::Mesha, R::Mesha, R::Kataka, R::Kataka), false},
  };
  for (const Row& row : rows) {
    const KujaCheck check = CheckKuja(row.signs);
    EXPECT_EQ(check.manglik, row.manglik) << row.what << ": " << check.reason;
  }
}

TEST(Manglik, TwoManglikChartsCancel) {
  const BirthSigns manglik = Chart(Rashi::Mesha, Rashi::Simha, Rashi::Simha, Rashi::Kataka);
  const BirthSigns clear = Chart(Rashi::Mesha, Rashi::Thula, Rashi::Simha, Rashi::Mithuna);
  EXPECT_TRUE(MatchKuja(manglik, manglik).cancelled);
  EXPECT_FALSE(MatchKuja(manglik, clear).cancelled);
  EXPECT_EQ(MatchKuja(clear, manglik).reason, "only the bride is Manglik: not cancelled");
}

}  // namespace
}  // namespace horavela::matching
