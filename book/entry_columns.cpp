#include "book/entry_columns.h"

#include <cstdint>

namespace horavela::book {

namespace {

const QStringList kPlaceColumns = {
    "city",
    "state",
    "country",
    "latitude_degrees",
    "latitude_minutes",
    "north",
    "longitude_degrees",
    "longitude_minutes",
    "east",
    "zone_hours",
    "zone_minutes",
    "dst",
    "tz",
};

// The place's columns as a person's birth holds them, beside its own.
const QStringList kPersonColumns =
    QStringList{"name", "sex", "year", "month", "day", "hour", "minute", "second"} + kPlaceColumns +
    QStringList{"note"};

const QStringList kCoordinateColumns = {"latitude_degrees",  "latitude_minutes",  "north",
                                        "longitude_degrees", "longitude_minutes", "east"};

const QStringList kPersonKeyColumns =
    QStringList{"name", "sex", "year", "month", "day", "hour", "minute", "second"} +
    kCoordinateColumns;
const QStringList kPlaceKeyColumns = QStringList{"city", "state", "country"} + kCoordinateColumns;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void AppendPlace(QVariantList& values, const PlaceEntry& place, const std::string& tz) {
  values << Text(place.city) << Text(place.state) << Text(place.country) << place.latitudeDegrees
         << place.latitudeMinutes << place.north << place.longitudeDegrees << place.longitudeMinutes
         << place.east << place.zoneHours << place.zoneMinutes << place.dst << Text(tz);
}

// Reads the place's columns from `column` on; returns the column after them.
int ReadPlace(const QSqlQuery& query, int column, PlaceEntry& place, std::string& tz) {
  const auto text = [&](int i) { return query.value(i).toString().toStdString(); };
  const auto number = [&](int i) { return static_cast<std::int16_t>(query.value(i).toInt()); };
  place.city = text(column++);
  place.state = text(column++);
  place.country = text(column++);
  place.latitudeDegrees = number(column++);
  place.latitudeMinutes = number(column++);
  place.north = query.value(column++).toBool();
  place.longitudeDegrees = number(column++);
  place.longitudeMinutes = number(column++);
  place.east = query.value(column++).toBool();
  place.zoneHours = number(column++);
  place.zoneMinutes = number(column++);
  place.dst = query.value(column++).toBool();
  tz = text(column++);
  return column;
}

}  // namespace

const QStringList& PersonColumns() {
  return kPersonColumns;
}
const QStringList& PlaceColumns() {
  return kPlaceColumns;
}
const QStringList& PersonKeyColumns() {
  return kPersonKeyColumns;
}
const QStringList& PlaceKeyColumns() {
  return kPlaceKeyColumns;
}

QVariantList PersonValues(const Person& person) {
  const MomentEntry& birth = person.birth;
  QVariantList values;
  values << Text(person.name) << Text(person.sex) << birth.year << birth.month << birth.day
         << birth.hour << birth.minute << birth.second;
  AppendPlace(values, birth.place, person.tz);
  values << Text(person.note);
  return values;
}

QVariantList PlaceValues(const Place& place) {
  QVariantList values;
  AppendPlace(values, place.place, place.tz);
  return values;
}

Person PersonFromRow(const QSqlQuery& query) {
  const auto number = [&](int i) { return static_cast<std::int16_t>(query.value(i).toInt()); };
  Person person;
  person.id = query.value(0).toLongLong();
  person.name = query.value(1).toString().toStdString();
  person.sex = query.value(2).toString().toStdString();
  person.birth.year = number(3);
  person.birth.month = number(4);
  person.birth.day = number(5);
  person.birth.hour = number(6);
  person.birth.minute = number(7);
  person.birth.second = number(8);
  const int next = ReadPlace(query, 9, person.birth.place, person.tz);
  person.note = query.value(next).toString().toStdString();
  return person;
}

Place PlaceFromRow(const QSqlQuery& query) {
  Place place;
  place.id = query.value(0).toLongLong();
  ReadPlace(query, 1, place.place, place.tz);
  return place;
}

}  // namespace horavela::book
