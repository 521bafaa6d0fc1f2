// The address book and account opening balances.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSqlQuery>

#include "accounts/Account.h"
#include "accounts/screens/TAdrAna.h"
#include "accounts/screens/TDevir.h"
#include "app/screens/Widgets.h"
#include "support/Builders.h"
#include "support/Shell.h"

using namespace tolvek;

TEST(AddressBook, InsertEditSearchAndDelete) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  for (const char* name : {"Zeta Ltd", "abant Kereste", "ABC Parke", "Ağaç İşleri"}) {
    AddressCard c;
    c.ADI = name;
    c.KARTON = "120.001";
    accounts::insertCard(shell.connection(), c);
  }
  TAdrAna* a = shell.program->adrAna;
  ASSERT_TRUE(a->FormShow());
  EXPECT_EQ(a->field("ADI")->text(), "Zeta Ltd");
  EXPECT_EQ(a->field("ADI")->maxLength(), 40);

  // Search is by the start of the name, case ignored, in table order.
  a->Edit1->setText("AB");
  a->ButAraClick();
  EXPECT_EQ(a->field("ADI")->text(), "abant Kereste");
  a->Edit1->setText("ağa");
  a->ButAraClick();
  EXPECT_EQ(a->field("ADI")->text(), "Ağaç İşleri");
  a->Edit1->setText("yok");
  a->ButAraClick();
  EXPECT_EQ(a->field("ADI")->text(), "Ağaç İşleri");

  // Typing edits the card; moving on posts it. Codes and references go in capitals.
  a->field("TELEFON")->setText("0232 111 22 33");
  a->field("REF")->setText("bayi");
  EXPECT_EQ(a->mode(), TAdrAna::Mode::Edit);
  a->First();
  EXPECT_EQ(a->mode(), TAdrAna::Mode::Browse);
  EXPECT_EQ(shell.connection().scalar("SELECT REF FROM tlvkf WHERE ADI = 'Ağaç İşleri'").toString(),
            "BAYİ");

  // A new card with an empty account code is stored like any other.
  a->Insert();
  a->field("ADI")->setText("Yeni Müşteri");
  ASSERT_TRUE(a->Post());
  EXPECT_EQ(a->field("ADI")->text(), "Yeni Müşteri");
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvkf WHERE KARTON = ''").toInt(), 1);

  shell.ui.answers = {Answer::Yes};
  a->Delete();
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvkf").toInt(), 4);
}

TEST(AddressBook, ClosingWhileEditingLosesTheEditAndCancelDiscardsIt) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  AddressCard c;
  c.ADI = "Eski Ad";
  accounts::insertCard(shell.connection(), c);
  TAdrAna* a = shell.program->adrAna;
  a->FormShow();
  a->field("ADI")->setText("Vazgeçilen");
  a->Cancel();
  EXPECT_EQ(a->field("ADI")->text(), "Eski Ad");
  a->field("ADI")->setText("Kapanırken kaybolan");
  a->close();
  EXPECT_EQ(shell.connection().scalar("SELECT ADI FROM tlvkf").toString(), "Eski Ad");
}

TEST(AddressBook, ACardChangedOnAnotherWorkstationIsNotOverwritten) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  AddressCard c;
  c.ADI = "Ortak Kart";
  accounts::insertCard(shell.connection(), c);
  TAdrAna* a = shell.program->adrAna;
  a->FormShow();
  shell.connection().exec("UPDATE tlvkf SET TELEFON = '111'");
  a->field("ADI")->setText("Bu istasyondan");
  EXPECT_FALSE(a->Post());
  EXPECT_TRUE(shell.ui.lastText().contains("başka bir istasyonda"))
      << shell.ui.lastText().toStdString();
  EXPECT_EQ(shell.connection().scalar("SELECT ADI FROM tlvkf").toString(), "Ortak Kart");
}

namespace {
struct Opening {
  test::Shell& shell;
  TDevir* d = shell.program->devir;
  void fill(int side, double amount) {
    d->EdKod->setText("120.001");
    d->EdTanim->setText("Akdeniz Yapı");
    d->EdTip->setText("USD");
    d->EdTarih->setText("01.01.2026");
    d->RadBA->setItemIndex(side);
    d->BRTut->setValue(amount);
  }
  QStringList rows() { return test::postingRows(shell.connection()); }
};
}  // namespace

TEST(OpeningBalance, SavedTwiceLeavesOneRowAndZeroRemovesIt) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000", {}, "MUHASEBE"));
  Opening o{shell};
  ASSERT_TRUE(o.d->FormShow());
  o.fill(0, 2500);
  o.d->But_KaydetClick();
  EXPECT_EQ(shell.ui.lastText(), "Devir Kaydedildi !");
  EXPECT_EQ(shell.ui.messages.back().caption, "MESAJ");
  o.fill(1, 150.5);
  o.d->But_KaydetClick();
  EXPECT_EQ(o.rows(), QStringList{"120.001|2026-01-01T00:00:00.000|D|0|1|USD|1|0|150.5|MUHASEBE|"
                                  "2026-01-01T00:00:00.000|X|"});
  o.fill(1, 0);
  o.d->But_KaydetClick();
  EXPECT_TRUE(o.rows().isEmpty());
  EXPECT_EQ(shell.ui.lastText(), "Devir Kaydedildi !");
}

TEST(OpeningBalance, PeriodLockAndRights) {
  struct Case {
    const char* rights;
    int closed;
    bool opens;
    const char* said;
  };
  const Case cases[] = {
      {"3333333333000000", 1, true, "Dönem Kapatıldı. Bu işlemi Yapmaya Yetkiniz Yok !"},
      {"3333233333000000", 0, true, "Bu işlemi Yapmaya Yetkiniz Yok !"},
      {"2333333333000000", 0, false, ""},
  };
  for (const Case& c : cases) {
    test::Shell shell;
    ASSERT_TRUE(shell.loginAs(c.rights));
    shell.dm->periodClosed = c.closed;
    Opening o{shell};
    EXPECT_EQ(o.d->FormShow(), c.opens) << c.rights;
    if (!c.opens) continue;
    o.fill(0, 100);
    o.d->But_KaydetClick();
    EXPECT_EQ(shell.ui.lastText(), QString::fromUtf8(c.said));
    EXPECT_TRUE(o.rows().isEmpty());
  }
}
