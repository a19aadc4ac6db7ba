#pragma once

#include <string>

#include "calendar/civil_calendar.h"
#include "engine/evaluation_input.h"

namespace horavela {

// Checks one moment as the input pages allow it: years 1901..2050, an existing
// date, hours 0..23, minutes 0..59, latitude up to 90 and longitude up to 180
// degrees (no minutes beyond 90 or 180), minutes up to 59, zone hours -14..14
// and zone minutes -59..59. `which` names the moment in the message ("Birth",
// "Election"). Returns an empty string when the moment is acceptable.
std::string CheckMoment(const MomentEntry& moment, const std::string& which);

// Both moments and the person's sex; empty when acceptable.
std::string CheckEvaluationInput(const EvaluationInput& input);

}  // namespace horavela
