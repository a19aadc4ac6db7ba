#include "atlas/places.h"

#include <gtest/gtest.h>

namespace horavela {
namespace {

TEST(FindPlaces, MaduraiOffline) {
  const std::vector<Place> places = FindPlaces("Madurai");
  ASSERT_FALSE(places.empty());
  const Place& madurai = places.front();
  EXPECT_EQ(madurai.name, "Madurai");
  EXPECT_EQ(madurai.country, "India");
  EXPECT_EQ(madurai.timeZone, "Asia/Kolkata");
  EXPECT_NEAR(madurai.latitude, 9.92, 0.05);
  EXPECT_NEAR(madurai.longitude, 78.12, 0.05);
  const DegreesMinutes latitude = ToDegreesMinutes(madurai.latitude);
  EXPECT_EQ(latitude.degrees, 9);
  EXPECT_TRUE(latitude.positive);
}

TEST(FindPlaces, MostPopulousFirst) {
  const std::vector<Place> places = FindPlaces("San", 50);
  ASSERT_GT(places.size(), 3u);
  for (std::size_t i = 1; i < places.size(); ++i)
    EXPECT_GE(places[i - 1].population, places[i].population);
  EXPECT_LE(FindPlaces("San", 5).size(), 5u);
  EXPECT_TRUE(FindPlaces("").empty());
  EXPECT_TRUE(FindPlaces("Qxzzqy").empty());
}

TEST(ToDegreesMinutes, RoundsToTheNearestMinute) {
  struct Row {
    double coordinate;
    int degrees, minutes;
    bool positive;
  };
  const Row rows[] = {{28.6139, 28, 37, true}, {77.2090, 77, 13, true}, {-3.7038, 3, 42, false},
                      {9.9252, 9, 56, true},   {-0.1278, 0, 8, false},  {45.9999, 46, 0, true}};
  for (const Row& row : rows) {
    const DegreesMinutes dm = ToDegreesMinutes(row.coordinate);
    EXPECT_EQ(dm.degrees, row.degrees) << row.coordinate;
    EXPECT_EQ(dm.minutes, row.minutes) << row.coordinate;
    EXPECT_EQ(dm.positive, row.positive) << row.coordinate;
  }
}

TEST(PlaceLabel, LeavesOutEmptyParts) {
  EXPECT_EQ(PlaceLabel({"Madurai", "Tamil Nadu", "India", 0, 0, "", 0}),
            "Madurai, Tamil Nadu, India");
  EXPECT_EQ(PlaceLabel({"Monaco", "", "Monaco", 0, 0, "", 0}), "Monaco, Monaco");
}

}  // namespace
}  // namespace horavela
