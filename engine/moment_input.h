#pragma once

#include <cstdint>

namespace horavela {

// The fields of the moment under calculation, as whole numbers the way the
// input pages hold them. The driver fills it once for the birth moment and once
// for the election moment; the engine and the panchang read only this.
//
// The zone is kept signed and west of Greenwich positive, exactly as the time
// zone picker writes its two captions (Indian Time: -5 and -30; Eastern
// Standard Time: 5 and 0). Taking the zone's side from the longitude instead
// would put Madrid (west longitude, Central European Time) two hours off.
struct MomentInput {
  std::int16_t month = 1;  // 1..12
  std::int16_t day = 1;
  std::int16_t year = 2000;
  std::int16_t zoneHours = 0;    // signed, west positive
  std::int16_t zoneMinutes = 0;  // signed, west positive, same sign as zoneHours
  std::int16_t hour = 0;
  std::int16_t minute = 0;
  std::int16_t longitudeDegrees = 0;
  std::int16_t longitudeMinutes = 0;
  std::int16_t latitudeDegrees = 0;
  std::int16_t latitudeMinutes = 0;
  bool dst = false;
  bool east = true;
  bool north = true;
};

}  // namespace horavela
