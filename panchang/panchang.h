#pragma once

#include <array>
#include <string_view>

#include "engine/calculation_state.h"

namespace horavela {

extern const std::array<std::string_view, 31> kTithiNames;      // printed; index 30 empty
extern const std::array<std::string_view, 31> kTithiRuleNames;  // as rule lists write them
extern const std::array<std::string_view, 31> kTithiGroups;
extern const std::array<std::string_view, 28> kYogaNames;  // index 27 empty
extern const std::array<std::string_view, 11> kKaranaNames;
extern const std::array<std::string_view, 7> kWeekdayNames;  // Sunday first

// Weekday name of a civil date in the (proleptic) Gregorian calendar.
std::string_view WeekdayOfDate(int year, int month, int day);

// Tithi, paksha, yoga, karana and both pages' weekdays of state.Moment; reads
// state.Time (LocalHours, ZoneHours) as the engine left it for the same moment.
void CalcPanchang(CalculationState& state);

}  // namespace horavela
