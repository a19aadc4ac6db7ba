// `horavela-cli subjects` and `horavela-cli zones`.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

TEST(SubjectsCommandTest, ListsThe34SubjectsInDispatchOrder) {
  const CliRun run = RunCli("subjects");
  ASSERT_EQ(run.status, 0);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 34u);
  EXPECT_EQ(lines.front(), "Naming of The Child or Namakarana");
  EXPECT_EQ(lines.back(), "Sell Item");
  // Education is tested before adoption; both keep their own texts.
  EXPECT_EQ(lines[5], "Starting of Education (Aksharabhyasa)");
  EXPECT_EQ(lines[6], "Adoption of a Child");
  EXPECT_EQ(lines[28], "Starting medical treatment for chronic disease or recurring illness");
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 34u);
}

struct ZoneLine {
  std::string text;
  int hours = 0;
  int minutes = 0;
};

std::vector<ZoneLine> Zones() {
  const CliRun run = RunCli("zones");
  EXPECT_EQ(run.status, 0);
  std::vector<ZoneLine> zones;
  for (const std::string& line : Lines(run.out)) {
    ZoneLine zone;
    std::istringstream fields(line);
    std::string hours, minutes;
    std::getline(fields, zone.text, '\t');
    std::getline(fields, hours, '\t');
    std::getline(fields, minutes, '\t');
    zone.hours = std::stoi(hours);
    zone.minutes = std::stoi(minutes);
    zones.push_back(zone);
  }
  return zones;
}

const ZoneLine* FindZone(const std::vector<ZoneLine>& zones, const std::string& text) {
  for (const ZoneLine& zone : zones)
    if (zone.text == text) return &zone;
  return nullptr;
}

TEST(ZonesCommandTest, PublishedRowsWriteTheirCaptions) {
  const auto zones = Zones();
  ASSERT_EQ(zones.size(), 71u);
  EXPECT_EQ(zones.front().text, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
  EXPECT_EQ(zones.back().text, "Yukon War Time,YWT,-8.0");
  const struct {
    const char* text;
    int hours, minutes;
  } rows[] = {
      {"Indian Time, IST, +5.3", -5, -30},
      {"Newfoundland Standard Time,NST,-3.5", 3, 30},
      {"Hawaiian Standard Time,HST,-10.5", 10, 30},
      {"Greenwich Mean Time,GMT,0.0", 0, 0},
      {"Eastern Standard Time,EST,-5.0", 5, 0},
      {"North Sumatra Time,NST,+6.5", -6, -30},
      {"Azores Time, AT, -2.0", 2, 0},
      {"Nome Time, NT, -11.0", 11, 0},
      {"New Zealand Std Summer Time,NZST,+13.0", -13, 0},
      {"Universal Time, UT, 0.0", 0, 0},
  };
  for (const auto& row : rows) {
    const ZoneLine* zone = FindZone(zones, row.text);
    ASSERT_NE(zone, nullptr) << row.text;
    EXPECT_EQ(zone->hours, row.hours) << row.text;
    EXPECT_EQ(zone->minutes, row.minutes) << row.text;
  }
}

// Each row's captions follow from its listed offset: the whole hours with the
// sign reversed, and a half hour (any fraction, "+5.3" included) as 30 minutes
// of the same reversed sign. Read from the texts, this checks all 71 rows.
TEST(ZonesCommandTest, EveryRowWritesItsOffsetWestPositive) {
  for (const ZoneLine& zone : Zones()) {
    const std::string offset = zone.text.substr(zone.text.rfind(',') + 1);
    const double hours = std::stod(offset);
    const double whole = std::trunc(hours);
    EXPECT_EQ(zone.hours, -static_cast<int>(whole)) << zone.text;
    const int expectedMinutes = hours == whole ? 0 : (hours > 0 ? -30 : 30);
    EXPECT_EQ(zone.minutes, expectedMinutes) << zone.text;
  }
}

TEST(ZonesCommandTest, RowsSharingAnAbbreviationKeepTheirOwnOffsets) {
  const auto zones = Zones();
  const ZoneLine* newfoundland = FindZone(zones, "Newfoundland Standard Time,NST,-3.5");
  const ZoneLine* sumatra = FindZone(zones, "North Sumatra Time,NST,+6.5");
  ASSERT_TRUE(newfoundland != nullptr && sumatra != nullptr);
  EXPECT_NE(newfoundland->hours, sumatra->hours);
  // Two rows even share the whole text but for the abbreviation.
  EXPECT_NE(FindZone(zones, "South Australia Daylight Time,SAD,+10.5"), nullptr);
  EXPECT_NE(FindZone(zones, "South Australia Daylight Time,SDT,+10.5"), nullptr);
}

// The captions a zone row writes are accepted as a request's zone.
TEST(ZonesCommandTest, EveryRowIsAValidRequestZone) {
  std::string batch;
  const auto zones = Zones();
  for (const ZoneLine& zone : zones) {
    nlohmann::json request = ValidRequest();
    request["election"]["zone"] = {{"hours", zone.hours}, {"minutes", zone.minutes}};
    batch += request.dump() + "\n";
  }
  const CliRun run = RunCli("evaluate --batch", batch);
  const auto answers = Lines(run.out);
  ASSERT_EQ(answers.size(), zones.size());
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const auto response = nlohmann::json::parse(answers[i]);
    ASSERT_FALSE(response.contains("error")) << zones[i].text << ": " << answers[i];
    // Universal time is local time plus the west-positive zone: 06:00 local.
    EXPECT_NEAR(response["election"]["moment"]["universal_time"].get<double>(),
                6.0 + zones[i].hours + zones[i].minutes / 60.0, 1e-9)
        << zones[i].text;
  }
}

}  // namespace
}  // namespace horavela::testing_cli
