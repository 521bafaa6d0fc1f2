// The connection wrapper: transactions, the code-page refusal, NULL reads, server errors.
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "data/Connection.h"
#include "data/Errors.h"
#include "support/FreshDatabase.h"
#include "support/TestServer.h"

using namespace tolvek;

namespace {
int accounts(Connection& c) { return c.scalar("SELECT COUNT(*) FROM tlvkh").toInt(); }
}  // namespace

TEST(Connection, ATransactionThatFailsHalfWayLeavesNothing) {
  test::FreshDatabase db;
  Connection& c = db.connection();
  try {
    Transaction tx(c, "iki hesap yazılırken");
    c.exec("INSERT INTO tlvkh (HESAPKOD, TANIM) VALUES (:k, :t)", {{":k", "100"}, {":t", "KASA"}});
    c.exec("INSERT INTO tlvkh (HESAPKOD, TANIM) VALUES (:k, :t)",
           {{":k", "100"}, {":t", "TEKRAR"}});
    tx.commit();
    FAIL() << "the duplicate code must fail";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.serverMessage().contains("Duplicate entry")) << e.text().toStdString();
  }
  EXPECT_EQ(accounts(c), 0);
  EXPECT_FALSE(c.inTransaction());

  // A refusal raised between statements rolls back just the same.
  try {
    Transaction tx(c, "yazılırken");
    c.exec("INSERT INTO tlvkh (HESAPKOD) VALUES ('200')");
    c.exec("INSERT INTO tlvkh (HESAPKOD, TANIM) VALUES ('201', :t)",
           {{":t", QString("Fiyat 5 €")}});
    tx.commit();
  } catch (const InputError&) {
  }
  EXPECT_EQ(accounts(c), 0);
}

TEST(Connection, TextLatin5CannotHoldIsRefusedNamingTheCharacter) {
  test::FreshDatabase db;
  Connection& c = db.connection();
  struct Case {
    QString text;
    QString named;
  };
  for (const Case& k :
       {Case{"Fiyat 5 €", "\"€\""}, Case{"Москва", "\"М\""},
        Case{QString::fromUtf8("Selam \xF0\x9F\x98\x80"), "U+1F600"}, Case{"Ðiş", "\"Ð\""}}) {
    try {
      c.exec("INSERT INTO tlvkh (HESAPKOD, TANIM) VALUES ('1', :t)", {{":t", k.text}});
      ADD_FAILURE() << "accepted " << k.text.toStdString();
    } catch (const InputError& e) {
      EXPECT_TRUE(e.text().contains(k.named)) << e.text().toStdString();
      EXPECT_TRUE(e.text().contains("kaydedilemez")) << e.text().toStdString();
    }
  }
  EXPECT_EQ(accounts(c), 0);

  const QString turkish = "ĞÜŞİÖÇ ğüşıöç âîû 'x' \"y\"";
  c.exec("INSERT INTO tlvkh (HESAPKOD, TANIM) VALUES ('1', :t)", {{":t", turkish}});
  EXPECT_EQ(c.scalar("SELECT TANIM FROM tlvkh").toString(), turkish);
  // Stored as single bytes, not as UTF-8.
  EXPECT_EQ(c.scalar("SELECT LENGTH(TANIM) FROM tlvkh").toInt(), turkish.size());
}

TEST(Connection, NullReadsAsEmptyTextAndZero) {
  test::FreshDatabase db;
  Connection& c = db.connection();
  c.exec("INSERT INTO tlvkh (HESAPKOD) VALUES ('100')");
  QSqlQuery q = c.exec("SELECT TANIM, LIMITB FROM tlvkh");
  ASSERT_TRUE(q.next());
  EXPECT_TRUE(q.value(0).isNull());
  EXPECT_EQ(col::text(q, "TANIM"), "");
  EXPECT_EQ(col::number(q, "LIMITB"), 0.0);
}

TEST(Connection, StrictModeRefusesWhatWouldBeCutShort) {
  test::FreshDatabase db;
  EXPECT_THROW(db.connection().exec("INSERT INTO tlvkh (HESAPKOD) VALUES (:k)",
                                    {{":k", QString("1234567890123")}}),
               DbError);
  EXPECT_EQ(accounts(db.connection()), 0);
}

TEST(Connection, ServerErrorsCarryTheServerMessage) {
  auto server = test::TestServer::instance().settings();

  ConnectionSettings wrongPassword = server;
  wrongPassword.password = "yanlis";
  Connection a(wrongPassword);
  try {
    a.exec("SELECT 1");
    FAIL();
  } catch (const DbError& e) {
    EXPECT_TRUE(e.serverMessage().contains("Access denied")) << e.text().toStdString();
  }

  ConnectionSettings nowhere = server;
  nowhere.port = 1;
  Connection b(nowhere);
  EXPECT_THROW(b.open(), DbError);

  Connection empty(test::TestServer::instance().emptyPasswordSettings());
  EXPECT_EQ(empty.scalar("SELECT 7").toInt(), 7);

  ConnectionSettings missing = server;
  missing.database = "tlvkd_yok";
  Connection d(missing);
  try {
    d.exec("SELECT 1");
    FAIL();
  } catch (const DbError& e) {
    EXPECT_TRUE(e.serverMessage().contains("Unknown database")) << e.text().toStdString();
  }
}

TEST(Connection, ApplyDropsTheConnectionAndTheNextStatementReopens) {
  test::FreshDatabase db;
  Connection c(db.settings());
  c.exec("SELECT 1");
  EXPECT_TRUE(c.isConnected());
  c.apply(db.settings());
  EXPECT_FALSE(c.isConnected());
  EXPECT_EQ(c.scalar("SELECT DATABASE()").toString(), db.name());
  EXPECT_EQ(c.scalar("SELECT @@SESSION.sql_mode").toString().contains("STRICT_ALL_TABLES"), true);
}
