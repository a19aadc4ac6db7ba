// Moments and places that name a tz-database zone ("tz") instead of the zone
// captions and the DST box: the offset in force at the local date and time,
// clock times that do not exist or exist twice, and searches across a change
// of the clocks.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "atlas/local_minute.h"
#include "atlas/tzif_file_builder.h"
#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

struct Coordinates {
  int latitudeDegrees, latitudeMinutes;
  bool north;
  int longitudeDegrees, longitudeMinutes;
  bool east;
};

constexpr Coordinates kNewDelhi{28, 36, true, 77, 12, true};
constexpr Coordinates kNewYork{40, 43, true, 74, 0, false};
constexpr Coordinates kLondon{51, 30, true, 0, 7, false};
constexpr Coordinates kKathmandu{27, 42, true, 85, 19, true};
constexpr Coordinates kSydney{33, 52, false, 151, 13, true};
constexpr Coordinates kLordHowe{31, 33, false, 159, 5, true};
constexpr Coordinates kMadrid{40, 25, true, 3, 42, false};

json PlaceJson(const Coordinates& c, const std::string& tz) {
  return {{"latitude",
           {{"degrees", c.latitudeDegrees}, {"minutes", c.latitudeMinutes}, {"north", c.north}}},
          {"longitude",
           {{"degrees", c.longitudeDegrees}, {"minutes", c.longitudeMinutes}, {"east", c.east}}},
          {"tz", tz}};
}

json MomentJson(const Coordinates& c, const std::string& tz, int year, int month, int day, int hour,
                int minute) {
  json moment = PlaceJson(c, tz);
  moment.update(
      {{"year", year}, {"month", month}, {"day", day}, {"hour", hour}, {"minute", minute}});
  return moment;
}

// The same moment with the captions and box written by hand instead of "tz".
json WithCaptions(json moment, int hours, int minutes, bool dst) {
  moment.erase("tz");
  moment["zone"] = {{"hours", hours}, {"minutes", minutes}};
  moment["dst"] = dst;
  return moment;
}

json Evaluate(const json& request) {
  const CliRun run = RunCli("evaluate", request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  json response = json::parse(run.out, nullptr, false);
  EXPECT_TRUE(response.is_object() && !response.contains("error")) << run.out;
  return response;
}

std::string RefusalOf(const json& request) {
  const CliRun run = RunCli("evaluate", request.dump());
  EXPECT_EQ(run.status, 2) << run.out;
  const json response = json::parse(run.out, nullptr, false);
  if (!response.is_object() || !response.contains("error")) {
    ADD_FAILURE() << "not refused: " << run.out.substr(0, 300);
    return {};
  }
  return response["error"];
}

struct ZoneRow {
  const char* label;
  Coordinates place;
  const char* tz;
  int year, month, day, hour, minute;
  int hours, minutes;  // captions written, west positive
  bool dst;
  const char* utcOffset;
  double universalTime;  // hours, local time minus the offset in force
  const char* source;
};

// Offsets from the tz database (tzdata's asia, northamerica, europe and
// australasia files); the universal time follows by hand.
const ZoneRow kZoneRows[] = {
    {"New Delhi war time", kNewDelhi, "Asia/Kolkata", 1943, 8, 15, 10, 0, -5, -30, true,
     "UTC+06:30", 3.5, "IST with one hour saved, Sep 1942 - Oct 1945"},
    {"New Delhi 1990", kNewDelhi, "Asia/Kolkata", 1990, 3, 14, 8, 45, -5, -30, false, "UTC+05:30",
     3.25, "IST"},
    {"New York summer 1970", kNewYork, "America/New_York", 1970, 7, 1, 12, 0, 5, 0, true,
     "UTC-04:00", 16.0, "EDT"},
    {"New York winter 1970", kNewYork, "America/New_York", 1970, 1, 1, 12, 0, 5, 0, false,
     "UTC-05:00", 17.0, "EST"},
    {"London winter 1970", kLondon, "Europe/London", 1970, 1, 1, 12, 0, -1, 0, false, "UTC+01:00",
     11.0, "British Standard Time, +1 all year 1968-71"},
    {"London summer 1941", kLondon, "Europe/London", 1941, 7, 1, 12, 0, -2, 0, false, "UTC+02:00",
     10.0, "double summer time, two hours over GMT: total offset, box cleared"},
    {"London summer 2024", kLondon, "Europe/London", 2024, 7, 1, 12, 0, 0, 0, true, "UTC+01:00",
     11.0, "BST"},
    {"Kathmandu 2000", kKathmandu, "Asia/Kathmandu", 2000, 1, 1, 12, 0, -5, -45, false, "UTC+05:45",
     6.25, "Nepal Time since 1986"},
    {"Sydney January", kSydney, "Australia/Sydney", 2024, 1, 15, 12, 0, -10, 0, true, "UTC+11:00",
     1.0, "AEDT"},
    {"Lord Howe January", kLordHowe, "Australia/Lord_Howe", 2024, 1, 15, 12, 0, -11, 0, false,
     "UTC+11:00", 1.0, "half an hour saved: total offset, box cleared"},
    {"Madrid winter", kMadrid, "Europe/Madrid", 2020, 1, 15, 12, 0, -1, 0, false, "UTC+01:00", 11.0,
     "CET west of Greenwich"},
    {"Madrid summer", kMadrid, "Europe/Madrid", 2020, 7, 15, 12, 0, -1, 0, true, "UTC+02:00", 10.0,
     "CEST west of Greenwich"},
};

TEST(TimeZoneRequestTest, TheOffsetInForceAtTheBirthGivesTheUniversalTime) {
  for (const ZoneRow& row : kZoneRows) {
    SCOPED_TRACE(std::string(row.label) + " (" + row.source + ")");
    json request = ValidRequest();
    request["birth"] =
        MomentJson(row.place, row.tz, row.year, row.month, row.day, row.hour, row.minute);
    json response = Evaluate(request);
    if (!response.contains("birth")) continue;
    const json& used = response["birth"]["zone_used"];
    EXPECT_EQ(used, json({{"hours", row.hours},
                          {"minutes", row.minutes},
                          {"dst", row.dst},
                          {"time_zone", row.tz},
                          {"utc_offset", row.utcOffset}}));
    EXPECT_NEAR(response["birth"]["moment"]["universal_time"].get<double>(), row.universalTime,
                1e-9);
    EXPECT_FALSE(response["election"].contains("zone_used"));

    // Exactly the evaluation of the same captions typed by hand.
    request["birth"] = WithCaptions(request["birth"], row.hours, row.minutes, row.dst);
    const json typed = Evaluate(request);
    response["birth"].erase("zone_used");
    EXPECT_EQ(response, typed);
  }
}

TEST(TimeZoneRequestTest, TheElectionFollowsItsZoneToo) {
  json request = ValidRequest();
  request["election"] = MomentJson(kLondon, "Europe/London", 2024, 6, 21, 6, 0);
  const json response = Evaluate(request);
  EXPECT_EQ(response["election"]["zone_used"]["utc_offset"], "UTC+01:00");
  EXPECT_EQ(response["election"]["zone_used"]["dst"], true);
  EXPECT_NEAR(response["election"]["moment"]["universal_time"].get<double>(), 5.0, 1e-9);
  // Every field of the contract is still there.
  for (const char* key :
       {"birth", "election", "tara_bala", "chandra_bala", "planet_signs", "evaluation", "report"})
    EXPECT_TRUE(response.contains(key)) << key;
  EXPECT_EQ(response["election"]["chart"].size(), 10u);
}

TEST(TimeZoneRequestTest, ClockTimesThatDoNotExistAreRefused) {
  struct Row {
    Coordinates place;
    const char* tz;
    int year, month, day, hour, minute;
    const char* message;
  };
  const Row rows[] = {
      {kNewYork, "America/New_York", 2024, 3, 10, 2, 30,
       "election: 02:30 on 10 March 2024 does not exist in America/New_York (clocks went from "
       "02:00 to 03:00)"},
      {kNewYork, "America/New_York", 2024, 3, 10, 2, 0,
       "election: 02:00 on 10 March 2024 does not exist in America/New_York (clocks went from "
       "02:00 to 03:00)"},
      {kLondon, "Europe/London", 2024, 3, 31, 1, 59,
       "election: 01:59 on 31 March 2024 does not exist in Europe/London (clocks went from 01:00 "
       "to 02:00)"},
      {kLordHowe, "Australia/Lord_Howe", 2024, 10, 6, 2, 15,
       "election: 02:15 on 6 October 2024 does not exist in Australia/Lord_Howe (clocks went from "
       "02:00 to 02:30)"},
  };
  for (const Row& row : rows) {
    json request = ValidRequest();
    request["election"] =
        MomentJson(row.place, row.tz, row.year, row.month, row.day, row.hour, row.minute);
    EXPECT_EQ(RefusalOf(request), row.message);
  }
  // The minutes either side of the gap exist.
  for (const auto& [hour, minute] : {std::pair{1, 59}, std::pair{3, 0}}) {
    json request = ValidRequest();
    request["election"] = MomentJson(kNewYork, "America/New_York", 2024, 3, 10, hour, minute);
    Evaluate(request);
  }
}

TEST(TimeZoneRequestTest, ARepeatedClockTimeAsksForTheCaptions) {
  json request = ValidRequest();
  request["birth"] = MomentJson(kNewYork, "America/New_York", 2024, 11, 3, 1, 30);
  const std::string message = RefusalOf(request);
  EXPECT_EQ(message.rfind("birth: 01:30 on 3 November 2024 occurs twice in America/New_York", 0),
            0u)
      << message;
  for (const char* part :
       {"UTC-04:00", "UTC-05:00", "give \"zone\" and \"dst\" explicitly",
        "zone 5, 0 with dst true for the first", "zone 5, 0 with dst false for the second"})
    EXPECT_NE(message.find(part), std::string::npos) << part << " in " << message;
  // An hour later the clock time is unique again.
  request["birth"]["hour"] = 2;
  EXPECT_EQ(Evaluate(request)["birth"]["zone_used"]["utc_offset"], "UTC-05:00");
}

TEST(TimeZoneRequestTest, BadZoneFieldsAreRefusedByName) {
  struct Row {
    const char* label;
    std::function<void(json&)> change;
    const char* messageStart;
  };
  const Row rows[] = {
      {"unknown zone",
       [](json& r) { r["birth"] = MomentJson(kNewDelhi, "Mars/Olympus_Mons", 1990, 3, 14, 8, 0); },
       "birth.tz: unknown time zone \"Mars/Olympus_Mons\""},
      {"a path, not a zone",
       [](json& r) { r["birth"] = MomentJson(kNewDelhi, "../../etc/passwd", 1990, 3, 14, 8, 0); },
       "birth.tz: unknown time zone \"../../etc/passwd\""},
      {"a folder of zones",
       [](json& r) { r["election"] = MomentJson(kNewYork, "America", 2024, 6, 1, 8, 0); },
       "election.tz: unknown time zone \"America\""},
      {"empty name", [](json& r) { r["election"] = MomentJson(kNewYork, "", 2024, 6, 1, 8, 0); },
       "election.tz: must name a time zone"},
      {"not a string",
       [](json& r) {
         r["election"] = MomentJson(kNewYork, "", 2024, 6, 1, 8, 0);
         r["election"]["tz"] = 5;
       },
       "election.tz: must be a string"},
      {"tz and zone",
       [](json& r) {
         r["election"]["tz"] = "Europe/London";
         r["election"].erase("dst");
       },
       "election: \"tz\" and \"zone\" were both given; give either \"tz\" or \"zone\" with "
       "\"dst\""},
      {"tz, zone and dst", [](json& r) { r["birth"]["tz"] = "Asia/Kolkata"; },
       "birth: \"tz\" and \"zone\" and \"dst\" were both given"},
      {"tz and dst",
       [](json& r) {
         r["birth"]["tz"] = "Asia/Kolkata";
         r["birth"].erase("zone");
       },
       "birth: \"tz\" and \"dst\" were both given"},
      {"neither",
       [](json& r) {
         r["birth"].erase("zone");
         r["birth"].erase("dst");
       },
       "birth.zone: is missing"},
      {"a date that does not exist",
       [](json& r) { r["birth"] = MomentJson(kNewDelhi, "Asia/Kolkata", 1990, 2, 30, 8, 0); },
       "birth.day: February 30 1990 does not exist"},
  };
  for (const Row& row : rows) {
    json request = ValidRequest();
    row.change(request);
    const std::string message = RefusalOf(request);
    EXPECT_EQ(message.rfind(row.messageStart, 0), 0u) << row.label << ": " << message;
  }
}

TEST(TimeZoneRequestTest, BatchLinesResolveTheirZonesOneByOne) {
  json summer = ValidRequest();
  summer["birth"] = MomentJson(kNewYork, "America/New_York", 1970, 7, 1, 12, 0);
  json skipped = ValidRequest();
  skipped["birth"] = MomentJson(kNewYork, "America/New_York", 2024, 3, 10, 2, 30);
  json winter = ValidRequest();
  winter["birth"] = MomentJson(kNewYork, "America/New_York", 1970, 1, 1, 12, 0);
  const CliRun run =
      RunCli("evaluate --batch", summer.dump() + "\n" + skipped.dump() + "\n" + winter.dump());
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_EQ(json::parse(lines[0])["birth"]["zone_used"]["utc_offset"], "UTC-04:00");
  EXPECT_EQ(json::parse(lines[1])["error"].get<std::string>().rfind("birth: 02:30", 0), 0u);
  EXPECT_EQ(json::parse(lines[2])["birth"]["zone_used"]["utc_offset"], "UTC-05:00");
}

// --- search ---------------------------------------------------------------

json Minute(int year, int month, int day, int hour, int minute) {
  return {{"year", year}, {"month", month}, {"day", day}, {"hour", hour}, {"minute", minute}};
}

json SearchJson(const json& place, const json& from, const json& to) {
  const json valid = ValidRequest();
  return {{"subject", "Marriage"},
          {"name", valid["name"]},
          {"sex", valid["sex"]},
          {"birth", valid["birth"]},
          {"place", place},
          {"from", from},
          {"to", to},
          {"min_result", "Bad"}};
}

json Search(const json& request) {
  const CliRun run = RunCli("search", request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  json response = json::parse(run.out, nullptr, false);
  EXPECT_TRUE(response.is_object() && !response.contains("error")) << run.out;
  return response;
}

LocalMinute MinuteOf(const std::string& text) {
  // "2024-03-10T03:00"
  return {std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2)),
          std::stoi(text.substr(11, 2)), std::stoi(text.substr(14, 2))};
}

// New York sprang forward at 02:00 on 10 March 2024.
bool InTheGap(const LocalMinute& m) {
  return m.year == 2024 && m.month == 3 && m.day == 10 && m.hour == 2;
}

// The clock minute before `m`, stepping over the skipped hour.
LocalMinute ExistingMinuteBefore(const LocalMinute& m) {
  LocalMinute before = FromMinuteIndex(MinuteIndex(m) - 1);
  while (InTheGap(before)) before = FromMinuteIndex(MinuteIndex(before) - 1);
  return before;
}

json EvaluateAt(const LocalMinute& m, const json& election) {
  json request = ValidRequest();
  json moment = election;
  moment.update(Minute(m.year, m.month, m.day, m.hour, m.minute));
  request["election"] = moment;
  return Evaluate(request);
}

void ExpectSameJudgement(const json& evaluation, const json& window, const std::string& where) {
  EXPECT_EQ(evaluation["result_word"], window["result_word"]) << where;
  EXPECT_EQ(evaluation["total_score"], window["total_score"]) << where;
  EXPECT_EQ(evaluation["factor_verdicts"], window["factor_verdicts"]) << where;
}

TEST(TimeZoneRequestTest, SearchAcrossSpringForwardIsRightOnBothSides) {
  const json place = PlaceJson(kNewYork, "America/New_York");
  const json response =
      Search(SearchJson(place, Minute(2024, 3, 9, 0, 0), Minute(2024, 3, 10, 23, 59)));
  // Two days less the skipped hour.
  EXPECT_EQ(response["minutes_scanned"], 2 * 1440 - 60);
  const json& windows = response["windows"];
  ASSERT_FALSE(windows.empty());
  EXPECT_EQ(windows.front()["from"], "2024-03-09T00:00");
  EXPECT_EQ(windows.back()["to"], "2024-03-10T23:59");

  std::int64_t total = 0;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const json& w = windows[i];
    const LocalMinute first = MinuteOf(w["from"]);
    const LocalMinute last = MinuteOf(w["to"]);
    EXPECT_FALSE(InTheGap(first)) << w["from"];
    EXPECT_FALSE(InTheGap(last)) << w["to"];
    total += w["minutes"].get<std::int64_t>();
    // Windows tile the existing minutes: each begins right after the last.
    if (i > 0) {
      EXPECT_EQ(ExistingMinuteBefore(first), MinuteOf(windows[i - 1]["to"])) << w["from"];
    }

    // The window's first minute, evaluated with the same zone, judges alike;
    // the minute before it (another window) does not.
    const json atFirst = EvaluateAt(first, place);
    ExpectSameJudgement(atFirst["evaluation"], w, w["from"]);
    if (i > 0) {
      const json before = EvaluateAt(ExistingMinuteBefore(first), place);
      ExpectSameJudgement(before["evaluation"], windows[i - 1], "before " + w["from"].dump());
    }
  }
  EXPECT_EQ(total, response["minutes_scanned"]);
}

TEST(TimeZoneRequestTest, SearchWithTzMatchesTheFixedZoneOnEachSide) {
  const json place = PlaceJson(kNewYork, "America/New_York");
  struct Side {
    json from, to;
    bool dst;
  };
  const Side sides[] = {{Minute(2024, 3, 9, 0, 0), Minute(2024, 3, 10, 1, 59), false},
                        {Minute(2024, 3, 10, 3, 0), Minute(2024, 3, 11, 23, 59), true}};
  for (const Side& side : sides) {
    const json withTz = Search(SearchJson(place, side.from, side.to));
    const json fixed = Search(SearchJson(WithCaptions(place, 5, 0, side.dst), side.from, side.to));
    EXPECT_EQ(withTz, fixed) << "dst " << side.dst;
    // The other offset moves the boundaries, so the comparison can tell them apart.
    const json other = Search(SearchJson(WithCaptions(place, 5, 0, !side.dst), side.from, side.to));
    EXPECT_NE(withTz["windows"], other["windows"]) << "dst " << side.dst;
  }
}

// A window's edge in a repeated hour with the offset of its run appended.
std::string InRun(const json& minute, const char* offset) {
  return minute.get<std::string>() + offset;
}

TEST(TimeZoneRequestTest, SearchJudgesBothRunsOfARepeatedHour) {
  const json place = PlaceJson(kNewYork, "America/New_York");
  // New York fell back at 02:00 EDT on 5 November 2023: 01:00-01:59 ran
  // twice. On EST a window boundary falls at 01:01; on EDT it does not.
  const json day =
      Search(SearchJson(place, Minute(2023, 11, 5, 0, 0), Minute(2023, 11, 5, 23, 59)));
  EXPECT_EQ(day["minutes_scanned"], 1500);
  const json from = Minute(2023, 11, 5, 1, 0);
  const json to = Minute(2023, 11, 5, 1, 59);
  const json edt = Search(SearchJson(WithCaptions(place, 5, 0, true), from, to));
  const json est = Search(SearchJson(WithCaptions(place, 5, 0, false), from, to));
  ASSERT_NE(edt["windows"], est["windows"]);
  // Both runs, each window edge with its run's offset: the first run's as on
  // EDT, then the second's as on EST.
  const json both = Search(SearchJson(place, from, to));
  EXPECT_EQ(both["minutes_scanned"], 120);
  std::vector<std::pair<std::string, std::string>> expected, listed;
  for (const json& w : edt["windows"])
    expected.emplace_back(InRun(w["from"], "-04:00"), InRun(w["to"], "-04:00"));
  for (const json& w : est["windows"])
    expected.emplace_back(InRun(w["from"], "-05:00"), InRun(w["to"], "-05:00"));
  for (const json& w : both["windows"]) listed.emplace_back(w["from"], w["to"]);
  // Where the last run of EDT and the first of EST are judged alike they are one window.
  if (listed.size() + 1 == expected.size()) {
    const std::size_t join = edt["windows"].size() - 1;
    expected[join].second = expected[join + 1].second;
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(join) + 1);
  }
  EXPECT_EQ(listed, expected);

  const json after = Search(SearchJson(WithCaptions(place, 5, 0, false), Minute(2023, 11, 5, 2, 0),
                                       Minute(2023, 11, 5, 23, 59)));
  const json afterTz =
      Search(SearchJson(place, Minute(2023, 11, 5, 2, 0), Minute(2023, 11, 5, 23, 59)));
  EXPECT_EQ(afterTz["windows"], after["windows"]);
}

TEST(TimeZoneRequestTest, SearchRefusesBadZonesByName) {
  const json place = PlaceJson(kNewYork, "Atlantis/Capital");
  const CliRun run = RunCli(
      "search", SearchJson(place, Minute(2024, 3, 9, 0, 0), Minute(2024, 3, 9, 1, 0)).dump());
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(json::parse(run.out)["error"].get<std::string>().rfind(
                "place.tz: unknown time zone \"Atlantis/Capital\"", 0),
            0u)
      << run.out;

  json request = SearchJson(PlaceJson(kNewYork, "America/New_York"), Minute(2024, 3, 9, 0, 0),
                            Minute(2024, 3, 9, 1, 0));
  request["birth"] = MomentJson(kNewYork, "America/New_York", 2024, 3, 10, 2, 30);
  const CliRun skipped = RunCli("search", request.dump());
  EXPECT_EQ(skipped.status, 2);
  EXPECT_EQ(json::parse(skipped.out)["error"],
            "birth: 02:30 on 10 March 2024 does not exist in America/New_York (clocks went from "
            "02:00 to 03:00)");
}

// --- zone files ---------------------------------------------------------

// A zone file with one local time type and no changes of the clocks.
std::string FixedZoneFile(std::int32_t utcOffset, const std::string& abbreviation) {
  testing_tzif::TzifLayout layout;
  layout.types = {{utcOffset, 0, 0}};
  layout.abbreviations = abbreviation + std::string(1, '\0');
  layout.footer = "<" + abbreviation + ">" + (utcOffset > 0 ? "-" : "") +
                  std::to_string(std::abs(utcOffset) / 3600);
  return testing_tzif::TzifBytes(layout);
}

// A damaged zone file is refused by the field that named it; a zone further
// than 14 hours from Greenwich is refused as a typed one is.
TEST(TimeZoneRequestTest, DamagedAndFarZoneFilesAreRefusedByName) {
  const testing_tzif::ScopedZoneFolder folder;
  testing_tzif::TzifLayout broken = testing_tzif::SmallZone();
  broken.transitions.clear();
  broken.transitionTypes.clear();
  broken.footer = "bad";
  folder.Add("Test/Broken", testing_tzif::TzifBytes(broken));
  folder.Add("Test/Far", FixedZoneFile(20 * 3600, "+20"));
  folder.Add("Test/FarWest", FixedZoneFile(-15 * 3600, "-15"));

  json birthBroken = ValidRequest();
  birthBroken["birth"] = MomentJson(kNewDelhi, "Test/Broken", 1990, 3, 14, 8, 0);
  json electionFar = ValidRequest();
  electionFar["election"] = MomentJson(kNewDelhi, "Test/Far", 2024, 6, 1, 12, 0);
  json birthFarWest = ValidRequest();
  birthFarWest["birth"] = MomentJson(kNewYork, "Test/FarWest", 1990, 3, 14, 8, 0);
  const json searchBroken = SearchJson(PlaceJson(kNewDelhi, "Test/Broken"),
                                       Minute(2024, 3, 9, 0, 0), Minute(2024, 3, 9, 1, 0));
  json searchBirthFar = SearchJson(PlaceJson(kNewDelhi, "Asia/Kolkata"), Minute(2024, 3, 9, 0, 0),
                                   Minute(2024, 3, 9, 1, 0));
  searchBirthFar["birth"] = MomentJson(kNewDelhi, "Test/Far", 1990, 3, 14, 8, 0);
  const json searchPlaceFar = SearchJson(PlaceJson(kNewDelhi, "Test/Far"), Minute(2024, 3, 9, 0, 0),
                                         Minute(2024, 3, 9, 1, 0));
  struct Row {
    const char* command;
    json request;
    const char* error;
  };
  const Row rows[] = {
      {"evaluate", birthBroken,
       "birth.tz: the tz database file of time zone \"Test/Broken\" is damaged: its closing rule "
       "cannot be read"},
      {"search", searchBroken,
       "place.tz: the tz database file of time zone \"Test/Broken\" is damaged: its closing rule "
       "cannot be read"},
      {"evaluate", electionFar,
       "election.tz: Test/Far gives UTC+20:00 at 12:00 on 1 June 2024, but "
       "election.zone.hours must be between -14 and 14"},
      {"evaluate", birthFarWest,
       "birth.tz: Test/FarWest gives UTC-15:00 at 08:00 on 14 March 1990, but "
       "birth.zone.hours must be between -14 and 14"},
      {"search", searchBirthFar,
       "birth.tz: Test/Far gives UTC+20:00 at 08:00 on 14 March 1990, but "
       "birth.zone.hours must be between -14 and 14"},
      {"search", searchPlaceFar,
       "place.tz: Test/Far gives UTC+20:00 at 00:00 on 9 March 2024, but "
       "place.zone.hours must be between -14 and 14"},
  };
  for (const Row& row : rows) {
    const CliRun run = RunCli(row.command, row.request.dump());
    EXPECT_EQ(run.status, 2) << row.error << run.err;
    const json response = json::parse(run.out, nullptr, false);
    EXPECT_EQ(response, json({{"error", row.error}})) << run.out;
  }
}

TEST(TimeZoneRequestTest, KiritimatiAtFourteenHoursEastIsAccepted) {
  json request = ValidRequest();
  request["election"] = MomentJson(kNewDelhi, "Pacific/Kiritimati", 2024, 6, 1, 12, 0);
  const json used = Evaluate(request)["election"]["zone_used"];
  EXPECT_EQ(used["utc_offset"], "UTC+14:00");
  EXPECT_EQ(used["hours"], -14);
}

}  // namespace
}  // namespace horavela::testing_cli
