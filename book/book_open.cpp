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

Inspection Failure(int sqliteCode, const QString& error) {
  switch (sqliteCode) {
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
    out = Failure(SqliteCode(query), error);
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

// Runs the statements in order; the first failure's text, or empty.
QString RunAll(const QSqlDatabase& database, const std::vector<std::string_view>& statements) {
  QSqlQuery query(database);
  QString error;
  for (std::string_view sql : statements) {
    if (!Run(query, QString::fromUtf8(sql.data(), sql.size()), {}, &error)) return error;
  }
  return {};
}

// Runs the upgrades from `from` up to the current version inside the open
// transaction, so the book is either upgraded whole or left as it was, and
// makes the indexes that are missing.
QString Upgrade(const QSqlDatabase& database, int from) {
  QString error;
  if (from == 0) {
    error = RunAll(database, FirstSchema());
    from = 1;
  }
  for (int version = from; error.isEmpty() && version < kCurrentSchemaVersion; ++version)
    error = RunAll(database, UpgradeFrom(version));
  if (!error.isEmpty()) return error;
  // A book already current is left unwritten: its indexes are made only when
  // missing, and its version stays as it is.
  QSqlQuery query(database);
  if (from != kCurrentSchemaVersion &&
      !Run(query, QString("PRAGMA user_version = %1").arg(kCurrentSchemaVersion), {}, &error))
    return error;
  return RunAll(database, Indexes());
}

enum class Outcome { kOpen, kDamaged, kRefused };

// Looks at the book and brings it up to date under one lock, so that another
// program making or upgrading the same book at the same moment is waited for
// rather than caught halfway (a new book's tables without its version would
// look like another program's database). Read-only, nothing is changed and an
// older book is refused.
Inspection InspectAndUpgrade(const QSqlDatabase& database, Access access, QString& reason) {
  Transaction transaction(database, access);
  if (!transaction.error().isEmpty()) return Failure(transaction.errorCode(), transaction.error());
  Inspection inspection = Inspect(database);
  const bool usable =
      inspection.kind == Inspection::Kind::kEmpty || inspection.kind == Inspection::Kind::kBook;
  if (!usable) return inspection;
  if (access == Access::kReadOnly) {
    if (inspection.kind == Inspection::Kind::kBook && inspection.version != kCurrentSchemaVersion)
      reason =
          QString("it is a book of version %1, which must be upgraded, and it may only be read")
              .arg(inspection.version);
    return inspection;
  }
  reason = Upgrade(database, inspection.version);
  if (reason.isEmpty()) reason = transaction.Commit();
  if (!reason.isEmpty() && inspection.version > 0)
    reason =
        QString("it could not be upgraded from version %1: %2").arg(inspection.version).arg(reason);
  return inspection;
}

// Opens the file as it is: a book (upgraded when older), a fresh one when the
// file is empty, or why not.
Outcome OpenAsIs(const QString& path, const QString& connection, Access access, QString& reason) {
  if (!OpenConnection(connection, path, &reason, access)) return Outcome::kRefused;
  Inspection inspection;
  reason.clear();
  {
    const QSqlDatabase database = QSqlDatabase::database(connection, false);
    inspection = InspectAndUpgrade(database, access, reason);
    const bool usable =
        inspection.kind == Inspection::Kind::kEmpty || inspection.kind == Inspection::Kind::kBook;
    if (usable && reason.isEmpty()) return Outcome::kOpen;
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
      return access == Access::kReadOnly ? Outcome::kRefused : Outcome::kDamaged;
    case Inspection::Kind::kFailed:
      reason = inspection.reason;
      return Outcome::kRefused;
    default:
      return Outcome::kRefused;
  }
}

Unexpected CannotOpen(const QString& path, const QString& reason) {
  return StorageFailure(
      QString("The book %1 cannot be opened: %2").arg(path, reason).toStdString());
}

}  // namespace

Result<std::unique_ptr<Book>> Book::Open(const std::string& path, std::string* notice) {
  const QString file = QString::fromStdString(path);
  QString reason = path.empty() ? QString("no file was named") : CheckBookLocation(file);
  if (!reason.isEmpty()) return CannotOpen(file, reason);
  const QString connection = NewConnectionName();
  Outcome outcome = OpenAsIs(file, connection, Access::kReadWrite, reason);
  // A second look before anything is moved: a file is set aside only when it
  // is found damaged twice.
  if (outcome == Outcome::kDamaged)
    outcome = OpenAsIs(file, connection, Access::kReadWrite, reason);
  if (outcome == Outcome::kDamaged) {
    QString moveError;
    const QString aside = SetAside(file, &moveError);
    if (aside.isEmpty()) return CannotOpen(file, moveError);
    if (notice != nullptr) {
      *notice = QString(
                    "The book %1 could not be read (%2); it was kept as %3 and a new, empty "
                    "book begun.")
                    .arg(file, reason, aside)
                    .toStdString();
    }
    outcome = OpenAsIs(file, connection, Access::kReadWrite, reason);
  }
  if (outcome != Outcome::kOpen) return CannotOpen(file, reason);
  return std::unique_ptr<Book>(std::make_unique<SqliteBook>(connection));
}

Result<std::unique_ptr<Book>> Book::OpenForReading(const std::string& path, std::string* notice) {
  const QString file = QString::fromStdString(path);
  if (path.empty() || !OnlyReadable(file)) return Open(path, notice);
  const QString connection = NewConnectionName();
  QString reason;
  if (OpenAsIs(file, connection, Access::kReadOnly, reason) != Outcome::kOpen)
    return CannotOpen(file, reason);
  return std::unique_ptr<Book>(std::make_unique<SqliteBook>(connection));
}

std::string Book::DefaultPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath("book.sqlite").toStdString();
}

}  // namespace horavela::book
