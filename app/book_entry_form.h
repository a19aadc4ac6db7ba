#pragma once

#include <QDialog>
#include <memory>

#include "app/app_services.h"
#include "app/filtered_line_edit.h"
#include "book/book.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace horavela::app {

// Edits one entry of the book: a person (name, sex, birth, place, zone, note)
// or a place. OK checks the entry as the input pages check theirs: a name or
// a city, coordinates on Earth, a date the calendar has.
class BookEntryForm : public QDialog {
  Q_OBJECT

 public:
  BookEntryForm(const book::Person& person, std::shared_ptr<MessageBoxes> messages,
                QWidget* parent);
  BookEntryForm(const book::Place& place, std::shared_ptr<MessageBoxes> messages, QWidget* parent);

  // The entry as edited, with the id it came with.
  book::Person person() const;
  book::Place place() const;

  void accept() override;

 private:
  BookEntryForm(bool isPerson, std::shared_ptr<MessageBoxes> messages, QWidget* parent);
  void AddPersonRows(QFormLayout* form);
  void AddPlaceRows(QFormLayout* form);
  FilteredLineEdit* NewField(CharacterRule rule, const QString& name);
  void ShowPlace(const PlaceEntry& place, const std::string& tz);
  PlaceEntry ReadPlace() const;
  std::string ReadTz() const;
  bool Check();
  bool Refuse(QWidget* field, const QString& message);

  bool isPerson_;
  std::shared_ptr<MessageBoxes> messages_;
  book::Person person_;
  book::Place place_;

  QLineEdit* name_ = nullptr;
  QComboBox* sex_ = nullptr;
  QComboBox* month_ = nullptr;
  QSpinBox* day_ = nullptr;
  QSpinBox* year_ = nullptr;
  QSpinBox* hour_ = nullptr;
  QSpinBox* minute_ = nullptr;
  QSpinBox* second_ = nullptr;
  FilteredLineEdit* city_ = nullptr;
  FilteredLineEdit* state_ = nullptr;
  FilteredLineEdit* country_ = nullptr;
  FilteredLineEdit* latitudeDegrees_ = nullptr;
  FilteredLineEdit* latitudeMinutes_ = nullptr;
  QComboBox* latitudeSide_ = nullptr;
  FilteredLineEdit* longitudeDegrees_ = nullptr;
  FilteredLineEdit* longitudeMinutes_ = nullptr;
  QComboBox* longitudeSide_ = nullptr;
  QSpinBox* zoneHours_ = nullptr;
  QSpinBox* zoneMinutes_ = nullptr;
  QCheckBox* dst_ = nullptr;
  QCheckBox* followsTz_ = nullptr;
  QLineEdit* note_ = nullptr;
};

}  // namespace horavela::app
