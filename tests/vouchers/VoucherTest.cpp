// The voucher screen: numbering, accounts and rates, conversion, dates, approval, save, delete,
// print.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "accounts/screens/AccountPicker.h"
#include "accounts/screens/THesapAra.h"
#include "app/screens/TBrDateForm.h"
#include "app/screens/TEvrak_No.h"
#include "app/screens/Widgets.h"
#include "data/DocumentCounter.h"
#include "support/Builders.h"
#include "support/Pdf.h"
#include "support/Shell.h"
#include "vouchers/Voucher.h"
#include "vouchers/screens/TDekont.h"

using namespace tolvek;

namespace {

struct Desk {
  explicit Desk(const QString& rights = "3333333333000000") {
    test::addCompany(shell.connection(), "Yıldız Parke");
    test::addAccount(shell.connection(), "100.01", "Merkez Kasa", "YTL");
    test::addAccount(shell.connection(), "320.001", "Hanse Parkett AG", "EUR");
    test::addAccount(shell.connection(), "120.001", "Akdeniz Yapı", "USD");
    test::addRate(shell.connection(), QDate(2026, 1, 5), "EUR", 38.5);
    EXPECT_TRUE(shell.loginAs(rights));
  }
  test::Shell shell;
  TDekont* d = shell.program->dekont;

  void choose(bool debit, const QString& code) {
    shell.ui.onExec("THesapAra", [code](QDialog* dialog) {
      auto* s = static_cast<THesapAra*>(dialog);
      s->picker->Edit1->setText(code);
      s->But_OkClick();
    });
    debit ? d->BorKodClick() : d->AlKodClick();
  }
  void pickDate(bool valueDate, const QDate& date) {
    shell.ui.onExec("TBrDateForm", [date](QDialog* dialog) {
      static_cast<TBrDateForm*>(dialog)->setDate(date);
      dialog->accept();
    });
    valueDate ? d->VTarihClick() : d->ETarihClick();
  }
  void open(qint64 number) {
    shell.ui.onExec("TEvrak_No", [number](QDialog* dialog) {
      static_cast<TEvrak_No*>(dialog)->Ev_No->setText(QString::number(number));
      dialog->accept();
    });
    d->ButAcClick();
  }
  // A whole voucher typed as a clerk does: 1000 from the cash box to the EUR supplier.
  qint64 enterVoucher() {
    d->openModal();
    d->ButYeniClick();
    pickDate(false, QDate(2026, 1, 5));
    choose(true, "100.01");
    choose(false, "320.001");
    d->ALKurClick();
    d->BRTut->setValue(1000);
    d->ALTutClick();
    d->MakIzahat[0]->setText("Avans 'Ocak'");
    d->MakIzahat[4]->setText("beşinci satır");
    return d->ENo->text().toLongLong();
  }
  QStringList rows() { return test::postingRows(shell.connection()); }
};

}  // namespace

TEST(Voucher, RoundTrip) {
  Desk desk;
  TDekont* d = desk.d;
  const qint64 number = desk.enterVoucher();
  EXPECT_EQ(number, 1);
  EXPECT_DOUBLE_EQ(d->BrKur->value(), 1.0);   // a YTL side takes rate 1 when chosen
  EXPECT_DOUBLE_EQ(d->ALKur->value(), 38.5);  // the central bank selling rate of the date
  EXPECT_EQ(d->ALTut->text(), "25,97");       // 1000.00 at 1 into EUR at 38.5
  EXPECT_EQ(d->ComETip->currentText(), "L");
  d->ComETip->setCurrentText("M");
  d->ButKaydetClick();
  EXPECT_EQ(desk.shell.ui.lastText(), "Evrak Kaydedildi !");
  EXPECT_EQ(desk.shell.ui.messages.back().caption, "MESAJ");
  EXPECT_EQ(d->ENo->text(), "0");  // cleared for the next voucher
  EXPECT_EQ(desk.rows(), (QStringList{"100.01|2026-01-05T00:00:00.000|M|1|1|EUR|38.5|1000|0|TEST|"
                                      "2026-01-05T00:00:00.000||320.001",
                                      "320.001|2026-01-05T00:00:00.000|M|1|38.5|YTL|1|0|25.97|TEST|"
                                      "2026-01-05T00:00:00.000||100.01"}));
  EXPECT_EQ(desk.shell.connection().scalar("SELECT Izahat FROM tlvkx WHERE Evrak = 1").toString(),
            "Avans 'Ocak'");

  desk.open(1);
  EXPECT_EQ(d->ENo->text(), "1");
  EXPECT_EQ(d->ETarih->text(), "05.01.2026");
  EXPECT_EQ(d->ComETip->currentText(), "M");
  EXPECT_EQ(d->Borclu->text(), "Merkez Kasa");
  EXPECT_EQ(d->BorKod->text(), "100.01");
  EXPECT_EQ(d->BorTip->text(), "YTL");
  EXPECT_EQ(d->AlKod->text(), "320.001");
  EXPECT_EQ(d->AlTip->text(), "EUR");
  EXPECT_EQ(d->ALKur->text(), "38,50000");
  EXPECT_EQ(d->BRTut->text(), "1.000,00");
  EXPECT_EQ(d->ALTut->text(), "25,97");
  EXPECT_EQ(d->MakIzahat[4]->text(), "beşinci satır");
  EXPECT_FALSE(d->locked());

  // Saved again under its number: still exactly one voucher.
  d->ButKaydetClick();
  EXPECT_EQ(desk.rows().size(), 2);
  EXPECT_EQ(desk.shell.connection().scalar("SELECT COUNT(*) FROM tlvkx").toInt(), 1);
}

TEST(Voucher, RatesAndTheirRounding) {
  Desk desk;
  TDekont* d = desk.d;
  d->openModal();
  d->ButYeniClick();
  desk.pickDate(false, QDate(2026, 1, 6));  // no rates on this day
  desk.choose(true, "120.001");
  EXPECT_DOUBLE_EQ(d->BrKur->value(), 0.0);  // a USD side keeps its rate until "Kur"
  d->BrKurClick();
  EXPECT_DOUBLE_EQ(d->BrKur->value(), 1.0);  // no row: 1
  d->BrKur->setText("38,123456");
  desk.choose(false, "100.01");
  d->BRTut->setValue(10);
  d->ALTutClick();
  EXPECT_EQ(d->ALTut->text(), "381,23");
  d->ButKaydetClick();
  EXPECT_DOUBLE_EQ(
      desk.shell.connection().scalar("SELECT HESKUR FROM tlvkc WHERE BORC > 0").toDouble(),
      38.1235);
  // Converting into a side whose rate is not above 0.0001 does nothing.
  d->ALKur->setValue(0);
  d->ALTut->setValue(7);
  d->ALTutClick();
  EXPECT_EQ(d->ALTut->text(), "7,00");
}

TEST(Voucher, SaveTestsInTheirOrder) {
  struct Case {
    const char* what;
    const char* rights;
    int closed;
    bool locked;
    qint64 number;
    const char* debit;
    const char* credit;
    double amount;
    const char* said;
  };
  const Case cases[] = {
      {"period closed", "3333333333000000", 1, false, 0, "", "", 0,
       "Dönem Kapatıldı. Bu işlemi Yapmaya Yetkiniz Yok !"},
      {"approved, not a manager", "2333333333000000", 0, true, 0, "", "", 0,
       "Onaylı Belge. Bu işlemi Yapmaya Yetkiniz Yok !"},
      {"read-only voucher rights", "3333133333000000", 0, false, 0, "", "", 0,
       "Bu işlemi Yapmaya Yetkiniz Yok !"},
      {"no number", "3333333333000000", 0, false, 0, "A", "B", 5, "Evrak Numarası geçersiz !"},
      {"same accounts", "3333333333000000", 0, false, 7, "100", "100", 5,
       "Borçlu ve Alacaklı Hesaplar AYNI !"},
      {"no debit account", "3333333333000000", 0, false, 7, "", "320", 5,
       "Borçlu Hesap Kodu Girin !"},
      {"no credit account", "3333333333000000", 0, false, 7, "100", "", 5,
       "Alacaklı Hesap Kodu Girin !"},
      {"no amounts", "3333333333000000", 0, false, 7, "100", "320", 0,
       "Borçlu ve Alacaklı Hesaplar 0 olamaz !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TDM dm;
    dm.rights = c.rights;
    dm.periodClosed = c.closed;
    Voucher v;
    v.number = c.number;
    v.debit = {c.debit, {}, "YTL", 1, c.amount};
    v.credit = {c.credit, {}, "YTL", 1, c.amount};
    const auto refused = vouchers::checkSave(v, dm, c.locked);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->caption, "H A T A");
    EXPECT_EQ(refused->text, QString::fromUtf8(c.said));
  }

  // A new voucher shows kind "L", today's dates and rates 0; saving it without amounts says so.
  Desk desk;
  desk.d->openModal();
  desk.d->ButYeniClick();
  EXPECT_EQ(desk.d->ComETip->currentText(), "L");
  EXPECT_EQ(desk.d->BrKur->text(), "0,00000");
  desk.choose(true, "100.01");
  desk.choose(false, "320.001");
  desk.d->ButKaydetClick();
  EXPECT_EQ(desk.shell.ui.lastText(), "Borçlu ve Alacaklı Hesaplar 0 olamaz !");
  EXPECT_TRUE(desk.rows().isEmpty());
}

TEST(Voucher, AFailingSaveLeavesTheOldVoucherWhole) {
  Desk desk;
  TDekont* d = desk.d;
  desk.enterVoucher();
  d->ButKaydetClick();
  const QStringList before = desk.rows();
  desk.open(1);
  d->BRTut->setValue(5000);
  d->ALTutClick();
  d->MakIzahat[0]->setText("Fiyat 5 €");  // refused by the code page at the explanation insert
  d->ButKaydetClick();
  EXPECT_TRUE(desk.shell.ui.lastText().startsWith("Evrak Kayıt İşlemi Sıtasında Hata Oluştu !"));
  EXPECT_TRUE(desk.shell.ui.lastText().contains("\"€\"")) << desk.shell.ui.lastText().toStdString();
  EXPECT_EQ(desk.rows(), before);
  EXPECT_EQ(desk.shell.connection().scalar("SELECT Izahat FROM tlvkx").toString(), "Avans 'Ocak'");
  EXPECT_EQ(d->BRTut->text(), "5.000,00");  // the screen keeps what was typed
}

TEST(Voucher, ApprovedVouchersAreLockedForAllButManagers) {
  Desk manager;
  manager.enterVoucher();
  manager.d->EdOnayDblClick();
  EXPECT_EQ(manager.d->EdOnay->text(), "X");
  EXPECT_TRUE(manager.d->locked());
  manager.d->ButKaydetClick();
  ASSERT_EQ(manager.shell.connection().scalar("SELECT COUNT(*) FROM tlvkc WHERE OK = 'X'").toInt(),
            2);

  // A clerk of user type 2 opens it locked and can neither save, un-approve nor delete it.
  test::Shell& shell = manager.shell;
  ASSERT_TRUE(shell.loginAs("2333333333000000", {}, "KATİP"));
  manager.open(1);
  EXPECT_TRUE(manager.d->locked());
  EXPECT_FALSE(manager.d->ComETip->isEnabled());
  EXPECT_TRUE(manager.d->BRTut->isReadOnly());
  manager.d->ButKaydetClick();
  EXPECT_EQ(shell.ui.lastText(), "Onaylı Belge. Bu işlemi Yapmaya Yetkiniz Yok !");
  manager.d->EdOnayDblClick();
  EXPECT_EQ(shell.ui.lastText(), "Bu işlemi Yapmaya Yetkiniz Yok !");
  EXPECT_EQ(manager.d->EdOnay->text(), "X");
  manager.d->ButSilClick();
  EXPECT_EQ(shell.ui.lastText(), "Kapatılmış Evrak Silinemez !");
  // Nor change its accounts or dates: those choices do nothing while locked.
  manager.choose(true, "120.001");
  EXPECT_EQ(manager.d->BorKod->text(), "100.01");
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvkc").toInt(), 2);

  // A manager removes the mark and saves.
  ASSERT_TRUE(shell.loginAs("3333333333000000", {}, "MÜDÜR"));
  manager.open(1);
  manager.d->EdOnayDblClick();
  EXPECT_FALSE(manager.d->locked());
  manager.d->ButKaydetClick();
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvkc WHERE OK = ''").toInt(), 2);
}

TEST(Voucher, OpeningOtherNumbers) {
  Desk desk;
  test::addPosting(desk.shell.connection(),
                   test::posting("100.01", QDate(2026, 1, 2), "1", 40, 0, 50));
  desk.d->openModal();
  desk.open(40);
  EXPECT_EQ(desk.shell.ui.lastText(), "Evrak Numarası Dekont No Değil !");
  desk.open(41);
  EXPECT_EQ(desk.shell.ui.lastText(), "Evrak Numarası geçersiz !");
  desk.shell.ui.clear();
  desk.open(0);
  EXPECT_TRUE(desk.shell.ui.messages.empty());
}

TEST(Voucher, DateRules) {
  Desk desk;
  desk.d->openModal();
  desk.d->ButYeniClick();
  desk.pickDate(false, QDate(2026, 3, 10));
  EXPECT_EQ(desk.d->VTarih->text(), "10.03.2026");
  desk.pickDate(true, QDate(2026, 3, 9));  // before the document date: ignored
  EXPECT_EQ(desk.d->VTarih->text(), "10.03.2026");
  desk.pickDate(true, QDate(2026, 4, 30));
  EXPECT_EQ(desk.d->VTarih->text(), "30.04.2026");
  desk.pickDate(false, QDate(2026, 3, 12));  // a new document date resets the value date
  EXPECT_EQ(desk.d->VTarih->text(), "12.03.2026");
}

TEST(Voucher, DeleteAsksAndClears) {
  Desk desk;
  desk.enterVoucher();
  desk.d->ButKaydetClick();
  desk.open(1);
  desk.shell.ui.answers = {Answer::No};
  desk.d->ButSilClick();
  EXPECT_EQ(desk.shell.ui.lastText(), "Bu Dekont Kayıtlardan Silinecek ?");
  EXPECT_EQ(desk.shell.ui.messages.back().caption, "O N A Y  !");
  EXPECT_EQ(desk.rows().size(), 2);
  desk.shell.ui.answers = {Answer::Yes};
  desk.d->ButSilClick();
  EXPECT_EQ(desk.shell.ui.lastText(), "Evrak Kayıtlardan Silindi !");
  EXPECT_TRUE(desk.rows().isEmpty());
  EXPECT_EQ(desk.shell.connection().scalar("SELECT COUNT(*) FROM tlvkx").toInt(), 0);
  EXPECT_EQ(desk.d->ENo->text(), "0");

  Desk clerk("3333233333000000");
  clerk.d->openModal();
  clerk.d->ButYeniClick();
  clerk.d->ButSilClick();
  EXPECT_EQ(clerk.shell.ui.lastText(), "Bu işlemi Yapmaya Yetkiniz Yok !");
}

TEST(Voucher, ANumberTakenAndNeverSavedLeavesAGap) {
  Desk desk;
  desk.d->openModal();
  desk.d->ButYeniClick();
  desk.d->ButYeniClick();
  EXPECT_EQ(desk.d->ENo->text(), "2");
  EXPECT_EQ(takeNextNumber(desk.shell.connection()), 3);
}

TEST(Voucher, ThePrintedPage) {
  Desk desk;
  QTemporaryDir dir;
  desk.shell.ui.previewPdf = dir.filePath("dekont.pdf");
  desk.d->openModal();
  desk.d->ButYazClick();
  EXPECT_EQ(desk.shell.ui.lastText(), "Evrak Numarası geçersiz !");
  desk.enterVoucher();
  desk.d->MakIzahat[3]->setText("dördüncü satır");
  desk.d->ButYazClick();
  ASSERT_EQ(desk.shell.ui.previews.size(), 1);
  const QStringList pages = test::pdfPages(dir.filePath("dekont.pdf"));
  ASSERT_EQ(pages.size(), 1);
  const QString& page = pages[0];
  for (const char* shown : {"Yıldız Parke", "VADE FARKI", "CARİ İŞLEM DEKONTU",
                            "Evrak No :", "05.01.2026", "Merkez Kasa", "Hanse Parkett AG",
                            "1.000,00", "25,97", "38,50000", "Avans 'Ocak'", "dördüncü satır"}) {
    EXPECT_TRUE(page.contains(QString::fromUtf8(shown))) << shown << "\n" << page.toStdString();
  }
  EXPECT_FALSE(page.contains("beşinci satır"));
  // The title stands before the heading on the same line.
  const QString titleLine = page.split('\n').filter("CARİ İŞLEM DEKONTU").value(0);
  EXPECT_LT(titleLine.indexOf("VADE FARKI"), titleLine.indexOf("CARİ İŞLEM DEKONTU"));
}
