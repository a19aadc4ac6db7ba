#include "search/reference_judgement.h"

#include <string>
#include <utility>

#include "calendar/civil_calendar.h"
#include "engine/calculation_state.h"
#include "rules/charts.h"

namespace horavela {

Judgement JudgeAsEvaluated(const SearchRequest& request, std::size_t subject,
                           const MomentEntry& election, PlanetEphemeris& ephemeris) {
  CalculationState state;
  state.Input.subject = request.subjects[subject];
  state.Input.name = request.name;
  state.Input.sex = request.sex;
  state.Input.birth = request.birth;
  state.Input.election = election;
  state.Input.electionWeekday =
      std::string(WeekdayOfDate(election.year, election.month, election.day));
  ComputeCharts(state, ephemeris);
  ComputeStrengths(state);
  RunSubjectRuleSet(state);
  return {std::move(state.Result), std::move(state.ResultLabel)};
}

}  // namespace horavela
