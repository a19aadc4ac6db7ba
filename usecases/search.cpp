#include "usecases/search.h"

#include <utility>

#include "atlas/zone_following.h"
#include "engine/input_check.h"
#include "tradition/observance.h"

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
  if (Result<void> checked = CheckSearchRequest(request); !checked)
    return Unexpected(checked.error());
  if (entries.resolveZone) {
    if (Result<void> resolved = entries.resolveZone(request); !resolved)
      return Unexpected(resolved.error());
  }
  if (request.zone) {
    if (Result<void> checked =
            CheckZoneOverRange(*request.zone, request.place, request.from, request.to, "place");
        !checked)
      return Unexpected(checked.error());
  }
  if (entries.zoneSignsChecked) {
    for (const auto& [place, path] :
         {std::pair{&request.birth.place, "birth"}, std::pair{&request.place, "place"}}) {
      if (Result<void> signs = CheckZoneCaptionSigns(*place, path); !signs)
        return Unexpected(signs.error());
    }
    if (request.partner) {
      if (Result<void> signs = CheckZoneCaptionSigns(request.partner->birth.place, "partner.birth");
          !signs)
        return Unexpected(signs.error());
    }
  }
  if (Result<void> checked = CheckRangeAfterBirth(request); !checked)
    return Unexpected(checked.error());
  return PreparedSearch{std::move(request), std::move(entries.avoid), entries.almanac};
}

namespace {

// The veto periods over the request's range that its subjects observe, and
// each subject's as marks for the finder.
std::vector<VetoPeriod> MarkVetoes(SearchRequest& request, const AlmanacChoice& almanac,
                                   PlanetEphemeris& ephemeris) {
  const PlaceClock clock(request);
  const std::int64_t first = clock.UniversalOf(request.from, PlaceClock::Run::First);
  const std::int64_t last = clock.UniversalOf(request.to, PlaceClock::Run::Last);
  std::vector<VetoSet> observed;
  VetoSet anyObserved = 0;
  for (const std::string& subject : request.subjects) {
    observed.push_back(VetoesObservedBy(subject, almanac.options));
    anyObserved |= observed.back();
  }
  std::vector<VetoPeriod> vetoes;
  for (VetoPeriod& period : VetoPeriodsOver(clock, first, last, ephemeris,
                                            WithSettings(almanac.options, request.settings)))
    if (anyObserved & VetoBit(period.veto)) vetoes.push_back(std::move(period));
  request.marked.assign(request.subjects.size(), {});
  for (std::size_t s = 0; s < request.subjects.size(); ++s) {
    for (const VetoPeriod& period : vetoes)
      if (observed[s] & VetoBit(period.veto))
        request.marked[s].push_back({period.first, period.last, VetoBit(period.veto)});
  }
  request.leaveOutMarked = almanac.mode == AlmanacMode::Observe;
  request.judgeShuddhi = true;
  request.listOnlyShuddhi = almanac.mode == AlmanacMode::Observe;
  return vetoes;
}

}  // namespace

FoundTimes RunSearch(PreparedSearch prepared, PlanetEphemeris& ephemeris,
                     const SearchControl& control) {
  FoundTimes found;
  if (prepared.almanac.mode != AlmanacMode::Ignore)
    found.vetoes = MarkVetoes(prepared.request, prepared.almanac, ephemeris);
  const double kalamShare = prepared.avoid.empty() ? 0.0 : 0.5;
  prepared.request.excluded =
      KalamMinutes(prepared.request, prepared.avoid, Share(control, 0.0, kalamShare));
  found.result =
      FindMuhurtaWindows(prepared.request, ephemeris, Share(control, kalamShare, 1.0 - kalamShare));
  return found;
}

}  // namespace horavela
