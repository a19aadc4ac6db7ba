#pragma once

#include <string>
#include <string_view>

#include "language/language.h"
#include "rules/chart_elements.h"

// A day's periods carry their names as the almanac prints them in English
// ("Dwithiai (Krishna)", "Rohini pada 2", "Vrischika"), and the almanac reads
// them back by those names; a page for a person renames them in the reader's
// language only when it writes them.
namespace horavela {

// `english`, a period of `element` as the day's elements name it, in
// `language`: the tithi with its fortnight, the nakshatra with its pada, the
// sign by either spelling. A name the almanac does not know stays as it is.
std::string PeriodNameIn(ChartElement element, std::string_view english, Language language);

}  // namespace horavela
