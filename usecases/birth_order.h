#pragma once

#include "engine/evaluation_input.h"
#include "engine/result.h"

// Whether the person was born by the election moment. The rule sets compare
// birth and election years only, so a birth after the election would be
// judged as if it came first.
namespace horavela {

// Both moments on their own clocks, compared in universal time; a failure
// names "birth" and both moments.
Result<void> CheckBornBeforeElection(const MomentEntry& birth, const MomentEntry& election);

}  // namespace horavela
