#pragma once

#include <cstdint>
#include <string>

#include "engine/calculation_settings.h"
#include "engine/vocabulary.h"

namespace horavela {

// Everything the two input pages hand to the core, filled by the desktop
// program or by horavela-cli. Plain values; no checks here (see input_check.h).
struct PlaceEntry {
  std::int16_t latitudeDegrees = 0;
  std::int16_t latitudeMinutes = 0;
  bool north = true;
  std::int16_t longitudeDegrees = 0;
  std::int16_t longitudeMinutes = 0;
  bool east = true;
  std::int16_t zoneHours = 0;    // signed, west of Greenwich positive
  std::int16_t zoneMinutes = 0;  // signed, west of Greenwich positive
  bool dst = false;
  std::string city;
  std::string state;
  std::string country;
};

struct MomentEntry {
  std::int16_t year = 2000;
  std::int16_t month = 1;  // 1..12
  std::int16_t day = 1;
  std::int16_t hour = 0;
  std::int16_t minute = 0;
  std::int16_t second = 0;  // shown, never used: the calculation works in whole minutes
  PlaceEntry place;
};

struct EvaluationInput {
  std::string subject;  // exact subject text, the dispatch key
  std::string name;
  std::string sex;  // "Male" or "Female"
  MomentEntry birth;
  MomentEntry election;
  // The election page's weekday box. It follows the election date unless the
  // user picked another weekday (some count the day from sunrise); None when
  // nothing is picked.
  Weekday electionWeekday = Weekday::None;
  // How both moments are computed (Preferences; the request's "settings").
  CalculationSettings settings;
};

}  // namespace horavela
