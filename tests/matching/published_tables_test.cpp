// The koota tables checked against published tables and worked examples,
// row by row as the pages print them (tests/matching/data, each row with its
// page). Where a page follows another reading, the row says so and what this
// program gives instead, so a changed table shows up either way.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "matching/match.h"

namespace horavela::matching {
namespace {

std::vector<std::vector<std::string>> TabbedRows(const std::string& name) {
  std::ifstream file(HORAVELA_SOURCE_DIR "/tests/matching/data/" + name);
  EXPECT_TRUE(file) << name;
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

// The Moon in the middle of the pada: nine padas a sign, from Ashwini's first.
BirthMoon MoonInPada(int star, int pada) {
  const double degrees = ((star - 1) * 4 + (pada - 1) + 0.5) * 30.0 / 9.0;
  return {FromIndex<Nakshatra>(star - 1), pada, FromIndex<Rashi>(static_cast<int>(degrees / 30)),
          std::fmod(degrees, 30.0)};
}

Koota KootaNamed(const std::string& name) {
  for (int k = 0; k < kKootaCount; ++k)
    if (NameOf(static_cast<Koota>(k)) == name) return static_cast<Koota>(k);
  ADD_FAILURE() << "no koota " << name;
  return Koota::Varna;
}

int Halves(const std::string& points) {
  return static_cast<int>(std::lround(std::stod(points) * 2));
}

TEST(PublishedTables, KootaRowsAsPublished) {
  const auto rows = TabbedRows("published_koota_rows.tsv");
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 8u);
    const Couple couple{MoonInPada(std::stoi(row[1]), std::stoi(row[2])),
                        MoonInPada(std::stoi(row[3]), std::stoi(row[4]))};
    const KootaScore score = ScoreKoota(KootaNamed(row[0]), couple);
    const std::string& ours = row[6];
    const std::string line = row[0] + " " + row[1] + "/" + row[2] + " to " + row[3] + "/" + row[4];
    if (ours == "agrees") {
      EXPECT_EQ(score.halves, Halves(row[5])) << line << " (" << row[7] << ")\n" << score.reason;
    } else {
      ASSERT_EQ(ours.rfind("variant:", 0), 0u) << line;
      EXPECT_NE(Halves(row[5]), Halves(ours.substr(8))) << line;
      EXPECT_EQ(score.halves, Halves(ours.substr(8))) << line << "\n" << score.reason;
    }
  }
  EXPECT_GE(rows.size(), 50u);
}

// One star of each animal, in the order of the published table.
constexpr std::array<int, 14> kStarOfAnimal = {1, 2, 3, 4, 6, 7, 10, 12, 13, 14, 17, 20, 21, 23};

TEST(PublishedTables, YoniPointsAsPublished) {
  const auto rows = TabbedRows("yoni_points_published.tsv");
  std::vector<std::string> animals;
  for (const auto& row : rows)
    if (row[0] != "variant") animals.push_back(row[0]);
  ASSERT_EQ(animals.size(), kStarOfAnimal.size());
  const auto score = [](std::size_t bride, std::size_t groom) {
    return ScoreKoota(Koota::Yoni,
                      {MoonInPada(kStarOfAnimal[groom], 1), MoonInPada(kStarOfAnimal[bride], 1)})
        .halves;
  };
  const auto index = [&animals](const std::string& name) {
    for (std::size_t i = 0; i < animals.size(); ++i)
      if (animals[i] == name) return i;
    ADD_FAILURE() << "no animal " << name;
    return std::size_t{0};
  };
  std::vector<std::pair<std::size_t, std::size_t>> variants;
  for (const auto& row : rows) {
    if (row[0] != "variant") continue;
    const std::size_t bride = index(row[1]), groom = index(row[2]);
    EXPECT_EQ(score(bride, groom), Halves(row[3])) << row[1] << " " << row[2];
    variants.emplace_back(bride, groom);
  }
  for (std::size_t bride = 0; bride < animals.size(); ++bride) {
    const auto& row = rows[bride];
    ASSERT_EQ(row.size(), 15u);
    for (std::size_t groom = 0; groom < animals.size(); ++groom) {
      const bool variant =
          std::find(variants.begin(), variants.end(), std::pair{bride, groom}) != variants.end();
      if (variant)
        EXPECT_NE(score(bride, groom), Halves(row[groom + 1])) << animals[bride];
      else
        EXPECT_EQ(score(bride, groom), Halves(row[groom + 1]))
            << "bride " << animals[bride] << ", groom " << animals[groom];
    }
  }
}

}  // namespace
}  // namespace horavela::matching
