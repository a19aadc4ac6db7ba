#include <charconv>
#include <new>
#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "atlas/places.h"
#include "cli/atlas_place.h"
#include "cli/commands.h"
#include "cli/response_writer.h"
#include "engine/problem.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

constexpr long kMaxPlaces = 1000;

// A whole number 1..kMaxPlaces, or 0 when the text is anything else.
long ParseLimit(std::string_view text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value >= 1 && value <= kMaxPlaces ? value : 0;
}

int Refuse(const std::string& message, std::ostream& out) {
  out << Serialize(ErrorResponse(message), true) << '\n';
  out.flush();
  return out ? kExitBadRequest : kExitFailure;
}

int FindAndList(const PlacesOptions& options, std::ostream& out) {
  const std::string_view query = Trimmed(options.query);
  if (query.empty()) return Refuse("QUERY: is empty: give the first letters of a city's name", out);
  const long limit = ParseLimit(options.limit);
  if (limit == 0) {
    return Refuse("--limit: must be a whole number from 1 to " + std::to_string(kMaxPlaces) +
                      ", not " + messages::Echo(options.limit),
                  out);
  }
  ordered_json places = ordered_json::array();
  for (const Place& place : FindPlaces(query, static_cast<std::size_t>(limit)))
    places.push_back(PlaceJson(place));
  out << Serialize(places, true) << '\n';
  out.flush();
  return out ? kExitOk : kExitFailure;
}

}  // namespace

int ListPlaces(const PlacesOptions& options, std::ostream& out) {
  try {
    return FindAndList(options, out);
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli
