#pragma once

#include "language/wording.h"
#include "rules/shuddhi.h"

namespace horavela {

// Why a limb fails the panchanga shuddhi, as a sentence without its stop:
// "Bharani is not one of the nakshatras the classical texts give a marriage".
Wording ShuddhiWording(const ShuddhiReason& reason);

}  // namespace horavela
