#include "engine/input_check.h"

#include <utility>

#include "engine/text_limits.h"

namespace horavela {

namespace {

std::string Join(const std::string& path, const char* key) {
  return path.empty() ? std::string(key) : path + "." + key;
}

std::optional<Problem> OutsideRange(long long value, long long low, long long high,
                                    const std::string& path, const char* key) {
  if (value >= low && value <= high) return std::nullopt;
  return Problem{Join(path, key), messages::Between(low, high), Rule::OutOfRange};
}

}  // namespace

std::size_t text_limits::CharacterCount(std::string_view text) {
  // Every byte but the continuation bytes 10xxxxxx begins a character.
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

std::optional<Problem> CheckTextLength(std::string_view text, std::size_t limit,
                                       const std::string& path) {
  // No text of fewer bytes than the limit can hold more characters.
  if (text.size() <= limit) return std::nullopt;
  const std::size_t characters = text_limits::CharacterCount(text);
  if (characters <= limit) return std::nullopt;
  return Problem{path, messages::TooLong(limit, characters), Rule::TooLong};
}

std::optional<Problem> CheckDateExists(int year, int month, int day, const std::string& path) {
  if (IsValidDate(year, month, day)) return std::nullopt;
  return Problem{Join(path, "day"), messages::NoSuchDate(year, month, day), Rule::NoSuchDate};
}

std::optional<Problem> CheckDateTime(int year, int month, int day, int hour, int minute,
                                     const std::string& path) {
  if (auto p = OutsideRange(year, 1901, 2050, path, "year")) return p;
  if (auto p = OutsideRange(month, 1, 12, path, "month")) return p;
  if (auto p = OutsideRange(day, 1, 31, path, "day")) return p;
  if (auto p = CheckDateExists(year, month, day, path)) return p;
  if (auto p = OutsideRange(hour, 0, 23, path, "hour")) return p;
  return OutsideRange(minute, 0, 59, path, "minute");
}

std::optional<Problem> CheckCoordinate(long long degrees, long long minutes, int maxDegrees,
                                       const std::string& path) {
  if (auto p = OutsideRange(degrees, 0, maxDegrees, path, "degrees")) return p;
  if (auto p = OutsideRange(minutes, 0, 59, path, "minutes")) return p;
  if (degrees == maxDegrees && minutes > 0)
    return Problem{Join(path, "minutes"), messages::BeyondLimit(maxDegrees), Rule::BeyondLimit};
  return std::nullopt;
}

std::optional<Problem> CheckPlace(const PlaceEntry& p, const std::string& path) {
  if (auto problem =
          CheckCoordinate(p.latitudeDegrees, p.latitudeMinutes, 90, Join(path, "latitude")))
    return problem;
  if (auto problem =
          CheckCoordinate(p.longitudeDegrees, p.longitudeMinutes, 180, Join(path, "longitude")))
    return problem;
  const std::string zone = Join(path, "zone");
  if (auto problem = OutsideRange(p.zoneHours, -14, 14, zone, "hours")) return problem;
  if (auto problem = OutsideRange(p.zoneMinutes, -59, 59, zone, "minutes")) return problem;
  for (const auto& [text, key] : {std::pair{&p.city, "city"}, std::pair{&p.state, "state"},
                                  std::pair{&p.country, "country"}}) {
    if (auto problem = CheckTextLength(*text, text_limits::kPlace, Join(path, key))) return problem;
  }
  return std::nullopt;
}

std::optional<Problem> CheckMoment(const MomentEntry& m, const std::string& path) {
  if (auto p = CheckDateTime(m.year, m.month, m.day, m.hour, m.minute, path)) return p;
  if (auto p = OutsideRange(m.second, 0, 59, path, "second")) return p;
  return CheckPlace(m.place, path);
}

std::optional<Problem> CheckSex(const std::string& sex) {
  if (sex == "Male" || sex == "Female") return std::nullopt;
  return Problem{"sex", messages::UnknownSex(sex), Rule::UnknownText};
}

std::optional<Problem> CheckEvaluationInput(const EvaluationInput& input) {
  if (auto p = CheckTextLength(input.name, text_limits::kName, "name")) return p;
  if (auto p = CheckSex(input.sex)) return p;
  if (auto p = CheckMoment(input.birth, "birth")) return p;
  return CheckMoment(input.election, "election");
}

Result<void> CheckZoneCaptionSigns(const PlaceEntry& place, const std::string& path) {
  const int hours = place.zoneHours;
  const int minutes = place.zoneMinutes;
  if ((hours > 0 && minutes < 0) || (hours < 0 && minutes > 0))
    return Unexpected(Problem{path.empty() ? "zone" : path + ".zone",
                              messages::ZoneSigns(hours, minutes), Rule::Inconsistent});
  return {};
}

}  // namespace horavela
