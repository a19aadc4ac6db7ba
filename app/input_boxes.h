#pragma once

#include <QString>
#include <string>

#include "app/filtered_line_edit.h"
#include "engine/evaluation_input.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace horavela::app {

class ClickableLabel;

// The date and time boxes of one input page.
struct MomentBoxes {
  QComboBox* month = nullptr;
  QComboBox* day = nullptr;
  QComboBox* year = nullptr;
  QComboBox* weekday = nullptr;
  QComboBox* hour = nullptr;
  QComboBox* minute = nullptr;
  QComboBox* second = nullptr;
};

// The place, coordinate and zone controls of one input page.
struct PlaceBoxes {
  FilteredLineEdit* city = nullptr;
  FilteredLineEdit* state = nullptr;
  FilteredLineEdit* country = nullptr;
  QPushButton* search = nullptr;
  FilteredLineEdit* latitudeDegrees = nullptr;
  FilteredLineEdit* latitudeMinutes = nullptr;
  QButtonGroup* latitudeSide = nullptr;  // button 0 "North", 1 "South"
  FilteredLineEdit* longitudeDegrees = nullptr;
  FilteredLineEdit* longitudeMinutes = nullptr;
  QButtonGroup* longitudeSide = nullptr;  // button 0 "East", 1 "West"
  QLabel* zoneHour = nullptr;
  QLabel* zoneMinute = nullptr;
  QLabel* zoneOffset = nullptr;  // the captions as people write them: "UTC+05:30"
  QCheckBox* dst = nullptr;
  ClickableLabel* tzHelp = nullptr;
};

// The moment and place the boxes hold, as the core takes them.
MomentEntry ReadMoment(const MomentBoxes& moment, const PlaceBoxes& place);

// The weekday box follows the date: none while the date is incomplete or not
// in the calendar.
void SyncWeekday(const MomentBoxes& moment);

void SetZoneCaptions(const PlaceBoxes& place, const QString& hours, const QString& minutes);
void ShowZoneOffset(const PlaceBoxes& place);

// Writes a moment of the book into the boxes; a value the boxes do not offer
// leaves its box empty.
void FillMoment(const MomentBoxes& moment, const MomentEntry& entry);
// Writes a place into the boxes as typed by hand.
void FillPlaceBoxes(const PlaceBoxes& place, const PlaceEntry& entry);

}  // namespace horavela::app
