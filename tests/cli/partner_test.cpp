// A moment judged for two: evaluate and search take a "partner", answer for
// both people, and name the partner's faults as the partner's.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "atlas/local_minute.h"
#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

// Ravi, born in Madurai under another star than the valid request's Asha.
json Ravi() {
  return json::parse(R"({"name": "Ravi", "sex": "Male", "birth": {
      "year": 1987, "month": 11, "day": 20, "hour": 1, "minute": 15,
      "latitude": {"degrees": 9, "minutes": 55, "north": true},
      "longitude": {"degrees": 78, "minutes": 7, "east": true},
      "tz": "Asia/Kolkata", "city": "Madurai"}})");
}

json WithPartner(json request) {
  request["partner"] = Ravi();
  return request;
}

// The request as Ravi's own: his name, sex and birth in the person's place.
json AsRavis(json request) {
  for (const char* key : {"name", "sex", "birth"}) request[key] = Ravi()[key];
  return request;
}

json Answer(const std::string& command, const json& request) {
  const CliRun run = RunCli(command, request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  return json::parse(run.out, nullptr, false);
}

TEST(PartnerTest, EvaluateAnswersForEachAsIfAlone) {
  json both = Answer("evaluate", WithPartner(ValidRequest()));
  const json asha = Answer("evaluate", ValidRequest());
  const json ravi = Answer("evaluate", AsRavis(ValidRequest()));
  ASSERT_TRUE(both.contains("partner_evaluation")) << both.dump();
  EXPECT_EQ(both["partner_evaluation"], ravi["evaluation"]);
  EXPECT_NE(both["partner_evaluation"]["factor_points"], asha["evaluation"]["factor_points"]);
  both.erase("partner_evaluation");
  EXPECT_EQ(both, asha);
}

TEST(PartnerTest, EvaluateTextGivesThePartnersVerdictLine) {
  const CliRun run = RunCli("evaluate --text", WithPartner(ValidRequest()).dump());
  ASSERT_EQ(run.status, 0) << run.out;
  const json ravi = Answer("evaluate", AsRavis(ValidRequest()))["evaluation"];
  const std::string line = "Partner: Ravi, " + ravi["result_word"].get<std::string>() + ", total " +
                           std::to_string(ravi["total_score"].get<int>()) + " from " +
                           std::to_string(ravi["factor_count"].get<int>()) + " factors\n";
  EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
}

// "2024-06-21T05:07" as the minute it names.
LocalMinute Minute(const std::string& text) {
  const auto number = [&text](std::size_t at, std::size_t digits) {
    return std::stoi(text.substr(at, digits));
  };
  LocalMinute minute;
  minute.year = number(0, 4);
  minute.month = number(5, 2);
  minute.day = number(8, 2);
  minute.hour = number(11, 2);
  minute.minute = number(14, 2);
  return minute;
}

// Each listed minute of an answer, with its window's total (the partner's
// for `partner`).
std::map<std::int64_t, int> TotalsByMinute(const json& answer, bool partner) {
  std::map<std::int64_t, int> totals;
  for (const json& w : answer["windows"]) {
    const LocalMinute first = Minute(w["from"].get<std::string>());
    const LocalMinute last = Minute(w["to"].get<std::string>());
    const int total =
        partner ? w["partner"]["total_score"].get<int>() : w["total_score"].get<int>();
    for (std::int64_t m = MinuteIndex(first); m <= MinuteIndex(last); ++m) totals[m] = total;
  }
  return totals;
}

// A window for two where both reach the minimum: exactly the minutes both
// single searches list, each with the totals those give, and neither
// person's minutes alone.
TEST(PartnerTest, SearchListsTheMinutesBothReachWithBothTotals) {
  // Midsummer day is Good for both all day long: a total of 2 leaves some
  // 1,390 minutes for Asha, 670 for Ravi and 620 for the two of them.
  json request = SearchRequestJson();
  request["min_total"] = 2;
  const json both = Answer("search", WithPartner(request));
  const auto ashaAlone = TotalsByMinute(Answer("search", request), false);
  const auto raviAlone = TotalsByMinute(Answer("search", AsRavis(request)), false);
  ASSERT_FALSE(both["windows"].empty()) << both.dump();
  for (const json& w : both["windows"]) ASSERT_TRUE(w["partner"].contains("result_word"));
  const auto ashaBoth = TotalsByMinute(both, false);
  const auto raviBoth = TotalsByMinute(both, true);
  std::size_t shared = 0;
  for (const auto& [minute, total] : ashaAlone) {
    const auto ravi = raviAlone.find(minute);
    if (ravi == raviAlone.end()) continue;
    ++shared;
    EXPECT_EQ(ashaBoth.at(minute), total) << minute;
    EXPECT_EQ(raviBoth.at(minute), ravi->second) << minute;
  }
  EXPECT_EQ(ashaBoth.size(), shared);
  EXPECT_LT(shared, ashaAlone.size());
  EXPECT_LT(shared, raviAlone.size());
}

TEST(PartnerTest, SearchTextAndCsvShowBothTotals) {
  const std::string csv = (Scratch().path() / "two.csv").string();
  const CliRun run = RunCli("search --text --csv " + ShellQuote(csv),
                            WithPartner(SearchRequestJson("Marriage", "Average")).dump());
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("; partner "), std::string::npos) << run.out;
  EXPECT_NE(ReadFile(csv).find(",partner_result_word,partner_total_score\r\n"), std::string::npos);
}

TEST(PartnerTest, APartnersFaultIsNamedForThePartner) {
  struct Row {
    const char* what;
    void (*edit)(json& partner);
    const char* error;  // the start of the error, for evaluate and search alike
  };
  const Row rows[] = {
      {"not an object", [](json& p) { p = 5; }, "partner: must be an object"},
      {"no sex", [](json& p) { p.erase("sex"); }, "partner.sex: is missing"},
      {"unknown sex", [](json& p) { p["sex"] = "X"; }, "partner.sex: must be"},
      {"name of a number", [](json& p) { p["name"] = 1; }, "partner.name: must be a string"},
      {"13th month", [](json& p) { p["birth"]["month"] = 13; }, "partner.birth.month: must be"},
      {"unknown zone", [](json& p) { p["birth"]["tz"] = "Mars/Base"; },
       "partner.birth.tz: unknown time zone"},
      {"zone signs apart",
       [](json& p) {
         p["birth"].erase("tz");
         p["birth"]["zone"] = {{"hours", -5}, {"minutes", 30}};
         p["birth"]["dst"] = false;
       },
       "partner.birth.zone"},
  };
  for (const char* command : {"evaluate", "search"}) {
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(command) + ", " + row.what);
      json request =
          WithPartner(std::string(command) == "evaluate" ? ValidRequest() : SearchRequestJson());
      row.edit(request["partner"]);
      const CliRun run = RunCli(command, request.dump());
      EXPECT_EQ(run.status, 2) << run.out;
      EXPECT_EQ(json::parse(run.out)["error"].get<std::string>().rfind(row.error, 0), 0u)
          << run.out;
    }
  }
}

// The person's late birth is answered with a warning, as it always was; the
// partner's, new with the partner, is refused.
TEST(PartnerTest, APartnerBornAfterTheElectionIsRefused) {
  json request = WithPartner(ValidRequest());
  request["partner"]["birth"]["year"] = 2025;
  const CliRun run = RunCli("evaluate", request.dump());
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_NE(run.out.find("partner.birth: the birth at 01:15 on 20 November 2025 is later"),
            std::string::npos)
      << run.out;
}

// A range that ends before the partner's birth names the partner's birth,
// not the range's end; the person's own late birth keeps its message.
TEST(PartnerTest, ARangeBeforeThePartnersBirthNamesThePartner) {
  json request = WithPartner(SearchRequestJson());
  request["partner"]["birth"]["year"] = 2025;
  const CliRun partners = RunCli("search", request.dump());
  EXPECT_EQ(partners.status, 2) << partners.out;
  EXPECT_EQ(json::parse(partners.out)["error"],
            "partner.birth: the range ends at 23:59 on 21 June 2024, before the partner's birth "
            "at 01:15 on 20 November 2025");
  json own = SearchRequestJson();
  own["birth"]["year"] = 2025;
  const CliRun persons = RunCli("search", own.dump());
  EXPECT_EQ(persons.status, 2) << persons.out;
  EXPECT_EQ(json::parse(persons.out)["error"],
            "to: the range ends at 23:59 on 21 June 2024, before the birth at 08:45 on 14 March "
            "2025");
}

}  // namespace
}  // namespace horavela::testing_cli
