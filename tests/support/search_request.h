#pragma once

#include <string>
#include <utility>
#include <vector>

#include "search/muhurta_finder.h"
#include "support/moments_and_places.h"

namespace horavela::testing {

// Asha, born at Madurai (9N55 78E07) on 14 August 1995 at 05:40 Indian time,
// choosing moments at New Delhi (28N37 77E13, Indian time) through 2025.
inline SearchRequest AshaAtNewDelhi(std::vector<std::string> subjects) {
  SearchRequest request;
  request.subjects = std::move(subjects);
  request.name = "Asha";
  request.sex = "Female";
  request.birth = On(1995, 8, 14).At(5, 40).In(Madurai());
  request.place = NewDelhi();
  request.from = {2025, 1, 1, 0, 0};
  request.to = {2025, 12, 31, 23, 59};
  request.minResult = "Good";
  return request;
}

// What the driver is given for the request's first subject at one election
// minute, at the request's place with its zone as it stands.
inline EvaluationInput InputAtMinute(const SearchRequest& request, const LocalMinute& minute) {
  return Evaluating(request.subjects.front())
      .For(request.name, request.sex)
      .BornAt(request.birth)
      .ElectedAt(On(minute.year, minute.month, minute.day)
                     .At(minute.hour, minute.minute)
                     .In(request.place));
}

}  // namespace horavela::testing
