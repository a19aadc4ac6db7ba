// `evaluate --full-report`: the report a person hands over is the one the
// desktop program saves, composed by the same core function.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/cli_runner.h"
#include "cli/request_parser.h"
#include "engine/planet_ephemeris.h"
#include "explain/full_report.h"
#include "judge/calculation_driver.h"
#include "report/html_writer.h"
#include "report/rtf_writer.h"

namespace horavela::testing_cli {
namespace {

namespace fs = std::filesystem;

// The RTF document the desktop program saves for `request`.
std::string DesktopRtf(const std::string& request) {
  const cli::ParsedRequest parsed = cli::ParseRequest(request);
  EXPECT_TRUE(parsed.error.empty()) << parsed.error;
  const MomentEntry& e = parsed.input.election;
  const LocalMinute moment{e.year, e.month, e.day, e.hour, e.minute};
  const Explanation explanation = ExplainMoment(parsed.input, {}, SwissEphemeris());
  RtfWriter rtf;
  RunEvaluation(parsed.input, rtf, SwissEphemeris(), FullReportOptions(explanation, moment));
  return rtf.Document();
}

TEST(FullReportTest, IsTheReportTheDesktopSaves) {
  const fs::path folder = Scratch().path() / "full-report";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path rtf = folder / "full.rtf";
  const fs::path html = folder / "full.html";
  const std::string request = ValidRequest().dump();
  const CliRun run = RunCli("evaluate --full-report --rtf " + ShellQuote(rtf.string()) +
                                " --html " + ShellQuote(html.string()),
                            request);
  ASSERT_EQ(run.status, 0) << run.out << run.err;

  EXPECT_EQ(ReadFile(rtf), DesktopRtf(request));
  const std::string page = ReadFile(html);
  EXPECT_NE(page.find("Prepared for"), std::string::npos);
  EXPECT_NE(page.find("Timing notes"), std::string::npos);
  EXPECT_NE(page.find("Horavela "), std::string::npos);

  // Without the flag the plain report stays as it was.
  const CliRun plain = RunCli("evaluate --html " + ShellQuote(html.string()), request);
  ASSERT_EQ(plain.status, 0) << plain.out << plain.err;
  EXPECT_EQ(ReadFile(html).find("Timing notes"), std::string::npos);
}

}  // namespace
}  // namespace horavela::testing_cli
