#pragma once

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"

namespace horavela {

// MomentInput of one page's moment.
MomentInput MomentInputFrom(const MomentEntry& entry);

// Both moments: for the birth moment and then the election moment, fill
// MomentInput, run ComputeAscendant, ComputeMoon and ComputePanchang, and copy the nine
// names into the moment's chart; the election moment's planet signs come from
// `ephemeris` when first read (ElectionPlanetSigns). Reads state.Input.
void ComputeCharts(CalculationState& state, PlanetEphemeris& ephemeris);

// One moment each: MomentInput from its page, its ascendant, Moon and
// panchang, its chart row and snapshot. The election run leaves the panchang outputs the rules
// read.
void ComputeBirthChart(CalculationState& state);
void ComputeElectionChart(CalculationState& state);

// The election moment moved to state.Input.election within a stretch where
// only the inputs `changedReads` names (InputsRead bits) can differ from the
// moment last computed: recomputes the ascendant, the Moon and the panchang
// only where they may have moved, so that a search pays the lunar series once
// per nakshatra or karana rather than at every rising sign. The chart row and
// the snapshot follow; the date and the weekday must not have changed unless
// `changedReads` says so.
void RefreshElectionChart(CalculationState& state, unsigned changedReads);

// What the ascendant, the Moon and the panchang left in `state`, as a chart;
// the weekday is left as it is.
void WriteChartRow(const CalculationState& state, Chart& chart);

// Tarabala, then chandrabala, from the two charts.
void ComputeStrengths(CalculationState& state);

// Empties what an earlier rule-set run left in `state` and runs the rule set
// of state.Input.subject. False when no subject has that text: the result
// label is emptied.
bool RunSubjectRuleSet(CalculationState& state);

// `input` with the weekday the rule sets read set to the civil weekday of its
// election date, as the finder and the explanation judge every minute (a
// weekday picked by hand is for one evaluation alone).
EvaluationInput OnCivilWeekday(EvaluationInput input);

// The one evaluation of a moment, without a report: both charts, the
// strengths, then the rule set, reading `input` as it is (its weekday too).
// The report and the explanation are added above, in the use cases.
CalculationState EvaluatedState(const EvaluationInput& input, PlanetEphemeris& ephemeris);

}  // namespace horavela
