#pragma once

#include "engine/calculation_state.h"
#include "report/rich_text_sink.h"

namespace horavela {

// The 34 rule sets. Each runs the whole skeleton: reset, year precondition,
// factors, result word, report into `report`, result label.
using RuleSet = void (*)(CalculationState& state, RichTextSink& report);

// Rites of childhood
void EvaluateNaming(CalculationState& state, RichTextSink& report);
void EvaluateTonsuring(CalculationState& state, RichTextSink& report);
void EvaluateEarPiercing(CalculationState& state, RichTextSink& report);
void EvaluateThreadCeremony(CalculationState& state, RichTextSink& report);
void EvaluateFirstFeeding(CalculationState& state, RichTextSink& report);
void EvaluateEducation(CalculationState& state, RichTextSink& report);
void EvaluateAdoption(CalculationState& state, RichTextSink& report);
// Betrothal and marriage
void EvaluateEngagement(CalculationState& state, RichTextSink& report);
void EvaluateMarriage(CalculationState& state, RichTextSink& report);
void EvaluateBrideEntrance(CalculationState& state, RichTextSink& report);
// Learning
void EvaluateTrade(CalculationState& state, RichTextSink& report);
void EvaluateScience(CalculationState& state, RichTextSink& report);
void EvaluateDanceMusic(CalculationState& state, RichTextSink& report);
void EvaluateAstrology(CalculationState& state, RichTextSink& report);
void EvaluateMedicineStudy(CalculationState& state, RichTextSink& report);
void EvaluateGrammar(CalculationState& state, RichTextSink& report);
// Home and work
void EvaluateNewHouse(CalculationState& state, RichTextSink& report);
void EvaluateRentedHouse(CalculationState& state, RichTextSink& report);
void EvaluateNewJob(CalculationState& state, RichTextSink& report);
void EvaluateNewBusiness(CalculationState& state, RichTextSink& report);
// Journeys
void EvaluateDomesticJourney(CalculationState& state, RichTextSink& report);
void EvaluateReligiousJourney(CalculationState& state, RichTextSink& report);
void EvaluateForeignJourney(CalculationState& state, RichTextSink& report);
// Construction, money and legal
void EvaluateFoundation(CalculationState& state, RichTextSink& report);
void EvaluateConstruction(CalculationState& state, RichTextSink& report);
void EvaluateLending(CalculationState& state, RichTextSink& report);
void EvaluateBorrowing(CalculationState& state, RichTextSink& report);
void EvaluateLegal(CalculationState& state, RichTextSink& report);
// Medical, land and goods
void EvaluateMedicalTreatment(CalculationState& state, RichTextSink& report);
void EvaluateOperation(CalculationState& state, RichTextSink& report);
void EvaluateBuyingLand(CalculationState& state, RichTextSink& report);
void EvaluateSellingLand(CalculationState& state, RichTextSink& report);
void EvaluateBuyingItem(CalculationState& state, RichTextSink& report);
void EvaluateSellingItem(CalculationState& state, RichTextSink& report);

}  // namespace horavela
