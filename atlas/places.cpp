#include "atlas/places.h"

#include <geonames.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>

namespace horavela {

namespace {

std::string Text(const gchar* text) {
  return text ? std::string(text) : std::string();
}

Place ToPlace(GeonamesCity* city) {
  Place place;
  place.name = Text(geonames_city_get_name(city));
  place.state = Text(geonames_city_get_state(city));
  place.country = Text(geonames_city_get_country(city));
  place.latitude = geonames_city_get_latitude(city);
  place.longitude = geonames_city_get_longitude(city);
  place.timeZone = Text(geonames_city_get_timezone(city));
  place.population = geonames_city_get_population(city);
  return place;
}

}  // namespace

std::vector<Place> FindPlaces(std::string_view query, std::size_t limit) {
  std::vector<Place> places;
  if (query.empty() || limit == 0) return places;
  // The gazetteer keeps process-wide state; one query at a time.
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  const std::string text(query);
  guint length = 0;
  GError* error = nullptr;
  // Owned here, so that running out of memory while copying frees them too.
  const std::unique_ptr<gint, decltype(&g_free)> indices(
      geonames_query_cities_sync(text.c_str(), GEONAMES_QUERY_DEFAULT, &length, nullptr, &error),
      &g_free);
  if (error != nullptr) g_error_free(error);
  if (indices == nullptr) return places;
  for (guint i = 0; i < length; ++i) {
    const std::unique_ptr<GeonamesCity, decltype(&geonames_city_free)> city(
        geonames_get_city(indices.get()[i]), &geonames_city_free);
    if (city == nullptr) continue;
    places.push_back(ToPlace(city.get()));
  }
  std::stable_sort(places.begin(), places.end(),
                   [](const Place& a, const Place& b) { return a.population > b.population; });
  if (places.size() > limit) places.resize(limit);
  return places;
}

std::string PlaceLabel(const Place& place) {
  std::string label = place.name;
  for (const std::string* part : {&place.state, &place.country}) {
    if (part->empty()) continue;
    label += ", ";
    label += *part;
  }
  return label;
}

DegreesMinutes ToDegreesMinutes(double coordinate) {
  DegreesMinutes result;
  result.positive = coordinate >= 0;
  const long totalMinutes = std::lround(std::fabs(coordinate) * 60.0);
  result.degrees = static_cast<int>(totalMinutes / 60);
  result.minutes = static_cast<int>(totalMinutes % 60);
  return result;
}

}  // namespace horavela
