#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace {

using nlohmann::json;
using namespace horavela::testing_cli;

// The valid request's two moments as a couple: its birth the groom's, its
// election the bride's.
json CoupleRequest() {
  const json request = ValidRequest();
  return {{"groom", {{"name", "Ravi"}, {"birth", request["birth"]}}},
          {"bride", {{"name", "Asha"}, {"birth", request["election"]}}}};
}

TEST(MatchCommand, TotalIsTheSumOfTheKootasAndReadsAsItsBand) {
  const CliRun run = RunCli("match", CoupleRequest().dump());
  ASSERT_EQ(run.status, 0) << run.out;
  const json answer = json::parse(run.out);
  ASSERT_EQ(answer["kootas"].size(), 8u);
  double sum = 0;
  for (const json& koota : answer["kootas"]) {
    EXPECT_LE(koota["points"].get<double>(), koota["max"].get<double>());
    sum += koota["points"].get<double>();
  }
  EXPECT_EQ(answer["total"].get<double>(), sum);
  const std::string verdict = answer["verdict"];
  const std::string expected = sum < 18    ? "not recommended"
                               : sum < 25  ? "average"
                               : sum <= 32 ? "good"
                                           : "excellent";
  EXPECT_EQ(verdict, expected);
  EXPECT_EQ(answer["poruthams"]["checks"].size(), 10u);
  EXPECT_EQ(answer["doshas"].size(), 2u);
  EXPECT_EQ(answer["groom"]["kuja_dosha"]["houses"].size(), 3u);
}

TEST(MatchCommand, BadRequestsNameTheirField) {
  struct Row {
    std::string edit;
    std::string error;
  };
  std::vector<Row> rows = {{"no bride", "bride: is missing"},
                           {"bad tz", "groom.birth.tz: unknown time zone"},
                           {"bad hour", "bride.birth.hour: must be between 0 and 23"},
                           {"bad setting", "settings.ayanamsa: must be one of"},
                           {"not a setting", "settings: holds"}};
  for (const Row& row : rows) {
    json request = CoupleRequest();
    if (row.edit == "no bride") request.erase("bride");
    if (row.edit == "bad tz") request["groom"]["birth"]["tz"] = "Mars/Olympus";
    if (row.edit == "bad tz") request["groom"]["birth"].erase("zone");
    if (row.edit == "bad tz") request["groom"]["birth"].erase("dst");
    if (row.edit == "bad hour") request["bride"]["birth"]["hour"] = 24;
    if (row.edit == "bad setting") request["settings"] = {{"ayanamsa", "Sidereal"}};
    if (row.edit == "not a setting") request["settings"] = {{"ayanamsha", "lahiri"}};
    const CliRun run = RunCli("match", request.dump());
    EXPECT_EQ(run.status, 2) << row.edit;
    EXPECT_NE(run.out.find(row.error), std::string::npos) << row.edit << ": " << run.out;
  }
}

TEST(MatchCommand, TextIsATable) {
  const CliRun run = RunCli("match --text", CoupleRequest().dump());
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Graha maitri"), std::string::npos);
  EXPECT_NE(run.out.find(" of 36: "), std::string::npos);
  EXPECT_NE(run.out.find("Manglik, together: "), std::string::npos);
}

// --rtf and --html: the one-page report beside the JSON answer, with its
// eight koota rows; a file that cannot be written fails the command.
TEST(MatchCommand, WritesTheReportAsRtfAndHtml) {
  const std::filesystem::path rtf = Scratch().path() / "match.rtf";
  const std::filesystem::path html = Scratch().path() / "match.html";
  const CliRun run =
      RunCli("match --rtf " + ShellQuote(rtf.string()) + " --html " + ShellQuote(html.string()),
             CoupleRequest().dump());
  ASSERT_EQ(run.status, 0) << run.out;
  const std::string rtfText = ReadFile(rtf);
  EXPECT_EQ(rtfText.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtfText.find("Groom: Ravi"), std::string::npos);
  const std::string htmlText = ReadFile(html);
  std::size_t rows = 0;
  for (std::size_t at = htmlText.find("<tr>"); at != std::string::npos;
       at = htmlText.find("<tr>", at + 1))
    ++rows;
  EXPECT_EQ(rows, 1u + 8u + 1u + 10u);

  const CliRun refused =
      RunCli("match --rtf " + ShellQuote((Scratch().path() / "none" / "x.rtf").string()),
             CoupleRequest().dump());
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find("--rtf: the RTF report was not written"), std::string::npos);
}

}  // namespace

namespace {

// A misspelt key is warned of as in the other commands, and refused with --strict.
TEST(MatchCommand, AnUnknownKeyIsNamedOrWithStrictRefused) {
  json request = CoupleRequest();
  request["bride"]["birth"]["lattitude"] = 1;
  const CliRun run = RunCli("match", request.dump());
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(json::parse(run.out)["warnings"],
            json::array({"bride.birth.lattitude: unknown key, ignored"}));
  EXPECT_NE(run.err.find("bride.birth.lattitude: unknown key, ignored"), std::string::npos);
  const CliRun strict = RunCli("match --strict", request.dump());
  EXPECT_EQ(strict.status, 2);
  EXPECT_NE(strict.out.find("bride.birth.lattitude: unknown key, refused with --strict"),
            std::string::npos)
      << strict.out;
  EXPECT_FALSE(json::parse(RunCli("match", CoupleRequest().dump()).out).contains("warnings"));
}

}  // namespace

namespace {

// --lang turns the text's reasons into the language; the JSON answer keeps
// its English reasons, byte for byte.
TEST(MatchCommand, LanguageChangesTheTextNotTheJson) {
  const std::string couple = CoupleRequest().dump();
  const CliRun english = RunCli("match", couple);
  ASSERT_EQ(english.status, 0) << english.err;
  EXPECT_EQ(RunCli("match --lang hi", couple).out, english.out);
  const CliRun hindi = RunCli("match --text --lang hi", couple);
  ASSERT_EQ(hindi.status, 0) << hindi.err;
  for (const char* part : {"नाड़ी: ", "पोरुत्तम: 10 में से ", "  रज्जु: ", "मांगलिक, दोनों: "})
    EXPECT_NE(hindi.out.find(part), std::string::npos) << part << "\n" << hindi.out;
  EXPECT_EQ(hindi.out.find(", matched"), std::string::npos) << hindi.out;
}

}  // namespace
