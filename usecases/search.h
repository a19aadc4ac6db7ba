#pragma once

#include <functional>
#include <optional>
#include <set>

#include "almanac/avoided_kalams.h"
#include "engine/planet_ephemeris.h"
#include "engine/result.h"
#include "search/muhurta_finder.h"
#include "tradition/veto.h"

// A search for good moments, as every front end asks for it: the request
// checked, the zone followed over the range, the birth before the range, the
// kalams' minutes left out, then the finder.
namespace horavela {

// What a search makes of the tradition's vetoes and panchanga shuddhi:
// nothing (the program's own verdicts alone), each window told of those that
// touch it, or the windows they rule out left out.
enum class AlmanacMode : std::uint8_t { Ignore, Show, Observe };

// How the tradition is observed, beside the finder's request.
struct AlmanacChoice {
  AlmanacMode mode = AlmanacMode::Ignore;
  VetoOptions options;
};

struct SearchEntries {
  SearchRequest request;  // its excluded minutes are filled here; its zone may be
  std::set<Kalam> avoid;
  // When set, asked once the request itself has passed its checks, for the
  // zone the place follows: a front end that names zones resolves them here
  // into the request (and may fill the birth's captions), and a name it
  // cannot resolve is the search's problem.
  std::function<Result<void>(SearchRequest&)> resolveZone;
  // Zone captions written as two signed numbers (a JSON request) must point
  // one way; the desktop's boxes take what they are given.
  bool zoneSignsChecked = false;
  AlmanacChoice almanac;
};

struct PreparedSearch {
  SearchRequest request;  // checked, at its place on the zone it follows
  std::set<Kalam> avoid;
  AlmanacChoice almanac;
};

// The windows found and, where the almanac is shown or observed, the veto
// periods over the range that any of the subjects observes (each whole, in
// order): what a front end says above its list.
struct FoundTimes {
  SearchResult result;
  std::vector<VetoPeriod> vetoes;
};

// The first problem of `entries`, in this order: the request, the zone at
// both ends of the range, the captions' signs, a range that ends before the
// birth.
Result<PreparedSearch> PrepareSearch(SearchEntries entries);

// The kalams' minutes, then the windows. With kalams to leave out, finding
// their minutes takes the first half of control.progress's fraction (a long
// range takes seconds) and the finder the rest.
// With the almanac shown or observed, each subject's windows carry (or leave
// out) the minutes of the vetoes it observes, as VetoSet marks, and their
// panchanga shuddhi is judged (windows that fail it left out when observed).
FoundTimes RunSearch(PreparedSearch prepared, PlanetEphemeris& ephemeris,
                     const SearchControl& control = {});

}  // namespace horavela
