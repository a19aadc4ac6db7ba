#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "app/app_services.h"
#include "app/filtered_line_edit.h"
#include "atlas/time_zone_rules.h"
#include "book/book.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace horavela::app {

// Edits one entry of the book: a person (name, sex, birth, place, zone, note)
// or a place. OK checks the entry as the input pages check theirs: a name or
// a city, coordinates on Earth, a date the calendar has.
class BookEntryForm : public QDialog {
  Q_OBJECT

 public:
  // `lookup` finds the atlas city a renamed city stands for.
  BookEntryForm(const book::Person& person, std::shared_ptr<MessageBoxes> messages,
                CityLookup lookup, QWidget* parent);
  BookEntryForm(const book::Place& place, std::shared_ptr<MessageBoxes> messages, CityLookup lookup,
                QWidget* parent);

  // The entry as edited, with the id it came with.
  book::Person person() const;
  book::Place place() const;

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BookEntryForm(bool isPerson, std::shared_ptr<MessageBoxes> messages, CityLookup lookup,
                QWidget* parent);
  void AddPersonRows(QFormLayout* form);
  void AddPlaceRows(QFormLayout* form);
  FilteredLineEdit* NewField(CharacterRule rule, const QString& name);
  void ShowPlace(const PlaceEntry& place, const std::string& tz);
  PlaceEntry ReadPlace() const;
  std::string ReadTz() const;
  // As on the input pages: a city typed over the one the coordinates belong to
  // is the atlas city of that name, or clears the place for the user to enter.
  void SettleCity();
  void TakeCity(const Place& city);
  void ClearPlace();
  ZoneOffset OffsetOfCity(const TimeZoneRules& zone) const;
  bool Check();
  bool Refuse(QWidget* field, const QString& message);

  bool isPerson_;
  std::shared_ptr<MessageBoxes> messages_;
  CityLookup lookup_;
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
  QLabel* placeSource_ = nullptr;  // says when the coordinates must be entered
  std::array<QLineEdit*, 4> coordinates_{};

  std::string tz_;       // the atlas zone the entry follows
  QString cityOfPlace_;  // the city the coordinates and zone belong to
  QString clearedCity_;  // the place cleared for another name, until it is entered
};

}  // namespace horavela::app
