#pragma once

#include <functional>
#include <optional>
#include <set>

#include "almanac/avoided_kalams.h"
#include "atlas/time_zone_rules.h"
#include "engine/planet_ephemeris.h"
#include "engine/result.h"
#include "search/muhurta_finder.h"

// A search for good moments, as every front end asks for it: the request
// checked, the zone followed over the range, the birth before the range, the
// kalams' minutes left out, then the finder.
namespace horavela {

struct SearchEntries {
  SearchRequest request;  // its zoneAt and excluded are filled here
  std::set<Kalam> avoid;
  // The tz-database zone the place follows, if any.
  std::optional<TimeZoneRules> zone;
  // When set, asked once the request itself has passed its checks, for the
  // zone the place follows: a front end that names zones resolves them here
  // (and may fill the birth's captions), and a name it cannot resolve is the
  // search's problem. Replaces `zone`.
  std::function<Result<std::optional<TimeZoneRules>>(SearchRequest&)> resolveZone;
  // Zone captions written as two signed numbers (a JSON request) must point
  // one way; the desktop's boxes take what they are given.
  bool zoneSignsChecked = false;
};

struct PreparedSearch {
  SearchRequest request;  // checked and following its zone
  std::set<Kalam> avoid;
  std::optional<TimeZoneRules> zone;
};

// The first problem of `entries`, in this order: the request, the zone at
// both ends of the range, the captions' signs, a range that ends before the
// birth.
Result<PreparedSearch> PrepareSearch(SearchEntries entries);

// The kalams' minutes, then the windows. With kalams to leave out, finding
// their minutes takes the first half of control.progress's fraction (a long
// range takes seconds) and the finder the rest.
SearchResult RunSearch(PreparedSearch prepared, PlanetEphemeris& ephemeris,
                       const SearchControl& control = {});

}  // namespace horavela
