#include "app/wizard_model.h"

namespace horavela::app {

EvaluationInput WizardModel::Input(const MomentEntry& birth, const MomentEntry& election,
                                   const QString& electionWeekday) const {
  EvaluationInput input;
  input.subject = subject.toStdString();
  input.name = personName.toStdString();
  input.sex = personSex.toStdString();
  input.birth = birth;
  input.election = election;
  input.settings = settings;
  // Nothing picked (or no name of a weekday) is no weekday.
  input.electionWeekday = WeekdayNamed(electionWeekday.toStdString()).value_or(Weekday::None);
  return input;
}

}  // namespace horavela::app
