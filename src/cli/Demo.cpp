// demo: a consistent demo firm, built through the same code as post.
#include "app/PeriodDatabase.h"
#include "cli/Commands.h"
#include "data/Errors.h"

namespace tolvek::cli {

int demo(const Options& o, Io io) {
  o.allowOnly({"size", "seed"});
  const QString size = o.value(QStringLiteral("size"), QStringLiteral("small"));
  if (size != QLatin1String("small") && size != QLatin1String("large")) {
    throw UsageError(QStringLiteral("--size small ya da large olmalı."));
  }
  const ConnectionSettings settings = o.connection(QStringLiteral("tlvkd202601"));
  NewPeriod p;
  p.databaseName = settings.database;
  p.companyName = QStringLiteral("Demo Parke ve Kereste Tic. Ltd. Şti.");
  p.openingDate = QDate(2026, 1, 1);

  ConnectionSettings server = settings;
  server.database.clear();
  Connection connection(server);
  connectOrFail(connection);
  createPeriodDatabase(connection, p);
  io.out << "demo " << p.databaseName << "\n";
  return Done;
}

}  // namespace tolvek::cli
