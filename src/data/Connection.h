// The one database connection of a program: settings, lazy opening, bound statements, transactions.
#pragma once

#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace tolvek {

// Where the server is and how we log in; `database` is the period database (empty: none chosen).
struct ConnectionSettings {
  QString host;
  int port = 3306;
  QString user;
  QString password;
  QString database;

  // The built-in defaults of a workstation that has never stored its own.
  static ConnectionSettings defaults();
};

// Named values bound to the placeholders of one statement, in any order.
using Params = std::vector<std::pair<QString, QVariant>>;

class Connection {
 public:
  explicit Connection(const ConnectionSettings& settings = ConnectionSettings::defaults());
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Drops the connection and takes the new values; the next statement opens it again.
  void apply(const ConnectionSettings& settings);
  void setDatabase(const QString& name);
  const ConnectionSettings& settings() const { return settings_; }

  void disconnect();
  bool isConnected() const;
  // Opens now (statements open on demand anyway); throws DbError with the server's message.
  void open();

  // Runs one statement with its values bound; every text value is checked against the Turkish
  // code page first (InputError). Returns a forward-only query before its first row. Throws
  // DbError carrying `doing` and the server's message.
  QSqlQuery exec(const QString& sql, const Params& params = {}, const QString& doing = {});
  // The same for a statement whose count of changed rows matters.
  qint64 execCount(const QString& sql, const Params& params = {}, const QString& doing = {});
  // The first column of the first row, or an invalid value when there is no row.
  QVariant scalar(const QString& sql, const Params& params = {}, const QString& doing = {});

  void begin(const QString& doing);
  void commit();
  void rollback();
  bool inTransaction() const { return inTransaction_; }

  QString connectionName() const { return name_; }

 private:
  QSqlQuery run(const QString& sql, const Params& params, const QString& doing);
  void configureSession();

  QString name_;
  ConnectionSettings settings_;
  bool inTransaction_ = false;
  QString transactionDoing_;
};

// One unit of work: commits when asked, rolls back when it goes out of scope uncommitted (an
// exception or an early return), so that nothing is half written.
class Transaction {
 public:
  Transaction(Connection& connection, const QString& doing);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Connection& connection_;
  bool done_ = false;
};

// Column reads that treat NULL as empty text or 0.
namespace col {
QString text(const QSqlQuery& q, const QString& name);
QString text(const QSqlQuery& q, int index);
double number(const QSqlQuery& q, const QString& name);
double number(const QSqlQuery& q, int index);
qint64 whole(const QSqlQuery& q, const QString& name);
qint64 whole(const QSqlQuery& q, int index);
QDate date(const QSqlQuery& q, const QString& name);
QDate date(const QSqlQuery& q, int index);
QDateTime dateTime(const QSqlQuery& q, const QString& name);
}  // namespace col

}  // namespace tolvek
