#include "json/json_reader.h"

#include "engine/input_check.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace horavela {

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

[[noreturn]] void Refuse(std::string path, std::string message, Rule rule) {
  throw RequestError(Problem{std::move(path), std::move(message), rule});
}

const json& RequireMember(const json& object, const std::string& path, const char* key) {
  const json* value = FindMember(object, key);
  if (value == nullptr) Refuse(Join(path, key), messages::Missing(), Rule::Missing);
  return *value;
}

// nlohmann's parse errors read "[json.exception.parse_error.101] parse error
// at line 1, column 5: syntax error ...; last read: '...'". The position and
// the reason are kept; what was last read is left out, since it may be a
// whole megabyte of the request.
std::string ErrorPositionOf(const std::string& what) {
  const auto at = what.find(" at line ");
  if (at == std::string::npos) return "an unknown position";
  const auto end = what.find(": ", at);
  return what.substr(at + 4, end == std::string::npos ? std::string::npos : end - at - 4);
}

std::string ReasonOf(const std::string& what) {
  const auto at = what.find(" at line ");
  const auto start = what.find(": ", at == std::string::npos ? 0 : at);
  if (start == std::string::npos) return "unreadable";
  std::string reason = what.substr(start + 2, what.find("; last read", start) - start - 2);
  constexpr std::size_t kLongest = 160;
  return reason.size() > kLongest ? reason.substr(0, kLongest) + "..." : reason;
}

}  // namespace

RequestError::RequestError(Problem problem)
    : std::runtime_error(ProblemText(problem)), problem_(std::move(problem)) {}

namespace {

Problem Split(const std::string& text) {
  const auto colon = text.find(": ");
  if (colon == std::string::npos) return {"request", text, Rule::Inconsistent};
  return {text.substr(0, colon), text.substr(colon + 2), Rule::Inconsistent};
}

}  // namespace

RequestError::RequestError(const std::string& text) : RequestError(Split(text)) {}

json ParseJsonText(std::string_view text) {
  // The parser would stop at a NUL and take what came before it for the whole
  // request.
  if (const auto nul = text.find('\0'); nul != std::string_view::npos)
    Refuse("request", messages::NulByte(nul), Rule::NotJson);
  try {
    return json::parse(text);
  } catch (const json::parse_error& e) {
    Refuse("request", messages::NotJson(ErrorPositionOf(e.what()), ReasonOf(e.what())),
           Rule::NotJson);
  } catch (const json::exception&) {
    // Out of range: a number beyond what a double holds.
    Refuse("request", messages::NumberTooLarge(), Rule::NotJson);
  }
}

void RequireObject(const json& request) {
  if (!request.is_object())
    Refuse("request", messages::WrongType("a JSON object", Describe(request)), Rule::WrongType);
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
    Refuse(Join(path, key), messages::WrongType("an object", Describe(value)), Rule::WrongType);
  return value;
}

// The input pages hold 16-bit integers, so anything wider is refused here
// rather than wrapped around.
std::string DescribeValue(const json& value) {
  return Describe(value);
}

std::int16_t Int16Value(const json& value, const std::string& name) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int16_t>::max();
  if (!value.is_number_integer())
    Refuse(name, messages::WrongType("a whole number", Describe(value)), Rule::WrongType);
  const bool fits = value.is_number_unsigned()
                        ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(kHigh)
                        : value.get<std::int64_t>() >= kLow && value.get<std::int64_t>() <= kHigh;
  if (!fits) Refuse(name, messages::Beyond16Bits(value.dump()), Rule::OutOfRange);
  return static_cast<std::int16_t>(value.get<std::int64_t>());
}

std::int16_t Int16Field(const json& object, const std::string& path, const char* key) {
  return Int16Value(RequireMember(object, path, key), Join(path, key));
}

bool BoolField(const json& object, const std::string& path, const char* key) {
  const json& value = RequireMember(object, path, key);
  if (!value.is_boolean())
    Refuse(Join(path, key), messages::WrongType("true or false", Describe(value)), Rule::WrongType);
  return value.get<bool>();
}

std::string StringValue(const json& value, const std::string& name) {
  if (!value.is_string())
    Refuse(name, messages::WrongType("a string", Describe(value)), Rule::WrongType);
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

// No tz-database name is this long or holds control characters; such a text
// is refused here, where its echo is cut short, rather than quoted whole.
bool CannotBeZoneName(const std::string& name) {
  constexpr std::size_t kLongestName = 64;
  return name.size() > kLongestName || std::any_of(name.begin(), name.end(), [](char c) {
           return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
         });
}

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
  if (!given.empty()) Refuse(path, messages::ZoneTwice(given), Rule::Inconsistent);
  const std::string tzPath = Join(path, "tz");
  std::string name = StringValue(*tz, tzPath);
  if (name.empty()) Refuse(tzPath, messages::EmptyZoneName(), Rule::Missing);
  if (CannotBeZoneName(name)) Refuse(tzPath, messages::UnknownZone(name), Rule::UnknownText);
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

void CheckZoneSigns(const PlaceEntry& place, const std::string& path) {
  if (const Result<void> signs = CheckZoneCaptionSigns(place, path); !signs)
    throw RequestError(signs.error());
}

}  // namespace horavela
