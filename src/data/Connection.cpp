// QtSql does the talking; this wrapper adds what every caller relies on: strict mode, utf8mb4 on
// the wire, the code-page check before a statement runs, errors that carry the server's text.
#include "data/Connection.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>

#include "data/Errors.h"
#include "data/TurkishText.h"

namespace tolvek {

namespace {

QAtomicInt nextConnectionId{0};

// The client library's codes for a connection that died under us (idle timeout, server restart).
bool connectionLost(const QSqlError& e) {
  const QString code = e.nativeErrorCode();
  return code == QLatin1String("2006") || code == QLatin1String("2013");
}

QString serverText(const QSqlError& e) {
  QString text = e.databaseText();
  if (text.isEmpty()) text = e.driverText();
  if (text.isEmpty()) text = e.text();
  return text.trimmed();
}

}  // namespace

ConnectionSettings ConnectionSettings::defaults() {
  ConnectionSettings s;
  s.host = QStringLiteral("127.0.0.1");
  s.port = 3306;
  s.user = QStringLiteral("tolvek");
  s.password = QStringLiteral("tolvek");
  return s;
}

Connection::Connection(const ConnectionSettings& settings)
    : name_(QStringLiteral("tolvek-%1").arg(nextConnectionId.fetchAndAddRelaxed(1))),
      settings_(settings) {
  QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name_);
}

Connection::~Connection() {
  {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isOpen()) db.close();
  }
  QSqlDatabase::removeDatabase(name_);
}

void Connection::apply(const ConnectionSettings& settings) {
  disconnect();
  settings_ = settings;
}

void Connection::setDatabase(const QString& name) {
  disconnect();
  settings_.database = name;
}

void Connection::disconnect() {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  if (db.isOpen()) db.close();
  inTransaction_ = false;
}

bool Connection::isConnected() const { return QSqlDatabase::database(name_, false).isOpen(); }

void Connection::open() {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  if (db.isOpen()) return;
  if (!db.isValid()) {
    throw DbError(QStringLiteral("Veritabanı bağlantısı"),
                  QStringLiteral("MySQL sürücüsü (QMYSQL) yüklenemedi"));
  }
  db.setHostName(settings_.host);
  db.setPort(settings_.port);
  db.setUserName(settings_.user);
  db.setPassword(settings_.password);
  db.setDatabaseName(settings_.database);
  db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10"));
  if (!db.open()) {
    const QString why = serverText(db.lastError());
    db.close();
    throw DbError(QStringLiteral("Veritabanı sunucusuna bağlanılamadı (%1:%2)")
                      .arg(settings_.host)
                      .arg(settings_.port),
                  why);
  }
  configureSession();
}

void Connection::configureSession() {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  for (const char* sql :
       {"SET NAMES utf8mb4",
        "SET SESSION sql_mode = "
        "'STRICT_ALL_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION'"}) {
    QSqlQuery q(db);
    if (!q.exec(QString::fromLatin1(sql))) {
      throw DbError(QStringLiteral("Oturum ayarlanırken"), serverText(q.lastError()));
    }
  }
}

QSqlQuery Connection::run(const QString& sql, const Params& params, const QString& doing) {
  for (const auto& [name, value] : params) {
    if (value.typeId() == QMetaType::QString) latin5::requireStorable(value.toString());
  }
  for (int attempt = 0;; ++attempt) {
    open();
    QSqlQuery q(QSqlDatabase::database(name_, false));
    q.setForwardOnly(true);
    bool ok;
    if (params.empty()) {
      ok = q.exec(sql);
    } else {
      ok = q.prepare(sql);
      if (ok) {
        for (const auto& [name, value] : params) {
          // Writers store empty text as '', never as NULL, whatever QString held it.
          const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
          q.bindValue(name.startsWith(QChar(':')) ? name : QChar(':') + name,
                      nullText ? QVariant(QStringLiteral("")) : value);
        }
        ok = q.exec();
      }
    }
    if (ok) return q;
    const QSqlError error = q.lastError();
    // A connection that timed out while the clerk was away is opened again once, unless a
    // transaction was under way: its earlier statements are gone with it.
    if (attempt == 0 && connectionLost(error) && !inTransaction_) {
      disconnect();
      continue;
    }
    throw DbError(doing, serverText(error));
  }
}

QSqlQuery Connection::exec(const QString& sql, const Params& params, const QString& doing) {
  return run(sql, params, doing);
}

qint64 Connection::execCount(const QString& sql, const Params& params, const QString& doing) {
  QSqlQuery q = run(sql, params, doing);
  return q.numRowsAffected();
}

QVariant Connection::scalar(const QString& sql, const Params& params, const QString& doing) {
  QSqlQuery q = run(sql, params, doing);
  return q.next() ? q.value(0) : QVariant();
}

void Connection::begin(const QString& doing) {
  open();
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  if (!db.transaction()) throw DbError(doing, serverText(db.lastError()));
  inTransaction_ = true;
  transactionDoing_ = doing;
}

void Connection::commit() {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  inTransaction_ = false;
  if (!db.commit()) throw DbError(transactionDoing_, serverText(db.lastError()));
}

void Connection::rollback() {
  if (!inTransaction_) return;
  inTransaction_ = false;
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  if (db.isOpen()) db.rollback();
}

Transaction::Transaction(Connection& connection, const QString& doing) : connection_(connection) {
  connection_.begin(doing);
}

Transaction::~Transaction() {
  if (!done_) connection_.rollback();
}

void Transaction::commit() {
  done_ = true;
  connection_.commit();
}

namespace col {

QString text(const QSqlQuery& q, int index) {
  const QVariant v = q.value(index);
  return v.isNull() ? QString() : v.toString();
}
QString text(const QSqlQuery& q, const QString& name) { return text(q, q.record().indexOf(name)); }
double number(const QSqlQuery& q, int index) {
  const QVariant v = q.value(index);
  return v.isNull() ? 0.0 : v.toDouble();
}
double number(const QSqlQuery& q, const QString& name) {
  return number(q, q.record().indexOf(name));
}
qint64 whole(const QSqlQuery& q, int index) {
  const QVariant v = q.value(index);
  return v.isNull() ? 0 : v.toLongLong();
}
qint64 whole(const QSqlQuery& q, const QString& name) { return whole(q, q.record().indexOf(name)); }
QDate date(const QSqlQuery& q, int index) {
  const QVariant v = q.value(index);
  if (v.isNull()) return QDate();
  return v.typeId() == QMetaType::QDate ? v.toDate() : v.toDateTime().date();
}
QDate date(const QSqlQuery& q, const QString& name) { return date(q, q.record().indexOf(name)); }
QDateTime dateTime(const QSqlQuery& q, const QString& name) {
  const QVariant v = q.value(q.record().indexOf(name));
  return v.isNull() ? QDateTime() : v.toDateTime();
}

}  // namespace col

}  // namespace tolvek
