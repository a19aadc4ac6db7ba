#pragma once

// People, places and files for the book's tests.

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "book/book.h"

namespace horavela::book::testing {

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
    std::unique_ptr<Book> book = Book::Open(path, &error, &notice_);
    EXPECT_NE(book, nullptr) << error;
    return book;
  }

  std::string notice_;

 private:
  QTemporaryDir folder_;
};

}  // namespace horavela::book::testing
