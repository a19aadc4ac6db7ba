#pragma once

#include <string>
#include <string_view>

#include "calendar/civil_calendar.h"
#include "engine/evaluation_input.h"
#include "engine/problem.h"
#include "engine/result.h"

namespace horavela {

// The checks of the input pages, shared by the desktop program and
// horavela-cli. Each returns the first problem found, naming the field by its
// path below `path` ("election" gives "election.latitude.degrees"); a value
// when the input is acceptable.

// A date the lists offer (years 1901..2050) that exists, and a clock minute.
Result<void> CheckDateTime(int year, int month, int day, int hour, int minute,
                           const std::string& path);

// A date that exists in the calendar; the problem names `path`.day.
Result<void> CheckDateExists(int year, int month, int day, const std::string& path);

// Degrees 0..maxDegrees and minutes 0..59, no minutes beyond maxDegrees;
// `path` names the coordinate ("birth.latitude"). Wide integer types, since
// the desktop's boxes may hold any number of digits.
Result<void> CheckCoordinate(long long degrees, long long minutes, int maxDegrees,
                             const std::string& path);

// Latitude up to 90, longitude up to 180, zone hours -14..14, zone minutes
// -59..59, and city, state and country within their length.
Result<void> CheckPlace(const PlaceEntry& place, const std::string& path);

// Date, clock time (second 0..59) and place.
Result<void> CheckMoment(const MomentEntry& moment, const std::string& path);

// At most `limit` characters (text_limits.h); the problem names `path`.
Result<void> CheckTextLength(std::string_view text, std::size_t limit, const std::string& path);

// "Male" or "Female".
Result<void> CheckSex(const std::string& sex);

// The name's length, the sex and both moments, with the request's paths ("birth", "election").
Result<void> CheckEvaluationInput(const EvaluationInput& input);

// Hours and minutes of a zone are added as they stand, so a zone written as
// two signed numbers must point one way: "-5" with "30" would be four and a
// half hours east, not Indian Time. Named `path`.zone.
Result<void> CheckZoneCaptionSigns(const PlaceEntry& place, const std::string& path);

}  // namespace horavela
