// `horavela-cli search --ics FILE`: the listed windows as iCalendar events,
// read back with libical's own parser.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "atlas/time_zone_rules.h"
#include "cli/cli_runner.h"
#include "ics/calendar_reading.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

std::int64_t UtcOf(const std::string& text, int offsetMinutesEast) {
  // "2024-06-21T07:12" on a clock `offsetMinutesEast` ahead of UTC.
  return CivilToSeconds(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                        std::stoi(text.substr(8, 2)), std::stoi(text.substr(11, 2)),
                        std::stoi(text.substr(14, 2))) -
         offsetMinutesEast * 60;
}

// Each listed window is an event, at the instants its clock minutes name.
TEST(SearchCalendarTest, OneEventPerListedWindow) {
  const struct {
    const char* what;
    std::function<void(json&)> edit;
    int offsetMinutesEast;
    const char* zone;
  } rows[] = {
      {"London on fixed captions, summer time", [](json& r) { r["place"]["dst"] = true; }, 60, ""},
      {"New York on its tz zone",
       [](json& r) {
         r["place"].erase("zone");
         r["place"].erase("dst");
         r["place"]["tz"] = "America/New_York";
       },
       -240, "America/New_York"},
  };
  for (const auto& row : rows) {
    json request = SearchRequestJson("Marriage", "Average");
    row.edit(request);
    const std::string file = (Scratch().path() / "windows.ics").string();
    const CliRun run = RunCli("search --ics " + ShellQuote(file), request.dump());
    ASSERT_EQ(run.status, 0) << row.what << run.out;
    const json windows = json::parse(run.out)["windows"];
    ASSERT_FALSE(windows.empty()) << row.what;
    const testing::ReadCalendar calendar = testing::ReadBack(ReadFile(file));
    ASSERT_TRUE(calendar.parsed) << row.what;
    ASSERT_EQ(calendar.events.size(), windows.size()) << row.what;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const json& window = windows[i];
      const testing::ReadEvent& event = calendar.events[i];
      EXPECT_EQ(event.summary, "Marriage: " + window["result_word"].get<std::string>() +
                                   " (total " + std::to_string(window["total_score"].get<int>()) +
                                   ")");
      EXPECT_EQ(event.startTzid, row.zone) << row.what;
      EXPECT_EQ(event.startUtc, UtcOf(window["from"], row.offsetMinutesEast)) << row.what << i;
      EXPECT_EQ(event.endUtc, UtcOf(window["to"], row.offsetMinutesEast) + 60) << row.what << i;
      EXPECT_EQ(event.location, "London, UK");
    }
  }
}

// A file that cannot be written fails the command as --csv does, and takes
// the CSV with it: both files are written or neither.
TEST(SearchCalendarTest, AnUnwritableFileFailsTheCommandAndWritesNothing) {
  const std::filesystem::path csv = Scratch().path() / "both.csv";
  std::filesystem::remove(csv);
  const std::string ics = (Scratch().path() / "no-such-folder" / "windows.ics").string();
  const CliRun run =
      RunCli("search --csv " + ShellQuote(csv.string()) + " --ics " + ShellQuote(ics),
             SearchRequestJson().dump());
  EXPECT_EQ(run.status, 1) << run.out;
  const json response = json::parse(run.out, nullptr, false);
  ASSERT_TRUE(response.is_object() && response.contains("error")) << run.out;
  EXPECT_EQ(response["error"], "cannot write \"" + ics + "\": No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(csv));
}

}  // namespace
}  // namespace horavela::testing_cli
