// The command line contract: connection options, exit statuses, init-db and demo.
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "data/Connection.h"
#include "data/Schema.h"
#include "support/CliRunner.h"
#include "support/TestServer.h"

using namespace tolvek;
using test::runCli;
using test::runCliOn;

namespace {
Connection on(const QString& database) {
  return Connection(test::TestServer::instance().settings(database));
}
}  // namespace

TEST(Cli, InitDbBuildsTheWholePeriodDatabase) {
  const auto r = runCliOn({"--period", "2031", "--firm", "07", "init-db", "--company",
                           "Yıldız Parke A.Ş.", "--admin", "MUDUR", "--admin-password", "gizli"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "init-db tlvkd203107\n");

  Connection c(test::TestServer::instance().settings("tlvkd203107"));
  EXPECT_EQ(
      c.scalar("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE()")
          .toInt(),
      14);
  QSqlQuery a = c.exec("SELECT FIRMAADI, Tarih, stokdvz, KAPAT FROM tlvka");
  ASSERT_TRUE(a.next());
  EXPECT_EQ(col::text(a, 0), "Yıldız Parke A.Ş.");
  EXPECT_EQ(col::date(a, 1), QDate(2031, 1, 1));
  EXPECT_EQ(col::text(a, 2), "YTL");
  EXPECT_EQ(col::whole(a, 3), 0);
  EXPECT_FALSE(a.next());
  EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM tlvkq WHERE SIRA = 0").toInt(), 1);
  QSqlQuery u = c.exec("SELECT User_Name, User_Pass, User_Works FROM tlvko");
  ASSERT_TRUE(u.next());
  EXPECT_EQ(col::text(u, 0), "MUDUR");
  EXPECT_EQ(col::text(u, 1), "gizli");
  EXPECT_EQ(col::text(u, 2), "3333333333000000");

  // The same again is refused and leaves the database as it was.
  c.exec("INSERT INTO tlvkh (HESAPKOD) VALUES ('100')");
  const auto again = runCliOn({"--database", "tlvkd203107", "init-db"});
  EXPECT_EQ(again.status, 1);
  EXPECT_TRUE(again.err.contains("zaten var")) << again.err.toStdString();
  EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM tlvkh").toInt(), 1);
}

TEST(Cli, InitDbOptions) {
  const auto r = runCliOn({"--database", "tlvkdopt", "init-db", "--opening-date", "2026-03-01",
                           "--stock-currency", "EUR"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  auto c = on("tlvkdopt");
  QSqlQuery a = c.exec("SELECT Tarih, stokdvz FROM tlvka");
  ASSERT_TRUE(a.next());
  EXPECT_EQ(col::date(a, 0), QDate(2026, 3, 1));
  EXPECT_EQ(col::text(a, 1), "EUR");
}

TEST(Cli, ExitStatusesAndMessages) {
  struct Case {
    QStringList args;
    int status;
    const char* said;
  };
  const auto s = test::TestServer::instance().settings();
  const QString port = QString::number(s.port);
  const QList<Case> cases = {
      {{"--host", "127.0.0.1", "--port", "1", "--user", "tolvek", "--password", "tolvek",
        "--database", "tlvkdx", "init-db"},
       2,
       "bağlanılamadı"},
      {{"--host", "127.0.0.1", "--port", port, "--user", "tolvek", "--password", "yanlis",
        "--database", "tlvkdx", "init-db"},
       2,
       "Access denied"},
      {{"--host", "127.0.0.1", "--port", port, "--user", "tolvek", "--password", "tolvek",
        "--database", "tlvkd_yok", "post", "-"},
       2,
       "Unknown database"},
      {{"yoket"}, 2, "Bilinmeyen komut: yoket"},
      {{"--database", "tlvkdx", "init-db", "--renk", "mavi"}, 2, "Bilinmeyen seçenek: --renk"},
      {{"init-db"}, 2, "--period"},
      {{"--database", "tlvkdx", "init-db", "--opening-date", "1.1.2026"}, 2, "YYYY-AA-GG"},
      {{}, 2, "Komut verilmedi"},
  };
  for (const Case& c : cases) {
    const auto r = runCli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString() << "\n" << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.said))) << c.args.join(' ').toStdString() << "\n"
                                                           << r.err.toStdString();
  }
  EXPECT_EQ(runCli({"--help"}).status, 0);
}

TEST(Cli, AnEmptyPasswordIsAValidPassword) {
  const auto s = test::TestServer::instance().settings();
  const auto r = runCli({"--host", "127.0.0.1", "--port", QString::number(s.port), "--user", "bos",
                         "--password", "", "--database", "tlvkdbos", "init-db"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
}

TEST(Cli, DemoCreatesTheDemoFirm) {
  const auto r = runCliOn({"--database", "tlvkddemo", "demo", "--seed", "3"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  auto c = on("tlvkddemo");
  EXPECT_EQ(c.scalar("SELECT User_Pass FROM tlvko WHERE User_Name = 'ADMIN'").toString(), "admin");
  EXPECT_EQ(c.scalar("SELECT Tarih FROM tlvka").toDate(), QDate(2026, 1, 1));
}
