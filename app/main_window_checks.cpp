// The checks the wizard runs across its pages before it evaluates; each page
// checks its own entries. A failing check names the first field at fault and
// puts the focus into it.
#include "app/app_texts.h"
#include "app/birth_page.h"
#include "app/election_page.h"
#include "app/main_window.h"
#include "app/page_checks.h"
#include "app/partner_box.h"
#include "app/translation.h"

namespace horavela::app {

bool MainWindow::CheckSubject() {
  if (!model_.subject.isEmpty()) return true;
  services_.messages->Show(MessageIcon::Error, Tr(texts::kSelectSubject));
  return false;
}

bool MainWindow::CheckBirthPage() {
  if (!birthPage_->CheckEntries()) return false;
  // The rule sets compare years only; a birth after the election would be
  // judged as if it came first.
  const MomentEntry election = electionPage_->ReadMoment();
  if (!birthPage_->RefuseOrder(CheckBornBeforeElection(birthPage_->ReadMoment(), election))) {
    return false;
  }
  if (!birthPage_->Partner()->CheckEntries(*services_.messages)) return false;
  const std::optional<Partner> partner = birthPage_->Partner()->Read();
  return !partner || birthPage_->RefuseOrder(CheckBornBeforeElection(partner->birth, election));
}

void MainWindow::TakePerson() {
  model_.personName = birthPage_->PersonName();
  model_.personSex = birthPage_->PersonSex();
  model_.partner = birthPage_->Partner()->Read();
}

}  // namespace horavela::app
