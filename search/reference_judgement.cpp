#include "search/reference_judgement.h"

#include <string>
#include <utility>

#include "engine/calculation_state.h"
#include "rules/charts.h"

namespace horavela {

Judgement JudgeAsEvaluated(const SearchRequest& request, std::size_t subject,
                           const MomentEntry& election, PlanetEphemeris& ephemeris) {
  EvaluationInput input;
  input.subject = request.subjects[subject];
  input.name = request.name;
  input.sex = request.sex;
  input.birth = request.birth;
  input.election = election;
  input.settings = request.settings;
  CalculationState state = EvaluatedState(OnCivilWeekday(std::move(input)), ephemeris);
  const ShuddhiFailures shuddhi =
      request.judgeShuddhi ? ShuddhiFailuresOf(request.subjects[subject], state) : 0;
  return {std::move(state.Result), shuddhi};
}

}  // namespace horavela
