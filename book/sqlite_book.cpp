#include "book/sqlite_book.h"

#include <QSqlQuery>
#include <utility>

#include "book/book_schema.h"
#include "book/entry_checks.h"
#include "book/entry_columns.h"
#include "book/sql_session.h"

namespace horavela::book {

namespace {

// What differs between the two tables: their names, columns and order.
struct Table {
  QString name;
  QString noun;  // for messages: "person", "place"
  const QStringList& columns;
  const QStringList& keyColumns;
  QString order;
};

const Table& PeopleTable() {
  static const Table table{"people", "person", PersonColumns(), PersonKeyColumns(),
                           "name COLLATE NOCASE, name, year, month, day, hour, minute, second, id"};
  return table;
}

const Table& PlacesTable() {
  static const Table table{"places", "place", PlaceColumns(), PlaceKeyColumns(),
                           "city COLLATE NOCASE, city, state, country, id"};
  return table;
}

QString Placeholders(int count) {
  QStringList marks;
  for (int i = 0; i < count; ++i) marks << "?";
  return marks.join(", ");
}

QString InsertSql(const Table& table) {
  return QString("INSERT INTO %1 (%2) VALUES (%3)")
      .arg(table.name, table.columns.join(", "), Placeholders(table.columns.size()));
}

QString UpdateSql(const Table& table) {
  return QString("UPDATE %1 SET %2 = ? WHERE id = ?").arg(table.name, table.columns.join(" = ?, "));
}

QString DuplicateSql(const Table& table) {
  return QString("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1")
      .arg(table.name, table.keyColumns.join(" = ? AND "));
}

// The values of the key columns, picked from all of an entry's values.
QVariantList KeyValues(const Table& table, const QVariantList& values) {
  QVariantList key;
  for (const QString& column : table.keyColumns) key << values[table.columns.indexOf(column)];
  return key;
}

Unexpected Failed(const QString& what, const QString& why) {
  return StorageFailure(QString("%1: %2").arg(what, why).toStdString());
}

// Adds or replaces one entry inside an open transaction; sets `id` when added.
Result<void> Write(const QSqlDatabase& database, const Table& table, const QVariantList& values,
                   std::int64_t& id) {
  QSqlQuery query(database);
  QString error;
  if (id == 0) {
    if (!Run(query, InsertSql(table), values, &error))
      return Failed("the " + table.noun + " could not be added", error);
    id = query.lastInsertId().toLongLong();
    return {};
  }
  if (!Run(query, UpdateSql(table), QVariantList(values) << QVariant::fromValue(id), &error))
    return Failed("the " + table.noun + " could not be saved", error);
  if (query.numRowsAffected() == 0)
    return StorageFailure(
        QString("no %1 with id %2 in the book").arg(table.noun).arg(id).toStdString());
  return {};
}

Result<void> SaveOne(const QSqlDatabase& database, const Table& table, const QVariantList& values,
                     std::int64_t& id) {
  Transaction transaction(database);
  if (!transaction.error().isEmpty())
    return Failed("the book could not be written", transaction.error());
  std::int64_t newId = id;
  if (Result<void> written = Write(database, table, values, newId); !written) return written;
  if (const QString error = transaction.Commit(); !error.isEmpty())
    return Failed("the book could not be written", error);
  id = newId;
  return {};
}

Result<void> DeleteOne(const QSqlDatabase& database, const Table& table, std::int64_t id) {
  Transaction transaction(database);
  if (!transaction.error().isEmpty())
    return Failed("the book could not be written", transaction.error());
  QSqlQuery query(database);
  QString error;
  if (!Run(query, QString("DELETE FROM %1 WHERE id = ?").arg(table.name), {QVariant::fromValue(id)},
           &error))
    return Failed("the " + table.noun + " could not be deleted", error);
  if (query.numRowsAffected() == 0)
    return StorageFailure(
        QString("no %1 with id %2 in the book").arg(table.noun).arg(id).toStdString());
  if (const QString commitError = transaction.Commit(); !commitError.isEmpty())
    return Failed("the book could not be written", commitError);
  return {};
}

// Every row of the table in its order, read by `fromRow`.
template <typename Entry, typename FromRow>
std::vector<Entry> ReadAll(const QSqlDatabase& database, const Table& table, FromRow fromRow) {
  QSqlQuery query(database);
  query.setForwardOnly(true);
  std::vector<Entry> entries;
  const QString sql = QString("SELECT id, %1 FROM %2 ORDER BY %3")
                          .arg(table.columns.join(", "), table.name, table.order);
  if (!Run(query, sql, {}, nullptr)) return entries;
  while (query.next()) entries.push_back(fromRow(query));
  return entries;
}

bool Contains(const std::string& text, std::string_view filter) {
  return filter.empty() ||
         QString::fromStdString(text).contains(
             QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())),
             Qt::CaseInsensitive);
}

// Adds each entry not yet in the table; the first problem stops the import
// and names the entry ("people[2].birth.month").
template <typename Entry, typename Check, typename Values>
Result<void> ImportInto(const QSqlDatabase& database, const Table& table,
                        const std::vector<Entry>& entries, Check check, Values valuesOf,
                        ImportCount& count) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string where = table.name.toStdString() + "[" + std::to_string(i) + "]";
    if (const Result<void> checked = check(entries[i]); !checked) {
      Problem problem = checked.error();
      problem.path = where + "." + problem.path;
      return Unexpected(std::move(problem));
    }
    const QVariantList values = valuesOf(entries[i]);
    QSqlQuery query(database);
    QString error;
    if (!Run(query, DuplicateSql(table), KeyValues(table, values), &error))
      return StorageFailure(where + ": " +
                            Failed("the book could not be read", error).problem.message);
    if (query.next()) {
      ++count.skipped;
      continue;
    }
    std::int64_t id = 0;
    if (Result<void> written = Write(database, table, values, id); !written)
      return StorageFailure(where + ": " + written.error().message);
    ++count.added;
  }
  return {};
}

}  // namespace

SqliteBook::SqliteBook(QString connectionName) : connection_(std::move(connectionName)) {}

SqliteBook::~SqliteBook() {
  CloseConnection(connection_);
}

QSqlDatabase SqliteBook::Database() const {
  return QSqlDatabase::database(connection_, false);
}

int SqliteBook::SchemaVersion() const {
  return kCurrentSchemaVersion;
}

std::vector<Person> SqliteBook::People(std::string_view filter) const {
  std::vector<Person> people;
  for (Person& person : ReadAll<Person>(Database(), PeopleTable(), PersonFromRow)) {
    if (Contains(person.name, filter)) people.push_back(std::move(person));
  }
  return people;
}

std::vector<Place> SqliteBook::Places(std::string_view filter) const {
  std::vector<Place> places;
  for (Place& place : ReadAll<Place>(Database(), PlacesTable(), PlaceFromRow)) {
    if (Contains(place.place.city, filter)) places.push_back(std::move(place));
  }
  return places;
}

Result<void> SqliteBook::SavePerson(Person& person) {
  if (const Result<void> checked = CheckPerson(person); !checked) return checked;
  return SaveOne(Database(), PeopleTable(), PersonValues(person), person.id);
}

Result<void> SqliteBook::SavePlace(Place& place) {
  if (const Result<void> checked = CheckPlace(place); !checked) return checked;
  return SaveOne(Database(), PlacesTable(), PlaceValues(place), place.id);
}

Result<void> SqliteBook::DeletePerson(std::int64_t id) {
  return DeleteOne(Database(), PeopleTable(), id);
}

Result<void> SqliteBook::DeletePlace(std::int64_t id) {
  return DeleteOne(Database(), PlacesTable(), id);
}

Result<ImportCount> SqliteBook::Import(const std::vector<Person>& people,
                                       const std::vector<Place>& places) {
  const QSqlDatabase database = Database();
  Transaction transaction(database);
  if (!transaction.error().isEmpty())
    return Failed("the book could not be written", transaction.error());
  ImportCount count;
  if (Result<void> imported =
          ImportInto(database, PeopleTable(), people, CheckPerson, PersonValues, count);
      !imported)
    return Unexpected(imported.error());
  if (Result<void> imported =
          ImportInto(database, PlacesTable(), places, CheckPlace, PlaceValues, count);
      !imported)
    return Unexpected(imported.error());
  if (const QString commitError = transaction.Commit(); !commitError.isEmpty())
    return Failed("the book could not be written", commitError);
  return count;
}

}  // namespace horavela::book
