#pragma once

#include <cstdint>

#include "engine/evaluation_input.h"

namespace horavela {

// Seconds since 1970-01-01 00:00 on the universal clock of a moment entered
// with its place's zone captions (west of Greenwich positive, DST one hour
// east): two moments in different zones compare by it.
std::int64_t UniversalSeconds(const MomentEntry& moment);

}  // namespace horavela
