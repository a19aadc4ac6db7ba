// `--digits native` beside `--lang`: the reader's text and the report files
// in the language's digits, the JSON answer as it was, a bad choice refused.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

namespace fs = std::filesystem;

// Devanagari digit zero (U+0966) and digit one, as UTF-8 and as RTF writes them.
constexpr std::string_view kDevanagariZero = "०";
constexpr std::string_view kRtfDevanagariZero = "\\u2406?";

TEST(NativeDigitsTest, TextAndReportTakeTheDigitsTheJsonKeepsItsOwn) {
  const fs::path rtf = Scratch().path() / "native.rtf";
  fs::remove(rtf);
  const CliRun plain = RunCli("evaluate --lang hi --full-report", ValidRequest().dump());
  const CliRun native =
      RunCli("evaluate --lang hi --digits native --full-report --rtf " + ShellQuote(rtf.string()),
             ValidRequest().dump());
  ASSERT_EQ(native.status, 0) << native.out << native.err;
  EXPECT_EQ(native.out, plain.out);
  EXPECT_NE(ReadFile(rtf).find(kRtfDevanagariZero), std::string::npos);

  const CliRun text = RunCli("evaluate --text --lang hi --digits native", ValidRequest().dump());
  ASSERT_EQ(text.status, 0) << text.out << text.err;
  EXPECT_NE(text.out.find(kDevanagariZero), std::string::npos) << text.out;
  const CliRun western =
      RunCli("evaluate --text --lang hi --digits western", ValidRequest().dump());
  EXPECT_EQ(western.out, RunCli("evaluate --text --lang hi", ValidRequest().dump()).out);
}

TEST(NativeDigitsTest, AnUnknownChoiceIsRefused) {
  const CliRun run = RunCli("evaluate --lang hi --digits roman", ValidRequest().dump());
  EXPECT_EQ(run.status, 2);
  EXPECT_NE((run.out + run.err).find("native or western"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace horavela::testing_cli
