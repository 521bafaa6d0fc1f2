// init-db and demo: new period databases.
#include "app/PeriodDatabase.h"
#include "cli/Commands.h"
#include "data/Errors.h"

namespace tolvek::cli {

namespace {

// The options of init-db over the defaults of a new firm.
NewPeriod periodFrom(const Options& o, const ConnectionSettings& settings) {
  NewPeriod p;
  p.databaseName = settings.database;
  p.companyName = o.value(QStringLiteral("company"), QStringLiteral("Yeni Firma"));
  const QString period = o.value(QStringLiteral("period"));
  const int year =
      period.size() == 4 && period.toInt() > 1900 ? period.toInt() : QDate::currentDate().year();
  p.openingDate = o.date(QStringLiteral("opening-date")).value_or(QDate(year, 1, 1));
  p.stockCurrency = o.value(QStringLiteral("stock-currency"), QStringLiteral("YTL"));
  p.adminName = o.value(QStringLiteral("admin"), QStringLiteral("ADMIN"));
  p.adminPassword = o.value(QStringLiteral("admin-password"), QStringLiteral("admin"));
  return p;
}

int create(const NewPeriod& period, const ConnectionSettings& settings, Io io) {
  ConnectionSettings server = settings;
  server.database.clear();
  Connection connection(server);
  connectOrFail(connection);
  createPeriodDatabase(connection, period);
  io.out << "init-db " << period.databaseName << "\n";
  return Done;
}

}  // namespace

int initDb(const Options& o, Io io) {
  o.allowOnly({"company", "opening-date", "stock-currency", "admin", "admin-password"});
  if (!o.namesDatabase()) {
    throw UsageError(QStringLiteral("init-db için --period ile --firm ya da --database verin."));
  }
  const ConnectionSettings settings = o.connection();
  return create(periodFrom(o, settings), settings, io);
}

}  // namespace tolvek::cli
