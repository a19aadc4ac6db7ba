// Keys a command does not read: each is named by its path on standard error
// and in the answer's "warnings", and refused with --strict; keys callers
// send on purpose pass without a word.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

json DayRequestJson() {
  json request = SearchRequestJson();
  request["date"] = {{"year", 2024}, {"month", 6}, {"day", 21}};
  for (const char* key : {"from", "to", "min_result"}) request.erase(key);
  return request;
}

struct Row {
  const char* command;
  std::function<void(json&)> edit;
  const char* path;  // the unknown key's path; empty: nothing to warn of
};

json RequestFor(const Row& row) {
  const std::string command = row.command;
  json request = command == "evaluate" ? ValidRequest()
                 : command == "search" ? SearchRequestJson()
                                       : DayRequestJson();
  row.edit(request);
  return request;
}

const Row kRows[] = {
    {"evaluate", [](json& r) { r["almanac"] = true; }, "almanac"},
    {"evaluate", [](json& r) { r["birth"]["latitude"]["degree"] = 28; }, "birth.latitude.degree"},
    {"search", [](json& r) { r["minresult"] = "Bad"; }, "minresult"},
    {"search", [](json& r) { r["place"]["a b"] = 1; }, "place[\"a b\"]"},
    {"day", [](json& r) { r["setting"] = json::object(); }, "setting"},
    {"day", [](json& r) { r["date"]["weekday"] = "Friday"; }, "date.weekday"},
    {"evaluate",
     [](json& r) {
       r["partner"] = {{"nme", "Ravi"}, {"name", "Ravi"}, {"sex", "Male"}, {"birth", r["birth"]}};
     },
     "partner.nme"},
    {"search",
     [](json& r) {
       r["partner"] = {{"name", "Ravi"}, {"sex", "Male"}, {"birth", r["birth"]}};
       r["partner"]["birth"]["latitude"]["degree"] = 9;
     },
     "partner.birth.latitude.degree"},
    // What callers already send stays accepted.
    {"evaluate", [](json& r) { r["election"]["weekday"] = "Friday"; }, ""},
    {"evaluate", [](json& r) { r["birth"]["second"] = 30; }, ""},
    {"search", [](json& r) { r["avoid"] = json::array({"rahu_kalam"}); }, ""},
    {"evaluate",
     [](json& r) {
       r["partner"] = {{"name", "Ravi"}, {"sex", "Male"}, {"birth", r["birth"]}};
       r["partner"]["birth"]["weekday"] = "Friday";
     },
     ""},
    {"day", [](json& r) { r["settings"] = json::object(); }, ""},
};

// Named and answered without --strict, refused with it.
TEST(RequestKeysTest, AnUnknownKeyIsNamedOrWithStrictRefused) {
  for (const Row& row : kRows) {
    const json request = RequestFor(row);
    SCOPED_TRACE(std::string(row.command) + " " + request.dump());
    const CliRun run = RunCli(row.command, request.dump());
    const CliRun strict = RunCli(std::string(row.command) + " --strict", request.dump());
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const json answer = json::parse(run.out);
    EXPECT_FALSE(answer.contains("error")) << run.out;
    if (*row.path == '\0') {
      // evaluate always lists the evaluation's own warnings, here none.
      EXPECT_EQ(answer.value("warnings", json::array()), json::array());
      EXPECT_EQ(run.err, "");
      EXPECT_EQ(strict.status, 0) << strict.out;
      continue;
    }
    const std::string warning = std::string(row.path) + ": unknown key, ignored";
    EXPECT_EQ(answer["warnings"], json::array({warning}));
    EXPECT_EQ(run.err, "horavela-cli: " + warning + "\n");
    EXPECT_EQ(strict.status, 2);
    EXPECT_EQ(json::parse(strict.out),
              json({{"error", std::string(row.path) + ": unknown key, refused with --strict"}}));
  }
}

// A batch line's unknown keys are that line's warnings only.
TEST(RequestKeysTest, BatchLinesWarnEachOfTheirOwn) {
  const std::string lines =
      EditedRequest([](json& r) { r["almanac"] = 1; }) + "\n" + ValidRequest().dump() + "\n";
  const CliRun run = RunCli("evaluate --batch --no-explain", lines);
  ASSERT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> answers = Lines(run.out);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(json::parse(answers[0])["warnings"], json::array({"almanac: unknown key, ignored"}));
  EXPECT_EQ(json::parse(answers[1])["warnings"], json::array());
}

}  // namespace
}  // namespace horavela::testing_cli
