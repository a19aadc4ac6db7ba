#pragma once

#include <QSqlDatabase>
#include <QString>

#include "book/book.h"

namespace horavela::book {

// A book on an open Qt SQL connection of its own, at the current schema
// version; the connection is removed with the book.
class SqliteBook final : public Book {
 public:
  explicit SqliteBook(QString connectionName);
  ~SqliteBook() override;
  SqliteBook(const SqliteBook&) = delete;
  SqliteBook& operator=(const SqliteBook&) = delete;

  int SchemaVersion() const override;
  std::vector<Person> People(std::string_view filter) const override;
  std::vector<Place> Places(std::string_view filter) const override;
  Result<void> SavePerson(Person& person) override;
  Result<void> DeletePerson(std::int64_t id) override;
  Result<void> SavePlace(Place& place) override;
  Result<void> DeletePlace(std::int64_t id) override;
  Result<ImportCount> Import(const std::vector<Person>& people,
                             const std::vector<Place>& places) override;

 private:
  QSqlDatabase Database() const;

  QString connection_;
};

}  // namespace horavela::book
