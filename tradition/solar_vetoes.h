#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/vocabulary.h"
#include "tradition/minute_sky.h"
#include "tradition/veto.h"

// The two solar months in which the tradition marries no one: Kharmas, the
// Sun in sidereal Dhanu, and Malmas, the Sun in Meena, each from the Sun's
// entry into the sign (its sankranti) to its entry into the next.
namespace horavela {

// The Sun stays in a sidereal sign between 29.3 and 31.5 days.
inline constexpr std::int64_t kLongestSolarMonthMinutes = 32 * 1440;

// "Mesha", ..., "Dhanu", ..., "Meena": the signs as almanacs name their sankrantis.
std::string_view SankrantiName(Rashi sign);

// Kharmas and Malmas overlapping [first, last], whole.
std::vector<VetoPeriod> KharmasAndMalmas(MinuteSky& sky, std::int64_t first, std::int64_t last);

}  // namespace horavela
