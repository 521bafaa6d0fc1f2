// The chart of accounts: search, account card, code deletion, chart listing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "accounts/Account.h"
#include "accounts/ChartReport.h"
#include "accounts/screens/AccountPicker.h"
#include "accounts/screens/TCariPlanDok.h"
#include "accounts/screens/THesapAra.h"
#include "accounts/screens/THesapPlan.h"
#include "accounts/screens/THspSil.h"
#include "app/screens/TMainForm.h"
#include "app/screens/Widgets.h"
#include "support/CliRunner.h"
#include "support/Pdf.h"
#include "support/Shell.h"

using namespace tolvek;

namespace {

void addAccounts(test::Shell& shell) {
  const char* rows[][3] = {{"100.01", "Merkez Kasa", "YTL"},  {"120.001", "Akdeniz Yapı", "YTL"},
                           {"120.002", "abc Ticaret", "USD"}, {"320.001", "Baltık Timber", "EUR"},
                           {"330.01", "Diğer Satıcı", "YTL"}, {"ABC", "Kısa Kod", "YTL"}};
  for (const auto& r : rows) {
    shell.connection().exec("INSERT INTO tlvkh (HESAPKOD, TANIM, TIP) VALUES (:k, :t, :d)",
                            {{":k", r[0]}, {":t", r[1]}, {":d", r[2]}});
  }
}

QStringList codes(const AccountPicker* p) {
  QStringList out;
  for (const Account& a : p->rows()) out << a.HESAPKOD;
  return out;
}

}  // namespace

TEST(AccountSearch, ListsOnlyTheUsersPrefixesAndFindsByCodeOrName) {
  test::Shell shell;
  addAccounts(shell);
  ASSERT_TRUE(shell.loginAs("3333333333000000", "120;320"));
  THesapAra* s = shell.program->hesapAra;
  ASSERT_TRUE(s->FormShow());
  EXPECT_EQ(codes(s->picker), (QStringList{"120.001", "120.002", "320.001"}));

  s->picker->Edit1->setText("120,00");  // a comma typed in a code becomes a point
  EXPECT_EQ(s->picker->Edit1->text(), "120.00");
  EXPECT_EQ(s->picker->current().HESAPKOD, "120.001");
  s->picker->Edit1->setText("320");
  EXPECT_EQ(s->EditKod->text(), "320.001");
  s->picker->Edit1->setText("999");  // no match: the current row stays
  EXPECT_EQ(s->EditKod->text(), "320.001");

  s->picker->ComboBox1->setCurrentText("TANIM");
  EXPECT_EQ(s->picker->Edit1->text(), "");
  EXPECT_EQ(codes(s->picker).first(), "120.002");  // by name: "abc" sorts first
  s->picker->Edit1->setText("AB");
  EXPECT_EQ(s->EditAdi->text(), "abc Ticaret");
  s->picker->Edit1->setText("bal");
  EXPECT_EQ(s->EditKod->text(), "320.001");
  s->picker->ComboBox1->setCurrentText("HESAPKOD");

  // The deletion screen and the chart listing show every account.
  shell.program->hspSil->FormShow();
  EXPECT_EQ(shell.program->hspSil->picker->rows().size(), 6u);
  EXPECT_EQ(chartOutput(shell.connection(), "", "").table.rowCount(), 6);
}

TEST(AccountSearch, OkAndCancelBothLeaveTheCurrentRowAndOnlyOkCounts) {
  test::Shell shell;
  addAccounts(shell);
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  shell.ui.onExec("THesapAra", [](QDialog* d) {
    auto* s = static_cast<THesapAra*>(d);
    s->picker->Edit1->setText("320");
    s->But_OkClick();
  });
  const auto chosen = shell.program->searchAccount();
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->code, "320.001");
  EXPECT_EQ(chosen->name, "Baltık Timber");
  EXPECT_EQ(chosen->currency, "EUR");

  shell.ui.onExec("THesapAra", [](QDialog* d) {
    static_cast<THesapAra*>(d)->picker->Edit1->setText("ABC");
    d->reject();
  });
  EXPECT_FALSE(shell.program->searchAccount());
  EXPECT_EQ(shell.dm->accountSearch.code, "ABC");  // written on close anyway
}

TEST(AccountSearch, RightsOfTheChartPosition) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333033000000"));
  EXPECT_FALSE(shell.program->hesapAra->FormShow());
  test::Shell reader;
  ASSERT_TRUE(reader.loginAs("3333333133000000"));
  ASSERT_TRUE(reader.program->hesapAra->FormShow());
  reader.program->hesapAra->ButHesPClick();
  EXPECT_EQ(reader.ui.lastText(), "Bu işlemi Yapmaya Yetkiniz Yok !");
  EXPECT_TRUE(reader.ui.opened.isEmpty());
  EXPECT_FALSE(reader.program->hesapPlan->FormShow());
}

TEST(AccountCard, CodesAreTypedInTurkishCapitalsUpdatedOrInsertedAndNamesKeepTheirQuotes) {
  test::Shell shell;
  addAccounts(shell);
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  THesapPlan* c = shell.program->hesapPlan;
  ASSERT_TRUE(c->FormShow());
  EXPECT_EQ(c->Doviz->currentText(), "Doviz");

  c->HesKod->clear();
  QTest::keyClicks(c->HesKod, "istanbul,1");
  EXPECT_EQ(c->HesKod->text(), "İSTANBUL.1");
  c->MuhKod->insert("ığdır");
  EXPECT_EQ(c->MuhKod->text(), "ıĞDıR");  // dotless ı stays as it is
  c->HesAdi->setText("Ali'nin Dükkânı");
  c->Doviz->setCurrentText("USD");
  c->Karton->setText("mus");
  c->Borc->setValue(1500.25);
  c->ButKayClick();
  EXPECT_TRUE(shell.ui.messages.empty());
  EXPECT_EQ(c->HesKod->text(), "");  // emptied for the next account
  auto saved = accounts::find(shell.connection(), "İSTANBUL.1");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->TANIM, "Ali'nin Dükkânı");
  EXPECT_EQ(saved->KARTON, "MUS");
  EXPECT_EQ(saved->TIP, "USD");
  EXPECT_DOUBLE_EQ(saved->LIMITB, 1500.25);

  // Leaving the code of an existing account fills the card; saving changes it in place.
  c->HesKod->setText("120.001");
  c->HesKodExit();
  EXPECT_EQ(c->HesAdi->text(), "Akdeniz Yapı");
  c->HesAdi->setText("Akdeniz Yapı \"Yeni\"");
  c->ButKayClick();
  EXPECT_EQ(accounts::find(shell.connection(), "120.001")->TANIM, "Akdeniz Yapı \"Yeni\"");
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvkh").toInt(), 7);
}

TEST(AccountCard, RefusesShortCodesShortNamesAndCurrenciesOutsideTheList) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  THesapPlan* c = shell.program->hesapPlan;
  c->FormShow();
  c->HesKod->setText("1");
  c->HesAdi->setText("Kasa");
  c->Doviz->setCurrentText("YTL");
  c->ButKayClick();
  c->HesKod->setText("100");
  c->HesAdi->setText("K");
  c->ButKayClick();
  EXPECT_TRUE(shell.ui.messages.empty());  // silent: the focus goes to the field
  c->HesAdi->setText("Kasa");
  c->Doviz->setCurrentText("Doviz");
  c->ButKayClick();
  EXPECT_TRUE(shell.ui.lastText().startsWith("Döviz listeden seçilmeli"))
      << shell.ui.lastText().toStdString();
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvkh").toInt(), 0);
  c->Doviz->setCurrentText("eur");
  c->ButKayClick();
  EXPECT_EQ(accounts::find(shell.connection(), "100")->TIP, "EUR");
}

TEST(AccountDeletion, RefusalsThenTheQuestion) {
  test::Shell shell;
  addAccounts(shell);
  shell.connection().exec(
      "INSERT INTO tlvkc (FIRMAKOD, T, EVRAK, BORC) VALUES ('120.001', 'M', 5, 10)");
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  THspSil* s = shell.program->hspSil;
  s->FormShow();
  auto deleteCode = [&](const QString& code) {
    s->picker->Edit1->setText(code);
    ASSERT_EQ(s->picker->current().HESAPKOD, code);
    s->ButHesPClick();
  };
  deleteCode("ABC");
  EXPECT_EQ(shell.ui.lastText(), "Silme işlemi yapılamaz !");
  deleteCode("120.001");
  EXPECT_EQ(shell.ui.lastText(), "Bu Hesap Kodu ile yapılmış işlemler bulunmaktadır.. SİLİNEMEZ !");
  EXPECT_EQ(shell.ui.messages.back().caption, "H A T A");

  shell.ui.answers = {Answer::No};
  deleteCode("330.01");
  EXPECT_EQ(shell.ui.lastText(), "Hesap Planından silme işlemini onaylıyormusunuz ?");
  EXPECT_TRUE(accounts::find(shell.connection(), "330.01"));
  shell.ui.answers = {Answer::Yes};
  deleteCode("330.01");
  EXPECT_EQ(shell.ui.lastText(), "Seçilen Hesap Kodu SİLİNDİ !");
  EXPECT_FALSE(accounts::find(shell.connection(), "330.01"));
  EXPECT_EQ(s->picker->rows().size(), 5u);

  test::Shell clerk;
  addAccounts(clerk);
  ASSERT_TRUE(clerk.loginAs("3333333233000000"));
  clerk.program->hspSil->FormShow();
  clerk.program->hspSil->ButHesPClick();
  EXPECT_EQ(clerk.ui.messages.back().caption, "U Y A R I");
  EXPECT_EQ(clerk.ui.lastText(), "Bu işlem için yetkiniz yok !");
}

TEST(ChartListing, RangeIsSwappedAndPrintedOnItsOwnPage) {
  test::Shell shell;
  addAccounts(shell);
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  TCariPlanDok* l = shell.program->cariPlanDok;
  ASSERT_TRUE(l->FormShow());
  EXPECT_EQ(l->output().table.rowCount(), 6);
  l->Edit1->setText("320.001");
  l->Edit2->setText("120");
  l->ButYenileClick();
  QStringList listed;
  for (int r = 0; r < l->output().table.rowCount(); ++r)
    listed << l->output().table.text(r, "HESAPKOD");
  EXPECT_EQ(listed, (QStringList{"120.001", "120.002", "320.001"}));

  QTemporaryDir dir;
  shell.ui.previewPdf = dir.filePath("plan.pdf");
  shell.ui.printChoices = {true};
  l->ButYazClick();
  const QStringList pages = test::pdfPages(dir.filePath("plan.pdf"));
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("CARİ HESAP PLANI")) << pages[0].toStdString();
  EXPECT_TRUE(pages[0].contains("Sayfa : 1"));
  EXPECT_TRUE(pages[0].contains("Baltık Timber"));
  EXPECT_FALSE(pages[0].contains("Merkez Kasa"));
}

TEST(ChartListing, SixtyLinesAPageWithoutTheLastRowsException) {
  test::FreshDatabase db;
  for (int i = 1; i <= 57; ++i) {
    db.connection().exec("INSERT INTO tlvkh (HESAPKOD, TANIM, TIP) VALUES (:k, 'Hesap', 'YTL')",
                         {{":k", QString("K%1").arg(i, 3, 10, QChar('0'))}});
  }
  QTemporaryDir dir;
  const auto r = test::runCliOn({"--database", db.name(), "report", "chart", "--format", "pdf",
                                 "--output", dir.filePath("plan.pdf")});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QStringList pages = test::pdfPages(dir.filePath("plan.pdf"));
  // Rows start on line 5: rows 1-56 fill lines 5-60, row 57 opens page 2 even though it is last.
  ASSERT_EQ(pages.size(), 2);
  EXPECT_EQ(test::pageOf(pages, "K056"), 0);
  EXPECT_EQ(test::pageOf(pages, "K057"), 1);
  EXPECT_TRUE(pages[1].contains("Sayfa : 2"));
}
