#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "atlas/place_clock.h"
#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"
#include "language/wording.h"

// The sky of the calendar vetoes at a universal minute, read exactly as the
// rest of the program reads it: the moment a minute names at the place
// (MomentInputFrom of the clock's entry), the Sun from the ephemeris made
// sidereal with the Moon's ayanamsa as the planets' signs are, the Moon the
// nakshatras use, and the tithi of the program's own panchang. A veto edge
// then falls on the very minute at which the chart, the day view and the
// finder change sign or tithi.
namespace horavela {

// The Moon's elongation from the Sun as the panchang counts it, degrees
// 0..360, and its tithi index 0..29 (30 at a whole turn), -1 when unknown.
struct LunarPhase {
  int tithi = -1;
  double elongation = 0;
};

// The civil day of a minute at the place, on the universal clock: the first
// minute at or after its sunrise, its sunset and the next sunrise (each the
// first whole minute at or after the instant, as the kalams count them).
struct SunDay {
  std::int64_t sunrise = 0;
  std::int64_t sunset = 0;
  std::int64_t nextSunrise = 0;
};

class MinuteSky {
 public:
  // `clock` and `ephemeris` must outlive the sky.
  MinuteSky(const PlaceClock& clock, PlanetEphemeris& ephemeris,
            const CalculationSettings& settings = {});

  const PlaceClock& clock() const { return clock_; }

  // The sidereal Sun, degrees 0..360; NaN when the ephemeris cannot give it.
  double SiderealSun(std::int64_t minute);
  // The sidereal Moon of the nakshatras (ComputeMoon), degrees 0..360.
  double SiderealMoon(std::int64_t minute);
  LunarPhase Phase(std::int64_t minute);

  // The sunrise, sunset and next sunrise of the civil date `minute` falls
  // on at the place; nothing where the Sun does not rise and set that day.
  std::optional<SunDay> DayOf(std::int64_t minute) const;

  // "17 July 2023": the date of a minute on the place's clock.
  Wording DateText(std::int64_t minute) const;
  // "07:30 on 2 November 2025".
  Wording MomentText(std::int64_t minute) const;

 private:
  void Load(std::int64_t minute);

  const PlaceClock& clock_;
  PlanetEphemeris& ephemeris_;
  CalculationSettings settings_;
  int offsetHint_ = 0;  // the offset of the minute last read: it nearly always holds
  CalculationState scratch_;
};

// "07:30 on 2 November 2025", as ClockMomentText writes it in English.
Wording MomentWording(const LocalMinute& local);

}  // namespace horavela
