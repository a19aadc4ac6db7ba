// The "explanation" of an evaluate answer: its shape, its agreement with the
// search command's windows (a tz place too), and --no-explain.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;
using Ordered = nlohmann::ordered_json;

// Keeps the answer's member order, which the shape test reads.
Ordered Answer(const std::string& arguments, const json& request) {
  const CliRun run = RunCli(arguments, request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  return Ordered::parse(run.out, nullptr, false);
}

// "YYYY-MM-DDTHH:MM": digits everywhere but at the separators.
bool IsMinute(const Ordered& value) {
  if (!value.is_string()) return false;
  const std::string text = value.get<std::string>();
  const std::string shape = "dddd-dd-ddTdd:dd";
  if (text.size() != shape.size()) return false;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (shape[i] == 'd' ? !digit : text[i] != shape[i]) return false;
  }
  return true;
}

void ExpectWindow(const Ordered& window) {
  ASSERT_TRUE(window.is_object());
  EXPECT_TRUE(IsMinute(window["from"])) << window;
  EXPECT_TRUE(IsMinute(window["to"])) << window;
  EXPECT_LE(window["from"].get<std::string>(), window["to"].get<std::string>());
}

void ExpectBetter(const Ordered& better) {
  if (better.is_null()) return;
  EXPECT_TRUE(IsMinute(better["minute"])) << better;
  ExpectWindow(better["window"]);
  EXPECT_TRUE(better["result"].is_string());
  EXPECT_TRUE(better["total"].is_number_integer());
}

TEST(EvaluateExplanation, HasItsShape) {
  const Ordered answer = Answer("evaluate", ValidRequest());
  ASSERT_TRUE(answer.contains("explanation")) << answer;
  const Ordered& explanation = answer["explanation"];
  std::vector<std::string> keys;
  for (const auto& [key, value] : explanation.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"window", "elements", "warnings", "nearest_better",
                                            "factors"}));
  ExpectWindow(explanation["window"]);
  EXPECT_LE(explanation["window"]["from"].get<std::string>(), "2024-06-21T06:00");
  EXPECT_GE(explanation["window"]["to"].get<std::string>(), "2024-06-21T06:00");
  std::vector<std::string> elements;
  for (const Ordered& element : explanation["elements"]) {
    elements.push_back(element["element"]);
    EXPECT_TRUE(element["name"].is_string());
    EXPECT_TRUE(IsMinute(element["from"])) << element;
    EXPECT_TRUE(IsMinute(element["to"])) << element;
  }
  // A wedding's rule set never reads the lagna.
  EXPECT_EQ(elements, (std::vector<std::string>{"Nakshatra", "Moon sign", "Tithi", "Yoga", "Karana",
                                                "Civil date"}));
  ASSERT_TRUE(explanation["warnings"].is_array());
  for (const Ordered& warning : explanation["warnings"]) EXPECT_TRUE(warning.is_string());
  const Ordered& nearest = explanation["nearest_better"];
  for (const char* key : {"before", "after", "best_of_day"}) ExpectBetter(nearest[key]);
  EXPECT_TRUE(nearest["none_found"].is_boolean());
  ASSERT_EQ(explanation["factors"].size(), 10u);  // the wedding's ten factors
  for (const Ordered& factor : explanation["factors"]) {
    std::vector<std::string> members;
    for (const auto& [key, value] : factor.items()) members.push_back(key);
    EXPECT_EQ(members, (std::vector<std::string>{"verdict", "points", "line"}));
    EXPECT_TRUE(factor["points"].is_number_integer());
  }
  EXPECT_EQ(explanation["factors"][0]["verdict"].get<std::string>().rfind("Tara Stength - ", 0),
            0u);
}

// --no-explain leaves the member out and changes nothing else.
TEST(EvaluateExplanation, NoExplainLeavesItOut) {
  Ordered with = Answer("evaluate", ValidRequest());
  const Ordered without = Answer("evaluate --no-explain", ValidRequest());
  EXPECT_FALSE(without.contains("explanation"));
  with.erase("explanation");
  EXPECT_EQ(with, without);
}

// A batch explains every line, and none with --no-explain.
TEST(EvaluateExplanation, BatchExplainsEachLine) {
  json later = ValidRequest();
  later["election"]["hour"] = 18;
  const std::string batch = ValidRequest().dump() + "\n" + later.dump() + "\n";
  for (const auto& [arguments, explained] :
       {std::pair{"evaluate --batch", true}, std::pair{"evaluate --batch --no-explain", false}}) {
    const CliRun run = RunCli(arguments, batch);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines)
      EXPECT_EQ(json::parse(line).contains("explanation"), explained) << arguments;
  }
}

// The window is the search command's window holding the moment, on a place
// that follows its tz zone through the night the clocks go forward.
TEST(EvaluateExplanation, WindowIsTheSearchWindowOnATzPlace) {
  json request = ValidRequest();
  request["subject"] = "Domestic Journey";
  json& election = request["election"];
  election.erase("zone");
  election.erase("dst");
  election["tz"] = "Europe/London";
  election.update({{"year", 2024}, {"month", 3}, {"day", 31}, {"hour", 3}, {"minute", 10}});
  const Ordered explanation = Answer("evaluate", request)["explanation"];

  json search = SearchRequestJson("Domestic Journey", "Bad");
  search["place"].erase("zone");
  search["place"].erase("dst");
  search["place"]["tz"] = "Europe/London";
  search["from"] = {{"year", 2024}, {"month", 3}, {"day", 30}, {"hour", 0}, {"minute", 0}};
  search["to"] = {{"year", 2024}, {"month", 4}, {"day", 1}, {"hour", 23}, {"minute", 59}};
  const Ordered found = Answer("search", search);
  bool seen = false;
  for (const Ordered& window : found["windows"]) {
    if (window["from"] > "2024-03-31T03:10" || window["to"] < "2024-03-31T03:10") continue;
    EXPECT_EQ(explanation["window"]["from"], window["from"]);
    EXPECT_EQ(explanation["window"]["to"], window["to"]);
    seen = true;
  }
  EXPECT_TRUE(seen) << found;
}

// A weekday picked by hand that changes the evaluation is said: the window
// follows the civil weekday of the date, as search does.
TEST(EvaluateExplanation, SaysWhenAPickedWeekdayChangesTheEvaluation) {
  const json civil = ValidRequest();
  const Ordered civilAnswer = Answer("evaluate --no-explain", civil);
  json picked = civil;
  picked["election"]["weekday"] = "Sunday";
  const Ordered answer = Answer("evaluate", picked);
  ASSERT_NE(answer["evaluation"]["total_score"], civilAnswer["evaluation"]["total_score"]);
  const std::string expected =
      "The window follows the civil weekday of the date, which reads " +
      civilAnswer["evaluation"]["result_word"].get<std::string>() + " with a total of " +
      std::to_string(civilAnswer["evaluation"]["total_score"].get<int>()) + " here.";
  EXPECT_EQ(answer["explanation"]["warnings"].back(), expected);
  const Ordered civilExplained = Answer("evaluate", civil);
  for (const Ordered& warning : civilExplained["explanation"]["warnings"])
    EXPECT_NE(warning.get<std::string>().rfind("The window follows", 0), 0u) << warning;
}

}  // namespace
}  // namespace horavela::testing_cli
