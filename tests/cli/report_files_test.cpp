// `evaluate --rtf FILE` and `--html FILE`: the report written to disk whole,
// and a clear refusal where it cannot be written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

std::string ErrorOf(const CliRun& run) {
  const json response = json::parse(run.out, nullptr, false);
  if (!response.is_object() || !response.contains("error")) return "(no error in the answer)";
  return response["error"];
}

// Targets the reports never replace: the tool answers with an error naming
// the file and leaves it as it was.
struct RefusedReport {
  const char* kind;
  std::function<fs::path(const fs::path& folder)> make;  // returns the target
  std::string error;                                     // {} stands for the target
};

const RefusedReport kRefusedReports[] = {
    {"FIFO",
     [](const fs::path& f) {
       ::mkfifo((f / "pipe.html").c_str(), 0644);
       return f / "pipe.html";
     },
     "--html: the HTML report was not written: cannot write \"{}\": it is a FIFO (named pipe), not "
     "a "
     "regular file"},
    {"/dev/null", [](const fs::path&) { return fs::path("/dev/null"); },
     "--html: the HTML report was not written: cannot write \"{}\": it is a character device, not "
     "a "
     "regular file"},
    {"read-only file",
     [](const fs::path& f) {
       std::ofstream(f / "ro.html") << "old";
       fs::permissions(f / "ro.html", fs::perms(0444));
       return f / "ro.html";
     },
     "--html: the HTML report was not written: cannot write \"{}\": it is read-only"},
};

TEST(ReportFilesTest, RefusesTargetsThatAreNotWritableFiles) {
  for (const RefusedReport& row : kRefusedReports) {
    SCOPED_TRACE(row.kind);
    const fs::path folder = FreshFolder("refused");
    const fs::path target = row.make(folder);
    struct stat before {};
    ASSERT_EQ(::stat(target.c_str(), &before), 0);
    const CliRun run =
        RunCli("evaluate --html " + ShellQuote(target.string()), ValidRequest().dump());
    EXPECT_EQ(run.status, 1);
    std::string error = row.error;
    error.replace(error.find("{}"), 2, target.string());
    EXPECT_EQ(ErrorOf(run), error);
    struct stat after {};
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the target was replaced";
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_size, before.st_size);
  }
}

TEST(ReportFilesTest, WritesThroughALinkAndKeepsTheFileMode) {
  const fs::path folder = FreshFolder("link");
  const fs::path real = folder / "private.rtf";
  std::ofstream(real) << "old";
  fs::permissions(real, fs::perms(0600));
  fs::create_symlink("private.rtf", folder / "latest.rtf");
  const CliRun run = RunCli("evaluate --rtf " + ShellQuote((folder / "latest.rtf").string()),
                            ValidRequest().dump());
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(fs::is_symlink(folder / "latest.rtf"));
  EXPECT_EQ(ReadFile(real).rfind("{\\rtf1", 0), 0u);
  EXPECT_EQ(fs::status(real).permissions(), fs::perms(0600));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST(ReportFilesTest, AFailedHtmlReportLeavesTheRtfReportUnreplaced) {
  const fs::path folder = FreshFolder("both");
  const fs::path rtf = folder / "report.rtf";
  const fs::path html = folder / "missing" / "report.html";
  std::ofstream(rtf) << "old";
  const CliRun run =
      RunCli("evaluate --rtf " + ShellQuote(rtf.string()) + " --html " + ShellQuote(html.string()),
             ValidRequest().dump());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ErrorOf(run), "--html: the HTML report was not written: cannot write \"" +
                              html.string() +
                              "\": No such file or directory; the RTF report was not written "
                              "either");
  EXPECT_EQ(ReadFile(rtf), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
      << "no temporary file stays";
}

}  // namespace
}  // namespace horavela::testing_cli
