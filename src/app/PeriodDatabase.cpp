#include "app/PeriodDatabase.h"

#include "app/Company.h"
#include "app/Users.h"
#include "data/Connection.h"
#include "data/Errors.h"
#include "data/Schema.h"

namespace tolvek {

void createPeriodDatabase(Connection& connection, const NewPeriod& p) {
  schema::createDatabase(connection, p.databaseName);
  try {
    Transaction tx(connection, QStringLiteral("%1 ilk kayıtları yazılırken").arg(p.databaseName));
    Company c;
    c.FIRMAADI = p.companyName;
    c.Tarih = p.openingDate;
    c.stokdvz = p.stockCurrency;
    c.KSTUT = 2;
    c.KSMK = 3;
    c.KAPAT = 0;
    company::insert(connection, c);
    connection.exec(QStringLiteral("INSERT INTO tlvkq (SIRA) VALUES (0)"));
    if (auto refused = users::insert(
            connection, {p.adminName, p.adminPassword, kAdministratorRights, QString()})) {
      throw InputError(refused->text);
    }
    tx.commit();
  } catch (...) {
    const QString name = p.databaseName;
    connection.setDatabase(QString());
    try {
      connection.exec(QStringLiteral("DROP DATABASE `%1`").arg(name));
    } catch (const DbError&) {
      // The first failure is the one to report.
    }
    throw;
  }
}

}  // namespace tolvek
