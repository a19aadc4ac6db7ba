#pragma once

// The calendar vetoes of whole years at New Delhi, on Indian Standard Time,
// for the tests to read and compare with the almanacs.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "atlas/place_clock.h"
#include "support/search_request.h"
#include "tradition/calendar_vetoes.h"

namespace horavela::testing {

class VetoesAtNewDelhi {
 public:
  VetoesAtNewDelhi() : request_(AshaAtNewDelhi({"Marriage"})), clock_(request_.where()) {}

  const SearchRequest& request() const { return request_; }
  const PlaceClock& clock() const { return clock_; }
  std::int64_t Universal(const LocalMinute& local) const {
    return clock_.UniversalOf(local, PlaceClock::Run::First);
  }
  LocalMinute Local(std::int64_t universal) const { return clock_.At(universal).local; }

  // The periods of one kind overlapping a civil year.
  std::vector<VetoPeriod> OfYear(Veto veto, int year, const VetoOptions& options = {}) const {
    std::vector<VetoPeriod> periods =
        CalendarVetoPeriods(clock_, Universal({year, 1, 1, 0, 0}),
                            Universal({year, 12, 31, 23, 59}), SwissEphemeris(), options);
    std::erase_if(periods, [veto](const VetoPeriod& p) { return p.veto != veto; });
    return periods;
  }

 private:
  SearchRequest request_;
  PlaceClock clock_;
};

}  // namespace horavela::testing
