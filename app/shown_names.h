#pragma once

#include <QString>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "engine/calculation_state.h"

// The day's periods and the panchang's names on the pages, in the language
// this run of the program speaks, named from what they are (the period's
// term, the element's value); in English exactly the core's English.
namespace horavela::app {

QString ShownName(const Period& period);
QString ShownName(const PeriodName& term);
QString ShownName(Weekday weekday);
QString ShownName(Nakshatra nakshatra);
QString ShownName(Rashi rashi);
QString ShownName(Planet planet);
// A chart body's nakshatra and pada: "Rohini 2" in English from the core's
// `english` name, the language's "%1 pada %2" of the value elsewhere
// ("रोहिणी चरण 2").
QString ShownStarAndPada(std::string_view english, Nakshatra nakshatra, int pada);
// A planet's place in its sign: "06 Sco 56" in English as the core writes it,
// the sign's abbreviation in the language elsewhere ("06 वृ 56").
QString ShownPosition(const PlanetPosition& position);
// The result listing (factors, points, total, verdict) in the language and
// digits shown, one line break per line as a label wants.
QString ShownResultLabel(const Evaluation& result);

}  // namespace horavela::app
