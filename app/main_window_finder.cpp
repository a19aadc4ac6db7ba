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
#include "app/find_times_dialog.h"
#include "app/find_times_texts.h"
#include "app/main_window.h"

namespace horavela::app {

namespace {

bool AnyEmpty(std::initializer_list<const QLineEdit*> fields) {
  for (const QLineEdit* field : fields) {
    if (field->text().trimmed().isEmpty()) return true;
  }
  return false;
}

}  // namespace

QWidget* MainWindow::WithFindTimesButton(QWidget* navigation, const QString& name) {
  auto* button = new QPushButton(texts::kFindTimes, navigation);
  button->setObjectName(name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, &MainWindow::OpenFinder);
  // Left of the row, away from Back and Next.
  static_cast<QHBoxLayout*>(navigation->layout())->insertWidget(0, button);
  return navigation;
}

QString MainWindow::FinderInputProblem() const {
  if (electionSubject_.isEmpty()) return texts::kFindNoSubject;
  // A city typed over an atlas city whose place was cleared: say so, rather
  // than that the place is missing.
  for (const AtlasCityField* atlas : {electionAtlas_, birthAtlas_}) {
    if (const QString problem = atlas->UnknownPlaceProblem(); !problem.isEmpty()) return problem;
  }
  const PlaceBoxes& e = electionPlace_;
  if (AnyEmpty({e.latitudeDegrees, e.latitudeMinutes, e.longitudeDegrees, e.longitudeMinutes})) {
    return texts::kFindNoElectionPlace;
  }
  if (const auto problem =
          CheckCoordinates(e.latitudeDegrees->text(), e.latitudeMinutes->text(),
                           e.longitudeDegrees->text(), e.longitudeMinutes->text())) {
    return QString("Election place: %1").arg(problem->message);
  }

  const PlaceBoxes& b = birthPlace_;
  QString missing;
  if (nameField_->text().trimmed().isEmpty()) {
    missing = texts::kFindNoName;
  } else if (birth_.month->currentIndex() < 0 || birth_.day->currentIndex() < 0 ||
             birth_.year->currentIndex() < 0) {
    missing = texts::kFindNoBirthDate;
  } else if (AnyEmpty(
                 {b.latitudeDegrees, b.latitudeMinutes, b.longitudeDegrees, b.longitudeMinutes})) {
    missing = texts::kFindNoBirthPlace;
  } else if (const auto problem =
                 CheckCoordinates(b.latitudeDegrees->text(), b.latitudeMinutes->text(),
                                  b.longitudeDegrees->text(), b.longitudeMinutes->text())) {
    missing = QString(problem->message).toLower();
  } else {
    missing = CheckDateExists("birth", birth_.year->currentText().toInt(),
                              birth_.month->currentIndex() + 1, birth_.day->currentText().toInt());
  }
  return missing.isEmpty() ? QString() : QString(texts::kFindBirthIncomplete).arg(missing);
}

SearchRequest MainWindow::FinderRequest() const {
  SearchRequest request;
  request.subjects = {electionSubject_.toStdString()};
  request.name = nameField_->text().trimmed().toStdString();
  request.sex = sexChoice_->button(0)->isChecked() ? texts::kMale : texts::kFemale;
  request.birth = ReadMoment(birth_, birthPlace_);
  request.place = ReadMoment(election_, electionPlace_).place;
  return request;
}

void MainWindow::OpenFinder() {
  // The search takes the places as the pages will judge them.
  electionAtlas_->Settle();
  birthAtlas_->Settle();
  FindTimesInputs inputs{FinderRequest(), FinderInputProblem(), std::nullopt};
  // An election place that follows an atlas city is searched on its own clock.
  if (const TimeZoneRules* zone = electionAtlas_->Zone()) inputs.zone = *zone;
  auto* dialog = new FindTimesDialog(std::move(inputs), services_.messages, this);
  dialog->SetSaveFileChooser(services_.chooseSaveFile);
  dialog->StartRangeAt(QDate(election_.year->currentText().toInt(),
                             election_.month->currentIndex() + 1,
                             election_.day->currentText().toInt()));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::WindowModal);
  // The evaluation pauses on the wait page; it starts once the dialog is gone.
  connect(dialog, &FindTimesDialog::timeChosen, this, [this](const LocalMinute& first) {
    QTimer::singleShot(0, this, [this, first] { UseElectionMinute(first); });
  });
  dialog->show();
}

void MainWindow::WriteElectionMinute(const LocalMinute& minute) {
  // The whole moment in one step: an atlas city's zone is found for it alone,
  // never for a half-written moment on the way (which the clocks may have
  // skipped or repeated, and which would be asked about).
  {
    std::vector<QSignalBlocker> held;
    for (QComboBox* box : {election_.year, election_.month, election_.day, election_.hour,
                           election_.minute, election_.second}) {
      held.emplace_back(box);
    }
    election_.year->setCurrentText(QString::number(minute.year));
    election_.month->setCurrentIndex(minute.month - 1);
    election_.day->setCurrentText(QString::number(minute.day));
    election_.hour->setCurrentText(QString::number(minute.hour));
    election_.minute->setCurrentText(QString::number(minute.minute));
    election_.second->setCurrentIndex(0);
  }
  SyncWeekday(election_);
  electionAtlas_->FollowWrittenMoment(minute.repeated && minute.repeated->second);
}

void MainWindow::UseElectionMinute(const LocalMinute& minute) {
  WriteElectionMinute(minute);
  // Then as the birth page's Next.
  if (!CheckElectionPage()) {
    ShowPage(electionPage_);
    return;
  }
  if (!CheckBirthPage()) {
    ShowPage(birthPage_);
    return;
  }
  personName_ = nameField_->text().trimmed();
  personSex_ = sexChoice_->button(0)->isChecked() ? texts::kMale : texts::kFemale;
  // Judged at once: the wait page's pauses belong to the wizard's Next.
  Evaluate(Pace::AtOnce);
}

}  // namespace horavela::app
