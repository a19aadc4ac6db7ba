#pragma once

#include <cstddef>

#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "search/muhurta_finder.h"

namespace horavela {

// The request's subject number `subject` at `election` judged from a fresh
// state, as horavela-cli evaluate judges it: both charts, the strengths and
// the rule set. The yardstick the finder's shortcuts are checked against.
Judgement JudgeAsEvaluated(const SearchRequest& request, std::size_t subject,
                           const MomentEntry& election, PlanetEphemeris& ephemeris);

}  // namespace horavela
