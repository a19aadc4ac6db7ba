#include "usecases/search.h"

#include <utility>

#include "atlas/zone_following.h"
#include "engine/input_check.h"

namespace horavela {

namespace {

// `control` with its fraction mapped onto [start, start + share].
SearchControl Share(const SearchControl& control, double start, double share) {
  SearchControl part = control;
  if (control.progress) {
    part.progress = [progress = control.progress, start, share](double fraction) {
      progress(start + share * fraction);
    };
  }
  return part;
}

}  // namespace

Result<PreparedSearch> PrepareSearch(SearchEntries entries) {
  SearchRequest& request = entries.request;
  if (std::optional<Problem> problem = CheckSearchRequest(request)) return Unexpected(*problem);
  if (entries.resolveZone) {
    if (Result<void> resolved = entries.resolveZone(request); !resolved)
      return Unexpected(resolved.error());
  }
  if (request.zone) {
    if (std::optional<Problem> problem =
            CheckZoneOverRange(*request.zone, request.place, request.from, request.to, "place"))
      return Unexpected(*problem);
  }
  if (entries.zoneSignsChecked) {
    for (const auto& [place, path] :
         {std::pair{&request.birth.place, "birth"}, std::pair{&request.place, "place"}}) {
      if (Result<void> signs = CheckZoneCaptionSigns(*place, path); !signs)
        return Unexpected(signs.error());
    }
  }
  if (std::optional<Problem> problem = CheckRangeAfterBirth(request)) return Unexpected(*problem);
  return PreparedSearch{std::move(request), std::move(entries.avoid)};
}

SearchResult RunSearch(PreparedSearch prepared, PlanetEphemeris& ephemeris,
                       const SearchControl& control) {
  const double kalamShare = prepared.avoid.empty() ? 0.0 : 0.5;
  prepared.request.excluded =
      KalamMinutes(prepared.request, prepared.avoid, Share(control, 0.0, kalamShare));
  return FindMuhurtaWindows(prepared.request, ephemeris,
                            Share(control, kalamShare, 1.0 - kalamShare));
}

}  // namespace horavela
