#pragma once

#include <cstdint>
#include <vector>

#include "tradition/lunar_months.h"
#include "tradition/minute_sky.h"
#include "tradition/veto.h"

// The seasons of the lunar year kept free of auspicious undertakings, counted
// in days from sunrise to sunrise by the tithi running at sunrise (udaya
// tithi), as the almanacs date their festivals:
// - Chaturmas, from the sunrise of Devshayani Ekadashi (Ashadha Shukla
//   Ekadashi) to the end of the tithi of Prabodhini Ekadashi (Kartika Shukla
//   Ekadashi), when marriages begin again;
// - Holashtak, from the sunrise of Phalguna Shukla Ashtami to the end of the
//   tithi of Phalguna Purnima (the fire of Holika Dahan is lit while it runs,
//   or, where Bhadra karana holds its evening, on the evening it ends);
// - Pitru Paksha, the days of Krishna Pratipada to Amavasya of the dark
//   fortnight before Ashvina.
// Where the Sun does not rise and set (polar days) the tithis' own minutes
// stand for the days.
namespace horavela {

// How far beyond a range the months must reach for these to be found
// whole: Chaturmas lasts up to five lunar months (148 days, with an adhika
// month), begins up to 11 days into Ashadha and ends within Kartika, and
// both months must be whole: six lunations from Ashadha's new moon.
inline constexpr std::int64_t kFestivalReachMinutes = 180 * 1440;

std::vector<VetoPeriod> Chaturmas(MinuteSky& sky, const std::vector<LunarMonth>& months,
                                  std::int64_t first, std::int64_t last);
std::vector<VetoPeriod> Holashtak(MinuteSky& sky, const std::vector<LunarMonth>& months,
                                  std::int64_t first, std::int64_t last);
// Named by `convention`: the dark half of Bhadrapada (amanta) or of Ashvina
// (purnimanta); the days are the same.
std::vector<VetoPeriod> PitruPaksha(MinuteSky& sky, const std::vector<LunarMonth>& months,
                                    std::int64_t first, std::int64_t last,
                                    MonthConvention convention);

}  // namespace horavela
