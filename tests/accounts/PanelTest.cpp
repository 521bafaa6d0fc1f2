// The account panel: account list, statement and totals, the screens it opens, the printed
// statement and the statement file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "accounts/Account.h"
#include "accounts/screens/AccountPicker.h"
#include "accounts/screens/TDevir.h"
#include "accounts/screens/TFormMhr.h"
#include "accounts/screens/THesapAra.h"
#include "app/screens/Widgets.h"
#include "data/TurkishText.h"
#include "support/Builders.h"
#include "support/Pdf.h"
#include "support/Shell.h"
#include "vouchers/screens/TDekont.h"

using namespace tolvek;
using test::posting;

namespace {

struct Panel {
  explicit Panel(const QString& rights = "3333333333000000", const QString& prefixes = {}) {
    test::addCompany(shell.connection(), "Yıldız Parke");
    test::addAccount(shell.connection(), "100.01", "Merkez Kasa", "YTL");
    test::addAccount(shell.connection(), "120.001", "Akdeniz Yapı", "YTL", "MUS");
    test::addAccount(shell.connection(), "320.001", "Hanse Parkett", "EUR", "SAT");
    EXPECT_TRUE(shell.loginAs(rights, prefixes));
  }
  test::Shell shell;
  TFormMhr* p = shell.program->formMhr;

  void post(const test::Posting& row) { test::addPosting(shell.connection(), row); }
  void show(const QString& code, const QDate& start, const QDate& end, bool byValue = false) {
    p->openModeless();
    p->setDates(start, end);
    p->ValFil->setChecked(byValue);
    for (int i = 0; i < static_cast<int>(p->accounts().size()); ++i) {
      if (p->accounts()[i].account.HESAPKOD == code) p->selectAccount(i);
    }
    p->Refresh();
  }
  QList<qint64> numbers() const {
    QList<qint64> out;
    for (const StatementRow& r : p->rows()) out << r.EVRAK;
    return out;
  }
  QStringList labels() const {
    return {p->LabelEBorc->text(), p->LabelEAlacak->text(), p->LabelDonBor->text(),
            p->LabelDonAl->text(), p->LabelBorc->text(),    p->LabelAlacak->text(),
            p->LabelBakiye->text()};
  }
};

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(Panel, TotalsBeforeAndWithinThePeriodAndTheBalance) {
  Panel panel;
  panel.post(posting("120.001", QDate(2026, 1, 1), "D", 0, 1000, 0));
  panel.post(posting("120.001", QDate(2026, 2, 10), "N", 5, 0, 300));
  panel.post(posting("120.001", QDate(2026, 3, 1), "M", 6, 50.5, 0));
  panel.post(posting("100.01", QDate(2026, 2, 10), "N", 5, 300, 0));
  panel.show("120.001", QDate(2026, 2, 1), QDate(2026, 3, 31));
  EXPECT_EQ(panel.numbers(), (QList<qint64>{5, 6}));
  EXPECT_EQ(panel.labels(),
            (QStringList{"1.000,00", "0,00", "50,50", "300,00", "1.050,50", "300,00", "-750,50"}));
}

TEST(Panel, TheValueDateSwitch) {
  Panel panel;
  // A: dated inside the period, due after it. B: dated before it, due inside it.
  panel.post(posting("120.001", QDate(2026, 1, 15), "M", 1, 100, 0, QDate(2026, 1, 25)));
  panel.post(posting("120.001", QDate(2026, 1, 5), "M", 2, 40, 0, QDate(2026, 1, 15)));
  panel.show("120.001", QDate(2026, 1, 10), QDate(2026, 1, 20), true);
  EXPECT_EQ(panel.numbers(), QList<qint64>{2});
  EXPECT_EQ(panel.p->LabelDonBor->text(), "40,00");
  EXPECT_EQ(panel.p->LabelEBorc->text(), "");

  panel.p->ValFil->setChecked(false);
  panel.p->Refresh();
  EXPECT_EQ(panel.numbers(), QList<qint64>{1});
  EXPECT_EQ(panel.p->LabelDonBor->text(), "100,00");
  EXPECT_EQ(panel.p->LabelEBorc->text(), "40,00");
}

TEST(Panel, AnAccountWithoutMovement) {
  Panel panel;
  panel.show("100.01", QDate(2026, 1, 1), QDate(2026, 12, 31));
  EXPECT_TRUE(panel.numbers().isEmpty());
  EXPECT_EQ(panel.labels(), (QStringList{"", "", "", "", "0,00", "0,00", "0,00"}));

  QTemporaryDir dir;
  panel.shell.ui.previewPdf = dir.filePath("dokum.pdf");
  panel.shell.ui.printChoices = {true};
  panel.p->ButHesDokClick();
  const QStringList pages = test::pdfPages(dir.filePath("dokum.pdf"));
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("Dönem Toplamı"));
  EXPECT_TRUE(pages[0].contains("Genel Toplam"));
  EXPECT_FALSE(pages[0].contains("Sayfa"));
}

TEST(Panel, TheStatementFileWithAndWithoutEarlierMovements) {
  Panel panel;
  panel.post(posting("120.001", QDate(2026, 1, 1), "D", 0, 1000, 0));
  test::Posting sale = posting("120.001", QDate(2026, 2, 10), "5", 7, 1180, 0);
  sale.currency = "USD";
  sale.rate = 35.25;
  panel.post(sale);
  panel.post(posting("120.001", QDate(2026, 2, 11), "N", 8, 0, 500));
  test::addExplanation(panel.shell.connection(), 8, "Tahsilat <nakit>", "& çek");
  panel.shell.connection().exec(
      "INSERT INTO tlvks (GrupKodu, EvrakNo, Fiyat, Giris, Cikis, Indirim, Kdv, Kalitein) "
      "VALUES ('PARKE01', 7, 100, 0, 10, 0, 18, 0)");
  QTemporaryDir dir;
  const QString head =
      "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.01 Transitional//EN'><head><meta "
      "http-equiv=Content-Type content='text/html; charset=iso-8859-9'></head><title>Cari Hesap "
      "Dökümü</title><body><h3>CARİ HESAP DÖKÜMÜ</h3><h3>120.001 - Akdeniz Yapı</h3>";
  const QString captions =
      "<table border=1><th>Tip</th><th>Tarih</th><th>Evrak</th><th>Dvz</th><th>H.Kuru</th>"
      "<th>İ.Kuru</th><th>Borç</th><th>Alacak</th><th>Açıklama</th>";
  const QString rows =
      "<tr><td align=center>5</td><td align=center>10.02.2026</td><td align=right>7</td>"
      "<td align=center>USD</td><td align=right>1,0000</td><td align=right>35,2500</td>"
      "<td align=right>1.180,00</td><td align=right>0,00</td><td> </td></tr>"
      "<tr><td align=center>N</td><td align=center>11.02.2026</td><td align=right>8</td>"
      "<td align=center>YTL</td><td align=right>1,0000</td><td align=right>1,0000</td>"
      "<td align=right>0,00</td><td align=right>500,00</td><td>Tahsilat &lt;nakit&gt; &amp; "
      "çek</td></tr>";
  const QString period =
      "<tr><td></td><td align=center>Cari dönem</td><td></td><td></td><td></td><td></td>"
      "<td align=right>1.180,00</td><td align=right>500,00</td><td></td></tr>";

  // From the opening date: no earlier movements, so no "Önceki dönem" row.
  panel.show("120.001", QDate(2026, 1, 1), QDate(2026, 2, 28));
  panel.shell.ui.saveNames = {dir.filePath("a.xls")};
  panel.p->But_ExcelClick();
  EXPECT_EQ(panel.shell.ui.savedDefaultName, "caridokum.xls");
  const QString openingRow =
      "<tr><td align=center>D</td><td align=center>01.01.2026</td><td align=right>0</td>"
      "<td align=center>YTL</td><td align=right>1,0000</td><td align=right>1,0000</td>"
      "<td align=right>1.000,00</td><td align=right>0,00</td><td> </td></tr>";
  const QString periodAll =
      "<tr><td></td><td align=center>Cari dönem</td><td></td><td></td><td></td><td></td>"
      "<td align=right>2.180,00</td><td align=right>500,00</td><td></td></tr>";
  const QString grand =
      "<tr><td></td><td></td><td></td><td></td><td></td><td></td><td align=right>2.180,00</td>"
      "<td align=right>500,00</td><td></td></tr></table></body>";
  EXPECT_EQ(QString::fromLatin1(fileBytes(dir.filePath("a.xls"))),
            QString::fromLatin1(latin5::encode(head + "<h3>Bakiye : -1.680,00</h3>" + captions +
                                               openingRow + rows + periodAll + grand)));
  EXPECT_EQ(panel.shell.ui.openedFiles, QStringList{dir.filePath("a.xls")});

  // From February: the opening is an earlier movement; with goods ticked the sale lists its goods.
  panel.p->setDates(QDate(2026, 2, 1), QDate(2026, 2, 28));
  panel.p->Refresh();
  panel.p->CStoklu->setChecked(true);
  panel.p->CStokluClick();
  panel.shell.ui.saveNames = {dir.filePath("b.xls")};
  panel.p->But_ExcelClick();
  const QString earlier =
      "<tr><td></td><td align=center>Önceki dönem</td><td></td><td></td><td></td><td></td>"
      "<td align=right>1.000,00</td><td align=right>0,00</td><td></td></tr>";
  const QString goods =
      "<tr><td></td><td colspan=5><table border=1 bgcolor=#FFFF00><th>Ürün</th><th>Miktar</th>"
      "<th>Fiyat</th><th>Tutar</th><th>Kdv Tutar</th><tr><td>PARKE01</td><td>10</td><td>100</td>"
      "<td>1000</td><td>180</td></tr></table></td><td></td><td></td><td></td></tr>";
  QString withGoods = rows;
  withGoods.insert(withGoods.indexOf("</tr>") + 5, goods);
  EXPECT_EQ(QString::fromLatin1(fileBytes(dir.filePath("b.xls"))),
            QString::fromLatin1(latin5::encode(head + "<h3>Bakiye : -1.680,00</h3>" + captions +
                                               earlier + withGoods + period + grand)));
}

TEST(Panel, ThePrintedStatementKeepsTheLastTwoRowsOnThePage) {
  for (int count : {35, 36}) {
    SCOPED_TRACE(count);
    Panel panel;
    for (int i = 1; i <= count; ++i) {
      panel.post(posting("120.001", QDate(2026, 1, 10), "M", i, i, 0));
      test::addExplanation(panel.shell.connection(), i, QString("S%1").arg(i, 2, 10, QChar('0')));
    }
    panel.show("120.001", QDate(2026, 1, 1), QDate(2026, 1, 31));
    QTemporaryDir dir;
    panel.shell.ui.previewPdf = dir.filePath("dokum.pdf");
    panel.shell.ui.printChoices = {true};
    panel.p->selectRow(5);
    panel.p->ButHesDokClick();
    EXPECT_EQ(panel.p->currentRow(), 5);  // the row the clerk was on
    const QStringList pages = test::pdfPages(dir.filePath("dokum.pdf"));
    // Rows take two lines from line 9: row 34 starts past line 74.
    if (count == 35) {
      ASSERT_EQ(pages.size(), 1);
      EXPECT_TRUE(pages[0].contains("S35"));
    } else {
      ASSERT_EQ(pages.size(), 2);
      EXPECT_EQ(test::pageOf(pages, "S33"), 0);
      EXPECT_EQ(test::pageOf(pages, "S34"), 1);
      EXPECT_TRUE(pages[1].contains("Sayfa : 2"));
      EXPECT_TRUE(pages[1].contains("Genel Toplam"));
    }
    EXPECT_TRUE(pages[0].contains("120.001 / Akdeniz Yapı Cari Hesap Dökümü YTL"));
    EXPECT_TRUE(pages[0].contains("Valör Seçimi : YOK"));
  }
}

TEST(Panel, DoubleClickOpensTheDocumentAndComesBackToIt) {
  Panel panel;
  for (qint64 n : {11, 12, 13}) panel.post(posting("120.001", QDate(2026, 1, n), "M", n, n, 0));
  panel.post(posting("120.001", QDate(2026, 1, 20), "Z", 14, 5, 0));
  panel.post(posting("120.001", QDate(2026, 1, 21), "8", 15, 5, 0));
  panel.show("120.001", QDate(2026, 1, 1), QDate(2026, 1, 31));
  panel.p->selectRow(1);
  qint64 opened = -1;
  panel.shell.ui.onExec(
      "TDekont", [&](QDialog* d) { opened = static_cast<TDekont*>(d)->ENo->text().toLongLong(); });
  panel.p->DBGrid2DblClick();
  EXPECT_EQ(opened, 12);
  EXPECT_EQ(panel.p->rows()[panel.p->currentRow()].EVRAK, 12);

  for (int row : {3, 4}) {  // an order and a production slip open nothing
    panel.shell.ui.clear();
    panel.p->selectRow(row);
    panel.p->DBGrid2DblClick();
    EXPECT_TRUE(panel.shell.ui.opened.isEmpty());
  }
}

TEST(Panel, ButtonGates) {
  struct Case {
    const char* button;
    const char* rights;
    int closed;
    const char* caption;
    const char* said;
    const char* opens;
  };
  const Case cases[] = {
      {"ButMak", "3333333333000000", 1, "H A T A", "İşlem Yapılamaz !", ""},
      {"ButMak", "1333333333000000", 0, "H A T A", "Bilgi Bulunamadı !", ""},
      {"ButMak", "3333033333000000", 0, "U Y A R I", "Bu işlem için yetkiniz yok !", ""},
      {"ButMak", "2333133333000000", 0, "", "", "TDekont"},
      {"ButGir", "1333333333000000", 0, "H A T A", "Bilgi Bulunamadı !", ""},
      {"ButGir", "3033333333000000", 0, "U Y A R I", "Bu işlem için yetkiniz yok !", ""},
      {"ButSip", "3330333333000000", 0, "U Y A R I", "Bu işlem için yetkiniz yok !", ""},
      {"ButSip", "3333333333000000", 1, "H A T A", "İşlem Yapılamaz !", ""},
      {"ButDevir", "2333333333000000", 0, "H A T A", "Bilgi Bulunamadı !", ""},
      {"ButDevir", "3333333333000000", 1, "H A T A", "İşlem Yapılamaz !", ""},
      {"ButDevir", "3333333333000000", 0, "", "", "TDevir"},
      {"ButMiz", "1333333333000000", 1, "H A T A", "Bilgi Bulunamadı !", ""},
      {"HesPlanYaz", "1333333333000000", 0, "H A T A", "Bilgi Bulunamadı !", ""},
      {"HesPlanYaz", "2333333333000000", 1, "", "", "TCariPlanDok"},
      {"SpeedButton4", "2333333333000000", 0, "U Y A R I", "Bu işlem için yetkiniz yok !", ""},
      {"But_KurF", "2333333333000000", 0, "H A T A", "Bilgi Bulunamadı !", ""},
      {"But_Vade", "2333333333000000", 0, "H A T A", "Bilgi Bulunamadı !", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("%1 %2 closed %3").arg(c.button, c.rights).arg(c.closed).toStdString());
    Panel panel(c.rights);
    panel.shell.dm->periodClosed = c.closed;
    panel.p->openModeless();
    panel.shell.ui.clear();
    QMetaObject::invokeMethod(panel.p, (QString(c.button) + "Click").toLatin1().constData());
    if (*c.said) {
      ASSERT_EQ(panel.shell.ui.messages.size(), 1u);
      EXPECT_EQ(panel.shell.ui.messages[0].caption, c.caption);
      EXPECT_EQ(panel.shell.ui.messages[0].text, QString::fromUtf8(c.said));
    } else {
      EXPECT_TRUE(panel.shell.ui.messages.empty());
    }
    EXPECT_EQ(panel.shell.ui.opened, *c.opens ? QStringList{c.opens} : QStringList{});
  }
}

TEST(Panel, OpeningBalanceButtonFillsFromTheOpeningRow) {
  Panel panel;
  panel.post(posting("320.001", QDate(2026, 1, 1), "D", 0, 0, 150));
  panel.show("320.001", QDate(2026, 1, 1), QDate(2026, 1, 31));
  panel.shell.ui.onExec("TDevir", [](QDialog* d) {
    auto* devir = static_cast<TDevir*>(d);
    EXPECT_EQ(devir->EdKod->text(), "320.001");
    EXPECT_EQ(devir->EdTanim->text(), "Hanse Parkett");
    EXPECT_EQ(devir->EdTip->text(), "EUR");
    EXPECT_EQ(devir->EdTarih->text(), "01.01.2026");
    EXPECT_EQ(devir->RadBA->itemIndex(), 1);
    EXPECT_EQ(devir->BRTut->text(), "150,00");
  });
  panel.p->ButDevirClick();
  EXPECT_EQ(panel.shell.ui.opened, QStringList{"TDevir"});
}

TEST(Panel, TheAccountListKeepsToThePrefixesAndListsEachAccountOnce) {
  Panel panel("3333333333000000", "120;320");
  for (const char* who : {"Ayşe Kaya", "Başka Kart"}) {
    AddressCard c;
    c.KARTON = "120.001";
    c.YETKILI = who;
    accounts::insertCard(panel.shell.connection(), c);
  }
  panel.p->openModeless();
  QStringList codes;
  for (const PanelAccount& a : panel.p->accounts()) codes << a.account.HESAPKOD;
  EXPECT_EQ(codes, (QStringList{"120.001", "320.001"}));
  EXPECT_EQ(panel.p->accounts()[0].YETKILI, "Ayşe Kaya");
  EXPECT_EQ(panel.p->LabelYetkili->text(), "Ayşe Kaya");

  // Double-clicking the list searches an account and moves to it.
  panel.shell.ui.onExec("THesapAra", [](QDialog* d) {
    auto* s = static_cast<THesapAra*>(d);
    s->picker->Edit1->setText("320");
    s->But_OkClick();
  });
  panel.p->DBGrid1DblClick();
  EXPECT_EQ(panel.p->accounts()[panel.p->currentAccount()].account.HESAPKOD, "320.001");
}
