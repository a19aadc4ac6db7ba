#include "book/sql_session.h"

#include <QSqlError>
#include <atomic>

namespace horavela::book {

namespace {

// How long a write waits for another program holding the book.
constexpr int kBusyTimeoutMs = 5000;

bool Exec(const QSqlDatabase& database, const QString& sql, QString* error) {
  QSqlQuery query(database);
  return Run(query, sql, {}, error);
}

}  // namespace

QString NewConnectionName() {
  static std::atomic<unsigned long long> counter{0};
  return QString("horavela-book-%1").arg(++counter);
}

bool OpenConnection(const QString& name, const QString& path, QString* error, Access access) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", name);
    if (!database.isValid()) {
      *error = "the SQLite driver of Qt SQL is not installed (libqt6sql6-sqlite)";
    } else {
      database.setDatabaseName(path);
      QString options = QString("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
      if (access == Access::kReadOnly) options += ";QSQLITE_OPEN_READONLY";
      database.setConnectOptions(options);
      if (database.open()) return true;
      *error = database.lastError().text();
    }
  }
  QSqlDatabase::removeDatabase(name);
  return false;
}

void CloseConnection(const QString& name) {
  {
    QSqlDatabase database = QSqlDatabase::database(name, false);
    database.close();
  }
  QSqlDatabase::removeDatabase(name);
}

bool Run(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error) {
  bool ok = query.prepare(sql);
  if (ok) {
    for (const QVariant& value : values) query.addBindValue(value);
    ok = query.exec();
  }
  if (!ok && error != nullptr) *error = query.lastError().text();
  return ok;
}

int SqliteCode(const QSqlQuery& query) {
  bool isNumber = false;
  const int code = query.lastError().nativeErrorCode().toInt(&isNumber);
  return isNumber ? (code & 0xFF) : 0;
}

Transaction::Transaction(const QSqlDatabase& database, Access access) : database_(database) {
  QSqlQuery query(database_);
  open_ = Run(query, access == Access::kReadOnly ? "BEGIN" : "BEGIN IMMEDIATE", {}, &error_);
  if (!open_) errorCode_ = SqliteCode(query);
}

Transaction::~Transaction() {
  QString ignored;
  if (open_) Exec(database_, "ROLLBACK", &ignored);
}

QString Transaction::Commit() {
  QString error;
  if (!open_) return error_;
  if (!Exec(database_, "COMMIT", &error)) return error;
  open_ = false;
  return {};
}

}  // namespace horavela::book
