#pragma once

#include <cstdint>
#include <vector>

#include "tradition/minute_sky.h"
#include "tradition/veto.h"

// Panchaka: the Moon in the last five nakshatras, from the third pada of
// Dhanishta (sidereal 300 degrees, the beginning of Kumbha) through the end
// of Revati, some four to five days of every sidereal month, in which
// journeys southward, roofing, gathering wood and the like are not begun.
namespace horavela {

// The first pada of Panchaka among the zodiac's 108 (PadaIndex): Dhanishta's third.
inline constexpr int kPanchakaFirstPada = 22 * 4 + 2;

// The Panchakas overlapping [first, last], whole, by the Moon the
// nakshatras are read from.
std::vector<VetoPeriod> Panchakas(MinuteSky& sky, std::int64_t first, std::int64_t last);

}  // namespace horavela
