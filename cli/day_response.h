#pragma once

#include <nlohmann/json.hpp>

#include "almanac/day_at_a_glance.h"

namespace horavela::cli {

// The answer to `horavela-cli day`: the sky's times, the parts of the day,
// the elements' periods, the chart of the moment and, when a subject was
// given, the verdict band. Times are local clock times "YYYY-MM-DDTHH:MM:SS"
// (null where the body does not rise or set); on a day whose clock changes
// the sky's and the parts' times carry their offset ("...T07:01:18+14:00").
// Without a sunrise and its sunset the kalams are null, the horas and
// choghadiyas empty, and "polar" says why (see PolarKind).
// `asked` says whether the request named a subject (the band is left out
// otherwise); a request with a birth also has "person": the person's
// tarabala and chandrabala through the day and their chandrashtama.
nlohmann::ordered_json DayResponse(const DayRequest& request, const DayAtAGlance& day, bool asked);

}  // namespace horavela::cli
