#include "app/book_dialog.h"
#include "app/translation.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/book_entries.h"
#include "app/book_entry_form.h"
#include "app/book_texts.h"
#include "app/match_texts.h"
#include "book/book_json.h"
#include "report/atomic_file.h"

namespace horavela::app {

namespace {

constexpr int kIndexRole = Qt::UserRole;

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

QTreeWidget* NewTable(const QString& name, const QStringList& headers, QWidget* parent) {
  auto* table = new QTreeWidget(parent);
  table->setObjectName(name);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  table->setHeaderLabels(headers);
  table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return table;
}

void AddRow(QTreeWidget* table, std::size_t index, const QStringList& cells) {
  auto* item = new QTreeWidgetItem(table, cells);
  item->setData(0, kIndexRole, QVariant::fromValue<qulonglong>(index));
}

}  // namespace

BookDialog::BookDialog(book::Book& book, const AppServices& services, QWidget* parent)
    : QDialog(parent), book_(book), services_(services) {
  setObjectName("dlgBook");
  setWindowTitle(Tr(texts::kBookTitle));
  search_ = new QLineEdit(this);
  search_->setObjectName("txtBookSearch");
  search_->setPlaceholderText(Tr(texts::kSearchBook));
  search_->setClearButtonEnabled(true);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("tabBook");
  people_ = NewTable(
      "tblPeople",
      {Tr(texts::kColumnName), Tr(texts::kColumnBorn), Tr(texts::kColumnPlace), Tr(texts::kNote)},
      tabs_);
  places_ = NewTable("tblPlaces",
                     {Tr(texts::kColumnCity), Tr(texts::kColumnState), Tr(texts::kColumnCountry),
                      Tr(texts::kColumnCoordinates)},
                     tabs_);
  tabs_->addTab(people_, Tr(texts::kTabPeople));
  tabs_->addTab(places_, Tr(texts::kTabPlaces));

  auto* buttons = new QHBoxLayout;
  const std::pair<QString, void (BookDialog::*)()> actions[] = {
      {Tr(texts::kEdit), &BookDialog::EditSelected},
      {Tr(texts::kDelete), &BookDialog::DeleteSelected},
      {Tr(texts::kImport), &BookDialog::Import},
      {Tr(texts::kExport), &BookDialog::Export}};
  const char* names[] = {"cmdBookEdit", "cmdBookDelete", "cmdBookImport", "cmdBookExport"};
  for (std::size_t i = 0; i < std::size(actions); ++i) {
    auto* button = new QPushButton(actions[i].first, this);
    button->setObjectName(names[i]);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, actions[i].second);
    buttons->addWidget(button);
    if (i == 1) buttons->addStretch();
  }
  auto* match = new QPushButton(Tr(texts::kMenuMatch), this);
  match->setObjectName("cmdBookMatch");
  match->setAutoDefault(false);
  connect(match, &QPushButton::clicked, this, &BookDialog::MatchSelected);
  connect(tabs_, &QTabWidget::currentChanged, match,
          [this, match] { match->setEnabled(PeopleInFront()); });
  buttons->addWidget(match);
  auto* close = new QPushButton(Tr(texts::kClose), this);
  close->setObjectName("cmdBookClose");
  // Enter in the search box searches; it does not close the book.
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(close);

  connect(search_, &QLineEdit::textChanged, this, &BookDialog::Refill);
  connect(people_, &QTreeWidget::itemDoubleClicked, this, &BookDialog::EditSelected);
  connect(places_, &QTreeWidget::itemDoubleClicked, this, &BookDialog::EditSelected);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(search_);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  Refill();
  resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 26);
}

bool BookDialog::PeopleInFront() const {
  return tabs_->currentWidget() == people_;
}

void BookDialog::Refill() {
  const std::string filter = search_->text().trimmed().toStdString();
  shownPeople_ = book_.People(filter);
  shownPlaces_ = book_.Places(filter);
  people_->clear();
  places_->clear();
  for (std::size_t i = 0; i < shownPeople_.size(); ++i) {
    const book::Person& p = shownPeople_[i];
    AddRow(people_, i,
           {FromStd(p.name), BirthDateText(p.birth) + ", " + ClockText(p.birth),
            PlaceLabelText(p.birth.place), FromStd(p.note)});
  }
  for (std::size_t i = 0; i < shownPlaces_.size(); ++i) {
    const PlaceEntry& p = shownPlaces_[i].place;
    AddRow(places_, i, {FromStd(p.city), FromStd(p.state), FromStd(p.country), CoordinatesText(p)});
  }
}

std::optional<std::size_t> BookDialog::Selected() {
  const QTreeWidgetItem* item = (PeopleInFront() ? people_ : places_)->currentItem();
  if (item == nullptr) {
    services_.messages->Show(MessageIcon::Information, Tr(texts::kNothingSelected));
    return std::nullopt;
  }
  return static_cast<std::size_t>(item->data(0, kIndexRole).toULongLong());
}

void BookDialog::MatchSelected() {
  if (!PeopleInFront()) return;
  const std::optional<std::size_t> index = Selected();
  if (!index) return;
  const qint64 id = shownPeople_[*index].id;
  accept();
  emit matchRequested(id);
}

void BookDialog::ShowError(const QString& format, const QString& path, const std::string& error) {
  services_.messages->Show(MessageIcon::Error, QString(format).arg(path, FromStd(error)));
}

void BookDialog::ShowIfRefused(const Result<void>& change) {
  if (change) return;
  services_.messages->Show(
      MessageIcon::Error,
      QString(Tr(texts::kBookNotChanged)).arg(FromStd(ProblemText(change.error()))));
}

void BookDialog::EditSelected() {
  const std::optional<std::size_t> index = Selected();
  if (!index) return;
  Result<void> saved;
  if (PeopleInFront()) {
    BookEntryForm form(shownPeople_[*index], services_.messages, services_.cityLookup, this);
    if (form.exec() != QDialog::Accepted) return;
    book::Person person = form.person();
    saved = book_.SavePerson(person);
  } else {
    BookEntryForm form(shownPlaces_[*index], services_.messages, services_.cityLookup, this);
    if (form.exec() != QDialog::Accepted) return;
    book::Place place = form.place();
    saved = book_.SavePlace(place);
  }
  ShowIfRefused(saved);
  Refill();
}

void BookDialog::DeleteSelected() {
  const std::optional<std::size_t> index = Selected();
  if (!index) return;
  QString question;
  if (PeopleInFront()) {
    const book::Person& p = shownPeople_[*index];
    question = QString(Tr(texts::kDeletePerson)).arg(FromStd(p.name), BirthDateText(p.birth));
  } else {
    question = QString(Tr(texts::kDeletePlace)).arg(PlaceLabelText(shownPlaces_[*index].place));
  }
  if (!services_.messages->Ask(MessageIcon::Information, question, Tr(texts::kDeleteForGood)))
    return;
  ShowIfRefused(PeopleInFront() ? book_.DeletePerson(shownPeople_[*index].id)
                                : book_.DeletePlace(shownPlaces_[*index].id));
  Refill();
}

void BookDialog::Import() {
  const QString path = services_.chooseOpenFile(Tr(texts::kImportCaption), Tr(texts::kJsonFilter));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowError(Tr(texts::kImportUnreadable), path, file.errorString().toStdString());
    return;
  }
  const QByteArray text = file.readAll();
  const std::string_view bookText(text.constData(), static_cast<std::size_t>(text.size()));
  const Result<book::BookEntries> parsed = book::ParseBookJson(bookText);
  if (!parsed) {
    ShowError(Tr(texts::kImportNotABook), path,
              book::BookProblemSentence(parsed.error(), bookText));
    return;
  }
  const Result<book::ImportCount> count = book_.Import(parsed->people, parsed->places);
  if (!count) {
    ShowError(Tr(texts::kImportFailed), path, ProblemText(count.error()));
    return;
  }
  services_.messages->Show(
      MessageIcon::Information,
      QString(Tr(texts::kImported)).arg(path).arg(count->added).arg(count->skipped));
  Refill();
}

void BookDialog::Export() {
  const QString path = services_.chooseSaveFile(Tr(texts::kExportCaption), Tr(texts::kExportName),
                                                Tr(texts::kJsonFilter));
  if (path.isEmpty()) return;
  const std::vector<book::Person> people = book_.People();
  const std::vector<book::Place> places = book_.Places();
  // The file is the old one or the whole new one, never a part.
  const Result<void> written =
      WriteFileAtomically(QFile::encodeName(path).toStdString(), book::BookJson(people, places));
  if (!written) {
    ShowError(Tr(texts::kExportFailed), path, written.error().message);
    return;
  }
  services_.messages->Show(
      MessageIcon::Information,
      QString(Tr(texts::kExported)).arg(people.size()).arg(places.size()).arg(path));
}

}  // namespace horavela::app
