#include "engine/input_check.h"

#include <utility>

#include "engine/text_limits.h"

namespace horavela {

namespace {

std::string Join(const std::string& path, const char* key) {
  return path.empty() ? std::string(key) : path + "." + key;
}

Result<void> OutsideRange(long long value, long long low, long long high, const std::string& path,
                          const char* key) {
  if (value >= low && value <= high) return {};
  return Unexpected(Problem{Join(path, key), messages::Between(low, high), Rule::OutOfRange});
}

}  // namespace

std::size_t text_limits::CharacterCount(std::string_view text) {
  // Every byte but the continuation bytes 10xxxxxx begins a character.
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

Result<void> CheckTextLength(std::string_view text, std::size_t limit, const std::string& path) {
  // No text of fewer bytes than the limit can hold more characters.
  if (text.size() <= limit) return {};
  const std::size_t characters = text_limits::CharacterCount(text);
  if (characters <= limit) return {};
  return Unexpected(Problem{path, messages::TooLong(limit, characters), Rule::TooLong});
}

Result<void> CheckDateExists(int year, int month, int day, const std::string& path) {
  if (IsValidDate(year, month, day)) return {};
  return Unexpected(
      Problem{Join(path, "day"), messages::NoSuchDate(year, month, day), Rule::NoSuchDate});
}

Result<void> CheckDateTime(int year, int month, int day, int hour, int minute,
                           const std::string& path) {
  return FirstFailure(
      {OutsideRange(year, 1901, 2050, path, "year"), OutsideRange(month, 1, 12, path, "month"),
       OutsideRange(day, 1, 31, path, "day"), CheckDateExists(year, month, day, path),
       OutsideRange(hour, 0, 23, path, "hour"), OutsideRange(minute, 0, 59, path, "minute")});
}

Result<void> CheckCoordinate(long long degrees, long long minutes, int maxDegrees,
                             const std::string& path) {
  if (Result<void> ranges = FirstFailure({OutsideRange(degrees, 0, maxDegrees, path, "degrees"),
                                          OutsideRange(minutes, 0, 59, path, "minutes")});
      !ranges)
    return ranges;
  if (degrees == maxDegrees && minutes > 0)
    return Unexpected(
        Problem{Join(path, "minutes"), messages::BeyondLimit(maxDegrees), Rule::BeyondLimit});
  return {};
}

Result<void> CheckPlace(const PlaceEntry& p, const std::string& path) {
  const std::string zone = Join(path, "zone");
  return FirstFailure(
      {CheckCoordinate(p.latitudeDegrees, p.latitudeMinutes, 90, Join(path, "latitude")),
       CheckCoordinate(p.longitudeDegrees, p.longitudeMinutes, 180, Join(path, "longitude")),
       OutsideRange(p.zoneHours, -14, 14, zone, "hours"),
       OutsideRange(p.zoneMinutes, -59, 59, zone, "minutes"),
       CheckTextLength(p.city, text_limits::kPlace, Join(path, "city")),
       CheckTextLength(p.state, text_limits::kPlace, Join(path, "state")),
       CheckTextLength(p.country, text_limits::kPlace, Join(path, "country"))});
}

Result<void> CheckMoment(const MomentEntry& m, const std::string& path) {
  return FirstFailure({CheckDateTime(m.year, m.month, m.day, m.hour, m.minute, path),
                       OutsideRange(m.second, 0, 59, path, "second"), CheckPlace(m.place, path)});
}

Result<void> CheckSex(const std::string& sex) {
  if (sex == "Male" || sex == "Female") return {};
  return Unexpected(Problem{"sex", messages::UnknownSex(sex), Rule::UnknownText});
}

Result<void> CheckEvaluationInput(const EvaluationInput& input) {
  return FirstFailure({CheckTextLength(input.name, text_limits::kName, "name"), CheckSex(input.sex),
                       CheckMoment(input.birth, "birth"), CheckMoment(input.election, "election")});
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
