// `horavela-cli places`: the offline gazetteer as JSON, most populous first,
// and the queries and limits it refuses.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

json Places(const std::string& arguments) {
  const CliRun run = RunCli("places " + arguments);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  json places = json::parse(run.out, nullptr, false);
  EXPECT_TRUE(places.is_array()) << run.out;
  return places;
}

TEST(PlacesCommandTest, MaduraiIsTheFirstHitInIndiaOnIndianTime) {
  const json places = Places("Madurai");
  ASSERT_FALSE(places.empty());
  const json& madurai = places.front();
  EXPECT_EQ(madurai["name"], "Madurai");
  EXPECT_EQ(madurai["country"], "India");
  EXPECT_EQ(madurai["time_zone"], "Asia/Kolkata");
  // 9°55'N 78°07'E; the gazetteer rounds to about a hundredth of a degree.
  EXPECT_NEAR(madurai["latitude"].get<double>(), 9.93, 0.02);
  EXPECT_NEAR(madurai["longitude"].get<double>(), 78.12, 0.02);
  EXPECT_GT(madurai["population"].get<long>(), 500000);
}

TEST(PlacesCommandTest, EveryPlaceHasExactlyTheSevenFields) {
  const std::vector<std::string> keys = {"name",      "state",     "country",   "latitude",
                                         "longitude", "time_zone", "population"};
  // Read in written order.
  const CliRun run = RunCli("places London --limit 10");
  const auto places = nlohmann::ordered_json::parse(run.out);
  ASSERT_GE(places.size(), 2u);
  for (const auto& place : places) {
    std::vector<std::string> seen;
    for (const auto& item : place.items()) seen.push_back(item.key());
    EXPECT_EQ(seen, keys) << place.dump();
    EXPECT_TRUE(place["state"].is_string() && place["country"].is_string()) << place.dump();
    EXPECT_TRUE(place["population"].is_number_unsigned()) << place.dump();
    EXPECT_LE(std::abs(place["latitude"].get<double>()), 90.0);
    EXPECT_LE(std::abs(place["longitude"].get<double>()), 180.0);
  }
}

TEST(PlacesCommandTest, MostPopulousFirstAndTheLimitKeepsTheHead) {
  const json many = Places("San --limit 60");
  ASSERT_EQ(many.size(), 60u);
  for (std::size_t i = 1; i < many.size(); ++i) {
    EXPECT_GE(many[i - 1]["population"].get<long>(), many[i]["population"].get<long>())
        << many[i - 1]["name"] << " before " << many[i]["name"];
  }
  const json few = Places("San --limit 5");
  ASSERT_EQ(few.size(), 5u);
  for (std::size_t i = 0; i < few.size(); ++i) EXPECT_EQ(few[i], many[i]) << i;
  // Without --limit at most 20.
  EXPECT_EQ(Places("San").size(), 20u);
}

TEST(PlacesCommandTest, LondonInEnglandComesBeforeLondonOntario) {
  const json places = Places("London --limit 10");
  ASSERT_GE(places.size(), 2u);
  EXPECT_EQ(places[0]["name"], "London");
  EXPECT_EQ(places[0]["time_zone"], "Europe/London");
  bool ontario = false;
  for (const json& place : places) ontario = ontario || place["time_zone"] == "America/Toronto";
  EXPECT_TRUE(ontario) << places.dump();
}

TEST(PlacesCommandTest, NoMatchIsAnEmptyArray) {
  EXPECT_EQ(Places("Qxzzqy"), json::array());
}

TEST(PlacesCommandTest, EmptyQueriesAndBadLimitsAreRefused) {
  struct Row {
    std::string arguments;
    std::string messageStart;
  };
  const Row rows[] = {
      {"''", "QUERY: is empty"},
      {"'   '", "QUERY: is empty"},
      {"Madurai --limit 0", "--limit: must be a whole number from 1 to 1000, not \"0\""},
      {"Madurai --limit 1001", "--limit: must be a whole number from 1 to 1000, not \"1001\""},
      {"Madurai --limit abc", "--limit: must be a whole number from 1 to 1000, not \"abc\""},
      {"Madurai --limit 5x", "--limit: must be a whole number from 1 to 1000, not \"5x\""},
      {"Madurai --limit 2.5", "--limit: must be a whole number from 1 to 1000, not \"2.5\""},
      {"Madurai --limit " + std::string(200, '7'),
       "--limit: must be a whole number from 1 to 1000, not \"" + std::string(80, '7') + "...\""},
  };
  for (const Row& row : rows) {
    const CliRun run = RunCli("places " + row.arguments);
    EXPECT_EQ(run.status, 2) << row.arguments;
    const json answer = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(answer.is_object() && answer.contains("error")) << row.arguments << run.out;
    EXPECT_EQ(answer["error"].get<std::string>().rfind(row.messageStart, 0), 0u)
        << row.arguments << ": " << answer["error"];
  }
  // No query at all is a command-line mistake.
  EXPECT_EQ(RunCli("places").status, 2);
}

}  // namespace
}  // namespace horavela::testing_cli
