// post kinds of the accounts and rates, the chart report, and the demo firm.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTemporaryDir>

#include "data/Connection.h"
#include "support/CliRunner.h"
#include "support/FreshDatabase.h"
#include "support/TestServer.h"

using namespace tolvek;
using test::runCliOn;

TEST(PostAccounts, CardsOpeningsAndRatesAsTheirScreensWriteThem) {
  test::FreshDatabase db;
  db.connection().exec("INSERT INTO tlvka (FIRMAADI, Tarih, KAPAT) VALUES ('F', '2026-01-01', 0)");
  const auto r = test::postJson(db.name(), R"([
    {"kind": "account", "HESAPKOD": "120,001", "TANIM": "Ali'nin Dükkânı", "TIP": "usd", "KARTON": "mus"},
    {"kind": "account", "HESAPKOD": "120,001", "TANIM": "Ali'nin Dükkânı", "TIP": "EUR", "LIMITB": 5000},
    {"kind": "address", "KARTON": "120.001", "ADI": "Ali'nin Dükkânı", "SEHIR": "İzmir"},
    {"kind": "opening", "FIRMAKOD": "120.001", "ALACAK": 150.5},
    {"kind": "opening", "FIRMAKOD": "120.001", "BORC": 99},
    {"kind": "rate", "Tarih": "2026-01-05", "Doviz": "USD", "MerkezSat": 35.2},
    {"kind": "rate", "Tarih": "2026-01-05", "Doviz": "USD", "MerkezSat": 35.25, "MerkezAl": 35.1}
  ])");
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out,
            "account 120.001\naccount 120.001\naddress 120.001\nopening 120.001\nopening 120.001\n"
            "rate 2026-01-05 USD\nrate 2026-01-05 USD\n");
  Connection& c = db.connection();
  QSqlQuery a = c.exec("SELECT TANIM, TIP, KARTON, LIMITB, COUNT(*) FROM tlvkh");
  ASSERT_TRUE(a.next());
  EXPECT_EQ(a.value(0).toString(), "Ali'nin Dükkânı");
  EXPECT_EQ(a.value(1).toString(), "EUR");
  EXPECT_EQ(a.value(2).toString(), "");
  EXPECT_EQ(a.value(3).toDouble(), 5000);
  EXPECT_EQ(a.value(4).toInt(), 1);
  QSqlQuery o = c.exec("SELECT BORC, ALACAK, DVZ, TARIH, COUNT(*) FROM tlvkc WHERE EVRAK = 0");
  ASSERT_TRUE(o.next());
  EXPECT_EQ(o.value(0).toDouble(), 99);
  EXPECT_EQ(o.value(1).toDouble(), 0);
  EXPECT_EQ(o.value(2).toString(), "EUR");
  EXPECT_EQ(o.value(3).toDate(), QDate(2026, 1, 1));
  EXPECT_EQ(o.value(4).toInt(), 1);
  QSqlQuery k = c.exec("SELECT MerkezAl, MerkezSat, COUNT(*) FROM tlvke");
  ASSERT_TRUE(k.next());
  EXPECT_EQ(k.value(0).toDouble(), 35.1);
  EXPECT_EQ(k.value(1).toDouble(), 35.25);
  EXPECT_EQ(k.value(2).toInt(), 1);
}

TEST(PostAccounts, RefusalsOfTheScreens) {
  struct Case {
    const char* json;
    const char* said;
  };
  const Case cases[] = {
      {R"({"kind": "account", "HESAPKOD": "1", "TANIM": "Kasa", "TIP": "YTL"})", "en az iki"},
      {R"({"kind": "account", "HESAPKOD": "100", "TANIM": "Kasa", "TIP": "XYZ"})",
       "Döviz listeden"},
      {R"({"kind": "account", "HESAPKOD": "10€", "TANIM": "Kasa", "TIP": "YTL"})",
       "\"€\" karakteri"},
      {R"({"kind": "opening", "FIRMAKOD": "999", "BORC": 5})", "hesap planında yok"},
      {R"({"kind": "rate", "Tarih": "2026-01-05", "Doviz": "ЕВР", "MerkezSat": 1})", "karakteri"},
  };
  for (const Case& c : cases) {
    test::FreshDatabase db;
    const auto r = test::postJson(db.name(), QString::fromUtf8(c.json));
    EXPECT_EQ(r.status, 1) << c.json;
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.said))) << c.json << "\n" << r.err.toStdString();
  }

  test::FreshDatabase locked;
  locked.connection().exec("INSERT INTO tlvka (Tarih, KAPAT) VALUES ('2026-01-01', 1)");
  locked.connection().exec("INSERT INTO tlvkh (HESAPKOD, TIP) VALUES ('100', 'YTL')");
  const auto r =
      test::postJson(locked.name(), R"({"kind": "opening", "FIRMAKOD": "100", "BORC": 5})");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains("Dönem Kapatıldı")) << r.err.toStdString();
}

TEST(ChartReport, CsvAndHtmlBetweenTwoCodes) {
  test::FreshDatabase db;
  for (const char* code : {"100", "120.001", "320.001"}) {
    db.connection().exec(
        "INSERT INTO tlvkh (HESAPKOD, TANIM, TIP, KARTON) VALUES (:k, 'Ad <x>', 'YTL', 'K')",
        {{":k", code}});
  }
  const auto csv =
      runCliOn({"--database", db.name(), "report", "chart", "--from", "320", "--to", "110"});
  ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
  EXPECT_EQ(csv.out, "HESAP KODU,HESAP ADI,TIP,KARTON\n120.001,Ad <x>,YTL,K\n");
  const auto html = runCliOn({"--database", db.name(), "report", "chart", "--format", "html"});
  ASSERT_EQ(html.status, 0);
  EXPECT_TRUE(html.out.contains("<td>Ad &lt;x&gt;</td>"));
  EXPECT_TRUE(html.out.contains("<title>Cari Hesap Plan")) << html.out.toStdString();
}

TEST(Demo, TheDemoFirmHasItsAccountsCardsOpeningsAndAMonthOfRates) {
  const auto r = runCliOn({"--database", "tlvkddemo5", "demo"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  Connection c(test::TestServer::instance().settings("tlvkddemo5"));
  EXPECT_GE(c.scalar("SELECT COUNT(*) FROM tlvkh").toInt(), 40);
  EXPECT_EQ(c.scalar("SELECT COUNT(DISTINCT TIP) FROM tlvkh").toInt(), 3);
  EXPECT_GE(c.scalar("SELECT COUNT(*) FROM tlvkf").toInt(), 25);
  EXPECT_GE(c.scalar("SELECT COUNT(*) FROM tlvkc WHERE T = 'D' AND EVRAK = 0").toInt(), 15);
  EXPECT_EQ(c.scalar("SELECT COUNT(DISTINCT Tarih) FROM tlvke").toInt(), 31);
  EXPECT_EQ(
      c.scalar("SELECT COUNT(*) FROM tlvkc WHERE FIRMAKOD NOT IN (SELECT HESAPKOD FROM tlvkh)")
          .toInt(),
      0);
}
