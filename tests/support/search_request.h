#pragma once

#include <string>
#include <utility>
#include <vector>

#include "search/muhurta_finder.h"

namespace horavela::testing {

// Asha, born at Madurai (9N55 78E07) on 14 August 1995 at 05:40 Indian time,
// choosing moments at New Delhi (28N37 77E13, Indian time) through 2025.
inline SearchRequest AshaAtNewDelhi(std::vector<std::string> subjects) {
  SearchRequest request;
  request.subjects = std::move(subjects);
  request.name = "Asha";
  request.sex = "Female";
  request.birth.year = 1995;
  request.birth.month = 8;
  request.birth.day = 14;
  request.birth.hour = 5;
  request.birth.minute = 40;
  request.birth.place.latitudeDegrees = 9;
  request.birth.place.latitudeMinutes = 55;
  request.birth.place.longitudeDegrees = 78;
  request.birth.place.longitudeMinutes = 7;
  request.birth.place.zoneHours = -5;
  request.birth.place.zoneMinutes = -30;
  request.place = request.birth.place;
  request.place.latitudeDegrees = 28;
  request.place.latitudeMinutes = 37;
  request.place.longitudeDegrees = 77;
  request.place.longitudeMinutes = 13;
  request.from = {2025, 1, 1, 0, 0};
  request.to = {2025, 12, 31, 23, 59};
  request.minResult = "Good";
  return request;
}

}  // namespace horavela::testing
