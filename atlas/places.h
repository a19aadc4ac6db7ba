#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace horavela {

// A city of the offline gazetteer.
struct Place {
  std::string name;
  std::string state;
  std::string country;
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  std::string timeZone;  // IANA name, e.g. "Asia/Kolkata"
  unsigned population = 0;
};

// Cities whose name matches `query` (case-insensitive prefix of the name or of
// one of its words), most populous first, at most `limit`. Offline: Debian's
// geonames database of about 24,000 cities.
std::vector<Place> FindPlaces(std::string_view query, std::size_t limit = 20);

// "City, State, Country", leaving out empty parts.
std::string PlaceLabel(const Place& place);

struct DegreesMinutes {
  int degrees = 0;
  int minutes = 0;
  bool positive = true;  // north or east
};
// Whole degrees and minutes of a coordinate, rounded to the nearest minute.
DegreesMinutes ToDegreesMinutes(double coordinate);

}  // namespace horavela
