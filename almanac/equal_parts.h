#pragma once

#include <cstdint>
#include <string>

#include "almanac/day_at_a_glance.h"
#include "almanac/zone_in_force.h"
#include "calendar/civil_calendar.h"

// The almanac's divisions of a day: a stretch of real (universal) time cut
// into equal parts, shared by the kalams and horas and by the muhurtas.
namespace horavela {

// A stretch of real (universal) time cut into `parts` equal parts, each to the
// nearest second, read on the place's clock at each boundary: a night across
// a change of the clocks has parts of equal length, not of equal clock time.
class EqualParts {
 public:
  EqualParts(const DayRequest& clock, std::int64_t from, std::int64_t to, int parts)
      : clock_(clock), from_(from), to_(to), parts_(parts) {}

  // Part `index`, 0 first, named in English for what it is.
  Period Part(int index, const PeriodName& term) const { return Parts(index, index + 1, term); }
  // Parts `first` up to (not including) `end`, as one period.
  Period Parts(int first, int end, const PeriodName& term) const {
    return {NameOf(term, Language::English), LocalTimeOfUniversal(clock_, Boundary(first)),
            LocalTimeOfUniversal(clock_, Boundary(end)), term};
  }

 private:
  std::int64_t Boundary(int index) const {
    const std::int64_t twice = 2 * index * (to_ - from_) + parts_;
    return from_ + FloorDiv(twice, 2 * parts_);
  }

  const DayRequest& clock_;
  std::int64_t from_;
  std::int64_t to_;
  int parts_;
};

// The weekday (0 Sunday) of the sunrise at universal second `rise`, on the
// place's clock: the almanac's day is named for the weekday it rises on.
inline int WeekdayOfSunrise(const DayRequest& clock, std::int64_t rise) {
  const LocalTime onClock = LocalTimeOfUniversal(clock, rise);
  return WeekdayIndex(DaysFromCivil(onClock.year, onClock.month, onClock.day));
}

}  // namespace horavela
