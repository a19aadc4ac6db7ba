#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Small helpers over one named Qt SQL connection to a book.
namespace horavela::book {

// A connection name no other Book uses, in this thread or another.
QString NewConnectionName();

// How a connection may use its file.
enum class Access { kReadWrite, kReadOnly };

// The connection to the SQLite file at `path` under `name`; the reason in
// `error` when it cannot be opened (the connection is then removed). Every
// statement waits a while for another program holding the book.
bool OpenConnection(const QString& name, const QString& path, QString* error,
                    Access access = Access::kReadWrite);

// Closes and removes the connection; no handle to it may be alive.
void CloseConnection(const QString& name);

// Runs `sql` with `values` bound in order; the query's error text in `error`
// when it fails.
bool Run(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error);

// SQLite's result code of a failed query (the primary code, without the
// extended bits), 0 when it gave none.
int SqliteCode(const QSqlQuery& query);

// One write: BEGIN IMMEDIATE, so two programs writing the same book queue up
// rather than fail halfway; rolled back unless committed. A read-only
// transaction (plain BEGIN) sees one state of the book throughout.
class Transaction {
 public:
  explicit Transaction(const QSqlDatabase& database, Access access = Access::kReadWrite);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // Empty when the transaction began, else why not.
  const QString& error() const { return error_; }
  // SQLite's result code when the transaction did not begin (see SqliteCode).
  int errorCode() const { return errorCode_; }
  // Empty on success, else why not (the transaction is then rolled back).
  QString Commit();

 private:
  QSqlDatabase database_;
  QString error_;
  int errorCode_ = 0;
  bool open_ = false;
};

}  // namespace horavela::book
