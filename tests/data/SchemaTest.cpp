// The tables as the server reports them, against the column list every stored database has.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QSqlRecord>
#include <map>

#include "data/Connection.h"
#include "data/Errors.h"
#include "data/Schema.h"
#include "support/FreshDatabase.h"

using namespace tolvek;

namespace {

// table -> "COLUMN TYPE" in declared order, written out independently of the schema code.
const std::map<QString, QStringList> kExpected = {
    {"tlvka", {"FIRMAADI varchar(40)", "ADRES1 varchar(40)",   "ADRES2 varchar(40)",
               "SEHIR varchar(20)",    "POSTA varchar(6)",     "ULKE varchar(14)",
               "VERGIDA varchar(20)",  "VERGINO varchar(16)",  "SIGORTAD varchar(20)",
               "SIGORTAN varchar(16)", "MUHASEBE varchar(40)", "KURLAR varchar(40)",
               "ADRES varchar(40)",    "TELEFON1 varchar(16)", "TELEFON2 varchar(16)",
               "FAX varchar(16)",      "EMAIL varchar(40)",    "Tarih datetime",
               "KSTUT int(11)",        "KSMK int(11)",         "FATKOD varchar(6)",
               "FATDON varchar(6)",    "KAPAT int(11)",        "stokdvz varchar(4)"}},
    {"tlvkb",
     {"MakKodu varchar(3)", "MakAdi varchar(20)", "MakFiyat double", "MakGir1 varchar(10)",
      "MakGir2 varchar(10)", "MakGir3 varchar(10)", "MakCik1 varchar(10)", "MakCik2 varchar(10)",
      "MakCik3 varchar(10)", "MakEkS varchar(10)", "MakEkN double"}},
    {"tlvkc",
     {"FIRMAKOD varchar(12)", "TARIH datetime", "T varchar(1)", "EVRAK bigint(20)", "HESKUR double",
      "DVZ varchar(3)", "KUR double", "BORC double", "ALACAK double", "USER_ID varchar(16)",
      "VALOR datetime", "ILGI bigint(20)", "BELGE varchar(10)", "OK varchar(2)",
      "HESAP varchar(12)"}},
    {"tlvkd",
     {"GrupKodu varchar(20)", "UrunKodu varchar(24)", "Tarih datetime", "EvrakNo bigint(20)",
      "Sira bigint(20)", "Firma varchar(12)", "Brmik double", "Giris double", "Cikis double",
      "Onay varchar(1)", "Sevk datetime"}},
    {"tlvke",
     {"Tarih datetime", "Doviz varchar(3)", "MerkezAl double", "MerkezSat double",
      "SerbestAl double", "SerbestSat double", "BankaAl double", "BankaSat double"}},
    {"tlvkf",
     {"KARTON varchar(12)",   "ADI varchar(40)",     "ADRES1 varchar(40)",   "ADRES2 varchar(40)",
      "POSTAKOD varchar(6)",  "SEHIR varchar(20)",   "ULKE varchar(40)",     "TELEFON varchar(25)",
      "FAX varchar(40)",      "VERGDA varchar(20)",  "VERGINO varchar(12)",  "EMAIL varchar(40)",
      "YETKILI varchar(30)",  "REF varchar(40)",     "NOT_A varchar(40)",    "GRUP1 varchar(40)",
      "GRUP2 varchar(40)",    "GRUP3 varchar(40)",   "EKADRES1 varchar(40)", "EKADRES2 varchar(40)",
      "EKADRES3 varchar(40)", "EKADRES4 varchar(40)"}},
    {"tlvkg",
     {"EvrakNo bigint(20)", "Adres1 varchar(40)", "Adres2 varchar(40)", "Adres3 varchar(40)",
      "Ek1 varchar(20)"}},
    {"tlvkh",
     {"HESAPKOD varchar(12)", "TIP varchar(3)", "KARTON varchar(6)", "TANIM varchar(40)",
      "MHSBKODU varchar(12)", "LIMITB double", "LIMITA double"}},
    {"tlvko",
     {"User_Name varchar(16)", "User_Pass varchar(16)", "User_Works varchar(16)",
      "User_Account varchar(80)"}},
    {"tlvkp",
     {"GrupKodu varchar(20)", "UrunKodu varchar(24)", "Tanim varchar(40)", "Tm1 double",
      "BirimMik double", "Ek1 varchar(4)"}},
    {"tlvkq", {"SIRA double"}},
    {"tlvks",
     {"GrupKodu varchar(20)", "Tarih datetime", "EvrakTip varchar(1)", "EvrakNo bigint(20)",
      "Sira bigint(20)", "Firma varchar(12)", "Dvz varchar(3)", "Fiyat double", "Giris double",
      "Cikis double", "Indirim double", "Kdv double", "Kalitein double"}},
    {"tlvku",
     {"GrupKodu varchar(20)", "Tanim varchar(40)", "Firma varchar(12)", "TGrup varchar(8)",
      "Tm1 int(11)", "Tm2 int(11)", "Tm3 int(11)", "Birim varchar(4)", "KDV int(11)",
      "Dvz varchar(3)", "Fiyat double", "HesTip varchar(12)", "Takip varchar(1)", "Oz1 varchar(3)",
      "Oz2 varchar(3)", "Oz3 varchar(3)", "Oz4 varchar(3)"}},
    {"tlvkx",
     {"Evrak bigint(20)", "Izahat varchar(40)", "Izahat2 varchar(40)", "Izahat3 varchar(40)",
      "Izahat4 varchar(40)", "Izahat5 varchar(40)"}},
};

QStringList rows(Connection& c, const QString& sql, const QString& db) {
  QStringList out;
  QSqlQuery q = c.exec(sql, {{":db", db}});
  const int n = q.record().count();
  while (q.next()) {
    QStringList cells;
    for (int i = 0; i < n; ++i) cells << col::text(q, i);
    out << cells.join(' ');
  }
  return out;
}

}  // namespace

TEST(Schema, EveryTableHasExactlyItsColumnsAndTypes) {
  test::FreshDatabase db;
  std::map<QString, QStringList> actual;
  for (const QString& row :
       rows(db.connection(),
            "SELECT TABLE_NAME, COLUMN_NAME, COLUMN_TYPE FROM information_schema.COLUMNS "
            "WHERE TABLE_SCHEMA = :db ORDER BY TABLE_NAME, ORDINAL_POSITION",
            db.name())) {
    const QStringList p = row.split(' ');
    actual[p[0]] << p[1] + ' ' + p[2];
  }
  EXPECT_EQ(actual.size(), 14u);
  for (const auto& [table, columns] : kExpected) {
    EXPECT_EQ(actual[table], columns) << table.toStdString();
  }
}

TEST(Schema, TextColumnsAreTurkishCodesCompareByteByByte) {
  test::FreshDatabase db;
  const QStringList engines = rows(db.connection(),
                                   "SELECT DISTINCT ENGINE, TABLE_COLLATION FROM "
                                   "information_schema.TABLES WHERE TABLE_SCHEMA = :db",
                                   db.name());
  EXPECT_EQ(engines, QStringList{"InnoDB latin5_turkish_ci"});

  const QStringList collations = rows(
      db.connection(),
      "SELECT CONCAT(TABLE_NAME, '.', COLUMN_NAME), COLLATION_NAME FROM information_schema.COLUMNS "
      "WHERE TABLE_SCHEMA = :db AND CONCAT(TABLE_NAME, '.', COLUMN_NAME) IN ('tlvkh.HESAPKOD', "
      "'tlvkh.TANIM', 'tlvko.User_Name', 'tlvko.User_Pass', 'tlvkc.DVZ', 'tlvkx.Izahat', "
      "'tlvku.GrupKodu', 'tlvkf.ADI') ORDER BY 1",
      db.name());
  EXPECT_EQ(collations,
            (QStringList{"tlvkc.DVZ latin5_bin", "tlvkf.ADI latin5_turkish_ci",
                         "tlvkh.HESAPKOD latin5_bin", "tlvkh.TANIM latin5_turkish_ci",
                         "tlvko.User_Name latin5_bin", "tlvko.User_Pass latin5_bin",
                         "tlvku.GrupKodu latin5_bin", "tlvkx.Izahat latin5_turkish_ci"}));
}

TEST(Schema, KeysAndIndexes) {
  test::FreshDatabase db;
  const QStringList keys = rows(
      db.connection(),
      "SELECT TABLE_NAME, INDEX_NAME, NON_UNIQUE, GROUP_CONCAT(COLUMN_NAME ORDER BY SEQ_IN_INDEX) "
      "FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = :db "
      "GROUP BY TABLE_NAME, INDEX_NAME, NON_UNIQUE ORDER BY TABLE_NAME, INDEX_NAME",
      db.name());
  EXPECT_EQ(keys, (QStringList{
                      "tlvkb PRIMARY 0 MakKodu",
                      "tlvkc EVRAK 1 EVRAK",
                      "tlvkc FIRMAKOD 1 FIRMAKOD",
                      "tlvkd EvrakNo 1 EvrakNo",
                      "tlvkd GrupKodu 1 GrupKodu",
                      "tlvke PRIMARY 0 Tarih,Doviz",
                      "tlvkf KARTON 1 KARTON",
                      "tlvkg PRIMARY 0 EvrakNo",
                      "tlvkh PRIMARY 0 HESAPKOD",
                      "tlvko User_Name 0 User_Name",
                      "tlvkp PRIMARY 0 GrupKodu,UrunKodu",
                      "tlvks EvrakNo 1 EvrakNo",
                      "tlvks GrupKodu 1 GrupKodu",
                      "tlvku PRIMARY 0 GrupKodu",
                      "tlvkx PRIMARY 0 Evrak",
                  }));
}

TEST(Schema, AnExistingDatabaseIsRefusedAndKept) {
  test::FreshDatabase db;
  db.connection().exec("INSERT INTO tlvkh (HESAPKOD, TANIM) VALUES ('100', 'KASA')");
  Connection other(db.settings());
  EXPECT_THROW(schema::createDatabase(other, db.name()), InputError);
  other.setDatabase(db.name());
  EXPECT_EQ(other.scalar("SELECT COUNT(*) FROM tlvkh").toInt(), 1);
}

TEST(Schema, DatabaseNameIsPeriodThenFirmCodeAsTyped) {
  EXPECT_EQ(schema::databaseName("2010", "01"), "tlvkd201001");
  EXPECT_EQ(schema::databaseName("10", "1"), "tlvkd101");
  EXPECT_EQ(schema::databaseName(" 26", "a"), "tlvkd 26a");
}
