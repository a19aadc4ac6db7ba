#pragma once

// Factors shared by the journey rule sets, and the three auspicious-yoga
// factors that the house, job and business rule sets weigh the same way.
// Every yoga or lagna factor runs its test immediately before it judges, so
// the result it reads always belongs to the current election chart.

#include "engine/calculation_state.h"
#include "rules/evaluation.h"

namespace horavela {

// Auspicious yogas: a present yoga is favourable (1 point) and counts; an
// absent one is neutral (0 points) and counts or not as `absent` says
// (kCounts or kKeeps). The report section is the favourable one either way.
Outcome SiddhaYogaFactor(CalculationState& s, bool absent);
Outcome SarvarthaSiddhaYogaFactor(CalculationState& s, bool absent);
Outcome AmritaSiddhiYogaFactor(CalculationState& s, bool absent);  // also leaves YogaWarning
Outcome TripushkarYogaFactor(CalculationState& s, bool absent);

// Penalty yogas: a present yoga is unfavourable; an absent one writes nothing
// (empty slot, 0 points, count and selector untouched, no report section).
Outcome MrityuYogaFactor(CalculationState& s);
Outcome DagdhaYogaFactor(CalculationState& s);
Outcome YamaghataYogaFactor(CalculationState& s);

// Journey tithi: the full Moon, the new Moon and the bright Chaturdashi are
// avoided; the remaining tithis are judged by their number within the bright
// fortnight, so the dark fortnight is neutral.
Outcome JourneyTithiFactor(const CalculationState& s);
// Journey rashi: the Moon in a movable or fiery sign, or in Vrishabha.
Outcome JourneyRashiFactor(const CalculationState& s);

// Counts the signs from the birth lagna to the election lagna; true when the
// election lagna falls in the fifth, seventh or ninth sign from it.
bool ElectionLagnaCountAvoided(CalculationState& s);
// Computes the table lagna of the election moment (ComputeMuhurthaLagna, which
// also decides IsJupiterInLagna); true when it is the birth Moon sign but not
// the birth lagna.
bool MuhurthaLagnaOnBirthRashi(CalculationState& s);

}  // namespace horavela
