// Column names, types and orders are those every workstation and stored database already use.
#include "data/Schema.h"

#include <QRegularExpression>

#include "data/Connection.h"
#include "data/Errors.h"

namespace tolvek::schema {

namespace {

constexpr Text C = Text::Code;
constexpr Text N = Text::Name;

std::vector<Table> build() {
  std::vector<Table> t;
  t.push_back({"tlvka",
               {{"FIRMAADI", "VARCHAR(40)", N},
                {"ADRES1", "VARCHAR(40)", N},
                {"ADRES2", "VARCHAR(40)", N},
                {"SEHIR", "VARCHAR(20)", N},
                {"POSTA", "VARCHAR(6)", N},
                {"ULKE", "VARCHAR(14)", N},
                {"VERGIDA", "VARCHAR(20)", N},
                {"VERGINO", "VARCHAR(16)", N},
                {"SIGORTAD", "VARCHAR(20)", N},
                {"SIGORTAN", "VARCHAR(16)", N},
                {"MUHASEBE", "VARCHAR(40)", N},
                {"KURLAR", "VARCHAR(40)", N},
                {"ADRES", "VARCHAR(40)", N},
                {"TELEFON1", "VARCHAR(16)", N},
                {"TELEFON2", "VARCHAR(16)", N},
                {"FAX", "VARCHAR(16)", N},
                {"EMAIL", "VARCHAR(40)", N},
                {"Tarih", "DATETIME"},
                {"KSTUT", "INT"},
                {"KSMK", "INT"},
                {"FATKOD", "VARCHAR(6)", C},
                {"FATDON", "VARCHAR(6)", C},
                {"KAPAT", "INT"},
                {"stokdvz", "VARCHAR(4)", C}},
               {}});
  t.push_back({"tlvkb",
               {{"MakKodu", "VARCHAR(3)", C},
                {"MakAdi", "VARCHAR(20)", N},
                {"MakFiyat", "DOUBLE"},
                {"MakGir1", "VARCHAR(10)", C},
                {"MakGir2", "VARCHAR(10)", C},
                {"MakGir3", "VARCHAR(10)", C},
                {"MakCik1", "VARCHAR(10)", C},
                {"MakCik2", "VARCHAR(10)", C},
                {"MakCik3", "VARCHAR(10)", C},
                {"MakEkS", "VARCHAR(10)", N},
                {"MakEkN", "DOUBLE"}},
               {{{"MakKodu"}, true}}});
  t.push_back({"tlvkc",
               {{"FIRMAKOD", "VARCHAR(12)", C},
                {"TARIH", "DATETIME"},
                {"T", "VARCHAR(1)", C},
                {"EVRAK", "BIGINT"},
                {"HESKUR", "DOUBLE"},
                {"DVZ", "VARCHAR(3)", C},
                {"KUR", "DOUBLE"},
                {"BORC", "DOUBLE"},
                {"ALACAK", "DOUBLE"},
                // Widened from 8 so that a 16-character user name is kept whole.
                {"USER_ID", "VARCHAR(16)", C},
                {"VALOR", "DATETIME"},
                {"ILGI", "BIGINT"},
                {"BELGE", "VARCHAR(10)", C},
                {"OK", "VARCHAR(2)", C},
                {"HESAP", "VARCHAR(12)", C}},
               {{{"EVRAK"}}, {{"FIRMAKOD"}}}});
  t.push_back({"tlvkd",
               {{"GrupKodu", "VARCHAR(20)", C},
                {"UrunKodu", "VARCHAR(24)", C},
                {"Tarih", "DATETIME"},
                {"EvrakNo", "BIGINT"},
                {"Sira", "BIGINT"},
                {"Firma", "VARCHAR(12)", C},
                {"Brmik", "DOUBLE"},
                {"Giris", "DOUBLE"},
                {"Cikis", "DOUBLE"},
                {"Onay", "VARCHAR(1)", C},
                {"Sevk", "DATETIME"}},
               {{{"EvrakNo"}}, {{"GrupKodu"}}}});
  t.push_back({"tlvke",
               {{"Tarih", "DATETIME"},
                {"Doviz", "VARCHAR(3)", C},
                {"MerkezAl", "DOUBLE"},
                {"MerkezSat", "DOUBLE"},
                {"SerbestAl", "DOUBLE"},
                {"SerbestSat", "DOUBLE"},
                {"BankaAl", "DOUBLE"},
                {"BankaSat", "DOUBLE"}},
               {{{"Tarih", "Doviz"}, true}}});
  t.push_back({"tlvkf",
               {{"KARTON", "VARCHAR(12)", C},   {"ADI", "VARCHAR(40)", N},
                {"ADRES1", "VARCHAR(40)", N},   {"ADRES2", "VARCHAR(40)", N},
                {"POSTAKOD", "VARCHAR(6)", N},  {"SEHIR", "VARCHAR(20)", N},
                {"ULKE", "VARCHAR(40)", N},     {"TELEFON", "VARCHAR(25)", N},
                {"FAX", "VARCHAR(40)", N},      {"VERGDA", "VARCHAR(20)", N},
                {"VERGINO", "VARCHAR(12)", N},  {"EMAIL", "VARCHAR(40)", N},
                {"YETKILI", "VARCHAR(30)", N},  {"REF", "VARCHAR(40)", N},
                {"NOT_A", "VARCHAR(40)", N},    {"GRUP1", "VARCHAR(40)", C},
                {"GRUP2", "VARCHAR(40)", C},    {"GRUP3", "VARCHAR(40)", C},
                {"EKADRES1", "VARCHAR(40)", N}, {"EKADRES2", "VARCHAR(40)", N},
                {"EKADRES3", "VARCHAR(40)", N}, {"EKADRES4", "VARCHAR(40)", N}},
               // Several cards may carry the same code; readers take the first.
               {{{"KARTON"}}}});
  t.push_back({"tlvkg",
               {{"EvrakNo", "BIGINT"},
                {"Adres1", "VARCHAR(40)", N},
                {"Adres2", "VARCHAR(40)", N},
                {"Adres3", "VARCHAR(40)", N},
                {"Ek1", "VARCHAR(20)", N}},
               {{{"EvrakNo"}, true}}});
  t.push_back({"tlvkh",
               {{"HESAPKOD", "VARCHAR(12)", C},
                {"TIP", "VARCHAR(3)", C},
                {"KARTON", "VARCHAR(6)", C},
                {"TANIM", "VARCHAR(40)", N},
                {"MHSBKODU", "VARCHAR(12)", C},
                {"LIMITB", "DOUBLE"},
                {"LIMITA", "DOUBLE"}},
               {{{"HESAPKOD"}, true}}});
  t.push_back({"tlvko",
               {{"User_Name", "VARCHAR(16)", C},
                {"User_Pass", "VARCHAR(16)", C},
                {"User_Works", "VARCHAR(16)", C},
                {"User_Account", "VARCHAR(80)", C}},
               // Two users of one name could never both log in.
               {{{"User_Name"}, false, true}}});
  t.push_back({"tlvkp",
               {{"GrupKodu", "VARCHAR(20)", C},
                {"UrunKodu", "VARCHAR(24)", C},
                {"Tanim", "VARCHAR(40)", N},
                {"Tm1", "DOUBLE"},
                {"BirimMik", "DOUBLE"},
                {"Ek1", "VARCHAR(4)", C}},
               {{{"GrupKodu", "UrunKodu"}, true}}});
  t.push_back({"tlvkq", {{"SIRA", "DOUBLE"}}, {}});
  t.push_back({"tlvks",
               {{"GrupKodu", "VARCHAR(20)", C},
                {"Tarih", "DATETIME"},
                {"EvrakTip", "VARCHAR(1)", C},
                {"EvrakNo", "BIGINT"},
                {"Sira", "BIGINT"},
                {"Firma", "VARCHAR(12)", C},
                {"Dvz", "VARCHAR(3)", C},
                {"Fiyat", "DOUBLE"},
                {"Giris", "DOUBLE"},
                {"Cikis", "DOUBLE"},
                {"Indirim", "DOUBLE"},
                {"Kdv", "DOUBLE"},
                {"Kalitein", "DOUBLE"}},
               {{{"EvrakNo"}}, {{"GrupKodu"}}}});
  t.push_back({"tlvku",
               {{"GrupKodu", "VARCHAR(20)", C},
                {"Tanim", "VARCHAR(40)", N},
                {"Firma", "VARCHAR(12)", C},
                {"TGrup", "VARCHAR(8)", C},
                {"Tm1", "INT"},
                {"Tm2", "INT"},
                {"Tm3", "INT"},
                {"Birim", "VARCHAR(4)", C},
                {"KDV", "INT"},
                {"Dvz", "VARCHAR(3)", C},
                {"Fiyat", "DOUBLE"},
                {"HesTip", "VARCHAR(12)", C},
                {"Takip", "VARCHAR(1)", C},
                {"Oz1", "VARCHAR(3)", C},
                {"Oz2", "VARCHAR(3)", C},
                {"Oz3", "VARCHAR(3)", C},
                {"Oz4", "VARCHAR(3)", C}},
               {{{"GrupKodu"}, true}}});
  t.push_back({"tlvkx",
               {{"Evrak", "BIGINT"},
                {"Izahat", "VARCHAR(40)", N},
                {"Izahat2", "VARCHAR(40)", N},
                {"Izahat3", "VARCHAR(40)", N},
                {"Izahat4", "VARCHAR(40)", N},
                {"Izahat5", "VARCHAR(40)", N}},
               {{{"Evrak"}, true}}});
  return t;
}

QString quoted(const QStringList& columns) {
  QStringList q;
  for (const QString& c : columns) q << QLatin1Char('`') + c + QLatin1Char('`');
  return q.join(QLatin1Char(','));
}

}  // namespace

const std::vector<Table>& tables() {
  static const std::vector<Table> all = build();
  return all;
}

int width(const QString& table, const QString& column) {
  static const QRegularExpression varchar(QStringLiteral("^VARCHAR\\((\\d+)\\)$"));
  for (const Table& t : tables()) {
    if (table.compare(QLatin1String(t.name), Qt::CaseInsensitive) != 0) continue;
    for (const Column& c : t.columns) {
      if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) != 0) continue;
      const auto m = varchar.match(QLatin1String(c.type));
      return m.hasMatch() ? m.captured(1).toInt() : 0;
    }
  }
  return 0;
}

QStringList createStatements() {
  QStringList out;
  for (const Table& t : tables()) {
    QStringList parts;
    for (const Column& c : t.columns) {
      QString def = QStringLiteral("`%1` %2").arg(QLatin1String(c.name), QLatin1String(c.type));
      if (c.text == Text::Code) def += QStringLiteral(" COLLATE latin5_bin");
      if (c.text == Text::Name) def += QStringLiteral(" COLLATE latin5_turkish_ci");
      parts << def;
    }
    for (const Index& i : t.indexes) {
      if (i.primary) {
        parts << QStringLiteral("PRIMARY KEY (%1)").arg(quoted(i.columns));
      } else {
        parts << QStringLiteral("%1 `%2` (%3)")
                     .arg(i.unique ? QStringLiteral("UNIQUE KEY") : QStringLiteral("KEY"),
                          i.columns.join(QLatin1Char('_')), quoted(i.columns));
      }
    }
    out << QStringLiteral(
               "CREATE TABLE `%1` (\n  %2\n) ENGINE=InnoDB DEFAULT CHARSET=latin5 "
               "COLLATE=latin5_turkish_ci")
               .arg(QLatin1String(t.name), parts.join(QStringLiteral(",\n  ")));
  }
  return out;
}

bool databaseExists(Connection& connection, const QString& name) {
  return connection
      .scalar(QStringLiteral("SELECT SCHEMA_NAME FROM information_schema.SCHEMATA "
                             "WHERE SCHEMA_NAME = :name"),
              {{QStringLiteral(":name"), name}}, QStringLiteral("Veritabanı aranırken"))
      .isValid();
}

void createDatabase(Connection& connection, const QString& name) {
  static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_]{1,64}$"));
  // The name has to be spliced into CREATE DATABASE, so only plain identifier characters pass.
  if (!safe.match(name).hasMatch()) {
    throw InputError(QStringLiteral("Geçersiz veritabanı adı \"%1\": yalnız harf, rakam ve '_' "
                                    "kullanılabilir.")
                         .arg(name));
  }
  connection.setDatabase(QString());
  if (databaseExists(connection, name)) {
    throw InputError(QStringLiteral("%1 veritabanı zaten var; dokunulmadı.").arg(name));
  }
  connection.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET latin5 COLLATE "
                                 "latin5_turkish_ci")
                      .arg(name),
                  {}, QStringLiteral("%1 veritabanı oluşturulurken").arg(name));
  try {
    connection.setDatabase(name);
    for (const QString& sql : createStatements()) {
      connection.exec(sql, {}, QStringLiteral("%1 tabloları oluşturulurken").arg(name));
    }
  } catch (...) {
    connection.setDatabase(QString());
    try {
      connection.exec(QStringLiteral("DROP DATABASE `%1`").arg(name));
    } catch (const DbError&) {
      // The original failure is the one worth reporting.
    }
    throw;
  }
}

QString databaseName(const QString& period, const QString& firmCode) {
  return QStringLiteral("tlvkd") + period + firmCode;
}

}  // namespace tolvek::schema
