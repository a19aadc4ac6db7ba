#include "panchang/strengths.h"
#include "support/chart_values.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

TEST(ComputeTaraBala, DistanceBetweenTheStars) {
  struct Row {
    const char* birth;
    const char* election;
    const char* verdict;
  };
  const Row rows[] = {
      {"Swati", "Swati", "Very Favourable"},             // t = 0
      {"Ashwini", "Revati", "Favourable"},               // 26 mod 9 = 8
      {"Revati", "Ashwini", "Favourable"},               // symmetric
      {"Rohini", "Pushya", "Favourable"},                // 4
      {"Rohini", "Ashlesha", "Unfavourable"},            // 5
      {"Ashwini", "Bharani", "Unfavourable"},            // 1
      {"Ashwini", "Krittika", "Favourable"},             // 2
      {"Ashwini", "Magha", "Very Favourable"},           // 9 mod 9 = 0
      {"Ashwini", "Moola", "Very Favourable"},           // 18 mod 9 = 0
      {"Ashwini", "Uttara Bhadrapada", "Unfavourable"},  // 25 mod 9 = 7
      {"Unknown", "Krittika", "Unfavourable"},           // unmatched counts 0: t = 3
      {"Unknown", "Unknown", "Very Favourable"},         // both 0
      {"swati", "Swati", "Favourable"},                  // case counts: 0 against 15, t = 6
  };
  for (const Row& row : rows) {
    CalculationState s;
    s.BirthChart.nakshatra = ::horavela::testing::NakshatraNamed(row.birth);
    s.ElectionChart.nakshatra = ::horavela::testing::NakshatraNamed(row.election);
    ComputeTaraBala(s);
    EXPECT_EQ(NameOf(s.TaraBalaVerdict), row.verdict) << row.birth << " / " << row.election;
  }
}

TEST(ComputeChandraBala, SignCountFromTheBirthMoon) {
  struct Row {
    const char* birth;
    const char* election;
    const char* verdict;
  };
  const Row rows[] = {
      {"Mesha", "Mesha", "Favourable"},        // c = 1
      {"Mesha", "Kanya", "Unfavourable"},      // 6
      {"Mesha", "Meena", "Unfavourable"},      // 12
      {"Meena", "Mesha", "Unfavourable"},      // symmetric
      {"Mesha", "Vrishcika", "Unfavourable"},  // 8: the Moon-sign spelling
      {"Mesha", "Dhanush", "Favourable"},      // 9
      {"Mesha", "Thula", "Favourable"},        // 7
      {"Kataka", "Dhanush", "Unfavourable"},   // |4 - 9| + 1 = 6
      {"Mesha", "Vrischika", "Unfavourable"},  // 8: a sign whichever table spells it
      {"Mesha", "Dhanus", "Favourable"},       // 9, likewise
      {"Simha", "", "Unfavourable"},           // |5 - 0| + 1 = 6
      {"Meena", "", "Favourable"},             // 13
  };
  for (const Row& row : rows) {
    CalculationState s;
    s.BirthChart.moonSign = ::horavela::testing::RashiNamed(row.birth);
    s.ElectionChart.moonSign = ::horavela::testing::RashiNamed(row.election);
    ComputeChandraBala(s);
    EXPECT_EQ(NameOf(s.ChandraBalaVerdict), row.verdict) << row.birth << " / " << row.election;
  }
}

// The tara's number and name under both counts. Inclusive: the classical
// count, forward from the birth star as the first (Janma), round the 27
// stars; the program's: the distance either way, a star's own the ninth.
TEST(TaraNumberOf, BothCountsNameTheTara) {
  const struct {
    Nakshatra birth;
    Nakshatra day;
    const char* program;
    const char* inclusive;
  } rows[] = {
      {Nakshatra::Rohini, Nakshatra::Rohini, "Parama Mitra", "Janma"},
      {Nakshatra::Rohini, Nakshatra::Mrigasira, "Janma", "Sampat"},
      {Nakshatra::Mrigasira, Nakshatra::Rohini, "Janma", "Parama Mitra"},  // 27th: 27 mod 9
      {Nakshatra::Revati, Nakshatra::Ashwini, "Mitra", "Sampat"},          // past Revati
      {Nakshatra::Ashwini, Nakshatra::Ashlesha, "Mitra", "Parama Mitra"},  // the 9th
      {Nakshatra::Ashwini, Nakshatra::Magha, "Parama Mitra", "Janma"},     // the 10th
      {Nakshatra::Ashwini, Nakshatra::Swati, "Pratyak", "Sadhana"},        // the 15th
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TaraNameOf(TaraNumberOf(row.birth, row.day, TaraCount::Program)), row.program)
        << NameOf(row.birth) << " / " << NameOf(row.day);
    EXPECT_EQ(TaraNameOf(TaraNumberOf(row.birth, row.day, TaraCount::Inclusive)), row.inclusive)
        << NameOf(row.birth) << " / " << NameOf(row.day);
  }
  EXPECT_EQ(TaraNumberOf(Nakshatra::None, Nakshatra::Rohini, TaraCount::Inclusive), 0);
  EXPECT_EQ(TaraNameOf(0), "");
}

}  // namespace
}  // namespace horavela
