#include "data/DocumentCounter.h"

#include <QString>

#include "data/Connection.h"
#include "data/Errors.h"

namespace tolvek {

namespace {
const QString kDoing = QStringLiteral("Yeni evrak numarası alınırken");

// The increment and the read-back happen in one UPDATE: the row lock serialises workstations and
// LAST_INSERT_ID keeps this connection's value whatever the others do afterwards.
bool bump(Connection& c) {
  return c.execCount(QStringLiteral(
                         "UPDATE tlvkq SET SIRA = LAST_INSERT_ID(COALESCE(SIRA, 0) + 1) LIMIT 1"),
                     {}, kDoing) > 0;
}

qint64 readBack(Connection& c) {
  return c.scalar(QStringLiteral("SELECT LAST_INSERT_ID()"), {}, kDoing).toLongLong();
}
}  // namespace

qint64 takeNextNumber(Connection& c) {
  if (bump(c)) return readBack(c);
  // An empty counter: a named lock keeps two workstations from both creating the row.
  const QString lock = QStringLiteral("SELECT GET_LOCK(CONCAT('tolvek.tlvkq.', DATABASE()), 30)");
  if (c.scalar(lock, {}, kDoing).toInt() != 1) {
    throw DbError(kDoing, QStringLiteral("sayaç kilidi alınamadı"));
  }
  struct Release {
    Connection& c;
    ~Release() {
      try {
        c.exec(QStringLiteral("SELECT RELEASE_LOCK(CONCAT('tolvek.tlvkq.', DATABASE()))"));
      } catch (...) {
        // The lock ends with the session anyway.
      }
    }
  } release{c};
  if (bump(c)) return readBack(c);
  c.exec(QStringLiteral("INSERT INTO tlvkq (SIRA) VALUES (LAST_INSERT_ID(1))"), {}, kDoing);
  return readBack(c);
}

qint64 lastNumber(Connection& c) {
  return static_cast<qint64>(c.scalar(QStringLiteral("SELECT SIRA FROM tlvkq LIMIT 1"), {},
                                      QStringLiteral("Evrak sayacı okunurken"))
                                 .toDouble());
}

}  // namespace tolvek
