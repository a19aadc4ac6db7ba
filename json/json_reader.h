#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/evaluation_input.h"
#include "engine/problem.h"

namespace horavela {

// The first problem found in a request, naming the field by its path
// ("birth.latitude.degrees"). Thrown by the readers below and turned into the
// {"error": "path: message"} answer by each command; what() is that text.
class RequestError : public std::runtime_error {
 public:
  explicit RequestError(Problem problem);
  // A text already in the form "path: message".
  explicit RequestError(const std::string& text);
  const Problem& problem() const { return problem_; }

 private:
  Problem problem_;
};

// The request text as JSON; throws RequestError for the path "request" when
// it is not valid JSON, naming the line and column, or holds a NUL byte.
nlohmann::json ParseJsonText(std::string_view text);

// The request itself must be an object.
void RequireObject(const nlohmann::json& request);

// Readers of one member of `object`; `path` is the object's own path ("" at
// the top). Each throws RequestError when the member is missing or of the
// wrong kind. Integers must be JSON integers within 16 bits, as the input
// pages hold them; floats and strings of digits are refused.
const nlohmann::json& ObjectField(const nlohmann::json& object, const std::string& path,
                                  const char* key);
std::int16_t Int16Field(const nlohmann::json& object, const std::string& path, const char* key);
bool BoolField(const nlohmann::json& object, const std::string& path, const char* key);
std::string StringField(const nlohmann::json& object, const std::string& path, const char* key);
std::string OptionalString(const nlohmann::json& object, const std::string& path, const char* key);
const nlohmann::json* FindMember(const nlohmann::json& object, const char* key);
std::string StringValue(const nlohmann::json& value, const std::string& name);
// What a value is, for messages: "a string", "the number 6.5", "null".
std::string DescribeValue(const nlohmann::json& value);
std::int16_t Int16Value(const nlohmann::json& value, const std::string& name);
std::string Join(const std::string& path, const char* key);

// A place as the request gives it. Instead of the "zone" captions and the
// "dst" box it may name a tz-database zone in "tz" ("Asia/Kolkata"); then the
// captions stay unset until the zone is resolved for a local date and time
// (see time_zone_entry.h).
struct PlaceRequest {
  PlaceEntry place;
  std::string timeZone;  // empty: "zone" and "dst" were given
};
struct MomentRequest {
  MomentEntry moment;
  std::string timeZone;  // empty: "zone" and "dst" were given
};

// A place: latitude, longitude, either "zone" and "dst" or "tz", and the
// optional city, state and country texts.
PlaceRequest ParsePlace(const nlohmann::json& object, const std::string& path);

// A moment: date, clock time, optional second, and its place.
MomentRequest ParseMoment(const nlohmann::json& object, const std::string& path);

// Hours and minutes of a zone are added as they stand, so both must point
// the same way.
void CheckZoneSigns(const PlaceEntry& place, const std::string& path);

}  // namespace horavela
