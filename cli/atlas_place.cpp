#include "cli/atlas_place.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/input_check.h"
#include "json/json_reader.h"
#include "json/time_zone_entry.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

// Enough for every city of the atlas sharing a common name's first letters.
constexpr std::size_t kCandidates = 1000;

// ASCII letters alike in either case; other bytes (UTF-8) as they are.
bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool BeginsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameLetters(text.substr(0, prefix.size()), prefix);
}

bool InRegion(const Place& place, std::string_view region) {
  return region.empty() || BeginsWith(place.state, region) || BeginsWith(place.country, region);
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

ordered_json PlaceJson(const Place& place) {
  ordered_json json;
  json["name"] = place.name;
  json["state"] = place.state;
  json["country"] = place.country;
  json["latitude"] = place.latitude;
  json["longitude"] = place.longitude;
  json["time_zone"] = place.timeZone;
  json["population"] = place.population;
  return json;
}

std::optional<Place> AtlasPlaceNamed(std::string_view text) {
  const std::size_t comma = text.find(',');
  const std::string_view name = Trimmed(text.substr(0, comma));
  const std::string_view region =
      comma == std::string_view::npos ? std::string_view() : Trimmed(text.substr(comma + 1));
  if (name.empty()) return std::nullopt;
  std::optional<Place> matching;
  for (Place& place : FindPlaces(name, kCandidates)) {
    if (!InRegion(place, region)) continue;
    if (SameLetters(place.name, name)) return std::move(place);
    if (!matching) matching = std::move(place);
  }
  return matching;
}

Place PlaceOption(const std::string& text) {
  if (Trimmed(text).empty())
    throw RequestError(Problem{"--place", "is empty: give a city's name", Rule::Missing});
  std::optional<Place> place = AtlasPlaceNamed(text);
  if (!place)
    throw RequestError(Problem{"--place",
                               "no city of the atlas is called " + messages::Echo(text) +
                                   " (horavela-cli places lists the cities whose names begin so)",
                               Rule::UnknownText});
  return std::move(*place);
}

ZonedPlace ZonedPlaceOf(const Place& place, const char* field) {
  ZonedPlace where;
  PlaceEntry& entry = where.place;
  const DegreesMinutes latitude = ToDegreesMinutes(place.latitude);
  const DegreesMinutes longitude = ToDegreesMinutes(place.longitude);
  entry.latitudeDegrees = static_cast<std::int16_t>(latitude.degrees);
  entry.latitudeMinutes = static_cast<std::int16_t>(latitude.minutes);
  entry.north = latitude.positive;
  entry.longitudeDegrees = static_cast<std::int16_t>(longitude.degrees);
  entry.longitudeMinutes = static_cast<std::int16_t>(longitude.minutes);
  entry.east = longitude.positive;
  entry.city = place.name;
  entry.state = place.state;
  entry.country = place.country;
  where.zone = Follow(LoadTimeZone(place.timeZone, field));
  return where;
}

}  // namespace horavela::cli
