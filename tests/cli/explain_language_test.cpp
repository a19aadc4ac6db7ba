// The explanation of `evaluate` in the language of `--lang`: the --text
// summary and the full report say its warnings and factors in Hindi, the
// JSON answer stays English whatever the flag.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

namespace fs = std::filesystem;

// The valid request calculated with Swiss Ephemeris: the explanation says
// so, and checks the moment against the program's own theories.
std::string SwissRequest() {
  return EditedRequest([](nlohmann::json& r) { r["settings"] = {{"ephemeris", "swiss"}}; });
}

TEST(ExplainLanguageTest, HindiTextSaysTheFactorsAndWarningsInHindi) {
  const CliRun english = RunCli("evaluate --text", SwissRequest());
  ASSERT_EQ(english.status, 0) << english.out << english.err;
  ASSERT_NE(english.out.find("Calculated with settings other than"), std::string::npos);
  const CliRun hindi = RunCli("evaluate --text --lang hi", SwissRequest());
  ASSERT_EQ(hindi.status, 0) << hindi.out << hindi.err;
  struct Row {
    const char* english;
    const char* hindi;
  };
  const Row rows[] = {
      {"Calculated with settings other than the program's own", "से भिन्न सेटिंग से गणना की गई"},
      {", which this undertaking counts as ", ", जो इस कार्य के लिए "},
      {"Tithi: ", "तिथि: "},
  };
  for (const Row& row : rows) {
    EXPECT_NE(english.out.find(row.english), std::string::npos) << row.english;
    EXPECT_EQ(hindi.out.find(row.english), std::string::npos) << row.english << "\n" << hindi.out;
    EXPECT_NE(hindi.out.find(row.hindi), std::string::npos) << row.hindi << "\n" << hindi.out;
  }
}

TEST(ExplainLanguageTest, TheJsonAnswerStaysEnglish) {
  for (const std::string& request : {ValidRequest().dump(), SwissRequest()}) {
    const CliRun plain = RunCli("evaluate", request);
    ASSERT_EQ(plain.status, 0) << plain.err;
    for (const char* code : {"hi", "ta"})
      EXPECT_EQ(RunCli(std::string("evaluate --lang ") + code, request).out, plain.out) << code;
  }
}

TEST(ExplainLanguageTest, HindiFullReportSaysTheTimingNotesInHindi) {
  const fs::path html = Scratch().path() / "explained-hi.html";
  fs::remove(html);
  const CliRun run = RunCli("evaluate --full-report --lang hi --html " + ShellQuote(html.string()),
                            SwissRequest());
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string report = ReadFile(html);
  EXPECT_NE(report.find(", जो इस कार्य के लिए "), std::string::npos);
  EXPECT_EQ(report.find(", which this undertaking counts as "), std::string::npos);
  EXPECT_EQ(report.find("Calculated with settings other than"), std::string::npos);
}

}  // namespace
}  // namespace horavela::testing_cli
