#include "cli/Cli.h"

#include <map>

#include "app/Company.h"
#include "app/PeriodDatabase.h"
#include "cli/Commands.h"
#include "data/Errors.h"

namespace tolvek::cli {

QString usage() {
  return QStringLiteral(
      "Kullanım: tolvek-cli [bağlantı] KOMUT [seçenekler]\n"
      "bağlantı:  --host H --port N --user U --password P\n"
      "           --period P --firm F   (veritabanı \"tlvkd\" + P + F)   ya da   --database AD\n"
      "komutlar:\n"
      "  init-db  [--company AD] [--opening-date YYYY-AA-GG] [--stock-currency DVZ]\n"
      "           [--admin AD --admin-password ŞİFRE]\n"
      "  post     [DOSYA | -]      kartlar ve evraklar, JSON\n"
      "  report   AD [seçenekler] [--format csv|html|pdf] [--output DOSYA]\n"
      "  demo     [--size small|large] [--seed N]\n"
      "çıkış durumu: 0 tamam; 1 reddedildi; 2 kullanım ya da bağlantı hatası\n");
}

void connectOrFail(Connection& connection) {
  try {
    connection.open();
  } catch (const DbError& e) {
    throw ConnectionFailure(e.text());
  }
}

std::unique_ptr<TDM> openSession(const ConnectionSettings& settings) {
  if (settings.database.isEmpty()) {
    throw UsageError(
        QStringLiteral("Veritabanı belirtilmedi: --period ile --firm ya da --database verin."));
  }
  auto dm = std::make_unique<TDM>();
  dm->serverAddress = settings.host;
  dm->port = settings.port;
  dm->dbUser = settings.user;
  dm->dbPassword = settings.password;
  dm->databaseName = settings.database;
  dm->applyConnectionSettings();
  connectOrFail(dm->connection());
  const Company c = company::load(dm->connection()).value_or(Company{});
  dm->userName = dm->userId = settings.user.left(16);
  dm->rights = kAdministratorRights;
  dm->loggedIn = true;
  dm->companyName = c.FIRMAADI;
  dm->openingDate = c.Tarih;
  dm->periodClosed = c.KAPAT;
  dm->stockCurrency = c.stokdvz;
  return dm;
}

int run(const QStringList& args, Io io) {
  using Command = std::function<int(const Options&, Io)>;
  static const std::map<QString, Command> commands = {
      {QStringLiteral("init-db"), initDb},
      {QStringLiteral("demo"), demo},
      {QStringLiteral("post"), post},
      {QStringLiteral("report"), report},
  };
  try {
    const Options options = Options::parse(args);
    if (options.flag(QStringLiteral("help")) || options.command() == QLatin1String("help")) {
      io.out << usage();
      return Done;
    }
    if (options.command().isEmpty()) throw UsageError(QStringLiteral("Komut verilmedi."));
    const auto it = commands.find(options.command());
    if (it == commands.end()) {
      throw UsageError(QStringLiteral("Bilinmeyen komut: %1").arg(options.command()));
    }
    return it->second(options, io);
  } catch (const UsageError& e) {
    io.err << e.text() << "\n\n" << usage();
    return UsageOrConnection;
  } catch (const ConnectionFailure& e) {
    io.err << e.text() << "\n";
    return UsageOrConnection;
  } catch (const Failure& e) {
    io.err << e.text() << "\n";
    return Refused;
  }
}

}  // namespace tolvek::cli
