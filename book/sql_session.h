#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Small helpers over one named Qt SQL connection to a book.
namespace horavela::book {

// A connection name no other Book uses, in this thread or another.
QString NewConnectionName();

// The connection to the SQLite file at `path` under `name`; the reason in
// `error` when it cannot be opened (the connection is then removed).
bool OpenConnection(const QString& name, const QString& path, QString* error);

// Closes and removes the connection; no handle to it may be alive.
void CloseConnection(const QString& name);

// Runs `sql` with `values` bound in order; the query's error text in `error`
// when it fails.
bool Run(QSqlQuery& query, const QString& sql, const QVariantList& values, QString* error);

// SQLite's result code of a failed query (the primary code, without the
// extended bits), 0 when it gave none.
int SqliteCode(const QSqlQuery& query);

// One write: BEGIN IMMEDIATE, so two programs writing the same book queue up
// rather than fail halfway; rolled back unless committed.
class Transaction {
 public:
  explicit Transaction(const QSqlDatabase& database);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // Empty when the transaction began, else why not.
  const QString& error() const { return error_; }
  // Empty on success, else why not (the transaction is then rolled back).
  QString Commit();

 private:
  QSqlDatabase database_;
  QString error_;
  bool open_ = false;
};

}  // namespace horavela::book
