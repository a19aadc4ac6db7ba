// The book of people and places on the two input pages and in the File menu.
// A chosen entry is written into the boxes as the user would type it, so the
// pages' own reactions follow: the weekday, the zone offset, the atlas city.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/book_access.h"
#include "app/book_chooser.h"
#include "app/book_dialog.h"
#include "app/book_entries.h"
#include "app/book_texts.h"
#include "app/main_window.h"
#include "book/book.h"

namespace horavela::app {

namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

double SignedDegrees(int degrees, int minutes, bool positive) {
  const double value = degrees + minutes / 60.0;
  return positive ? value : -value;
}

// Selects the item showing `value`, or none when the box does not offer it.
void SelectNumber(QComboBox* box, int value) {
  box->setCurrentIndex(box->findText(QString::number(value)));
}

std::string FollowedZone(const AtlasCityField* atlas) {
  return atlas->Zone() != nullptr ? atlas->Zone()->name() : std::string();
}

std::vector<ChooserRow> PersonRows(const book::Book& book, const QString& filter) {
  std::vector<ChooserRow> rows;
  for (const book::Person& p : book.People(filter.toStdString())) {
    rows.push_back({p.id,
                    {FromStd(p.name), BirthDateText(p.birth) + ", " + ClockText(p.birth),
                     PlaceLabelText(p.birth.place)}});
  }
  return rows;
}

std::vector<ChooserRow> PlaceRows(const book::Book& book, const QString& filter) {
  std::vector<ChooserRow> rows;
  for (const book::Place& p : book.Places(filter.toStdString())) {
    rows.push_back({p.id,
                    {FromStd(p.place.city), FromStd(p.place.state), FromStd(p.place.country),
                     CoordinatesText(p.place)}});
  }
  return rows;
}

template <class Entry>
std::optional<Entry> WithId(const std::vector<Entry>& entries, std::int64_t id) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [id](const Entry& entry) { return entry.id == id; });
  if (found == entries.end()) return std::nullopt;
  return *found;
}

}  // namespace

QWidget* MainWindow::WithBookButtons(QWidget* navigation, bool birthPage) {
  const char* captions[] = {birthPage ? texts::kChoosePerson : texts::kChoosePlace,
                            birthPage ? texts::kSavePerson : texts::kSavePlace};
  const char* names[] = {birthPage ? "cmdChoosePerson" : "cmdChoosePlace",
                         birthPage ? "cmdSavePerson" : "cmdSavePlace"};
  void (MainWindow::*handlers[])() = {
      birthPage ? &MainWindow::ChoosePerson : &MainWindow::ChoosePlace,
      birthPage ? &MainWindow::SavePerson : &MainWindow::SavePlace};
  // A row of their own above Back and Next: beside them the page would be
  // too wide for a small screen.
  auto* rows = new QWidget;
  auto* column = new QVBoxLayout(rows);
  column->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    auto* button = new QPushButton(captions[i], rows);
    button->setObjectName(names[i]);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handlers[i]);
    row->addWidget(button);
  }
  row->addStretch();
  column->addLayout(row);
  column->addWidget(navigation);
  return rows;
}

bool MainWindow::CheckPlaceToSave() {
  const PlaceBoxes& p = electionPlace_;
  return electionAtlas_->CheckPlaceKnown() &&
         CheckRequired({{p.city, texts::kEnterCity},
                        {p.latitudeDegrees, texts::kEnterLatitudeDegrees},
                        {p.latitudeMinutes, texts::kEnterLatitudeMinutes},
                        {p.longitudeDegrees, texts::kEnterLongitudeDegrees},
                        {p.longitudeMinutes, texts::kEnterLongitudeMinutes}},
                       true, MessageIcon::Error) &&
         CheckCoordinateRanges(p);
}

void MainWindow::SavePerson() {
  if (!CheckBirthEntries()) return;
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  book::Person person;
  person.name = nameField_->text().trimmed().toStdString();
  person.sex = sexChoice_->button(0)->isChecked() ? texts::kMale : texts::kFemale;
  person.birth = ReadMoment(birth_, birthPlace_);
  person.tz = FollowedZone(birthAtlas_);
  const QString name = FromStd(person.name);
  const QString born = BirthDateText(person.birth);
  for (const book::Person& known : book->People(person.name)) {
    if (!SamePerson(known, person)) continue;
    services_.messages->Show(MessageIcon::Information,
                             QString(texts::kPersonAlreadyThere).arg(name, born));
    return;
  }
  bool ok = false;
  const QString note =
      QInputDialog::getText(this, texts::kNoteCaption, QString(texts::kNotePrompt).arg(name),
                            QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  person.note = note.trimmed().toStdString();
  const std::string error = book->SavePerson(person);
  if (!error.empty()) {
    services_.messages->Show(MessageIcon::Error,
                             QString(texts::kBookNotChanged).arg(FromStd(error)));
    return;
  }
  services_.messages->Show(MessageIcon::Information, QString(texts::kPersonSaved).arg(name, born));
}

void MainWindow::SavePlace() {
  if (!CheckPlaceToSave()) return;
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  book::Place place;
  place.place = ReadMoment(election_, electionPlace_).place;
  place.tz = FollowedZone(electionAtlas_);
  const QString label = PlaceLabelText(place.place);
  for (const book::Place& known : book->Places(place.place.city)) {
    if (!SamePlace(known, place)) continue;
    services_.messages->Show(MessageIcon::Information,
                             QString(texts::kPlaceAlreadyThere).arg(label));
    return;
  }
  const std::string error = book->SavePlace(place);
  if (!error.empty()) {
    services_.messages->Show(MessageIcon::Error,
                             QString(texts::kBookNotChanged).arg(FromStd(error)));
    return;
  }
  services_.messages->Show(MessageIcon::Information, QString(texts::kPlaceSaved).arg(label));
}

void MainWindow::ChoosePerson() {
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  if (book->People().empty()) {
    services_.messages->Show(MessageIcon::Information, texts::kNoPeopleYet);
    return;
  }
  BookChooser chooser(
      texts::kChoosePersonTitle, texts::kSearchPeople,
      {texts::kColumnName, texts::kColumnBorn, texts::kColumnPlace},
      [book](const QString& filter) { return PersonRows(*book, filter); }, this);
  chooser.exec();
  if (!chooser.chosen()) return;
  const std::optional<book::Person> person = WithId(book->People(), *chooser.chosen());
  if (!person) return;
  nameField_->setText(FromStd(person->name));
  sexChoice_->button(person->sex == texts::kFemale ? 1 : 0)->setChecked(true);
  FillBirthMoment(person->birth);
  FillPlace(birthPlace_, birthAtlas_, person->birth.place, person->tz);
}

void MainWindow::ChoosePlace() {
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  if (book->Places().empty()) {
    services_.messages->Show(MessageIcon::Information, texts::kNoPlacesYet);
    return;
  }
  BookChooser chooser(
      texts::kChoosePlaceTitle, texts::kSearchPlaces,
      {texts::kColumnCity, texts::kColumnState, texts::kColumnCountry, texts::kColumnCoordinates},
      [book](const QString& filter) { return PlaceRows(*book, filter); }, this);
  chooser.exec();
  if (!chooser.chosen()) return;
  const std::optional<book::Place> place = WithId(book->Places(), *chooser.chosen());
  if (place) FillPlace(electionPlace_, electionAtlas_, place->place, place->tz);
}

void MainWindow::OpenBook() {
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  BookDialog dialog(*book, services_, this);
  dialog.exec();
}

void MainWindow::FillBirthMoment(const MomentEntry& birth) {
  // The date first: the atlas city below takes the zone in force at it.
  birthAtlas_->Detach();
  birth_.month->setCurrentIndex(birth.month >= 1 && birth.month <= 12 ? birth.month - 1 : -1);
  SelectNumber(birth_.day, birth.day);
  SelectNumber(birth_.year, birth.year);
  SelectNumber(birth_.hour, birth.hour);
  SelectNumber(birth_.minute, birth.minute);
  SelectNumber(birth_.second, birth.second);
  SyncWeekday(birth_);
}

void MainWindow::FillPlace(const PlaceBoxes& place, AtlasCityField* atlas, const PlaceEntry& entry,
                           const std::string& tz) {
  atlas->Detach();
  if (!tz.empty()) {
    Place city;
    city.name = entry.city;
    city.state = entry.state;
    city.country = entry.country;
    city.latitude = SignedDegrees(entry.latitudeDegrees, entry.latitudeMinutes, entry.north);
    city.longitude = SignedDegrees(entry.longitudeDegrees, entry.longitudeMinutes, entry.east);
    city.timeZone = tz;
    atlas->ChoosePlace(city);
    if (atlas->Attached()) return;
  }
  // Without a zone of the atlas the coordinates count as typed by hand.
  place.city->setText(FromStd(entry.city));
  place.state->setText(FromStd(entry.state));
  place.country->setText(FromStd(entry.country));
  place.latitudeDegrees->setText(QString::number(entry.latitudeDegrees));
  place.latitudeMinutes->setText(QString::number(entry.latitudeMinutes));
  place.latitudeSide->button(entry.north ? 0 : 1)->setChecked(true);
  place.longitudeDegrees->setText(QString::number(entry.longitudeDegrees));
  place.longitudeMinutes->setText(QString::number(entry.longitudeMinutes));
  place.longitudeSide->button(entry.east ? 0 : 1)->setChecked(true);
  place.dst->setChecked(entry.dst);
  SetZoneCaptions(place, QString::number(entry.zoneHours), QString::number(entry.zoneMinutes));
}

}  // namespace horavela::app
