#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "atlas/place_clock.h"
#include "atlas/places.h"

namespace horavela::cli {

// The text without the spaces a command line leaves around a name.
std::string_view Trimmed(std::string_view text);

// {"name", "state", "country", "latitude", "longitude", "time_zone",
// "population"}: a city of the atlas as `places` lists it.
nlohmann::ordered_json PlaceJson(const Place& place);

// The city of the atlas a command line names: "Madurai", or "Hyderabad,
// Pakistan" where the name alone is not enough (the part after the comma
// begins its state's or its country's name). A city whose whole name is the
// one given comes before one that `places` finds for it otherwise (a word of
// its name begins so, or its letters without their accents); the most
// populous of either first. Nothing when no city answers.
std::optional<Place> AtlasPlaceNamed(std::string_view text);

// The city a --place option names; a RequestError on "--place" when it is
// empty or no city answers.
Place PlaceOption(const std::string& text);

// The city where it is, on the clock of its tz zone (throws RequestError
// naming `field` when the zone cannot be read).
ZonedPlace ZonedPlaceOf(const Place& place, const char* field);

}  // namespace horavela::cli
