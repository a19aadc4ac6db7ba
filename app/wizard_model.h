#pragma once

#include <QString>

#include "engine/calculation_settings.h"
#include "engine/evaluation_input.h"
#include "search/muhurta_finder.h"

namespace horavela::app {

// What the wizard gathers besides the boxes of its pages: the subject ticked
// on the start page, and the person as the birth page's Next took them.
struct WizardModel {
  QString subject;  // empty until one is ticked
  QString personName;
  QString personSex;
  // How the program computes and counts (Edit > Preferences): every
  // evaluation, search, day and month carries it.
  CalculationSettings settings;
  // The second person of a couple's undertaking, when "Add partner" was ticked
  // (last, so the model's aggregate form keeps its order).
  std::optional<Partner> partner = std::nullopt;

  // File > New Evaluation: no subject chosen. The person stays until the
  // next evaluation takes the birth page again, the settings until the user
  // changes them.
  void StartAfresh() { subject.clear(); }

  // The evaluation of the two moments the pages hold.
  EvaluationInput Input(const MomentEntry& birth, const MomentEntry& election,
                        const QString& electionWeekday) const;
};

}  // namespace horavela::app
