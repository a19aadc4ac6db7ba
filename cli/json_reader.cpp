#include "cli/json_reader.h"

#include <limits>
#include <utility>

namespace horavela::cli {

using nlohmann::json;

namespace {

// What a value is, for messages: "a string", "the number 6.5", "null".
std::string Describe(const json& value) {
  switch (value.type()) {
    case json::value_t::null:
      return "null";
    case json::value_t::object:
      return "an object";
    case json::value_t::array:
      return "an array";
    case json::value_t::string:
      return "a string";
    case json::value_t::boolean:
      return value.get<bool>() ? "true" : "false";
    case json::value_t::number_float:
    case json::value_t::number_integer:
    case json::value_t::number_unsigned:
      return "the number " + value.dump();
    default:
      return "a value of another kind";
  }
}

const json& RequireMember(const json& object, const std::string& path, const char* key) {
  const json* value = FindMember(object, key);
  if (value == nullptr) throw RequestError(Join(path, key) + " is missing");
  return *value;
}

// nlohmann's messages start with "[json.exception.parse_error.101] ".
std::string WithoutExceptionTag(const std::string& message) {
  if (!message.empty() && message.front() == '[') {
    const auto end = message.find("] ");
    if (end != std::string::npos) return message.substr(end + 2);
  }
  return message;
}

}  // namespace

json ParseJsonText(std::string_view text) {
  try {
    return json::parse(text);
  } catch (const json::exception& e) {
    throw RequestError("the request is not valid JSON: " + WithoutExceptionTag(e.what()));
  }
}

void RequireObject(const json& request) {
  if (!request.is_object())
    throw RequestError("the request must be a JSON object, not " + Describe(request));
}

const json* FindMember(const json& object, const char* key) {
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

std::string Join(const std::string& path, const char* key) {
  return path.empty() ? std::string(key) : path + "." + key;
}

const json& ObjectField(const json& object, const std::string& path, const char* key) {
  const json& value = RequireMember(object, path, key);
  if (!value.is_object())
    throw RequestError(Join(path, key) + " must be an object, not " + Describe(value));
  return value;
}

// The input pages hold 16-bit integers, so anything wider is refused here
// rather than wrapped around.
std::int16_t Int16Value(const json& value, const std::string& name) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int16_t>::max();
  const std::string range = " (" + std::to_string(kLow) + ".." + std::to_string(kHigh) + ")";
  if (!value.is_number_integer())
    throw RequestError(name + " must be a whole number" + range + ", not " + Describe(value));
  if (value.is_number_unsigned()) {
    const auto n = value.get<std::uint64_t>();
    if (n > static_cast<std::uint64_t>(kHigh))
      throw RequestError(name + " = " + value.dump() + " is beyond the 16-bit range" + range);
    return static_cast<std::int16_t>(n);
  }
  const auto n = value.get<std::int64_t>();
  if (n < kLow || n > kHigh)
    throw RequestError(name + " = " + value.dump() + " is beyond the 16-bit range" + range);
  return static_cast<std::int16_t>(n);
}

std::int16_t Int16Field(const json& object, const std::string& path, const char* key) {
  return Int16Value(RequireMember(object, path, key), Join(path, key));
}

bool BoolField(const json& object, const std::string& path, const char* key) {
  const json& value = RequireMember(object, path, key);
  if (!value.is_boolean())
    throw RequestError(Join(path, key) + " must be true or false, not " + Describe(value));
  return value.get<bool>();
}

std::string StringValue(const json& value, const std::string& name) {
  if (!value.is_string()) throw RequestError(name + " must be a string, not " + Describe(value));
  return value.get<std::string>();
}

std::string StringField(const json& object, const std::string& path, const char* key) {
  return StringValue(RequireMember(object, path, key), Join(path, key));
}

std::string OptionalString(const json& object, const std::string& path, const char* key) {
  const json* value = FindMember(object, key);
  return value == nullptr ? std::string() : StringValue(*value, Join(path, key));
}

namespace {

// Either the tz-database name or the two captions with the DST box: a request
// holding both would leave it unclear which one the user meant.
std::string ZoneName(const json& object, const std::string& path) {
  const json* tz = FindMember(object, "tz");
  if (tz == nullptr) return {};
  std::string given;
  for (const char* key : {"zone", "dst"}) {
    if (FindMember(object, key) != nullptr)
      given += std::string(given.empty() ? "" : " and ") + "\"" + key + "\"";
  }
  if (!given.empty()) {
    throw RequestError(path + ": \"tz\" and " + given +
                       " were both given; give either \"tz\" or \"zone\" with \"dst\"");
  }
  std::string name = StringValue(*tz, Join(path, "tz"));
  if (name.empty())
    throw RequestError(Join(path, "tz") + " must name a time zone, such as \"Asia/Kolkata\"");
  return name;
}

}  // namespace

PlaceRequest ParsePlace(const json& object, const std::string& path) {
  PlaceRequest request;
  PlaceEntry& place = request.place;
  const std::string latitudePath = Join(path, "latitude");
  const json& latitude = ObjectField(object, path, "latitude");
  place.latitudeDegrees = Int16Field(latitude, latitudePath, "degrees");
  place.latitudeMinutes = Int16Field(latitude, latitudePath, "minutes");
  place.north = BoolField(latitude, latitudePath, "north");

  const std::string longitudePath = Join(path, "longitude");
  const json& longitude = ObjectField(object, path, "longitude");
  place.longitudeDegrees = Int16Field(longitude, longitudePath, "degrees");
  place.longitudeMinutes = Int16Field(longitude, longitudePath, "minutes");
  place.east = BoolField(longitude, longitudePath, "east");

  request.timeZone = ZoneName(object, path);
  if (request.timeZone.empty()) {
    const std::string zonePath = Join(path, "zone");
    const json& zone = ObjectField(object, path, "zone");
    place.zoneHours = Int16Field(zone, zonePath, "hours");
    place.zoneMinutes = Int16Field(zone, zonePath, "minutes");
    place.dst = BoolField(object, path, "dst");
  }

  place.city = OptionalString(object, path, "city");
  place.state = OptionalString(object, path, "state");
  place.country = OptionalString(object, path, "country");
  return request;
}

MomentRequest ParseMoment(const json& object, const std::string& path) {
  MomentRequest request;
  MomentEntry& moment = request.moment;
  moment.year = Int16Field(object, path, "year");
  moment.month = Int16Field(object, path, "month");
  moment.day = Int16Field(object, path, "day");
  moment.hour = Int16Field(object, path, "hour");
  moment.minute = Int16Field(object, path, "minute");
  if (const json* second = FindMember(object, "second"))
    moment.second = Int16Value(*second, Join(path, "second"));
  PlaceRequest place = ParsePlace(object, path);
  moment.place = std::move(place.place);
  request.timeZone = std::move(place.timeZone);
  return request;
}

// "-5" with "30" would be four and a half hours east, not Indian Time.
void CheckZoneSigns(const PlaceEntry& place, const std::string& path) {
  const int hours = place.zoneHours;
  const int minutes = place.zoneMinutes;
  if ((hours > 0 && minutes < 0) || (hours < 0 && minutes > 0)) {
    throw RequestError(path + ".zone: hours " + std::to_string(hours) + " and minutes " +
                       std::to_string(minutes) +
                       " must have the same sign (Indian Time is -5 and -30, west positive)");
  }
}

}  // namespace horavela::cli
