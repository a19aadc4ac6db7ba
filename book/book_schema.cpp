#include "book/book_schema.h"

namespace horavela::book {

namespace {

// The birth columns, shared by the first and the current schema.
constexpr std::string_view kFirstPeopleTable = R"(CREATE TABLE IF NOT EXISTS people (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL,
  sex TEXT NOT NULL,
  year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,
  hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL,
  latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL, north INTEGER NOT NULL,
  longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL, east INTEGER NOT NULL,
  zone_hours INTEGER NOT NULL, zone_minutes INTEGER NOT NULL, dst INTEGER NOT NULL,
  city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
  tz TEXT NOT NULL
))";

constexpr std::string_view kPlacesTable = R"(CREATE TABLE places (
  id INTEGER PRIMARY KEY,
  city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
  latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL, north INTEGER NOT NULL,
  longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL, east INTEGER NOT NULL,
  zone_hours INTEGER NOT NULL, zone_minutes INTEGER NOT NULL, dst INTEGER NOT NULL,
  tz TEXT NOT NULL
))";

// The first book is made inside the same lock as the look that found no
// tables; IF NOT EXISTS keeps a second maker harmless all the same.
const std::vector<std::string_view> kFirstSchema = {kFirstPeopleTable};

// Version 2 added the places and a note on each person.
const std::vector<std::string_view> kUpgradeTo2 = {
    "ALTER TABLE people ADD COLUMN note TEXT NOT NULL DEFAULT ''",
    kPlacesTable,
};

const std::vector<std::string_view> kNoStatements;

// The duplicate check of an import looks entries up by these columns; an
// index changes nothing a program of an older version reads or writes, so it
// is made on opening rather than by a new version.
const std::vector<std::string_view> kIndexes = {
    "CREATE INDEX IF NOT EXISTS people_by_birth ON people (name, year, month, day)",
    "CREATE INDEX IF NOT EXISTS places_by_name ON places (city, state, country)",
};

const std::vector<std::string_view> kFirstPeopleColumns = {
    "id",
    "name",
    "sex",
    "year",
    "month",
    "day",
    "hour",
    "minute",
    "second",
    "latitude_degrees",
    "latitude_minutes",
    "north",
    "longitude_degrees",
    "longitude_minutes",
    "east",
    "zone_hours",
    "zone_minutes",
    "dst",
    "city",
    "state",
    "country",
    "tz",
};

const std::vector<std::string_view> kPlacesColumns = {
    "id",
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

}  // namespace

const std::vector<std::string_view>& FirstSchema() {
  return kFirstSchema;
}

const std::vector<std::string_view>& Indexes() {
  return kIndexes;
}

const std::vector<std::string_view>& UpgradeFrom(int from) {
  return from == 1 ? kUpgradeTo2 : kNoStatements;
}

std::vector<TableShape> ShapeOf(int version) {
  if (version == 1) return {{"people", kFirstPeopleColumns}};
  if (version != 2) return {};
  std::vector<std::string_view> people = kFirstPeopleColumns;
  people.push_back("note");
  return {{"people", people}, {"places", kPlacesColumns}};
}

}  // namespace horavela::book
