// The example requests (`horavela-cli example`, the README and the manual
// page show the same text, and each command accepts its own) and the --text
// summaries of the README's examples.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

const std::filesystem::path kSource = HORAVELA_SOURCE_DIR;

struct Example {
  const char* command;
  const char* file;
  bool inReadme;  // the README names the evaluate example's file only
};

const Example kExamples[] = {
    {"evaluate", "docs/example-request.json", false},
    {"search", "docs/example-search.json", true},
    {"day", "docs/example-day.json", true},
};

// `text` indented by `indent`, as a Markdown code block holds it.
std::string Indented(const std::string& text, const std::string& indent) {
  std::string result;
  for (const std::string& line : Lines(text)) result += (line.empty() ? "" : indent) + line + "\n";
  return result;
}

TEST(ExampleTest, EachExampleIsTheDocumentedTextAndItsCommandTakesIt) {
  const std::string readme = ReadFile(kSource / "README.md");
  const std::string manual = ReadFile(kSource / "packaging/horavela-cli.1");
  for (const Example& example : kExamples) {
    SCOPED_TRACE(example.command);
    const std::string text = ReadFile(kSource / example.file);
    const CliRun printed = RunCli(std::string("example ") + example.command);
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, text);
    if (example.inReadme) {
      EXPECT_NE(readme.find(Indented(text, "    ")), std::string::npos) << "README";
    }
    EXPECT_NE(manual.find(text), std::string::npos) << "manual page";
    const CliRun help = RunCli(std::string(example.command) + " --help");
    EXPECT_NE(help.out.find(text), std::string::npos) << "--help";

    const CliRun answered = RunCli(std::string(example.command) + " --strict", printed.out);
    EXPECT_EQ(answered.status, 0) << answered.out;
    EXPECT_FALSE(json::parse(answered.out).contains("error")) << answered.out;
  }
  EXPECT_EQ(RunCli("example places").status, 2);
}

struct TextRow {
  const char* command;
  const char* file;
  std::vector<std::string> lines;  // each a whole line of the summary
};

// New Delhi, 14 February 2025 (a Friday), for a bride born in Madurai. The
// sunrise and sunset agree with published almanacs to the minute; Rahu kalam
// is the fourth eighth of that daytime on a Friday.
TEST(TextSummaryTest, TheReadmeExamplesSummarised) {
  const TextRow rows[] = {
      {"evaluate",
       "docs/example-request.json",
       {"Marriage for Asha at 2025-02-14T10:30, New Delhi, Delhi, India",
        "Verdict: Good, total 3 from 9 factors",
        "Window:  2025-02-14T07:19 to 2025-02-14T23:11 (953 minutes with this verdict and total)",
        "  -1  Tithi: Dwitiya, Krishna Paksha, which this undertaking counts as unfavourable"}},
      {"search",
       "docs/example-search.json",
       {"48 windows listed, 40320 minutes scanned", "Best windows for Marriage:",
        "  2025-02-16T01:41 to 2025-02-16T08:04  Good, total 5, 384 min"}},
      {"day",
       "docs/example-day.json",
       {"Day 2025-02-14 at New Delhi", "Sunrise          2025-02-14T07:00:02",
        "Sunset           2025-02-14T18:10:50",
        "Rahu kalam       2025-02-14T11:11:35 to 2025-02-14T12:35:26",
        // The 4th of 15 muhurtas of 07:00:02-18:10:50, 2683.2 s each.
        "Durmuhurtam      2025-02-14T09:14:12 to 2025-02-14T09:58:55",
        "Rahu kalam night 2025-02-15T05:23:09 to 2025-02-15T06:59:12",
        "Vijaya muhurta   2025-02-14T14:27:14 to 2025-02-14T15:11:57", "Gowri panchangam:",
        "Amrit kalam      2025-02-14T16:15:28 to 2025-02-14T17:59:36 (Poorva Phalguni)",
        "  Sugam                    until 2025-02-14T08:23:53",
        "  Dwithiai (Krishna)       until 2025-02-14T21:53:00",
        "  2025-02-14T07:19 to 2025-02-14T23:11  Marriage: Good, total 3"}},
  };
  for (const TextRow& row : rows) {
    SCOPED_TRACE(row.command);
    const CliRun run =
        RunCli(std::string(row.command) + " --text " + ShellQuote((kSource / row.file).string()));
    EXPECT_EQ(run.status, 0) << run.out;
    const std::vector<std::string> lines = Lines(run.out);
    for (const std::string& line : row.lines) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
          << "missing: " << line << "\n"
          << run.out;
    }
    EXPECT_EQ(run.out.find('{'), std::string::npos) << "JSON in the summary";
  }
}

// Warnings and refusals read as text too.
TEST(TextSummaryTest, WarningsAndErrorsAsText) {
  const CliRun warned =
      RunCli("evaluate --text --no-explain", EditedRequest([](json& r) { r["almanac"] = 1; }));
  EXPECT_EQ(warned.status, 0);
  EXPECT_NE(warned.out.find("Warnings:\n  almanac: unknown key, ignored\n"), std::string::npos)
      << warned.out;
  const struct {
    const char* command;
    std::string request;
  } refusals[] = {
      {"evaluate", EditedRequest([](json& r) { r["election"]["month"] = 13; })},
      {"search", "{}"},
      {"day", "[1]"},
  };
  for (const auto& refusal : refusals) {
    const CliRun run = RunCli(std::string(refusal.command) + " --text", refusal.request);
    EXPECT_EQ(run.status, 2) << refusal.command;
    EXPECT_EQ(run.out.rfind("error: ", 0), 0u) << run.out;
    EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;
  }
}

}  // namespace
}  // namespace horavela::testing_cli
