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

// The moment of `moment` in dynamical time: the Julian date of 0 h of its
// civil date, plus universal time (local time plus the signed, west-positive
// zone of `time`), plus delta T.
double PanchangInstant(const MomentInput& moment, const TimeBase& time);

// Tithi, paksha, yoga and karana from the longitudes already held in
// `panchang` (AyanamsaCorrection and the Moon's and Sun's folded and unfolded
// apparent longitudes). A longitude that is not finite gives index -1 and
// empty names.
void NamePanchangElements(PanchangState& panchang);

// Tithi, paksha, yoga, karana and both pages' weekdays of state.Moment; reads
// state.Time (LocalHours, ZoneHours) as the engine left it for the same moment.
void CalcPanchang(CalculationState& state);

}  // namespace horavela
