// post kind voucher and the statement report.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTemporaryDir>

#include "data/Connection.h"
#include "support/Builders.h"
#include "support/CliRunner.h"
#include "support/FreshDatabase.h"
#include "support/Pdf.h"
#include "support/TestServer.h"

using namespace tolvek;
using test::runCliOn;

namespace {
struct Firm {
  Firm() {
    test::addCompany(db.connection(), "Firma");
    test::addAccount(db.connection(), "100.01", "Merkez Kasa", "YTL");
    test::addAccount(db.connection(), "320.001", "Hanse Parkett", "EUR");
    test::addRate(db.connection(), QDate(2026, 1, 5), "EUR", 38.5);
  }
  test::CliResult post(const QString& json) { return test::postJson(db.name(), json); }
  test::FreshDatabase db;
};
}  // namespace

TEST(PostVoucher, NewNumberRatesLookedUpAndTheMissingAmountConverted) {
  Firm f;
  const auto r = f.post(R"({"kind": "voucher", "ETarih": "2026-01-05", "ComETip": "N",
      "BorKod": "100.01", "BRTut": 1000, "AlKod": "320.001", "MakIzahat": ["Avans 'Ocak'", "ikinci"]})");
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "voucher 1\n");
  QSqlQuery q = f.db.connection().exec(
      "SELECT FIRMAKOD, HESKUR, DVZ, KUR, BORC, ALACAK, HESAP, VALOR FROM tlvkc ORDER BY BORC "
      "DESC");
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toString(), "100.01");
  EXPECT_EQ(q.value(1).toDouble(), 1);
  EXPECT_EQ(q.value(2).toString(), "EUR");
  EXPECT_EQ(q.value(3).toDouble(), 38.5);
  EXPECT_EQ(q.value(4).toDouble(), 1000);
  EXPECT_EQ(q.value(7).toDate(), QDate(2026, 1, 5));
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(5).toDouble(), 25.97);
  EXPECT_EQ(q.value(6).toString(), "100.01");

  // Posting number 1 again replaces it whole.
  ASSERT_EQ(f.post(R"({"kind": "voucher", "ENo": 1, "ETarih": "2026-01-05", "BorKod": "320.001",
      "BRTut": 10, "ALTut": 385, "AlKod": "100.01"})")
                .status,
            0);
  EXPECT_EQ(f.db.connection().scalar("SELECT COUNT(*) FROM tlvkc").toInt(), 2);
  EXPECT_EQ(f.db.connection().scalar("SELECT FIRMAKOD FROM tlvkc WHERE BORC > 0").toString(),
            "320.001");
  EXPECT_EQ(f.db.connection().scalar("SELECT T FROM tlvkc LIMIT 1").toString(), "L");
}

TEST(PostVoucher, RefusedAsTheScreenRefuses) {
  struct Case {
    const char* json;
    const char* said;
  };
  const Case cases[] = {
      {R"({"kind": "voucher", "BorKod": "100.01", "AlKod": "100.01", "BRTut": 5})", "AYNI"},
      {R"({"kind": "voucher", "AlKod": "100.01", "BRTut": 5})", "Borçlu Hesap Kodu Girin !"},
      {R"({"kind": "voucher", "BorKod": "100.01", "AlKod": "999", "BRTut": 5})",
       "hesap planında yok: 999"},
      {R"({"kind": "voucher", "BorKod": "100.01", "AlKod": "320.001"})", "0 olamaz"},
      {R"({"kind": "voucher", "ComETip": "Q", "BorKod": "100.01", "AlKod": "320.001", "BRTut": 5})",
       "K, L, M ya da N"},
      {R"({"kind": "voucher", "ENo": 40, "BorKod": "100.01", "AlKod": "320.001", "BRTut": 5})",
       "Dekont No Değil"},
      {R"({"kind": "voucher", "ENo": 99, "BorKod": "100.01", "AlKod": "320.001", "BRTut": 5})",
       "geçersiz"},
      {R"({"kind": "voucher", "ETarih": "2026-01-05", "VTarih": "2026-01-04", "BorKod": "100.01", "AlKod": "320.001", "BRTut": 5})",
       "Valör"},
  };
  for (const Case& c : cases) {
    Firm f;
    test::addPosting(f.db.connection(),
                     test::posting("320.001", QDate(2026, 1, 2), "1", 40, 0, 50));
    f.db.connection().exec("INSERT INTO tlvkq (SIRA) VALUES (40)");
    const auto r = f.post(QString::fromUtf8(c.json));
    EXPECT_EQ(r.status, 1) << c.json;
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.said))) << c.json << "\n" << r.err.toStdString();
    EXPECT_EQ(f.db.connection().scalar("SELECT COUNT(*) FROM tlvkc").toInt(), 1) << c.json;
  }
}

TEST(StatementReport, CsvHtmlAndPdf) {
  Firm f;
  ASSERT_EQ(f.post(R"([
    {"kind": "voucher", "ETarih": "2026-01-05", "VTarih": "2026-02-05", "BorKod": "100.01", "BRTut": 1000, "AlKod": "320.001"},
    {"kind": "voucher", "ETarih": "2026-01-06", "BorKod": "320.001", "BRTut": 5, "ALTut": 190, "AlKod": "100.01", "MakIzahat": ["İade"]}
  ])")
                .status,
            0);
  const QStringList base = {"--database", f.db.name(), "report",     "statement", "--account",
                            "100.01",     "--date1",   "2026-01-01", "--date2",   "2026-01-31"};
  const auto csv = runCliOn(base);
  ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
  EXPECT_EQ(csv.out,
            "Tip,Tarih,Evrak,Dvz,H.Kuru,İ.Kuru,Borç,Alacak,Açıklama\n"
            "L,05.01.2026,1,EUR,1.0000,38.5000,1000.00,0.00, \n"
            "L,06.01.2026,2,EUR,1.0000,1.0000,0.00,190.00,İade \n"
            ",Cari dönem,,,,,1000.00,190.00,\n"
            ",,,,,,1000.00,190.00,\n");
  // By value date the first voucher falls after the period.
  const auto byValue = runCliOn(base + QStringList{"--by-value-date"});
  EXPECT_FALSE(byValue.out.contains("05.01.2026")) << byValue.out.toStdString();

  const auto html = runCliOn(base + QStringList{"--format", "html"});
  EXPECT_TRUE(html.out.startsWith("<!DOCTYPE HTML")) << html.out.toStdString();
  EXPECT_TRUE(html.out.contains("<h3>Bakiye : -810,00</h3>"));

  QTemporaryDir dir;
  ASSERT_EQ(
      runCliOn(base + QStringList{"--format", "pdf", "--output", dir.filePath("s.pdf")}).status, 0);
  const QStringList pages = test::pdfPages(dir.filePath("s.pdf"));
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("İade")) << pages[0].toStdString();

  const auto unknown =
      runCliOn({"--database", f.db.name(), "report", "statement", "--account", "X"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_TRUE(unknown.err.contains("Hesap kodu bulunamadı")) << unknown.err.toStdString();
}
