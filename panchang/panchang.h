#pragma once

#include <array>
#include <string_view>

#include "calendar/civil_calendar.h"
#include "engine/calculation_state.h"

namespace horavela {

// The moment of `moment` in dynamical time: the Julian date of 0 h of its
// civil date, plus universal time (local time plus the signed, west-positive
// zone of `time`), plus delta T.
double PanchangInstant(const MomentInput& moment, const TimeBase& time);

// The continuous quantities the elements are counted in: the Moon's
// elongation from the Sun, 0..360 degrees (a tithi every 12, a karana every
// 6), and the sum of the sidereal Sun and Moon in yoga spans of 13 deg 20 min,
// before it is folded into 0..27.
struct PanchangQuantities {
  double elongation;
  double yogaSpans;
};
PanchangQuantities PanchangQuantitiesOf(const PanchangState& panchang);

// The tithi of index 0..29 (bright fortnight first), its number, group and
// fortnight; index 30 (an elongation of a whole turn) is in the dark
// fortnight with no tithi, -1 (not finite) in none.
void NameTithi(PanchangState& panchang, int tithiIndex);

// Tithi, paksha, yoga and karana from the longitudes already held in
// `panchang` (AyanamsaCorrection and the Moon's and Sun's folded and unfolded
// apparent longitudes). A longitude that is not finite gives index -1 and
// None.
void NamePanchangElements(PanchangState& panchang);

// Tithi, paksha, yoga, karana and both pages' weekdays of state.Moment; reads
// state.Time (LocalHours, ZoneHours) as the engine left it for the same moment.
void ComputePanchang(CalculationState& state);

}  // namespace horavela
