// `horavela-cli search`: windows of minutes with one evaluation, checked for
// coverage, order and agreement with `evaluate`, and its bad requests.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "atlas/local_minute.h"
#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

LocalMinute MinuteOf(const std::string& text) {
  // "2024-06-21T07:12"
  return {std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)),
          std::stoi(text.substr(11, 2)), std::stoi(text.substr(14, 2))};
}

json Search(const json& request) {
  const CliRun run = RunCli("search", request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  json response = json::parse(run.out, nullptr, false);
  EXPECT_TRUE(response.is_object() && !response.contains("error")) << run.out;
  return response;
}

// With "Bad" every minute reaches the minimum, so the windows tile the day.
TEST(SearchCommandTest, WindowsTileTheRangeInTimeOrder) {
  const json response = Search(SearchRequestJson("Marriage", "Bad"));
  EXPECT_EQ(response["minutes_scanned"], 1440);
  const json& windows = response["windows"];
  ASSERT_FALSE(windows.empty());
  EXPECT_EQ(windows.front()["from"], "2024-06-21T00:00");
  EXPECT_EQ(windows.back()["to"], "2024-06-21T23:59");
  std::int64_t total = 0;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const json& w = windows[i];
    EXPECT_EQ(w["subject"], "Marriage");
    const auto first = MinuteIndex(MinuteOf(w["from"]));
    const auto last = MinuteIndex(MinuteOf(w["to"]));
    EXPECT_EQ(w["minutes"], last - first + 1);
    total += w["minutes"].get<std::int64_t>();
    if (i > 0) {
      EXPECT_EQ(first, MinuteIndex(MinuteOf(windows[i - 1]["to"])) + 1) << i;
      // Maximal runs: neighbours differ in their evaluation.
      EXPECT_NE(std::tie(w["factor_verdicts"], w["factor_points"], w["result_word"]),
                std::tie(windows[i - 1]["factor_verdicts"], windows[i - 1]["factor_points"],
                         windows[i - 1]["result_word"]))
          << i;
    }
  }
  EXPECT_EQ(total, 1440);
  ASSERT_TRUE(response["best"].is_array());
  EXPECT_LE(response["best"].size(), 10u);
  for (const json& index : response["best"]) EXPECT_LT(index.get<std::size_t>(), windows.size());
}

// A window's evaluation is the one `evaluate` gives for its first and last minute.
TEST(SearchCommandTest, WindowsAgreeWithEvaluate) {
  const json response = Search(SearchRequestJson("Foreign Journey", "Bad"));
  const json& windows = response["windows"];
  ASSERT_FALSE(windows.empty());
  for (std::size_t i : {std::size_t{0}, windows.size() / 2, windows.size() - 1}) {
    for (const char* end : {"from", "to"}) {
      const LocalMinute minute = MinuteOf(windows[i][end]);
      json request = ValidRequest();
      request["subject"] = "Foreign Journey";
      request["election"]["hour"] = minute.hour;
      request["election"]["minute"] = minute.minute;
      const CliRun run = RunCli("evaluate", request.dump());
      const json evaluation = json::parse(run.out)["evaluation"];
      EXPECT_EQ(evaluation["factor_verdicts"], windows[i]["factor_verdicts"]) << i << end;
      EXPECT_EQ(evaluation["factor_points"], windows[i]["factor_points"]) << i << end;
      EXPECT_EQ(evaluation["result_word"], windows[i]["result_word"]) << i << end;
      EXPECT_EQ(evaluation["factor_count"], windows[i]["factor_count"]) << i << end;
    }
  }
}

TEST(SearchCommandTest, MinimumResultFiltersWindows) {
  const json all = Search(SearchRequestJson("Marriage", "Bad"));
  const json good = Search(SearchRequestJson("Marriage", "Good"));
  std::size_t goodWindows = 0;
  for (const json& w : all["windows"]) goodWindows += w["result_word"] == "Good" ? 1 : 0;
  EXPECT_EQ(good["windows"].size(), goodWindows);
  for (const json& w : good["windows"]) EXPECT_EQ(w["result_word"], "Good");
}

TEST(SearchCommandTest, StarSearchesEverySubjectInDispatchOrder) {
  json request = SearchRequestJson("*", "Bad");
  request["to"] = {{"year", 2024}, {"month", 6}, {"day", 21}, {"hour", 1}, {"minute", 59}};
  const json response = Search(request);
  const auto subjects = Lines(RunCli("subjects").out);
  std::vector<std::string> seen;
  for (const json& w : response["windows"]) {
    if (seen.empty() || seen.back() != w["subject"]) seen.push_back(w["subject"]);
  }
  EXPECT_EQ(seen, subjects);
}

// The minutes (as "from" to "to" texts) of the windows of a response.
std::vector<std::pair<std::string, std::string>> Spans(const json& response) {
  std::vector<std::pair<std::string, std::string>> spans;
  for (const json& w : response["windows"]) spans.emplace_back(w["from"], w["to"]);
  return spans;
}

TEST(SearchCommandTest, MinimumTotalFiltersWindows) {
  const json all = Search(SearchRequestJson("Marriage", "Bad"));
  for (const int minTotal : {-100, -2, 0, 2, 100}) {
    json request = SearchRequestJson("Marriage", "Bad");
    request["min_total"] = minTotal;
    json expected = {{"windows", json::array()}};
    for (const json& w : all["windows"])
      if (w["total_score"].get<int>() >= minTotal) expected["windows"].push_back(w);
    EXPECT_EQ(Spans(Search(request)), Spans(expected)) << minTotal;
  }
}

// The kalams' minutes of the day at the search's place, from `day`: a minute
// is in a kalam when the kalam is in force at its first second.
std::set<std::string> KalamMinutes(const std::vector<std::string>& kalams) {
  const json search = SearchRequestJson();
  json request = {{"date", {{"year", 2024}, {"month", 6}, {"day", 21}}},
                  {"place", search["place"]}};
  const CliRun run = RunCli("day", request.dump());
  const json day = json::parse(run.out, nullptr, false);
  std::set<std::string> minutes;
  for (const std::string& kalam : kalams) {
    const std::string from = day[kalam]["from"], to = day[kalam]["to"];  // "...T07:12:05"
    std::int64_t t = MinuteIndex(MinuteOf(from)) + (from.substr(17) == "00" ? 0 : 1);
    for (; FormatLocalMinute(FromMinuteIndex(t)) + ":00" < to; ++t)
      minutes.insert(FormatLocalMinute(FromMinuteIndex(t)));
  }
  return minutes;
}

TEST(SearchCommandTest, AvoidedKalamsLeaveTheirMinutesOut) {
  const std::vector<std::vector<std::string>> choices = {
      {"rahu_kalam"}, {"yamaganda", "gulika_kalam"}, {"rahu_kalam", "yamaganda", "gulika_kalam"}};
  for (const std::vector<std::string>& kalams : choices) {
    json request = SearchRequestJson("Marriage", "Bad");
    request["avoid"] = kalams;
    const json response = Search(request);
    std::set<std::string> listed;
    for (const auto& [from, to] : Spans(response)) {
      for (std::int64_t t = MinuteIndex(MinuteOf(from)); t <= MinuteIndex(MinuteOf(to)); ++t)
        listed.insert(FormatLocalMinute(FromMinuteIndex(t)));
    }
    const std::set<std::string> avoided = KalamMinutes(kalams);
    EXPECT_FALSE(avoided.empty());
    EXPECT_EQ(listed.size() + avoided.size(), 1440u) << kalams.size();
    for (const std::string& minute : avoided) EXPECT_EQ(listed.count(minute), 0u) << minute;
  }
}

TEST(SearchCommandTest, CsvFileHoldsTheListedWindows) {
  const std::string file = (Scratch().path() / "windows.csv").string();
  const CliRun run = RunCli("search --csv " + ShellQuote(file), SearchRequestJson().dump());
  ASSERT_EQ(run.status, 0) << run.out;
  const json response = json::parse(run.out);
  const std::string csv = ReadFile(file);
  ASSERT_EQ(csv.rfind("subject,from,to,minutes,result_word,total_score,factor_count,"
                      "factor_verdicts,factor_points\r\n",
                      0),
            0u);
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(lines, response["windows"].size() + 1);
  const json& first = response["windows"].front();
  EXPECT_NE(csv.find("\r\nMarriage," + first["from"].get<std::string>() + "," +
                     first["to"].get<std::string>() + ","),
            std::string::npos);
}

struct BadSearch {
  const char* what;
  std::function<void(json&)> edit;
  const char* messagePart;
};

TEST(SearchCommandTest, BadRequestsNameTheField) {
  const BadSearch rows[] = {
      {"missing place", [](json& r) { r.erase("place"); }, "place"},
      {"place without zone", [](json& r) { r["place"].erase("zone"); }, "place.zone"},
      {"from not an object", [](json& r) { r["from"] = "2024-06-21"; }, "from"},
      {"to month 13", [](json& r) { r["to"]["month"] = 13; }, "to"},
      {"to before from", [](json& r) { r["to"]["day"] = 20; }, "to"},
      {"more than ten years", [](json& r) { r["to"]["year"] = 2040; }, "to"},
      {"unknown subject", [](json& r) { r["subject"] = "Picnic"; }, "horavela-cli subjects"},
      {"unknown result word", [](json& r) { r["min_result"] = "Great"; }, "min_result"},
      {"birth 31 April",
       [](json& r) {
         r["birth"]["month"] = 4;
         r["birth"]["day"] = 31;
       },
       "birth.day"},
      {"float minute", [](json& r) { r["from"]["minute"] = 0.5; }, "from.minute"},
      {"min_total as text", [](json& r) { r["min_total"] = "3"; },
       "min_total: must be a whole number, not a string"},
      {"min_total fractional", [](json& r) { r["min_total"] = 2.5; }, "min_total"},
      {"avoid not an array", [](json& r) { r["avoid"] = "rahu_kalam"; },
       "avoid: must be an array of kalam names, not a string"},
      {"avoid an unknown kalam",
       [](json& r) {
         r["avoid"] = {"rahu_kalam", "rahu"};
       },
       "avoid[1]: must be \"rahu_kalam\", \"yamaganda\" or \"gulika_kalam\", not \"rahu\""},
      {"avoid a number", [](json& r) { r["avoid"] = {3}; }, "avoid[0]: must be a string"},
  };
  for (const BadSearch& row : rows) {
    json request = SearchRequestJson("Marriage", "Good");
    row.edit(request);
    const CliRun run = RunCli("search", request.dump());
    EXPECT_EQ(run.status, 2) << row.what;
    const json response = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(response.is_object() && response.contains("error")) << row.what << run.out;
    EXPECT_NE(response["error"].get<std::string>().find(row.messagePart), std::string::npos)
        << row.what << ": " << response["error"];
  }
  EXPECT_EQ(RunCli("search", "{\"subject\": ").status, 2);
  EXPECT_EQ(RunCli("search", "[]").status, 2);
}

json Minute(int year, int month, int day, int hour, int minute) {
  return {{"year", year}, {"month", month}, {"day", day}, {"hour", hour}, {"minute", minute}};
}

// Born at 10:30 on 20 December 2024 in India (05:00 universal time), searched
// at a place on Greenwich time: the range must reach the birth in universal
// time, whichever way the birth's zone is given.
TEST(SearchCommandTest, ARangeEndingBeforeTheBirthIsRefused) {
  struct Row {
    const char* what;
    bool birthTz;
    json from, to;
    const char* error;  // empty: searched
  };
  const Row rows[] = {
      {"a month before", false, Minute(2024, 11, 14, 0, 0), Minute(2024, 11, 14, 23, 59),
       "to: the range ends at 23:59 on 14 November 2024, before the birth at 10:30 on 20 "
       "December 2024"},
      {"a minute before, tz", true, Minute(2024, 12, 20, 4, 0), Minute(2024, 12, 20, 4, 59),
       "to: the range ends at 04:59 on 20 December 2024, before the birth at 10:30 on 20 "
       "December 2024"},
      {"at the birth, tz", true, Minute(2024, 12, 20, 4, 0), Minute(2024, 12, 20, 5, 0), ""},
  };
  for (const Row& row : rows) {
    json request = SearchRequestJson("Marriage", "Bad");
    json& birth = request["birth"];
    birth["year"] = 2024;
    birth["month"] = 12;
    birth["day"] = 20;
    birth["hour"] = 10;
    birth["minute"] = 30;
    if (row.birthTz) {
      birth.erase("zone");
      birth.erase("dst");
      birth["tz"] = "Asia/Kolkata";
    }
    request["from"] = row.from;
    request["to"] = row.to;
    const CliRun run = RunCli("search", request.dump());
    const json response = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(response.is_object()) << row.what << run.out;
    if (*row.error == '\0') {
      EXPECT_EQ(run.status, 0) << row.what << run.out;
    } else {
      EXPECT_EQ(run.status, 2) << row.what;
      EXPECT_EQ(response.value("error", ""), row.error) << row.what;
    }
  }
}

}  // namespace
}  // namespace horavela::testing_cli
