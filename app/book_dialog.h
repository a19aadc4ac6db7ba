#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/app_services.h"
#include "book/book.h"

class QLineEdit;
class QTabWidget;
class QTreeWidget;

namespace horavela::app {

// File > People and places: the whole book, people and places on two tabs,
// searched, edited, deleted after a confirmation, imported from and exported
// to the command line's JSON form.
class BookDialog : public QDialog {
  Q_OBJECT

 public:
  BookDialog(book::Book& book, const AppServices& services, QWidget* parent);

  void EditSelected();
  void DeleteSelected();
  void Import();
  void Export();
  // The selected person to a match: the book closes, the match dialog opens
  // with them chosen, for the user to choose the other.
  void MatchSelected();

 signals:
  void matchRequested(qint64 personId);

 private:
  void Refill();
  bool PeopleInFront() const;
  // The index into the shown entries of the selected row, after saying so
  // when nothing is selected.
  std::optional<std::size_t> Selected();
  void ShowError(const QString& format, const QString& path, const std::string& error);
  // "The book could not be changed: ..." when the book refused a change.
  void ShowIfRefused(const Result<void>& change);

  book::Book& book_;
  AppServices services_;
  QLineEdit* search_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QTreeWidget* people_ = nullptr;
  QTreeWidget* places_ = nullptr;
  std::vector<book::Person> shownPeople_;
  std::vector<book::Place> shownPlaces_;
};

}  // namespace horavela::app
