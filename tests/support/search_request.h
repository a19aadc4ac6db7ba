#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calendar/civil_calendar.h"
#include "search/muhurta_finder.h"
#include "support/chart_values.h"

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

// What the driver is given for the request's first subject at one election
// minute, at the request's place with its zone as it stands.
inline EvaluationInput InputAtMinute(const SearchRequest& request, const LocalMinute& minute) {
  EvaluationInput input;
  input.subject = request.subjects.front();
  input.name = request.name;
  input.sex = request.sex;
  input.birth = request.birth;
  input.election.year = static_cast<std::int16_t>(minute.year);
  input.election.month = static_cast<std::int16_t>(minute.month);
  input.election.day = static_cast<std::int16_t>(minute.day);
  input.election.hour = static_cast<std::int16_t>(minute.hour);
  input.election.minute = static_cast<std::int16_t>(minute.minute);
  input.election.place = request.place;
  input.electionWeekday = WeekdayOfCivilDate(minute.year, minute.month, minute.day);
  return input;
}

}  // namespace horavela::testing
