#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluation_input.h"
#include "engine/result.h"

// The book of people and places the user keeps, so a birth is typed once: an
// SQLite file in the user's data folder, shared by the desktop program and
// horavela-cli. Names are not unique; a person is told apart by the birth.
namespace horavela::book {

struct Person {
  std::int64_t id = 0;  // 0 until stored
  std::string name;
  std::string sex;    // "Male" or "Female"
  MomentEntry birth;  // date, time, place, coordinates, zone captions and DST
  std::string tz;     // the tz-database zone when picked from the atlas, else empty
  std::string note;
};

struct Place {
  std::int64_t id = 0;  // 0 until stored
  PlaceEntry place;     // city, state, country, coordinates, zone captions and DST
  std::string tz;       // the tz-database zone when picked from the atlas, else empty
};

struct ImportCount {
  int added = 0;
  int skipped = 0;  // people already in the book with the same name and birth, places alike
};

class Book {
 public:
  // Opens the book at `path`, creating it (and its folder) when missing and
  // upgrading an older schema; a StorageFailure saying why when it cannot be
  // opened. A file that is not a book or is damaged is moved aside (never
  // deleted, never overwritten) and a fresh book begun; `notice` then says
  // where the old file went: the book is open, but the user should know.
  static Result<std::unique_ptr<Book>> Open(const std::string& path, std::string* notice = nullptr);
  // Opens the book to be read: as Open does, except that a book the user may
  // read but not write is opened read-only, as it stands (never created,
  // upgraded or set aside; writes to it then fail).
  static Result<std::unique_ptr<Book>> OpenForReading(const std::string& path,
                                                      std::string* notice = nullptr);
  // Where the desktop program keeps its book: book.sqlite in the user's data
  // folder (QStandardPaths::AppDataLocation).
  static std::string DefaultPath();

  virtual ~Book() = default;

  // The schema version of the open file (the current one after an upgrade).
  virtual int SchemaVersion() const = 0;

  // People whose name contains `filter` (case-insensitive; all when empty),
  // by name, then birth date; places alike by city.
  virtual std::vector<Person> People(std::string_view filter = {}) const = 0;
  virtual std::vector<Place> Places(std::string_view filter = {}) const = 0;

  // Each write is one transaction. An entry the book refuses fails with the
  // field's path ("birth.month"); a write that fails, with a StorageFailure.
  // Saving with id 0 adds and sets the id; with an id, replaces that entry.
  virtual Result<void> SavePerson(Person& person) = 0;
  virtual Result<void> DeletePerson(std::int64_t id) = 0;
  virtual Result<void> SavePlace(Place& place) = 0;
  virtual Result<void> DeletePlace(std::int64_t id) = 0;

  // Adds what is not yet in the book, in one transaction; skips duplicates.
  // A refused entry is named by its place in the lists ("people[2].sex"), and
  // nothing is added.
  virtual Result<ImportCount> Import(const std::vector<Person>& people,
                                     const std::vector<Place>& places) = 0;
};

}  // namespace horavela::book
