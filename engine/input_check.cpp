#include "engine/input_check.h"

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
  return OutsideRange(p.zoneMinutes, -59, 59, zone, "minutes");
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
  if (auto p = CheckSex(input.sex)) return p;
  if (auto p = CheckMoment(input.birth, "birth")) return p;
  return CheckMoment(input.election, "election");
}

}  // namespace horavela
