#pragma once

#include <cstdint>
#include <vector>

#include "atlas/place_clock.h"
#include "tradition/veto.h"

// Eclipses of the Sun and the Moon seen from a place, which the tradition
// keeps free of anything auspicious. Only what can be seen counts: a solar
// eclipse while the Sun is up at the place, a lunar eclipse while the Moon is
// up, and of a lunar eclipse only its umbral phase. A penumbral eclipse (the
// Moon in the Earth's penumbra alone) dims the Moon too little to be seen,
// and the almanacs neither print it nor keep its observances; nor is the
// penumbral fringe of a partial or total one counted.
namespace horavela {

enum class EclipseKind : std::uint8_t { Total, Annular, Hybrid, Partial };

// One eclipse seen at the place: its kind, the universal minutes
// [first, last] from its first visible contact to its last (clipped to the
// rising or setting of the eclipsed body), and the civil days at the place
// that hold them, from the local midnight before `first` to the minute
// before the local midnight after `last`.
struct EclipseAtPlace {
  Veto veto = Veto::SolarEclipse;  // or Veto::LunarEclipse
  EclipseKind kind = EclipseKind::Partial;
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::int64_t dayFirst = 0;
  std::int64_t dayLast = 0;
};

// Every eclipse seen at the clock's place whose visible span overlaps the
// universal minutes [first, last], in order.
std::vector<EclipseAtPlace> EclipsesOver(const PlaceClock& clock, std::int64_t first,
                                         std::int64_t last);

// How much of an eclipse a veto period covers: the eclipse as seen (its
// span), or the whole civil day that holds it, as the almanacs that print
// no muhurta on an eclipse day reckon it.
enum class EclipseReach : std::uint8_t { Span, Day };

// The eclipses of EclipsesOver as veto periods, one each, with a reason that
// names the kind and the local times seen ("Total lunar eclipse seen here
// from 23:00 on 7 September 2025 to 00:22 on 8 September 2025").
std::vector<VetoPeriod> EclipsePeriodsOver(const PlaceClock& clock, std::int64_t first,
                                           std::int64_t last, EclipseReach reach);

}  // namespace horavela
