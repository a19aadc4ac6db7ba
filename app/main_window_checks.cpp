// The checks each Next and search button runs before it acts. A failing check
// names the first field at fault and puts the focus into it.
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/main_window.h"
#include "app/page_checks.h"

namespace horavela::app {

void MainWindow::Refuse(QWidget* field, const QString& message, MessageIcon icon) {
  services_.messages->Show(icon, message);
  if (field != nullptr) field->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::CheckRequired(const std::vector<std::pair<QLineEdit*, const char*>>& fields,
                               bool trimmed, MessageIcon icon) {
  std::vector<RequiredField> required;
  for (const auto& [field, message] : fields) required.push_back({field->text(), message});
  const std::optional<int> empty = FirstEmptyField(required, trimmed);
  if (!empty) return true;
  const auto& [field, message] = fields[static_cast<std::size_t>(*empty)];
  Refuse(field, message, icon);
  return false;
}

bool MainWindow::CheckSubject() {
  if (!electionSubject_.isEmpty()) return true;
  services_.messages->Show(MessageIcon::Error, texts::kSelectSubject);
  return false;
}

bool MainWindow::CheckCoordinateRanges(const PlaceBoxes& place) {
  const std::optional<CoordinateProblem> problem =
      CheckCoordinates(place.latitudeDegrees->text(), place.latitudeMinutes->text(),
                       place.longitudeDegrees->text(), place.longitudeMinutes->text());
  if (!problem) return true;
  QLineEdit* field = nullptr;
  switch (problem->field) {
    case CoordinateField::LatitudeDegrees:
      field = place.latitudeDegrees;
      break;
    case CoordinateField::LatitudeMinutes:
      field = place.latitudeMinutes;
      break;
    case CoordinateField::LongitudeDegrees:
      field = place.longitudeDegrees;
      break;
    case CoordinateField::LongitudeMinutes:
      field = place.longitudeMinutes;
      break;
  }
  Refuse(field, problem->message, MessageIcon::Error);
  return false;
}

bool MainWindow::CheckDate(const MomentBoxes& moment, const QString& which) {
  const QString problem =
      CheckDateExists(which, moment.year->currentText().toInt(), moment.month->currentIndex() + 1,
                      moment.day->currentText().toInt());
  if (problem.isEmpty()) return true;
  Refuse(moment.day, problem, MessageIcon::Error);
  return false;
}

bool MainWindow::CheckElectionPage() {
  const PlaceBoxes& p = electionPlace_;
  return electionAtlas_->CheckPlaceKnown() &&
         CheckRequired({{p.latitudeDegrees, texts::kEnterLatitudeDegrees},
                        {p.latitudeMinutes, texts::kEnterLatitudeMinutes},
                        {p.longitudeDegrees, texts::kEnterLongitudeDegrees},
                        {p.longitudeMinutes, texts::kEnterLongitudeMinutes}},
                       true, MessageIcon::Error) &&
         CheckCoordinateRanges(p) && CheckDate(election_, "Election") &&
         electionAtlas_->CheckResolved();
}

// Everything the birth page must hold to be judged or kept in the book.
bool MainWindow::CheckBirthEntries() {
  const PlaceBoxes& p = birthPlace_;
  if (!birthAtlas_->CheckPlaceKnown()) return false;
  if (!CheckRequired({{nameField_, texts::kEnterName},
                      {p.latitudeDegrees, texts::kEnterLatitudeDegrees},
                      {p.latitudeMinutes, texts::kEnterLatitudeMinutes},
                      {p.longitudeDegrees, texts::kEnterLongitudeDegrees},
                      {p.longitudeMinutes, texts::kEnterLongitudeMinutes}},
                     true, MessageIcon::Error)) {
    return false;
  }
  for (QComboBox* box : {birth_.month, birth_.day, birth_.year}) {
    if (box->currentIndex() < 0) {
      Refuse(box, texts::kSelectBirthDate, MessageIcon::Error);
      return false;
    }
  }
  return CheckCoordinateRanges(p) && CheckDate(birth_, "Birth") && birthAtlas_->CheckResolved();
}

bool MainWindow::CheckBirthPage() {
  if (!CheckBirthEntries()) return false;
  // The rule sets compare years only; a birth after the election would be
  // judged as if it came first.
  const QString order = CheckBornBeforeElection(ReadMoment(birth_, birthPlace_),
                                                ReadMoment(election_, electionPlace_));
  if (order.isEmpty()) return true;
  Refuse(birth_.year, order, MessageIcon::Error);
  return false;
}

bool MainWindow::CheckPlace(const PlaceBoxes& place) {
  // Blanks count here: a city of one blank passes.
  return CheckRequired({{place.city, texts::kEnterCity},
                        {place.state, texts::kEnterState},
                        {place.country, texts::kEnterCountry}},
                       false, MessageIcon::Information);
}

}  // namespace horavela::app
