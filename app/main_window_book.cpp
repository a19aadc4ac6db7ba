// The book of people and places on the two input pages and in the File menu.
// A chosen entry is written into the page as the user would type it, so the
// page's own reactions follow: the weekday, the zone offset, the atlas city.
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
#include "app/birth_page.h"
#include "app/book_access.h"
#include "app/book_chooser.h"
#include "app/book_dialog.h"
#include "app/book_entries.h"
#include "app/book_texts.h"
#include "app/election_page.h"
#include "app/main_window.h"
#include "app/match_dialog.h"
#include "app/match_texts.h"
#include "app/partner_box.h"
#include "app/translation.h"
#include "book/book.h"

namespace horavela::app {

namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
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

void MainWindow::SavePerson() {
  if (!birthPage_->CheckEntries()) return;
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  book::Person person;
  person.name = birthPage_->PersonName().toStdString();
  person.sex = birthPage_->PersonSex().toStdString();
  person.birth = birthPage_->ReadMoment();
  person.tz = FollowedZone(birthPage_->Atlas());
  const QString name = FromStd(person.name);
  const QString born = BirthDateText(person.birth);
  for (const book::Person& known : book->People(person.name)) {
    if (!SamePerson(known, person)) continue;
    services_.messages->Show(MessageIcon::Information,
                             QString(Tr(texts::kPersonAlreadyThere)).arg(name, born));
    return;
  }
  bool ok = false;
  const QString note = QInputDialog::getText(this, Tr(texts::kNoteCaption),
                                             QString(Tr(texts::kNotePrompt)).arg(name),
                                             QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  person.note = note.trimmed().toStdString();
  if (const Result<void> saved = book->SavePerson(person); !saved) {
    services_.messages->Show(
        MessageIcon::Error,
        QString(Tr(texts::kBookNotChanged)).arg(FromStd(ProblemText(saved.error()))));
    return;
  }
  services_.messages->Show(MessageIcon::Information,
                           QString(Tr(texts::kPersonSaved)).arg(name, born));
}

void MainWindow::SavePlace() {
  if (!electionPage_->CheckPlaceToSave()) return;
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  book::Place place;
  place.place = electionPage_->ReadMoment().place;
  place.tz = FollowedZone(electionPage_->Atlas());
  const QString label = PlaceLabelText(place.place);
  for (const book::Place& known : book->Places(place.place.city)) {
    if (!SamePlace(known, place)) continue;
    services_.messages->Show(MessageIcon::Information,
                             QString(Tr(texts::kPlaceAlreadyThere)).arg(label));
    return;
  }
  if (const Result<void> saved = book->SavePlace(place); !saved) {
    services_.messages->Show(
        MessageIcon::Error,
        QString(Tr(texts::kBookNotChanged)).arg(FromStd(ProblemText(saved.error()))));
    return;
  }
  services_.messages->Show(MessageIcon::Information, QString(Tr(texts::kPlaceSaved)).arg(label));
}

std::optional<book::Person> MainWindow::PersonFromBook() {
  book::Book* book = book_->Get();
  if (book == nullptr) return std::nullopt;
  if (book->People().empty()) {
    services_.messages->Show(MessageIcon::Information, Tr(texts::kNoPeopleYet));
    return std::nullopt;
  }
  BookChooser chooser(
      Tr(texts::kChoosePersonTitle), Tr(texts::kSearchPeople),
      {Tr(texts::kColumnName), Tr(texts::kColumnBorn), Tr(texts::kColumnPlace)},
      [book](const QString& filter) { return PersonRows(*book, filter); }, this);
  chooser.exec();
  if (!chooser.chosen()) return std::nullopt;
  return WithId(book->People(), *chooser.chosen());
}

void MainWindow::ChoosePerson() {
  const std::optional<book::Person> person = PersonFromBook();
  if (!person) return;
  birthPage_->FillPerson(FromStd(person->name), person->sex, person->birth, person->tz);
}

void MainWindow::ChoosePartner() {
  const std::optional<book::Person> person = PersonFromBook();
  if (person) birthPage_->Partner()->Fill(FromStd(person->name), person->sex, person->birth);
}

void MainWindow::ChoosePlace() {
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  if (book->Places().empty()) {
    services_.messages->Show(MessageIcon::Information, Tr(texts::kNoPlacesYet));
    return;
  }
  BookChooser chooser(
      Tr(texts::kChoosePlaceTitle), Tr(texts::kSearchPlaces),
      {Tr(texts::kColumnCity), Tr(texts::kColumnState), Tr(texts::kColumnCountry),
       Tr(texts::kColumnCoordinates)},
      [book](const QString& filter) { return PlaceRows(*book, filter); }, this);
  chooser.exec();
  if (!chooser.chosen()) return;
  const std::optional<book::Place> place = WithId(book->Places(), *chooser.chosen());
  if (place) electionPage_->FillPlace(place->place, place->tz);
}

void MainWindow::OpenBook() {
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  BookDialog dialog(*book, services_, this);
  qint64 toMatch = 0;
  connect(&dialog, &BookDialog::matchRequested, this, [&toMatch](qint64 id) { toMatch = id; });
  dialog.exec();
  if (toMatch != 0) OpenMatch(toMatch);
}

void MainWindow::OpenMatch(qint64 chosen) {
  book::Book* book = book_->Get();
  if (book == nullptr) return;
  const std::vector<book::Person> people = book->People();
  if (people.size() < 2) {
    services_.messages->Show(MessageIcon::Information, Tr(texts::kMatchNeedsTwo));
    return;
  }
  // Not modal to the program: the match can stay open beside an evaluation.
  auto* dialog = new MatchDialog(people, Settings(), services_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  if (chosen != 0) dialog->Choose(chosen);
  dialog->show();
}

}  // namespace horavela::app
