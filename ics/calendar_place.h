#pragma once

#include <string>

#include "atlas/place_clock.h"
#include "engine/evaluation_input.h"

namespace horavela {

// A calendar's events happen at a ZonedPlace: the place as the pages hold it
// (names, coordinates, zone captions) and, for a place that follows a
// tz-database zone, that zone. The captions count only when there is no zone.

// "Chennai, Tamil Nadu, India": the names that are filled in, in that order.
std::string LocationText(const PlaceEntry& place);

// Decimal degrees, north and east positive, as GEO wants them.
double LatitudeDegrees(const PlaceEntry& place);
double LongitudeDegrees(const PlaceEntry& place);

}  // namespace horavela
