#include "engine/input_check.h"

#include <cstdlib>

namespace horavela {

namespace {

std::string RangeMessage(const std::string& which, const std::string& field, int low, int high) {
  return which + " " + field + " must be between " + std::to_string(low) + " and " +
         std::to_string(high);
}

std::string CheckCoordinate(const std::string& which, const std::string& name, int degrees,
                            int minutes, int maxDegrees) {
  if (degrees < 0 || degrees > maxDegrees)
    return RangeMessage(which, name + " degrees", 0, maxDegrees);
  if (minutes < 0 || minutes > 59) return RangeMessage(which, name + " minutes", 0, 59);
  if (degrees == maxDegrees && minutes > 0)
    return which + " " + name + " cannot exceed " + std::to_string(maxDegrees) + " degrees";
  return {};
}

}  // namespace

std::string CheckMoment(const MomentEntry& m, const std::string& which) {
  if (m.year < 1901 || m.year > 2050) return RangeMessage(which, "year", 1901, 2050);
  if (m.month < 1 || m.month > 12) return RangeMessage(which, "month", 1, 12);
  if (m.day < 1 || m.day > 31) return RangeMessage(which, "day", 1, 31);
  if (!IsValidDate(m.year, m.month, m.day)) {
    return which + " date " + std::string(kMonthNames[m.month - 1]) + " " + std::to_string(m.day) +
           " " + std::to_string(m.year) + " does not exist";
  }
  if (m.hour < 0 || m.hour > 23) return RangeMessage(which, "hour", 0, 23);
  if (m.minute < 0 || m.minute > 59) return RangeMessage(which, "minute", 0, 59);
  if (m.second < 0 || m.second > 59) return RangeMessage(which, "second", 0, 59);
  const PlaceEntry& p = m.place;
  if (auto e = CheckCoordinate(which, "latitude", p.latitudeDegrees, p.latitudeMinutes, 90);
      !e.empty())
    return e;
  if (auto e = CheckCoordinate(which, "longitude", p.longitudeDegrees, p.longitudeMinutes, 180);
      !e.empty())
    return e;
  if (p.zoneHours < -14 || p.zoneHours > 14) return RangeMessage(which, "zone hours", -14, 14);
  if (p.zoneMinutes < -59 || p.zoneMinutes > 59)
    return RangeMessage(which, "zone minutes", -59, 59);
  return {};
}

std::string CheckEvaluationInput(const EvaluationInput& input) {
  if (input.sex != "Male" && input.sex != "Female") return "sex must be \"Male\" or \"Female\"";
  if (auto e = CheckMoment(input.birth, "Birth"); !e.empty()) return e;
  if (auto e = CheckMoment(input.election, "Election"); !e.empty()) return e;
  return {};
}

}  // namespace horavela
