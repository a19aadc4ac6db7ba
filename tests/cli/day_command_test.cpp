// `horavela-cli day`: every field of the answer with its type, the verdict
// band with a subject, a polar night, and the bad requests.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

// New Delhi on Indian Time, 3 January 2025.
json DayRequestJson() {
  return json::parse(R"({
    "date": {"year": 2025, "month": 1, "day": 3},
    "place": {
      "latitude": {"degrees": 28, "minutes": 37, "north": true},
      "longitude": {"degrees": 77, "minutes": 13, "east": true},
      "zone": {"hours": -5, "minutes": -30},
      "dst": false,
      "city": "New Delhi", "country": "India"
    }
  })");
}

json Day(const json& request) {
  const CliRun run = RunCli("day", request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  json response = json::parse(run.out, nullptr, false);
  EXPECT_TRUE(response.is_object() && !response.contains("error")) << run.out;
  return response;
}

// "YYYY-MM-DDTHH:MM:SS"
bool IsLocalTime(const json& value) {
  if (!value.is_string()) return false;
  const std::string text = value.get<std::string>();
  return text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == 'T' &&
         text[13] == ':' && text[16] == ':';
}

void ExpectPeriods(const json& list, const char* what, std::size_t count = 0) {
  ASSERT_TRUE(list.is_array()) << what;
  if (count != 0) {
    EXPECT_EQ(list.size(), count) << what;
  }
  for (const json& period : list) {
    EXPECT_TRUE(period["name"].is_string() && !period["name"].get<std::string>().empty()) << what;
    EXPECT_TRUE(IsLocalTime(period["from"])) << what << period;
    EXPECT_TRUE(IsLocalTime(period["to"])) << what << period;
    EXPECT_LT(period["from"].get<std::string>(), period["to"].get<std::string>()) << what;
  }
}

TEST(DayCommandTest, AnswersEveryFieldWithItsType) {
  const json day = Day(DayRequestJson());
  for (const char* key : {"sunrise", "sunset", "next_sunrise", "moonrise", "moonset"})
    EXPECT_TRUE(day[key].is_null() || IsLocalTime(day[key])) << key;
  for (const char* key : {"sunrise", "sunset", "next_sunrise"})
    EXPECT_TRUE(IsLocalTime(day[key])) << key;
  EXPECT_TRUE(day["polar"].is_null());
  EXPECT_EQ(day["weekday"], "Friday");
  for (const char* key : {"rahu_kalam", "yamaganda", "gulika_kalam", "abhijit"}) {
    EXPECT_TRUE(IsLocalTime(day[key]["from"])) << key;
    EXPECT_TRUE(IsLocalTime(day[key]["to"])) << key;
  }
  ExpectPeriods(day["hora"], "hora", 24);
  ExpectPeriods(day["choghadiya"], "choghadiya", 16);
  // A Friday: the daytime's 4th and 9th muhurtas.
  ExpectPeriods(day["durmuhurtam"], "durmuhurtam", 2);
  EXPECT_EQ(day["durmuhurtam"][1]["name"], "Muhurta 9 of the day");
  ExpectPeriods(day["gowri"], "gowri", 16);
  ExpectPeriods(day["varjyam"], "varjyam");
  ExpectPeriods(day["amrit_kalam"], "amrit_kalam");
  for (const char* key : {"varjyam", "amrit_kalam"}) {
    for (const json& kalam : day[key]) {
      EXPECT_GE(kalam["from"], day["sunrise"]) << key;
      EXPECT_LT(kalam["from"], day["next_sunrise"]) << key;
    }
  }
  for (const char* key : {"rahu_kalam", "yamaganda", "gulika_kalam"}) {
    EXPECT_GE(day["night_kalams"][key]["from"], day["sunset"]) << key;
    EXPECT_LE(day["night_kalams"][key]["to"], day["next_sunrise"]) << key;
  }
  for (const char* key : {"brahma_muhurta", "pratah_sandhya", "vijaya_muhurta", "godhuli",
                          "sayahna_sandhya", "pradosh", "nishita_kaal"}) {
    EXPECT_TRUE(IsLocalTime(day[key]["from"])) << key;
    EXPECT_LT(day[key]["from"], day[key]["to"]) << key;
  }
  EXPECT_EQ(day["pradosh"]["from"], day["sunset"]);
  EXPECT_EQ(day["pratah_sandhya"]["to"], day["sunrise"]);  // the dawn of the day itself
  for (const char* key : {"tithi", "nakshatra", "yoga", "karana", "moon_sign", "lagna"}) {
    const json& periods = day["elements"][key];
    ExpectPeriods(periods, key);
    ASSERT_FALSE(periods.empty()) << key;
    // From before the day's first minute to after the next sunrise.
    EXPECT_LE(periods.front()["from"].get<std::string>(), "2025-01-03T00:00:00") << key;
    EXPECT_GT(periods.back()["to"].get<std::string>(), day["next_sunrise"].get<std::string>())
        << key;
  }
  const json& chart = day["chart"];
  ASSERT_TRUE(chart.is_array());
  ASSERT_EQ(chart.size(), 10u);
  EXPECT_EQ(chart.front()["body"], "Lagna");
  for (const json& body : chart) {
    EXPECT_TRUE(body["body"].is_string());
    EXPECT_TRUE(body["longitude"].is_number());
    EXPECT_TRUE(body["sign"].is_string());
    EXPECT_TRUE(body["degree_text"].is_string());
    EXPECT_TRUE(body["nakshatra"].is_string());
    EXPECT_TRUE(body["pada"].is_number_integer());
    EXPECT_TRUE(body["retrograde"].is_boolean());
  }
  EXPECT_FALSE(day.contains("verdicts"));
}

// With a subject the day's windows tile it, every result word kept.
TEST(DayCommandTest, ASubjectAddsTheVerdictsOfTheWholeDay) {
  json request = DayRequestJson();
  const json person = ValidRequest();
  request["subject"] = "Marriage";
  request["name"] = person["name"];
  request["sex"] = person["sex"];
  request["birth"] = person["birth"];
  const json verdicts = Day(request)["verdicts"];
  ASSERT_TRUE(verdicts.is_array());
  ASSERT_FALSE(verdicts.empty());
  EXPECT_EQ(verdicts.front()["from"], "2025-01-03T00:00");
  EXPECT_EQ(verdicts.back()["to"], "2025-01-03T23:59");
  for (const json& window : verdicts) {
    EXPECT_TRUE(window["result"].is_string() && !window["result"].get<std::string>().empty());
    EXPECT_TRUE(window["total"].is_number_integer());
  }
}

// Tromsø in midwinter: the Sun does not rise, so there are no kalams.
TEST(DayCommandTest, APolarNightHasNoParts) {
  json request = DayRequestJson();
  request["date"] = {{"year", 2024}, {"month", 12}, {"day", 21}};
  request["place"]["latitude"] = {{"degrees", 69}, {"minutes", 39}, {"north", true}};
  request["place"]["longitude"] = {{"degrees", 18}, {"minutes", 57}, {"east", true}};
  request["place"]["zone"] = {{"hours", -1}, {"minutes", 0}};
  const json day = Day(request);
  EXPECT_EQ(day["polar"], "night");
  EXPECT_TRUE(day["sunrise"].is_null());
  for (const char* key : {"rahu_kalam", "yamaganda", "gulika_kalam", "abhijit"})
    EXPECT_TRUE(day[key].is_null()) << key;
  EXPECT_TRUE(day["hora"].is_array() && day["hora"].empty());
  EXPECT_TRUE(day["choghadiya"].is_array() && day["choghadiya"].empty());
  EXPECT_TRUE(day["durmuhurtam"].is_array() && day["durmuhurtam"].empty());
  EXPECT_TRUE(day["gowri"].is_array() && day["gowri"].empty());
  EXPECT_TRUE(day["varjyam"].is_array() && day["varjyam"].empty());
  for (const char* key : {"night_kalams", "brahma_muhurta", "godhuli", "nishita_kaal", "pradosh"})
    EXPECT_TRUE(day[key].is_null()) << key;
  EXPECT_FALSE(day["elements"]["lagna"].empty());
}

struct BadDay {
  const char* what;
  std::function<void(json&)> edit;
  std::string error;
};

TEST(DayCommandTest, BadRequestsNameTheField) {
  const BadDay rows[] = {
      {"missing date", [](json& r) { r.erase("date"); }, "date: is missing"},
      {"impossible date", [](json& r) { r["date"]["day"] = 30, r["date"]["month"] = 2; },
       "date.day: February 30 2025 does not exist"},
      {"month out of range", [](json& r) { r["date"]["month"] = 13; },
       "date.month: must be between 1 and 12"},
      {"unknown tz",
       [](json& r) {
         r["place"].erase("zone");
         r["place"].erase("dst");
         r["place"]["tz"] = "Mars/Olympus";
       },
       "place.tz: unknown time zone \"Mars/Olympus\" (give a tz-database name such as "
       "\"Asia/Kolkata\" or \"America/New_York\")"},
      {"chart time skipped by the clocks",
       [](json& r) {
         r["date"] = {{"year", 2024}, {"month", 3}, {"day", 10}};
         r["place"].erase("zone");
         r["place"].erase("dst");
         r["place"]["tz"] = "America/New_York";
         r["time"] = {{"hour", 2}, {"minute", 30}};
       },
       "time: 02:30 on 10 March 2024 does not exist in America/New_York (clocks went from 02:00 "
       "to 03:00)"},
      {"a date the clocks skipped whole",
       [](json& r) {
         r["date"] = {{"year", 2011}, {"month", 12}, {"day", 30}};
         r["place"].erase("zone");
         r["place"].erase("dst");
         r["place"]["tz"] = "Pacific/Apia";
       },
       "date: 12:00 on 30 December 2011 does not exist in Pacific/Apia (clocks went from 00:00 on "
       "30 December 2011 to 00:00 on 31 December 2011)"},
      {"chart time",
       [](json& r) {
         r["time"] = {{"hour", 24}, {"minute", 0}};
       },
       "time.hour: must be between 0 and 23"},
      {"unknown subject",
       [](json& r) {
         const json person = ValidRequest();
         r["subject"] = "Picnic";
         r["name"] = person["name"];
         r["sex"] = person["sex"];
         r["birth"] = person["birth"];
       },
       "subject: unknown subject \"Picnic\" (horavela-cli subjects lists them)"},
  };
  for (const BadDay& row : rows) {
    json request = DayRequestJson();
    row.edit(request);
    const CliRun run = RunCli("day", request.dump());
    EXPECT_EQ(run.status, 2) << row.what;
    const json response = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(response.is_object() && response.contains("error")) << row.what << run.out;
    EXPECT_EQ(response["error"], row.error) << row.what;
  }
  EXPECT_EQ(RunCli("day", "[]").status, 2);
}

}  // namespace
}  // namespace horavela::testing_cli
