#include "ics/calendar_place.h"

namespace horavela {

namespace {

double Degrees(int degrees, int minutes, bool positive) {
  const double value = degrees + minutes / 60.0;
  return positive ? value : -value;
}

}  // namespace

std::string LocationText(const PlaceEntry& place) {
  std::string text;
  for (const std::string* name : {&place.city, &place.state, &place.country}) {
    if (name->empty()) continue;
    if (!text.empty()) text += ", ";
    text += *name;
  }
  return text;
}

double LatitudeDegrees(const PlaceEntry& place) {
  return Degrees(place.latitudeDegrees, place.latitudeMinutes, place.north);
}

double LongitudeDegrees(const PlaceEntry& place) {
  return Degrees(place.longitudeDegrees, place.longitudeMinutes, place.east);
}

}  // namespace horavela
