#pragma once

#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"

namespace horavela::cli {

// `day --text`: sunrise and sunset, the kalams and Abhijit, when each element
// running that day ends, and the day's verdicts when asked, for a person to
// read; the tradition's vetoes in force that day (VetoLines); then the
// request's warnings.
std::string DayText(const DayRequest& request, const DayAtAGlance& day,
                    const std::vector<std::string>& warnings,
                    const std::vector<std::string>& vetoes = {});

}  // namespace horavela::cli
