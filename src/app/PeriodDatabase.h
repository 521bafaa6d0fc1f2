// A new period database: every table, the company row, the counter row and an administrator.
#pragma once

#include <QDate>
#include <QString>

namespace tolvek {

class Connection;

struct NewPeriod {
  QString databaseName;
  QString companyName;
  QDate openingDate;
  QString stockCurrency = QStringLiteral("YTL");
  QString adminName = QStringLiteral("ADMIN");
  QString adminPassword = QStringLiteral("admin");
};

// The rights string of an administrator: every area at full level.
inline const QString kAdministratorRights = QStringLiteral("3333333333000000");

// Creates the database and fills its first rows in one go; refuses (InputError) an existing
// database without touching it, and drops a half-made one. Leaves the connection on the new
// database.
void createPeriodDatabase(Connection& connection, const NewPeriod& period);

}  // namespace tolvek
