// The way from the wizard's pages into the search for good times, and back.
#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <vector>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/birth_page.h"
#include "app/election_page.h"
#include "app/find_times_dialog.h"
#include "app/find_times_texts.h"
#include "app/main_window.h"
#include "app/partner_box.h"
#include "app/translation.h"

namespace horavela::app {

namespace {

bool AnyEmpty(std::initializer_list<const QLineEdit*> fields) {
  for (const QLineEdit* field : fields) {
    if (field->text().trimmed().isEmpty()) return true;
  }
  return false;
}

}  // namespace

QString MainWindow::FinderInputProblem() const {
  if (model_.subject.isEmpty()) return Tr(texts::kFindNoSubject);
  // A city typed over an atlas city whose place was cleared: say so, rather
  // than that the place is missing.
  for (const AtlasCityField* atlas : {electionPage_->Atlas(), birthPage_->Atlas()}) {
    if (const QString problem = atlas->UnknownPlaceProblem(); !problem.isEmpty()) return problem;
  }
  const PlaceBoxes& e = electionPage_->Place();
  if (AnyEmpty({e.latitudeDegrees, e.latitudeMinutes, e.longitudeDegrees, e.longitudeMinutes})) {
    return Tr(texts::kFindNoElectionPlace);
  }
  if (const auto problem =
          CheckCoordinates(e.latitudeDegrees->text(), e.latitudeMinutes->text(),
                           e.longitudeDegrees->text(), e.longitudeMinutes->text())) {
    return QString(Tr(texts::kElectionPlaceProblem)).arg(problem->message);
  }

  const PlaceBoxes& b = birthPage_->Place();
  const MomentBoxes& birth = birthPage_->Moment();
  QString missing;
  if (birthPage_->PersonName().isEmpty()) {
    missing = Tr(texts::kFindNoName);
  } else if (birth.month->currentIndex() < 0 || birth.day->currentIndex() < 0 ||
             birth.year->currentIndex() < 0) {
    missing = Tr(texts::kFindNoBirthDate);
  } else if (AnyEmpty(
                 {b.latitudeDegrees, b.latitudeMinutes, b.longitudeDegrees, b.longitudeMinutes})) {
    missing = Tr(texts::kFindNoBirthPlace);
  } else if (const auto problem =
                 CheckCoordinates(b.latitudeDegrees->text(), b.latitudeMinutes->text(),
                                  b.longitudeDegrees->text(), b.longitudeMinutes->text())) {
    missing = QString(problem->message).toLower();
  } else {
    missing = CheckDateExists(Tr(texts::kBirthWordInSentence), birth.year->currentText().toInt(),
                              birth.month->currentIndex() + 1, birth.day->currentText().toInt());
  }
  return missing.isEmpty() ? QString() : QString(Tr(texts::kFindBirthIncomplete)).arg(missing);
}

SearchRequest MainWindow::FinderRequest() const {
  SearchRequest request;
  request.subjects = {model_.subject.toStdString()};
  request.name = birthPage_->PersonName().toStdString();
  request.sex = birthPage_->PersonSex().toStdString();
  request.birth = birthPage_->ReadMoment();
  request.place = electionPage_->ReadMoment().place;
  request.settings = model_.settings;
  // A couple's moment is searched for both: the partner as the page holds them.
  request.partner = birthPage_->Partner()->Read();
  return request;
}

void MainWindow::OpenFinder() {
  // The search takes the places as the pages will judge them.
  electionPage_->Atlas()->Settle();
  birthPage_->Atlas()->Settle();
  FindTimesInputs inputs{FinderRequest(), FinderInputProblem()};
  // An election place that follows an atlas city is searched on its own clock.
  if (const TimeZoneRules* zone = electionPage_->Atlas()->Zone())
    inputs.request.zone = Follow(*zone);
  auto* dialog = new FindTimesDialog(std::move(inputs), services_.messages, this);
  dialog->SetSaveFileChooser(services_.chooseSaveFile);
  const MomentBoxes& election = electionPage_->Moment();
  dialog->StartRangeAt(QDate(election.year->currentText().toInt(),
                             election.month->currentIndex() + 1,
                             election.day->currentText().toInt()));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::WindowModal);
  // The evaluation pauses on the wait page; it starts once the dialog is gone.
  connect(dialog, &FindTimesDialog::timeChosen, this, [this](const LocalMinute& first) {
    QTimer::singleShot(0, this, [this, first] { UseElectionMinute(first); });
  });
  dialog->show();
}

void MainWindow::UseElectionMinute(const LocalMinute& minute) {
  electionPage_->WriteMinute(minute);
  // Then as the birth page's Next.
  if (!electionPage_->Check()) {
    ShowPage(electionPage_);
    return;
  }
  if (!CheckBirthPage()) {
    ShowPage(birthPage_);
    return;
  }
  TakePerson();
  // Judged at once: the wait page's pauses belong to the wizard's Next.
  Evaluate(Pace::AtOnce);
}

}  // namespace horavela::app
