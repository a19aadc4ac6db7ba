#pragma once

// People, places and files for the book's tests.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "book/book.h"

namespace horavela::book::testing {

// What a change of the book said: nothing when it was made.
inline std::string Said(const Result<void>& change) {
  return change ? std::string() : ProblemText(change.error());
}

// The book at `path`, or nothing with the reason in `error`.
inline std::unique_ptr<Book> OpenOrSay(const std::string& path, std::string& error,
                                       std::string* notice = nullptr) {
  Result<std::unique_ptr<Book>> opened = Book::Open(path, notice);
  error = opened ? std::string() : ProblemText(opened.error());
  return opened ? std::move(*opened) : nullptr;
}

// What an import added and skipped, or none with the reason in `error`.
inline ImportCount ImportOrSay(Book& book, const std::vector<Person>& people,
                               const std::vector<Place>& places, std::string& error) {
  const Result<ImportCount> count = book.Import(people, places);
  error = count ? std::string() : ProblemText(count.error());
  return count ? *count : ImportCount{};
}

inline Person Asha() {
  Person person;
  person.name = "Asha";
  person.sex = "Female";
  person.birth.year = 1990;
  person.birth.month = 6;
  person.birth.day = 21;
  person.birth.hour = 6;
  person.birth.minute = 15;
  person.birth.second = 30;
  PlaceEntry& place = person.birth.place;
  place.latitudeDegrees = 9;
  place.latitudeMinutes = 55;
  place.longitudeDegrees = 78;
  place.longitudeMinutes = 7;
  place.zoneHours = -5;
  place.zoneMinutes = -30;
  place.city = "Madurai";
  place.state = "Tamil Nadu";
  place.country = "India";
  person.tz = "Asia/Kolkata";
  person.note = "eldest; time from the hospital card";
  return person;
}

inline Place London() {
  Place place;
  place.place.latitudeDegrees = 51;
  place.place.latitudeMinutes = 30;
  place.place.longitudeDegrees = 0;
  place.place.longitudeMinutes = 7;
  place.place.east = false;
  place.place.city = "London";
  place.place.country = "UK";
  place.tz = "Europe/London";
  return place;
}

// Runs statements on an SQLite file of the test's own making.
inline void RunSql(const std::string& path, const std::vector<std::string>& statements) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", "hand-made");
    database.setDatabaseName(QString::fromStdString(path));
    ASSERT_TRUE(database.open());
    QSqlQuery query(database);
    for (const std::string& sql : statements)
      ASSERT_TRUE(query.exec(QString::fromStdString(sql))) << sql;
  }
  QSqlDatabase::removeDatabase("hand-made");
}

// The first book as it was written: people only, no note.
inline const std::vector<std::string> kFirstBook = {
    "CREATE TABLE people (id INTEGER PRIMARY KEY, name TEXT NOT NULL, sex TEXT NOT NULL, "
    "year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL, "
    "hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL, "
    "latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL, north INTEGER NOT NULL, "
    "longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL, east INTEGER NOT "
    "NULL, "
    "zone_hours INTEGER NOT NULL, zone_minutes INTEGER NOT NULL, dst INTEGER NOT NULL, "
    "city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL, tz TEXT NOT NULL)",
    "INSERT INTO people VALUES (7, 'Ravi', 'Male', 1975, 3, 14, 23, 5, 0, 13, 5, 1, 80, 17, 1, "
    "-5, -30, 0, 'Chennai', 'Tamil Nadu', 'India', '')",
    "PRAGMA user_version = 1",
};

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A folder of its own for each test, removed after it.
class BookTest : public ::testing::Test {
 protected:
  std::filesystem::path Folder() const { return folder_.path().toStdString(); }
  std::string BookPath() const { return (Folder() / "book.sqlite").string(); }

  std::unique_ptr<Book> OpenBook(const std::string& path) {
    std::string error;
    std::unique_ptr<Book> book = OpenOrSay(path, error, &notice_);
    EXPECT_NE(book, nullptr) << error;
    return book;
  }

  std::string notice_;

 private:
  QTemporaryDir folder_;
};

}  // namespace horavela::book::testing
