#include "panchang/special_yogas.h"
#include "support/chart_values.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

struct YogaCase {
  std::string chartWeekday;
  std::string boxWeekday;
  std::string nakshatra;
  std::string tithi;
  std::string group;
};

CalculationState StateFor(const YogaCase& c) {
  CalculationState s;
  s.ElectionChart.weekday = ::horavela::testing::WeekdayOrNone(c.chartWeekday);
  s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone(c.boxWeekday);
  s.ElectionChart.nakshatra = ::horavela::testing::NakshatraNamed(c.nakshatra);
  s.Panchang.TithiName = ::horavela::testing::TithiNamed(c.tithi);
  s.Panchang.Group = ::horavela::testing::GroupNamed(c.group);
  return s;
}

TEST(SiddhaYoga, ReadsTheWeekdayBoxAndTheTithiGroup) {
  struct Row {
    YogaCase input;
    bool expected;
  };
  const Row rows[] = {
      {{"Friday", "Friday", "", "", "Nanda"}, true},
      {{"Wednesday", "Wednesday", "", "", "Bhadra"}, true},
      {{"Tuesday", "Tuesday", "", "", "Jaya"}, true},
      {{"Saturday", "Saturday", "", "", "Rikta"}, true},
      {{"Thursday", "Thursday", "", "", "Poorna"}, true},
      {{"Friday", "Friday", "", "", "Bhadra"}, false},
      {{"Sunday", "Sunday", "", "", "Nanda"}, false},
      // A weekday picked by hand in the box wins over the chart's weekday.
      {{"Thursday", "Friday", "", "", "Nanda"}, true},
      {{"Friday", "Thursday", "", "", "Nanda"}, false},
  };
  for (const Row& row : rows) {
    CalculationState s = StateFor(row.input);
    CheckSiddhaYoga(s);
    EXPECT_EQ(s.Yogas.IsSiddhaYoga, row.expected) << row.input.boxWeekday << " " << row.input.group;
  }
}

TEST(SarvarthaSiddhaYoga, EachWeekdayHasItsOwnNakshatras) {
  struct Row {
    std::string box;
    std::string nakshatra;
    bool expected;
  };
  const Row rows[] = {
      {"Sunday", "Hasta", true},      {"Sunday", "Pushya", true},   {"Sunday", "Rohini", false},
      {"Monday", "Shravana", true},   {"Monday", "Anuradha", true}, {"Monday", "Hasta", false},
      {"Tuesday", "Ashlesha", true},  {"Tuesday", "Rohini", false}, {"Wednesday", "Krittika", true},
      {"Wednesday", "Swati", false},  {"Thursday", "Pushya", true}, {"Thursday", "Shravana", false},
      {"Friday", "Shravana", true},   {"Friday", "Pushya", false},  {"Saturday", "Swati", true},
      {"Saturday", "Ashwini", false}, {"", "Hasta", false},
  };
  for (const Row& row : rows) {
    CalculationState s = StateFor({"Sunday", row.box, row.nakshatra, "", ""});
    CheckSarvarthaSiddhaYoga(s);
    EXPECT_EQ(s.Yogas.IsSarvarthaSiddhaYoga, row.expected) << row.box << " " << row.nakshatra;
  }
}

TEST(AmritaSiddhiYoga, PairsAndTheirWarnings) {
  struct Row {
    std::string weekday;
    std::string nakshatra;
    bool expected;
    std::string warning;
  };
  const Row rows[] = {
      {"Sunday", "Hasta", true, ""},
      {"Monday", "Mrigasira", true, ""},
      {"Tuesday", "Ashwini", true, "Not Favourable for Griha Pravesha"},
      {"Wednesday", "Anuradha", true, ""},
      {"Thursday", "Pushya", true, "Not Favourable for Marriage"},
      {"Friday", "Revati", true, ""},
      {"Saturday", "Rohini", true, "Not Favourable for Travel"},
      {"Saturday", "Hasta", false, ""},
      {"", "", false, ""},
  };
  for (const Row& row : rows) {
    CalculationState s = StateFor({row.weekday, "Monday", row.nakshatra, "", ""});
    s.Yogas.YogaWarning = "left by an earlier evaluation";
    CheckAmritaSiddhiYoga(s);
    EXPECT_EQ(s.Yogas.IsAmritaSiddhiYoga, row.expected) << row.weekday << " " << row.nakshatra;
    EXPECT_EQ(s.Yogas.YogaWarning, row.warning) << row.weekday << " " << row.nakshatra;
  }
}

TEST(AmritaSiddhiYoga, ThursdayPushyaIsAlsoSarvarthaSiddha) {
  CalculationState s = StateFor({"Thursday", "Thursday", "Pushya", "", ""});
  CheckAmritaSiddhiYoga(s);
  CheckSarvarthaSiddhaYoga(s);
  EXPECT_TRUE(s.Yogas.IsAmritaSiddhiYoga);
  EXPECT_EQ(s.Yogas.YogaWarning, "Not Favourable for Marriage");
  EXPECT_TRUE(s.Yogas.IsSarvarthaSiddhaYoga);
}

TEST(ChartWeekdayYogas, IgnoreTheWeekdayBox) {
  // Box says Monday (Yamaghata with Vishakha); the chart's Sunday decides.
  CalculationState s = StateFor({"Sunday", "Monday", "Vishakha", "", ""});
  CheckYamaghataYoga(s);
  EXPECT_FALSE(s.Yogas.IsYamaghataYoga);
  s.ElectionChart.weekday = ::horavela::testing::WeekdayOrNone("Monday");
  CheckYamaghataYoga(s);
  EXPECT_TRUE(s.Yogas.IsYamaghataYoga);
}

TEST(PushkarYogas, NeedNakshatraTithiAndWeekday) {
  struct Row {
    YogaCase input;
    bool tripushkar;
    bool dvipushkar;
  };
  const Row rows[] = {
      {{"Tuesday", "", "Krittika", "Dwitiya", ""}, true, false},
      {{"Sunday", "", "Uttara Bhadrapada", "Dwadashi", ""}, true, false},
      {{"Saturday", "", "Chitra", "Saptami", ""}, false, true},
      {{"Sunday", "", "Dhanistha", "Dwitiya", ""}, false, true},
      {{"Monday", "", "Krittika", "Dwitiya", ""}, false, false},
      {{"Tuesday", "", "Krittika", "Tritiya", ""}, false, false},
      {{"Tuesday", "", "Rohini", "Dwitiya", ""}, false, false},
  };
  for (const Row& row : rows) {
    CalculationState s = StateFor(row.input);
    CheckTripushkarYoga(s);
    CheckDvipushkarYoga(s);
    EXPECT_EQ(s.Yogas.IsTripushkarYoga, row.tripushkar) << row.input.nakshatra;
    EXPECT_EQ(s.Yogas.IsDvipushkarYoga, row.dvipushkar) << row.input.nakshatra;
  }
}

TEST(MrityuYoga, WeekdayAndTithiInOneRow) {
  struct Row {
    std::string weekday;
    std::string tithi;
    bool expected;
  };
  const Row rows[] = {
      {"Sunday", "Pratipada", true},     {"Tuesday", "Ekadashi", true},
      {"Monday", "Dwitiya", true},       {"Friday", "Dwadashi", true},
      {"Wednesday", "Triyodashi", true}, {"Thursday", "Chaturdashi", true},
      {"Saturday", "Purnima", true},     {"Saturday", "Pratipada", false},
      {"Monday", "Amavashya", false},    {"Sunday", "Amavashya", false},
      {"Saturday", "Amavashya", false},
  };
  for (const Row& row : rows) {
    CalculationState s = StateFor({row.weekday, "", "", row.tithi, ""});
    CheckMrityuYoga(s);
    EXPECT_EQ(s.Yogas.IsMrityuYoga, row.expected) << row.weekday << " " << row.tithi;
  }
}

TEST(DagdhaAndYamaghata, WeekdayNakshatraPairs) {
  struct Row {
    std::string weekday;
    std::string nakshatra;
    bool dagdha;
    bool yamaghata;
  };
  const Row rows[] = {
      {"Sunday", "Bharani", true, false},
      {"Sunday", "Magha", false, true},
      {"Monday", "Chitra", true, false},
      {"Monday", "Vishakha", false, true},
      {"Tuesday", "Uttara Ashadha", true, false},
      {"Tuesday", "Ardra", false, true},
      {"Wednesday", "Dhanistha", true, false},
      {"Wednesday", "Moola", false, true},
      {"Thursday", "Uttara Phalguni", true, false},
      {"Thursday", "Krittika", false, true},
      {"Friday", "Jyeshtha", true, false},
      {"Friday", "Rohini", false, true},
      {"Saturday", "Revati", true, false},
      {"Saturday", "Hasta", false, true},
      {"Saturday", "Bharani", false, false},
  };
  for (const Row& row : rows) {
    CalculationState s = StateFor({row.weekday, "", row.nakshatra, "", ""});
    CheckDagdhaYoga(s);
    CheckYamaghataYoga(s);
    EXPECT_EQ(s.Yogas.IsDagdhaYoga, row.dagdha) << row.weekday << " " << row.nakshatra;
    EXPECT_EQ(s.Yogas.IsYamaghataYoga, row.yamaghata) << row.weekday << " " << row.nakshatra;
  }
}

TEST(HinduMonth, LaterMonthAfterTheThreshold) {
  struct Row {
    int month;
    int day;
    std::string expected;
  };
  const Row rows[] = {
      {1, 21, "Magha"},       {1, 22, "Falguna"},  {2, 20, "Falguna"},  {2, 21, "Chaitra"},
      {3, 22, "Chaitra"},     {3, 23, "Vaisakha"}, {4, 21, "Vaisakha"}, {4, 22, "Jyaistha"},
      {5, 22, "Jyaistha"},    {5, 23, "Asadha"},   {6, 22, "Asadha"},   {6, 23, "Shravana"},
      {7, 23, "Shravana"},    {7, 24, "Bhadra"},   {8, 23, "Bhadra"},   {8, 24, "Asvina"},
      {9, 23, "Asvina"},      {9, 24, "Kartika"},  {10, 23, "Kartika"}, {10, 24, "Agrahayana"},
      {11, 22, "Agrahayana"}, {11, 23, "Pausa"},   {12, 22, "Pausa"},   {12, 23, "Magha"},
      {12, 1, "Pausa"},
  };
  for (const Row& row : rows) {
    CalculationState s;
    s.Moment.month = static_cast<std::int16_t>(row.month);
    s.Moment.day = static_cast<std::int16_t>(row.day);
    ComputeHinduMonth(s);
    EXPECT_EQ(NameOf(s.Yogas.HinduMonth), row.expected) << row.month << "/" << row.day;
  }
}

TEST(HinduMonth, NoMonthLeavesTheOldValue) {
  CalculationState s;
  s.Yogas.HinduMonth = ::horavela::testing::MonthNamed("Chaitra");
  s.Moment.month = 0;
  ComputeHinduMonth(s);
  EXPECT_EQ(NameOf(s.Yogas.HinduMonth), "Chaitra");
}

}  // namespace
}  // namespace horavela
