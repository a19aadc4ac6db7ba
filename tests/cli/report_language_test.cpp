// `--lang CODE` on the commands that write reports: the report in that
// language, the JSON answer in English, English the same as no flag, and an
// unknown code refused with the codes there are.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"
#include "report/utf8.h"

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

// New Delhi, 14 February 2025: the second tithi of the dark fortnight runs
// through the day.
constexpr const char* kDayRequest = R"({
  "date": {"year": 2025, "month": 2, "day": 14},
  "place": {
    "latitude": {"degrees": 28, "minutes": 37, "north": true},
    "longitude": {"degrees": 77, "minutes": 13, "east": true},
    "zone": {"hours": -5, "minutes": -30}, "dst": false, "city": "New Delhi"
  }
})";

// English is the output without the flag, on every command that takes it;
// another language leaves the JSON as it was.
TEST(ReportLanguageTest, EnglishSummariesAndTheJsonStayAsWithoutTheFlag) {
  struct Row {
    std::string command;
    std::string input;
  };
  const Row rows[] = {
      {"day --text", kDayRequest},
      {"month --text --year 2025 --month 2 --place Chennai", ""},
      {"almanac --text --from 2025-01-01 --to 2025-03-31 --place Chennai", ""},
      {"day", kDayRequest},
      {"month --year 2025 --month 2 --place Chennai", ""},
  };
  for (const Row& row : rows) {
    const CliRun plain = RunCli(row.command, row.input);
    ASSERT_EQ(plain.status, 0) << row.command << plain.err;
    EXPECT_EQ(RunCli(row.command + " --lang en", row.input).out, plain.out) << row.command;
    if (row.command.find("--text") == std::string::npos) {
      EXPECT_EQ(RunCli(row.command + " --lang hi", row.input).out, plain.out) << row.command;
    }
  }
}

TEST(ReportLanguageTest, HindiDaySummaryNamesTheTithiInHindi) {
  const CliRun hindi = RunCli("day --text --lang hi", kDayRequest);
  ASSERT_EQ(hindi.status, 0) << hindi.err;
  EXPECT_NE(hindi.out.find("\nतिथि:\n  द्वितीया (कृष्ण पक्ष) "), std::string::npos) << hindi.out;
  EXPECT_NE(hindi.out.find("\nसूर्योदय "), std::string::npos) << hindi.out;
  EXPECT_EQ(hindi.out.find("Dwithiai"), std::string::npos) << hindi.out;
}

TEST(ReportLanguageTest, TamilMonthAndAlmanacNameTheirElementsInTamil) {
  const CliRun month = RunCli("month --text --lang ta --year 2025 --month 2 --place Chennai");
  ASSERT_EQ(month.status, 0) << month.err;
  EXPECT_NE(month.out.find("மாதம் 2025-02, Chennai"), std::string::npos) << month.out;
  EXPECT_NE(month.out.find(" 1 சனி "), std::string::npos) << month.out;
  EXPECT_EQ(month.out.find("Panchaka"), std::string::npos) << month.out;  // the vetoes too
  EXPECT_NE(month.out.find("  திருதியை (வளர்பிறை), 11:39 வரை "), std::string::npos) << month.out;
  const CliRun almanac =
      RunCli("almanac --text --lang ta --from 2025-01-01 --to 2025-03-31 --place Chennai");
  EXPECT_NE(almanac.out.find("2025-01-01 முதல் 2025-03-31 வரை தடைகள்:"), std::string::npos)
      << almanac.out;
}

// The kootas' points start in one column whatever script names the koota.
TEST(ReportLanguageTest, TamilMatchSummaryAlignsItsColumnsByWidth) {
  const nlohmann::json request = ValidRequest();
  const nlohmann::json couple = {{"groom", {{"name", "Ravi"}, {"birth", request["birth"]}}},
                                 {"bride", {{"name", "Asha"}, {"birth", request["election"]}}}};
  const CliRun tamil = RunCli("match --text --lang ta", couple.dump());
  ASSERT_EQ(tamil.status, 0) << tamil.err;
  for (const char* koota : {"வர்ணம்", "கிரக மைத்ரம்", "நாடி"}) {
    const std::size_t at = tamil.out.find(std::string("\n") + koota);
    ASSERT_NE(at, std::string::npos) << koota << tamil.out;
    const std::string line = tamil.out.substr(at + 1, tamil.out.find('\n', at + 1) - at - 1);
    EXPECT_EQ(DisplayWidth(line.substr(0, line.find_first_of("0123456789"))), 14) << line;
  }
}

TEST(ReportLanguageTest, UnknownCodeIsRefusedWithTheCodes) {
  for (const char* command : {"evaluate", "match", "day", "month", "almanac"}) {
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
