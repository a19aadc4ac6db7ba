#pragma once

#include "engine/calculation_state.h"

namespace horavela {

// The 34 rule sets. Each runs the whole skeleton: reset, year precondition,
// factors, result word, result label; the report is composed afterwards from
// the evaluation they leave in the state.
using RuleSet = void (*)(CalculationState& state);

// Rites of childhood
void EvaluateNaming(CalculationState& state);
void EvaluateTonsuring(CalculationState& state);
void EvaluateEarPiercing(CalculationState& state);
void EvaluateThreadCeremony(CalculationState& state);
void EvaluateFirstFeeding(CalculationState& state);
void EvaluateEducation(CalculationState& state);
void EvaluateAdoption(CalculationState& state);
// Betrothal and marriage
void EvaluateEngagement(CalculationState& state);
void EvaluateMarriage(CalculationState& state);
void EvaluateBrideEntrance(CalculationState& state);
// Learning
void EvaluateTrade(CalculationState& state);
void EvaluateScience(CalculationState& state);
void EvaluateDanceMusic(CalculationState& state);
void EvaluateAstrology(CalculationState& state);
void EvaluateMedicineStudy(CalculationState& state);
void EvaluateGrammar(CalculationState& state);
// Home and work
void EvaluateNewHouse(CalculationState& state);
void EvaluateRentedHouse(CalculationState& state);
void EvaluateNewJob(CalculationState& state);
void EvaluateNewBusiness(CalculationState& state);
// Journeys
void EvaluateDomesticJourney(CalculationState& state);
void EvaluateReligiousJourney(CalculationState& state);
void EvaluateForeignJourney(CalculationState& state);
// Construction, money and legal
void EvaluateFoundation(CalculationState& state);
void EvaluateConstruction(CalculationState& state);
void EvaluateLending(CalculationState& state);
void EvaluateBorrowing(CalculationState& state);
void EvaluateLegal(CalculationState& state);
// Medical, land and goods
void EvaluateMedicalTreatment(CalculationState& state);
void EvaluateOperation(CalculationState& state);
void EvaluateBuyingLand(CalculationState& state);
void EvaluateSellingLand(CalculationState& state);
void EvaluateBuyingItem(CalculationState& state);
void EvaluateSellingItem(CalculationState& state);

}  // namespace horavela
