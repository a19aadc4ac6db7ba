#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>

#include "book/book.h"
#include "book/book_file.h"
#include "book/book_schema.h"
#include "book/sql_session.h"
#include "book/sqlite_book.h"

namespace horavela::book {

namespace {

// SQLite's result codes for a file that is not a database or is damaged.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

// What an opened file turned out to be.
struct Inspection {
  enum class Kind { kEmpty, kBook, kNewer, kDamaged, kFailed } kind = Kind::kFailed;
  int version = 0;
  QString reason;  // for kDamaged and kFailed
};

Inspection Failure(const QSqlQuery& query, const QString& error) {
  switch (SqliteCode(query)) {
    case kSqliteNotADatabase:
      return {Inspection::Kind::kDamaged, 0, "it is not an SQLite database"};
    case kSqliteCorrupt:
      return {Inspection::Kind::kDamaged, 0, "SQLite finds it damaged"};
    default:
      return {Inspection::Kind::kFailed, 0, error};
  }
}

// The rows of a query of one text column.
bool Texts(const QSqlDatabase& database, const QString& sql, QStringList& texts, Inspection& out) {
  QSqlQuery query(database);
  QString error;
  if (!Run(query, sql, {}, &error)) {
    out = Failure(query, error);
    return false;
  }
  while (query.next()) texts << query.value(0).toString();
  return true;
}

// The tables and columns the file's version should have, all there.
bool HasShape(const QSqlDatabase& database, int version, Inspection& out) {
  for (const TableShape& shape : ShapeOf(version)) {
    QStringList columns;
    const QString table = QString::fromUtf8(shape.table.data(), shape.table.size());
    if (!Texts(database, QString("SELECT name FROM pragma_table_info('%1')").arg(table), columns,
               out))
      return false;
    for (std::string_view column : shape.columns) {
      if (!columns.contains(QString::fromUtf8(column.data(), column.size()))) {
        out = {Inspection::Kind::kDamaged, version,
               QString("its table %1 lacks the column %2")
                   .arg(table, QString::fromUtf8(column.data(), column.size()))};
        return false;
      }
    }
  }
  return true;
}

Inspection Inspect(const QSqlDatabase& database) {
  Inspection out;
  QStringList version;
  if (!Texts(database, "PRAGMA user_version", version, out)) return out;
  out.version = version.value(0).toInt();
  if (out.version > kCurrentSchemaVersion) return {Inspection::Kind::kNewer, out.version, {}};
  QStringList integrity;
  if (!Texts(database, "PRAGMA integrity_check", integrity, out)) return out;
  if (integrity != QStringList{"ok"})
    return {Inspection::Kind::kDamaged, out.version, "SQLite finds it damaged"};
  QStringList tables;
  if (!Texts(database,
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'",
             tables, out))
    return out;
  if (out.version == 0) {
    if (tables.isEmpty()) return {Inspection::Kind::kEmpty, 0, {}};
    return {Inspection::Kind::kDamaged, 0, "it holds tables of another program"};
  }
  if (!HasShape(database, out.version, out)) return out;
  return {Inspection::Kind::kBook, out.version, {}};
}

// Runs the upgrades from `from` up to the current version in one transaction:
// the book is either upgraded whole or left as it was.
QString Upgrade(const QSqlDatabase& database, int from) {
  Transaction transaction(database);
  if (!transaction.error().isEmpty()) return transaction.error();
  QSqlQuery query(database);
  QString error;
  if (from == 0) {
    for (std::string_view sql : FirstSchema()) {
      if (!Run(query, QString::fromUtf8(sql.data(), sql.size()), {}, &error)) return error;
    }
    from = 1;
  }
  for (int version = from; version < kCurrentSchemaVersion; ++version) {
    for (std::string_view sql : UpgradeFrom(version)) {
      if (!Run(query, QString::fromUtf8(sql.data(), sql.size()), {}, &error)) return error;
    }
  }
  if (!Run(query, QString("PRAGMA user_version = %1").arg(kCurrentSchemaVersion), {}, &error))
    return error;
  return transaction.Commit();
}

enum class Outcome { kOpen, kDamaged, kRefused };

// Opens the file as it is: a book (upgraded when older), a fresh one when the
// file is empty, or why not.
Outcome OpenAsIs(const QString& path, const QString& connection, QString& reason) {
  if (!OpenConnection(connection, path, &reason)) return Outcome::kRefused;
  Inspection inspection;
  {
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    inspection = Inspect(database);
    if (inspection.kind == Inspection::Kind::kEmpty || inspection.kind == Inspection::Kind::kBook) {
      if (inspection.version == kCurrentSchemaVersion) return Outcome::kOpen;
      reason = Upgrade(database, inspection.version);
      if (reason.isEmpty()) return Outcome::kOpen;
      if (inspection.version > 0)
        reason = QString("it could not be upgraded from version %1: %2")
                     .arg(inspection.version)
                     .arg(reason);
    }
  }
  CloseConnection(connection);
  switch (inspection.kind) {
    case Inspection::Kind::kNewer:
      reason = QString(
                   "it was written by a newer Horavela (book version %1; this one knows up "
                   "to version %2). It is left as it is: open it with that newer version")
                   .arg(inspection.version)
                   .arg(kCurrentSchemaVersion);
      return Outcome::kRefused;
    case Inspection::Kind::kDamaged:
      reason = inspection.reason;
      return Outcome::kDamaged;
    case Inspection::Kind::kFailed:
      reason = inspection.reason;
      return Outcome::kRefused;
    default:
      return Outcome::kRefused;
  }
}

std::string CannotOpen(const QString& path, const QString& reason) {
  return QString("The book %1 cannot be opened: %2").arg(path, reason).toStdString();
}

}  // namespace

std::unique_ptr<Book> Book::Open(const std::string& path, std::string* error, std::string* notice) {
  const QString file = QString::fromStdString(path);
  QString reason = path.empty() ? QString("no file was named") : CheckBookLocation(file);
  if (!reason.isEmpty()) {
    if (error != nullptr) *error = CannotOpen(file, reason);
    return nullptr;
  }
  const QString connection = NewConnectionName();
  Outcome outcome = OpenAsIs(file, connection, reason);
  if (outcome == Outcome::kDamaged) {
    QString moveError;
    const QString aside = SetAside(file, &moveError);
    if (aside.isEmpty()) {
      if (error != nullptr) *error = CannotOpen(file, moveError);
      return nullptr;
    }
    if (notice != nullptr) {
      *notice = QString(
                    "The book %1 could not be read (%2); it was kept as %3 and a new, empty "
                    "book begun.")
                    .arg(file, reason, aside)
                    .toStdString();
    }
    outcome = OpenAsIs(file, connection, reason);
  }
  if (outcome != Outcome::kOpen) {
    if (error != nullptr) *error = CannotOpen(file, reason);
    return nullptr;
  }
  return std::make_unique<SqliteBook>(connection);
}

std::string Book::DefaultPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath("book.sqlite").toStdString();
}

}  // namespace horavela::book
