#pragma once

#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "language/catalog.h"
#include "language/language.h"

namespace horavela::cli {

// `day --text`: sunrise and sunset, the kalams and Abhijit, when each element
// running that day ends, and the day's verdicts when asked, for a person to
// read; the tradition's vetoes in force that day (VetoLines); then the
// request's warnings. In another `language` the labels and the elements'
// names are translated; the vetoes and warnings come already written.
std::string DayText(const DayRequest& request, const DayAtAGlance& day,
                    const std::vector<std::string>& warnings,
                    const std::vector<std::string>& vetoes = {},
                    Language language = Language::English);

}  // namespace horavela::cli
