#pragma once

#include <cstdint>
#include <vector>

#include "atlas/place_clock.h"
#include "engine/calculation_state.h"
#include "rules/chart_elements.h"

namespace horavela {

// The pada of the zodiac's 108 (nakshatra * 4 + pada - 1) a sidereal longitude
// lies in, on the same grid as NakshatraIndex; -1 for a value that is not finite.
int PadaIndex(double siderealLongitude);

// What the search reads at a universal minute: the chart's elements, and
// beyond them the Moon's nakshatra and sign together (the strengths read
// both), the rising sign of the Muhurtha lagna's table and the zone captions.
enum class Probed {
  kMoon,
  kMoonSign,
  kNakshatraPada,
  kLagna,
  kTithi,
  kYoga,
  kKarana,
  kTableLagna,
  kZone,
};
Probed ProbedOf(ChartElement element);

// The election moment's elements at universal minutes of one place, for the
// crossing search: each element's key, and the quantity whose crossing of a
// boundary changes it.
class ElementProbes {
 public:
  // `clock` must outlive the probes; `birth` gives the state they start from.
  ElementProbes(const PlaceClock& clock, const CalculationState& birth, double latitudeDegrees);

  // The minutes in (first, last] at which `probed` differs from the minute
  // before. Searches of the panchang over one range share their samples.
  std::vector<std::int64_t> Changes(std::int64_t first, std::int64_t last, Probed probed);

  // The election moment of a universal minute, as the probes read it.
  MomentEntry EntryAt(std::int64_t minute);

 private:
  struct Sample {
    std::int64_t key = 0;
    double quantity = 0;  // NaN where there is none to interpolate on
  };
  struct PanchangSample {
    std::int64_t minute;
    Sample karana;
    Sample yoga;
    Sample tithi;
  };
  struct Search {
    std::int64_t span;               // minutes within which it cannot change twice
    double turn;                     // the quantity's period, 0 when it never wraps
    double (*nextBoundary)(double);  // null: no quantity, halve the bracket
  };

  Search SearchOf(Probed probed) const;
  Sample At(Probed probed, std::int64_t minute);
  void LoadMoment(std::int64_t minute);
  double MoonLongitude(std::int64_t minute);
  const PanchangSample& PanchangAt(std::int64_t minute);

  const PlaceClock& clock_;
  int offsetHint_ = 0;  // the offset of the minute last read: it nearly always holds
  std::int64_t lagnaSpan_ = 1;
  CalculationState scratch_;
  // The karana and yoga searches of one range sample the same minutes.
  std::int64_t panchangFirst_ = 0;
  std::int64_t panchangLast_ = -1;
  std::vector<PanchangSample> panchang_;
};

}  // namespace horavela
