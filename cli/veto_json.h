#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "atlas/place_clock.h"
#include "language/language.h"
#include "tradition/veto.h"

namespace horavela::cli {

// {"veto": "kharmas", "name": "Kharmas", "from": "2025-12-16T04:07",
// "to": "2026-01-14T09:02", "reason": ...}: its minutes on the place's clock.
nlohmann::ordered_json VetoPeriodJson(const VetoPeriod& period, const PlaceClock& clock);
nlohmann::ordered_json VetoPeriodsJson(const std::vector<VetoPeriod>& periods,
                                       const PlaceClock& clock);

// The keys of the vetoes in a set, in the order of the kinds.
nlohmann::ordered_json VetoKeysJson(VetoSet vetoes);

// The periods for a person to read, one line each:
// "Kharmas 2025-12-16T04:07 to 2026-01-14T09:02: The Sun in Dhanu, ...",
// the names and reasons in `language`.
std::vector<std::string> VetoLines(const std::vector<VetoPeriod>& vetoes, const PlaceClock& clock,
                                   Language language = Language::English);

}  // namespace horavela::cli
