// post: JSON objects in, one line per posted object out, the first refusal stops the run.
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "data/Connection.h"
#include "support/CliRunner.h"
#include "support/FreshDatabase.h"

using namespace tolvek;
using test::runCliOn;

TEST(Post, CompanyAndUsers) {
  test::FreshDatabase db;
  const auto r = test::postJson(db.name(), R"([
    {"kind": "company", "FIRMAADI": "Ege Parke", "Tarih": "2026-01-01", "stokdvz": "usd", "KSTUT": 2},
    {"kind": "user", "User_Name": "AYŞE", "User_Pass": "a", "User_Works": "2222000000000000", "User_Account": "120;320"}
  ])");
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "company Ege Parke\nuser AYŞE\n");
  Connection& c = db.connection();
  EXPECT_EQ(c.scalar("SELECT stokdvz FROM tlvka").toString(), "USD");
  EXPECT_EQ(c.scalar("SELECT User_Account FROM tlvko").toString(), "120;320");

  // A second company post changes the one row and keeps the fields it does not name.
  ASSERT_EQ(test::postJson(db.name(), R"({"kind": "company", "SEHIR": "İzmir"})").status, 0);
  QSqlQuery q = c.exec("SELECT FIRMAADI, SEHIR, COUNT(*) FROM tlvka");
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toString(), "Ege Parke");
  EXPECT_EQ(q.value(1).toString(), "İzmir");
  EXPECT_EQ(q.value(2).toInt(), 1);
}

TEST(Post, TheFirstRefusalStopsTheRunAndEarlierObjectsStay) {
  test::FreshDatabase db;
  // One object per line; the third repeats a user name.
  const auto r = test::postJson(db.name(),
                                "{\"kind\": \"user\", \"User_Name\": \"A\"}\n"
                                "{\"kind\": \"user\", \"User_Name\": \"B\"}\n"
                                "{\"kind\": \"user\", \"User_Name\": \"A\"}\n"
                                "{\"kind\": \"user\", \"User_Name\": \"C\"}\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "user A\nuser B\n");
  EXPECT_TRUE(r.err.startsWith("2. nesne (user): ")) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("zaten kayıtlı")) << r.err.toStdString();
  EXPECT_EQ(db.connection().scalar("SELECT COUNT(*) FROM tlvko").toInt(), 2);
}

TEST(Post, BadObjectsAreRefusedWithTheirReason) {
  struct Case {
    const char* json;
    int status;
    const char* said;
  };
  const Case cases[] = {
      {R"({"kind": "fatura"})", 1, "Bilinmeyen kayıt türü"},
      {R"({"kind": "user", "User_Name": 5})", 1, "\"User_Name\" alanı metin olmalı"},
      {R"({"kind": "user", "User_Nmae": "X"})", 1, "Bilinmeyen alan: \"User_Nmae\""},
      {R"({"kind": "user", "User_Name": "X", "User_Works": "9"})", 1, "User_Works"},
      {R"({"kind": "company", "Tarih": "01.01.2026"})", 1, "YYYY-AA-GG"},
      {R"({"kind": "company", "FIRMAADI": "Fiyat €"})", 1, "\"€\" karakteri"},
      {"{bozuk", 2, "JSON"},
  };
  for (const Case& c : cases) {
    test::FreshDatabase db;
    const auto r = test::postJson(db.name(), QString::fromUtf8(c.json));
    EXPECT_EQ(r.status, c.status) << c.json << "\n" << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.said))) << c.json << "\n" << r.err.toStdString();
  }
}
