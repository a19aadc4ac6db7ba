// The tradition's vetoes on the command line: `almanac` over a range of days,
// the vetoes in force on a `day`, and `search` with each "almanac" mode.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "atlas/local_minute.h"
#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

// "2026-01-14T15:07" as a minute index on the same clock.
std::int64_t MinuteOf(const json& text) {
  LocalMinute minute;
  const std::string s = text.get<std::string>();
  EXPECT_EQ(std::sscanf(s.c_str(), "%d-%d-%dT%d:%d", &minute.year, &minute.month, &minute.day,
                        &minute.hour, &minute.minute),
            5)
      << s;
  return MinuteIndex(minute);
}

// The answer's periods of one kind.
std::vector<json> OfKind(const json& answer, const std::string& veto) {
  std::vector<json> periods;
  for (const json& period : answer["vetoes"])
    if (period["veto"] == veto) periods.push_back(period);
  return periods;
}

json Answer(const std::string& arguments, const std::string& input = {}) {
  const CliRun run = RunCli(arguments, input);
  EXPECT_EQ(run.status, 0) << arguments << "\n" << run.out << run.err;
  return json::parse(run.out, nullptr, false);
}

// Kharmas 2025-26 at New Delhi: the Sun entered Dhanu at 04:19 on 16 December
// 2025 and Makara at 15:06 on 14 January 2026 (indiatvnews.com, 16 December
// 2025); the program's ayanamsa lies a few minutes of the Sun's motion away.
TEST(AlmanacCommandTest, KharmasAtNewDelhiAtThePublishedSankrantis) {
  const json answer = Answer("almanac --from 2025-12-01 --to 2026-01-31 --place 'New Delhi'");
  EXPECT_EQ(answer["place"]["name"], "New Delhi");
  EXPECT_EQ(answer["place"]["time_zone"], "Asia/Kolkata");
  EXPECT_EQ(answer["from"], "2025-12-01");
  EXPECT_EQ(answer["to"], "2026-01-31");
  const std::vector<json> kharmas = OfKind(answer, "kharmas");
  ASSERT_EQ(kharmas.size(), 1u) << answer;
  EXPECT_EQ(kharmas[0]["name"], "Kharmas");
  EXPECT_LE(std::abs(MinuteOf(kharmas[0]["from"]) - MinuteOf(json("2025-12-16T04:19"))), 10);
  EXPECT_LE(std::abs(MinuteOf(kharmas[0]["to"]) + 1 - MinuteOf(json("2026-01-14T15:06"))), 10);

  const CliRun text =
      RunCli("almanac --text --from 2026-01-01 --to 2026-01-01 --place 'New Delhi'");
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("\n  Kharmas " + kharmas[0]["from"].get<std::string>() + " to " +
                          kharmas[0]["to"].get<std::string>() + ": "),
            std::string::npos)
      << text.out;
}

// Holashtak 2026 (24 February to 3 March) is listed only with --regional;
// the month convention names Pitru Paksha's month, not its days.
TEST(AlmanacCommandTest, RegionalVetoesOnlyWhenAsked) {
  const char* range = "almanac --from 2026-02-20 --to 2026-10-31 --place 'New Delhi'";
  const json plain = Answer(range);
  EXPECT_TRUE(OfKind(plain, "holashtak").empty());
  EXPECT_TRUE(OfKind(plain, "pitru_paksha").empty());
  const json amanta = Answer(std::string(range) + " --regional");
  ASSERT_EQ(OfKind(amanta, "holashtak").size(), 1u);
  EXPECT_EQ(OfKind(amanta, "holashtak")[0]["from"].get<std::string>().substr(0, 10), "2026-02-24");
  const json purnimanta = Answer(std::string(range) + " --regional --months purnimanta");
  const std::vector<json> a = OfKind(amanta, "pitru_paksha");
  const std::vector<json> p = OfKind(purnimanta, "pitru_paksha");
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(a[0]["from"], p[0]["from"]);
  EXPECT_EQ(a[0]["to"], p[0]["to"]);
  EXPECT_NE(a[0]["reason"], p[0]["reason"]);
}

TEST(AlmanacCommandTest, RefusesBadDatesRangesAndPlaces) {
  const struct {
    const char* arguments;
    const char* error;  // JSON's "error", or the start of standard error
  } rows[] = {
      {"--from 2026-1-1 --to 2026-01-31 --place Delhi",
       "--from: must be a date YYYY-MM-DD, not \"2026-1-1\""},
      {"--from 2026-01-01 --to 2026-02-30 --place Delhi",
       "--to day: February 30 2026 does not exist"},
      {"--from 1900-12-31 --to 1901-01-31 --place Delhi",
       "--from year: must be between 1901 and 2050"},
      {"--from 2026-02-01 --to 2026-01-31 --place Delhi", "--to: is before --from (2026-02-01)"},
      {"--from 2026-01-01 --to 2036-01-02 --place Delhi",
       "--to: must be at most 10 years after --from"},
      {"--from 2026-01-01 --to 2026-01-31 --place Qwxzy",
       "--place: no city of the atlas is called \"Qwxzy\" (horavela-cli places lists the "
       "cities whose names begin so)"},
      {"--from 2026-01-01 --to 2026-01-31 --place ' '", "--place: is empty: give a city's name"},
      {"--from 2026-01-01 --to 2026-01-31 --place Delhi --months solar", "--months: solar"},
      {"--from 2026-01-01 --to 2026-01-31", "--place is required"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments);
    const CliRun run = RunCli(std::string("almanac ") + row.arguments);
    EXPECT_EQ(run.status, 2);
    if (run.out.empty()) {
      EXPECT_EQ(run.err.rfind(row.error, 0), 0u) << run.err;
    } else {
      EXPECT_EQ(json::parse(run.out), json({{"error", row.error}}));
    }
  }
  // Ten years to the day, leap days included, is answered.
  EXPECT_EQ(RunCli("almanac --from 2026-01-01 --to 2036-01-01 --place Delhi").status, 0);
}

// New Delhi on its tz zone, for a day.
json DayAt(int year, int month, int day) {
  return {{"date", {{"year", year}, {"month", month}, {"day", day}}},
          {"place",
           {{"latitude", {{"degrees", 28}, {"minutes", 37}, {"north", true}}},
            {"longitude", {{"degrees", 77}, {"minutes", 13}, {"east", true}}},
            {"tz", "Asia/Kolkata"},
            {"city", "New Delhi"}}}};
}

// New Year's Day 2026 lies in Kharmas (and Shukra asta); 22 April 2026 between Malmas and the
// adhika Jyeshtha, the Moon far from Panchaka, no planet combust, no eclipse.
TEST(DayVetoesTest, TheVetoesInForceThatDay) {
  const json kharmasDay = Answer("day", DayAt(2026, 1, 1).dump());
  const std::vector<json> kharmas = OfKind(kharmasDay, "kharmas");
  ASSERT_EQ(kharmas.size(), 1u) << kharmasDay["vetoes"];
  const json almanac = Answer("almanac --from 2026-01-01 --to 2026-01-01 --place 'New Delhi'");
  EXPECT_EQ(kharmas[0], OfKind(almanac, "kharmas")[0]);

  EXPECT_EQ(Answer("day", DayAt(2026, 4, 22).dump())["vetoes"], json::array());

  const CliRun text = RunCli("day --text", DayAt(2026, 1, 1).dump());
  EXPECT_NE(text.out.find("Vetoes the tradition observes that day:\n"), std::string::npos);
  EXPECT_NE(text.out.find("\n  Kharmas " + kharmas[0]["from"].get<std::string>()),
            std::string::npos)
      << text.out;
  const CliRun none = RunCli("day --text", DayAt(2026, 4, 22).dump());
  EXPECT_NE(none.out.find("No veto of the tradition is in force that day.\n"), std::string::npos)
      << none.out;
}

// A marriage at New Delhi over the days Malmas ends (09:32 on 14 April 2026),
// no other veto a marriage observes near.
json MarriageAcrossMalmasEnd(const char* mode) {
  json request = json::parse(RunCli("example search").out);
  request["from"] = {{"year", 2026}, {"month", 4}, {"day", 12}, {"hour", 0}, {"minute", 0}};
  request["to"] = {{"year", 2026}, {"month", 4}, {"day", 17}, {"hour", 23}, {"minute", 59}};
  request.erase("min_total");  // every Good window
  if (mode != nullptr) request["almanac"] = mode;
  return request;
}

std::vector<std::string> Spans(const json& windows, bool onlyClean) {
  std::vector<std::string> spans;
  for (const json& w : windows) {
    if (onlyClean && (!w["almanac"]["vetoes"].empty() || !w["almanac"]["shuddhi"].empty()))
      continue;
    spans.push_back(w["from"].get<std::string>() + " " + w["to"].get<std::string>() + " " +
                    w["result_word"].get<std::string>());
  }
  return spans;
}

// Ignore answers as before; show marks each window; observe keeps exactly
// the windows show finds clean.
TEST(SearchAlmanacTest, EachModeOverAVetoEdge) {
  const json before = Answer("search", MarriageAcrossMalmasEnd(nullptr).dump());
  const json ignore = Answer("search", MarriageAcrossMalmasEnd("ignore").dump());
  EXPECT_EQ(ignore, before);
  EXPECT_FALSE(ignore.contains("vetoes"));
  EXPECT_FALSE(ignore["windows"][0].contains("almanac"));

  const json show = Answer("search", MarriageAcrossMalmasEnd("show").dump());
  EXPECT_EQ(show["windows"].size(), ignore["windows"].size());
  ASSERT_EQ(OfKind(show, "malmas").size(), 1u);
  const std::int64_t end = MinuteOf(OfKind(show, "malmas")[0]["to"]);
  for (const json& w : show["windows"]) {
    const bool vetoed = w["almanac"]["vetoes"] == json::array({"malmas"});
    EXPECT_EQ(vetoed, MinuteOf(w["from"]) <= end) << w;
    EXPECT_TRUE(w["almanac"]["shuddhi"].is_array());
  }

  const json observe = Answer("search", MarriageAcrossMalmasEnd("observe").dump());
  EXPECT_FALSE(observe["windows"].empty());
  EXPECT_EQ(Spans(observe["windows"], false), Spans(show["windows"], true));
  EXPECT_EQ(observe["vetoes"], show["vetoes"]);
}

TEST(SearchAlmanacTest, ABadModeNamesTheChoicesAndTextListsTheVetoes) {
  const CliRun bad = RunCli("search", MarriageAcrossMalmasEnd("yes").dump());
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(json::parse(bad.out)["error"],
            "almanac: must be one of \"ignore\", \"show\", \"observe\", not \"yes\"");

  const CliRun text = RunCli("search --text", MarriageAcrossMalmasEnd("observe").dump());
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("Vetoes the tradition observes in the range:\n  Malmas 2026-03-15T"),
            std::string::npos)
      << text.out;
}

// search --text --lang hi says its labels, verdicts and veto lines in Hindi;
// --lang en is the summary without the flag, and the JSON stays English.
TEST(SearchAlmanacTest, TextTakesTheLanguageTheJsonStaysEnglish) {
  const std::string request = MarriageAcrossMalmasEnd("observe").dump();
  const CliRun plain = RunCli("search --text", request);
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(RunCli("search --text --lang en", request).out, plain.out);
  EXPECT_EQ(RunCli("search --lang hi", request).out, RunCli("search", request).out);

  const CliRun hindi = RunCli("search --text --lang hi", request);
  ASSERT_EQ(hindi.status, 0) << hindi.err;
  for (const char* said : {"समय-खण्ड सूचीबद्ध, ", "विवाह के लिए श्रेष्ठ समय-खण्ड:\n",
                           "इस अवधि में परम्परा के निषेध:\n  मलमास 2026-03-15T", "सूर्य मीन में है"})
    EXPECT_NE(hindi.out.find(said), std::string::npos) << said << "\n" << hindi.out;
  EXPECT_EQ(hindi.out.find("The Sun is in"), std::string::npos) << hindi.out;
  EXPECT_EQ(RunCli("search --text --lang xx", request).status, 2);

  // --digits native writes the summary's dates in Devanagari digits, never the JSON's.
  const CliRun native = RunCli("search --text --lang hi --digits native", request);
  ASSERT_EQ(native.status, 0) << native.err;
  EXPECT_NE(native.out.find("मलमास २०२६-०३-१५T"), std::string::npos) << native.out;
  EXPECT_EQ(RunCli("search --lang hi --digits native", request).out, RunCli("search", request).out);
}

}  // namespace
}  // namespace horavela::testing_cli
