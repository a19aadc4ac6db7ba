// `horavela-cli day` on days the clock or the Sun cuts: a date after one the
// clocks skipped, a night across a change of daylight saving, the days at the
// edge of a polar day or night, and Abhijit muhurta on a Wednesday.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/civil_calendar.h"
#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

json PlaceAt(int latitude, bool north, int longitude, bool east) {
  return {{"latitude", {{"degrees", latitude}, {"minutes", 0}, {"north", north}}},
          {"longitude", {{"degrees", longitude}, {"minutes", 0}, {"east", east}}}};
}

json Day(int year, int month, int day, json place) {
  const json request = {{"date", {{"year", year}, {"month", month}, {"day", day}}},
                        {"place", std::move(place)}};
  const CliRun run = RunCli("day", request.dump());
  EXPECT_EQ(run.status, 0) << request << run.out << run.err;
  return json::parse(run.out, nullptr, false);
}

json WithTz(json place, const char* tz) {
  place["tz"] = tz;
  return place;
}

json WithZone(json place, int hours) {
  place["zone"] = {{"hours", hours}, {"minutes", 0}};
  place["dst"] = false;
  return place;
}

// Universal seconds of "YYYY-MM-DDTHH:MM:SS+HH:MM".
std::int64_t Universal(const json& time) {
  const std::string text = time.get<std::string>();
  EXPECT_EQ(text.size(), 25u) << text;
  if (text.size() != 25u) return 0;
  const auto number = [&text](std::size_t at, std::size_t length) {
    return std::atoi(text.substr(at, length).c_str());
  };
  const int sign = text[19] == '-' ? -1 : 1;
  const int offset = sign * (number(20, 2) * 3600 + number(23, 2) * 60);
  return DaysFromCivil(number(0, 4), number(5, 2), number(8, 2)) * 86400 + number(11, 2) * 3600 +
         number(14, 2) * 60 + number(17, 2) - offset;
}

// Apia went from Thursday 29 December 2011 straight to Saturday the 31st,
// from UTC-10 to UTC+14: the 31st is a Saturday of an ordinary length.
TEST(DayClockTest, ADateAfterASkippedOneHasItsOwnSunriseAndWeekday) {
  const json day = Day(2011, 12, 31, WithTz(PlaceAt(13, false, 171, false), "Pacific/Apia"));
  EXPECT_EQ(day["weekday"], "Saturday");
  EXPECT_EQ(day["sunrise"].get<std::string>().substr(0, 11), "2011-12-31T");
  EXPECT_EQ(day["sunrise"].get<std::string>().substr(19), "+14:00");
  const std::int64_t daytime = Universal(day["sunset"]) - Universal(day["sunrise"]);
  EXPECT_NEAR(daytime, 13 * 3600, 1800);
  // Saturday's Rahu kalam is the third eighth of the daytime.
  EXPECT_NEAR(Universal(day["rahu_kalam"]["from"]) - Universal(day["sunrise"]), daytime / 4, 1);
  EXPECT_NEAR(Universal(day["rahu_kalam"]["to"]) - Universal(day["rahu_kalam"]["from"]),
              daytime / 8, 1);
}

// New York's clocks went forward at 02:00 on 10 March 2024: the night of the
// 9th is an hour shorter in real time, its twelve horas equal within it.
TEST(DayClockTest, ANightAcrossAClockChangeIsDividedInRealTime) {
  const json day = Day(2024, 3, 9, WithTz(PlaceAt(40, true, 74, false), "America/New_York"));
  const json& hora = day["hora"];
  ASSERT_EQ(hora.size(), 24u);
  const std::int64_t night = Universal(day["next_sunrise"]) - Universal(day["sunset"]);
  for (std::size_t i = 12; i < 24; ++i) {
    EXPECT_NEAR(Universal(hora[i]["to"]) - Universal(hora[i]["from"]), night / 12.0, 1) << i;
    EXPECT_NE(hora[i]["from"].get<std::string>().substr(0, 14), "2024-03-10T02:") << i;
  }
  EXPECT_EQ(hora[12]["from"].get<std::string>().substr(19), "-05:00");
  EXPECT_EQ(hora[23]["to"].get<std::string>().substr(19), "-04:00");
}

// Where the Sun rises or sets but not both, the day says why; a daytime with
// a sunrise and a sunset keeps its kalams even when the night has no end.
TEST(DayClockTest, OneSidedPolarDaysSayWhy) {
  struct Row {
    const char* what;
    json day;
    std::string polar;
    std::size_t horas;
  };
  const std::vector<Row> rows = {
      {"polar night begins", Day(2025, 12, 9, WithZone(PlaceAt(68, true, 15, true), -1)),
       "no_next_sunrise", 12},
      {"polar day begins", Day(2025, 5, 20, WithZone(PlaceAt(69, true, 0, true), 0)), "no_sunset",
       0},
      {"polar day ends", Day(2025, 1, 19, WithZone(PlaceAt(69, false, 60, false), 4)), "no_sunrise",
       0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.day["polar"], row.polar) << row.what;
    EXPECT_EQ(row.day["hora"].size(), row.horas) << row.what;
    EXPECT_EQ(row.day["choghadiya"].size(), row.horas * 2 / 3) << row.what;
    EXPECT_EQ(row.day["rahu_kalam"].is_null(), row.horas == 0) << row.what;
    EXPECT_EQ(row.day["abhijit"].is_null(), row.horas == 0) << row.what;
  }
}

// The text summary says what the answer says: offsets on a day whose clock
// changes, a one-sided polar day, Abhijit not observed on a Wednesday (and
// observed on the other days of a week at New Delhi).
TEST(DayClockTest, TheTextSummarySaysWhatTheAnswerSays) {
  const json delhi = WithZone(PlaceAt(28, true, 77, true), -5);
  for (int date = 5; date <= 11; ++date) {
    const json day = Day(2025, 1, date, delhi);
    EXPECT_EQ(day["abhijit"]["observed"], day["weekday"] != "Wednesday") << day["weekday"];
  }
  const struct {
    json place;
    int year, month, day;
    const char* text;
  } rows[] = {
      // The sunrise line ends in the offset the clocks went back to.
      {WithTz(PlaceAt(40, true, 74, false), "America/New_York"), 2024, 11, 3, "-05:00\nSunset"},
      {delhi, 2025, 1, 8, "Abhijit muhurta (not observed on a Wednesday)"},
      {WithZone(PlaceAt(69, false, 60, false), 4), 2025, 1, 19,
       "The Sun sets without having risen this day: no kalams."},
  };
  for (const auto& row : rows) {
    const json request = {{"date", {{"year", row.year}, {"month", row.month}, {"day", row.day}}},
                          {"place", row.place}};
    const CliRun run = RunCli("day --text", request.dump());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(row.text), std::string::npos) << row.text << "\n" << run.out;
  }
}

}  // namespace
}  // namespace horavela::testing_cli
