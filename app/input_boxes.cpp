#include "app/input_boxes.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "app/page_checks.h"
#include "calendar/civil_calendar.h"

namespace horavela::app {

namespace {

std::int16_t Number(const QString& text) {
  return static_cast<std::int16_t>(text.trimmed().toInt());
}

// Selects the item showing `value`, or none when the box does not offer it.
void SelectNumber(QComboBox* box, int value) {
  box->setCurrentIndex(box->findText(QString::number(value)));
}

}  // namespace

MomentEntry ReadMoment(const MomentBoxes& moment, const PlaceBoxes& place) {
  MomentEntry entry;
  entry.month = static_cast<std::int16_t>(moment.month->currentIndex() + 1);
  entry.day = Number(moment.day->currentText());
  entry.year = Number(moment.year->currentText());
  entry.place.zoneHours = Number(place.zoneHour->text());
  entry.place.zoneMinutes = Number(place.zoneMinute->text());
  entry.hour = Number(moment.hour->currentText());
  entry.minute = Number(moment.minute->currentText());
  entry.second = Number(moment.second->currentText());
  entry.place.longitudeDegrees = Number(place.longitudeDegrees->text());
  entry.place.longitudeMinutes = Number(place.longitudeMinutes->text());
  entry.place.latitudeDegrees = Number(place.latitudeDegrees->text());
  entry.place.latitudeMinutes = Number(place.latitudeMinutes->text());
  entry.place.dst = place.dst->isChecked();
  entry.place.east = place.longitudeSide->button(0)->isChecked();
  entry.place.north = place.latitudeSide->button(0)->isChecked();
  entry.place.city = place.city->text().toStdString();
  entry.place.state = place.state->text().toStdString();
  entry.place.country = place.country->text().toStdString();
  return entry;
}

void SyncWeekday(const MomentBoxes& moment) {
  const int month = moment.month->currentIndex() + 1;
  const int day = moment.day->currentText().toInt();
  const int year = moment.year->currentText().toInt();
  // No whole date yet, or one the calendar does not have (31 February): no
  // weekday at all.
  const bool whole =
      month >= 1 && moment.day->currentIndex() >= 0 && moment.year->currentIndex() >= 0;
  if (!whole || !IsValidDate(year, month, day)) {
    moment.weekday->setCurrentIndex(-1);
    return;
  }
  const std::string_view weekday = WeekdayOfDate(year, month, day);
  moment.weekday->setCurrentIndex(moment.weekday->findData(
      QString::fromUtf8(weekday.data(), static_cast<qsizetype>(weekday.size()))));
}

void SetZoneCaptions(const PlaceBoxes& place, const QString& hours, const QString& minutes) {
  place.zoneHour->setText(hours);
  place.zoneMinute->setText(minutes);
  ShowZoneOffset(place);
}

void ShowZoneOffset(const PlaceBoxes& place) {
  place.zoneOffset->setText(
      ZoneOffsetText(place.zoneHour->text(), place.zoneMinute->text(), place.dst->isChecked()));
}

void FillMoment(const MomentBoxes& moment, const MomentEntry& entry) {
  moment.month->setCurrentIndex(entry.month >= 1 && entry.month <= 12 ? entry.month - 1 : -1);
  SelectNumber(moment.day, entry.day);
  SelectNumber(moment.year, entry.year);
  SelectNumber(moment.hour, entry.hour);
  SelectNumber(moment.minute, entry.minute);
  SelectNumber(moment.second, entry.second);
  SyncWeekday(moment);
}

void FillPlaceBoxes(const PlaceBoxes& place, const PlaceEntry& entry) {
  place.city->setText(QString::fromStdString(entry.city));
  place.state->setText(QString::fromStdString(entry.state));
  place.country->setText(QString::fromStdString(entry.country));
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
