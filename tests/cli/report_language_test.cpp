// `--lang CODE` on the commands that write reports: the report in that
// language, the JSON answer in English, English the same as no flag, and an
// unknown code refused with the codes there are.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

namespace fs = std::filesystem;

struct Reported {
  CliRun run;
  std::string rtf;
};

Reported EvaluateWith(const std::string& flags, const std::string& name) {
  const fs::path rtf = Scratch().path() / (name + ".rtf");
  fs::remove(rtf);
  Reported reported{RunCli("evaluate --full-report --rtf " + ShellQuote(rtf.string()) + flags,
                           ValidRequest().dump()),
                    {}};
  reported.rtf = ReadFile(rtf);
  return reported;
}

TEST(ReportLanguageTest, EnglishIsTheReportWithoutTheFlag) {
  const Reported plain = EvaluateWith("", "plain");
  const Reported english = EvaluateWith(" --lang en", "english");
  ASSERT_EQ(plain.run.status, 0) << plain.run.out;
  EXPECT_EQ(english.run.out, plain.run.out);
  EXPECT_EQ(english.rtf, plain.rtf);
}

TEST(ReportLanguageTest, TamilReportKeepsTheAnswerEnglish) {
  const Reported plain = EvaluateWith("", "plain");
  const Reported tamil = EvaluateWith(" --lang TA", "tamil");
  ASSERT_EQ(tamil.run.status, 0) << tamil.run.out << tamil.run.err;
  EXPECT_EQ(tamil.run.out, plain.run.out);
  EXPECT_NE(tamil.rtf.find("Noto Sans Tamil"), std::string::npos);
  EXPECT_NE(tamil.rtf.find("\\u3001?"), std::string::npos);  // ஹ of the title
  EXPECT_EQ(tamil.rtf.find("Horavela Report"), std::string::npos);
}

TEST(ReportLanguageTest, HindiTextSummaryTranslatesItsLabels) {
  const CliRun english = RunCli("evaluate --text --lang en", ValidRequest().dump());
  const CliRun plain = RunCli("evaluate --text", ValidRequest().dump());
  EXPECT_EQ(english.out, plain.out);
  const CliRun hindi = RunCli("evaluate --text --lang hi", ValidRequest().dump());
  ASSERT_EQ(hindi.status, 0) << hindi.out << hindi.err;
  EXPECT_NE(hindi.out.find("\nफल: "), std::string::npos) << hindi.out;
  EXPECT_NE(hindi.out.find("अंगों से कुल"), std::string::npos) << hindi.out;
  EXPECT_EQ(hindi.out.find("Verdict: "), std::string::npos) << hindi.out;
}

TEST(ReportLanguageTest, UnknownCodeIsRefusedWithTheCodes) {
  for (const char* command : {"evaluate", "match"}) {
    const CliRun run = RunCli(std::string(command) + " --lang xx", "{}");
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_NE(run.err.find("unknown language \"xx\"; the codes are en, hi, mr, bn, gu, ta, te, "
                           "kn, ml"),
              std::string::npos)
        << run.err;
  }
}

}  // namespace
}  // namespace horavela::testing_cli
