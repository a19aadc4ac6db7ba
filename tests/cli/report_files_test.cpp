// `evaluate --rtf FILE` and `--html FILE`: the report written to disk whole,
// and a clear refusal where it cannot be written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = Scratch().path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

TEST(ReportFilesTest, WritesRtfAndHtmlBesideTheJsonAnswer) {
  const fs::path folder = FreshFolder("reports");
  const fs::path rtf = folder / "marriage.rtf";
  const fs::path html = folder / "marriage.html";
  json request = ValidRequest();
  request["name"] = "Zoë {<Asha>}";
  const CliRun run =
      RunCli("evaluate --rtf " + ShellQuote(rtf.string()) + " --html " + ShellQuote(html.string()),
             request.dump());
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const json response = json::parse(run.out);
  EXPECT_FALSE(response.contains("error"));

  const std::string rtfText = ReadFile(rtf);
  EXPECT_EQ(rtfText.rfind("{\\rtf1", 0), 0u) << rtfText.substr(0, 40);
  // The document closes its group at the end (line breaks may follow).
  EXPECT_EQ(rtfText.substr(0, rtfText.find_last_not_of("\r\n") + 1).back(), '}');
  EXPECT_NE(rtfText.find("Marriage"), std::string::npos);

  const std::string htmlText = ReadFile(html);
  EXPECT_NE(htmlText.find("<html"), std::string::npos);
  EXPECT_NE(htmlText.find("</html>"), std::string::npos);
  EXPECT_NE(htmlText.find("Marriage"), std::string::npos);

  // Only the two reports: no temporary file left beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST(ReportFilesTest, ReportsMatchTheTextOfTheAnswer) {
  const fs::path folder = FreshFolder("match");
  const fs::path html = folder / "report.html";
  json request = ValidRequest();
  request["subject"] = "Foreign Journey";
  const CliRun run = RunCli("evaluate --html " + ShellQuote(html.string()), request.dump());
  ASSERT_EQ(run.status, 0);
  const json response = json::parse(run.out);
  const std::string htmlText = ReadFile(html);
  for (const json& section : response["report"]["sections"]) {
    // Headings are plain words; they appear in the page as they stand.
    const std::string heading = section["heading"];
    if (heading.find_first_of("&<>\"") == std::string::npos) {
      EXPECT_NE(htmlText.find(heading), std::string::npos) << heading;
    }
  }
}

TEST(ReportFilesTest, AnExistingReportIsReplacedWhole) {
  const fs::path folder = FreshFolder("replace");
  const fs::path rtf = folder / "report.rtf";
  std::ofstream(rtf) << std::string(100000, 'x');
  const CliRun run = RunCli("evaluate --rtf " + ShellQuote(rtf.string()), ValidRequest().dump());
  ASSERT_EQ(run.status, 0);
  const std::string text = ReadFile(rtf);
  EXPECT_EQ(text.rfind("{\\rtf1", 0), 0u);
  EXPECT_EQ(text.find("xxxx"), std::string::npos);
}

void ExpectRefusal(const std::string& options, const std::string& messagePart) {
  const CliRun run = RunCli("evaluate " + options, ValidRequest().dump());
  EXPECT_NE(run.status, 0);
  EXPECT_LT(run.status, 128) << "the tool died";
  const json response = json::parse(run.out, nullptr, false);
  ASSERT_TRUE(response.is_object()) << run.out;
  ASSERT_TRUE(response.contains("error")) << run.out;
  EXPECT_NE(response["error"].get<std::string>().find(messagePart), std::string::npos)
      << response["error"];
}

TEST(ReportFilesTest, RefusesAFolderThatCannotHoldFiles) {
  // Nothing can create files in /proc, not even root.
  ExpectRefusal("--rtf /proc/horavela-report.rtf", "RTF report was not written");
  ExpectRefusal("--html /proc/horavela-report.html", "HTML report was not written");
  ExpectRefusal("--rtf " + ShellQuote((Scratch().path() / "no" / "such" / "r.rtf").string()),
                "RTF report was not written");
}

TEST(ReportFilesTest, RefusesAReadOnlyFolder) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const fs::path folder = FreshFolder("readonly");
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  ExpectRefusal("--rtf " + ShellQuote((folder / "r.rtf").string()), "RTF report was not written");
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(ReportFilesTest, BadRequestWritesNoFile) {
  const fs::path folder = FreshFolder("bad");
  json request = ValidRequest();
  request["election"]["month"] = 13;
  const CliRun run =
      RunCli("evaluate --rtf " + ShellQuote((folder / "r.rtf").string()), request.dump());
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(ReportFilesTest, ReportFilesDoNotCombineWithBatch) {
  const fs::path folder = FreshFolder("batch");
  const CliRun run = RunCli("evaluate --batch --rtf " + ShellQuote((folder / "r.rtf").string()),
                            ValidRequest().dump() + "\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(json::parse(run.out)["error"].is_string());
  EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace horavela::testing_cli
