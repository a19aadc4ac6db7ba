#include "app/book_entries.h"

#include <QStringList>
#include <tuple>

#include "calendar/civil_calendar.h"

namespace horavela::app {

namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

auto Coordinates(const PlaceEntry& p) {
  return std::tie(p.latitudeDegrees, p.latitudeMinutes, p.north, p.longitudeDegrees,
                  p.longitudeMinutes, p.east);
}

}  // namespace

QString BirthDateText(const MomentEntry& birth) {
  const int month = birth.month;
  const QString name = month >= 1 && month <= 12
                           ? FromStd(std::string(kMonthNames[static_cast<std::size_t>(month - 1)]))
                           : QString::number(month);
  return QString("%1 %2 %3").arg(birth.day).arg(name).arg(birth.year);
}

QString ClockText(const MomentEntry& moment) {
  return QString("%1:%2").arg(moment.hour, 2, 10, QChar('0')).arg(moment.minute, 2, 10, QChar('0'));
}

QString PlaceLabelText(const PlaceEntry& place) {
  QStringList parts;
  for (const std::string* part : {&place.city, &place.state, &place.country}) {
    const QString text = FromStd(*part).trimmed();
    if (!text.isEmpty()) parts << text;
  }
  return parts.join(", ");
}

QString CoordinatesText(const PlaceEntry& place) {
  return QString("%1°%2' %3, %4°%5' %6")
      .arg(place.latitudeDegrees)
      .arg(place.latitudeMinutes, 2, 10, QChar('0'))
      .arg(place.north ? "N" : "S")
      .arg(place.longitudeDegrees)
      .arg(place.longitudeMinutes, 2, 10, QChar('0'))
      .arg(place.east ? "E" : "W");
}

bool SamePerson(const book::Person& a, const book::Person& b) {
  const MomentEntry& x = a.birth;
  const MomentEntry& y = b.birth;
  return a.name == b.name &&
         std::tie(x.year, x.month, x.day, x.hour, x.minute, x.second) ==
             std::tie(y.year, y.month, y.day, y.hour, y.minute, y.second) &&
         Coordinates(x.place) == Coordinates(y.place);
}

bool SamePlace(const book::Place& a, const book::Place& b) {
  const PlaceEntry& x = a.place;
  const PlaceEntry& y = b.place;
  return std::tie(x.city, x.state, x.country) == std::tie(y.city, y.state, y.country) &&
         Coordinates(x) == Coordinates(y);
}

}  // namespace horavela::app
