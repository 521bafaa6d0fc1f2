// The report parameter screens: defaults on every opening, states kept, OK stores, Cancel not.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "reports/screens/TCarParam.h"
#include "reports/screens/TStokFlt.h"
#include "support/CliRunner.h"
#include "support/Shell.h"

using namespace tolvek;

TEST(ParameterScreens, AccountParametersDefaultsAndKeptStates) {
  test::Shell shell;
  shell.dm->openingDate = QDate(2026, 1, 1);
  TCarParam* p = shell.program->carParam;
  const QString today = QDate::currentDate().toString("dd.MM.yyyy");

  shell.ui.onExec("TCarParam", [](QDialog* d) {
    auto* c = static_cast<TCarParam*>(d);
    EXPECT_EQ(c->Hesap1->text(), "000");
    EXPECT_EQ(c->Hesap2->text(), "ZZZ");
    EXPECT_EQ(c->Tarih1->text(), "01.01.2026");
    EXPECT_EQ(c->KarTon->text(), "");
    c->Hesap1->setText("120");
    c->Hesap2->setText("320");
    c->Tarih1->setText("01.03.2026");
    c->KarTon->setText("MUS");
    c->Doviz->setCurrentText("USD");
    c->Valor->setChecked(true);
    c->MizFil->setChecked(true);
    c->BitBtn1Click();
  });
  EXPECT_EQ(p->openModal(), QDialog::Accepted);
  const ReportParams& r = shell.dm->report;
  EXPECT_EQ(r.firstCode, "120");
  EXPECT_EQ(r.lastCode, "320");
  EXPECT_EQ(r.firstDate, QDate(2026, 3, 1));
  EXPECT_EQ(r.lastDate, QDate::currentDate());
  EXPECT_EQ(r.karton, "MUS");
  EXPECT_EQ(r.currency, "USD");
  EXPECT_EQ(r.option, "x");
  EXPECT_TRUE(r.hideZero);
  EXPECT_FALSE(r.orderKarton);

  // The next opening resets the edits and keeps the currency and the check boxes; Cancel stores
  // nothing.
  shell.ui.onExec("TCarParam", [&](QDialog* d) {
    auto* c = static_cast<TCarParam*>(d);
    EXPECT_EQ(c->Hesap1->text(), "000");
    EXPECT_EQ(c->Tarih2->text(), today);
    EXPECT_EQ(c->Doviz->currentText(), "USD");
    EXPECT_TRUE(c->Valor->isChecked());
    EXPECT_TRUE(c->MizFil->isChecked());
    c->Hesap1->setText("999");
    c->reject();
  });
  EXPECT_EQ(p->openModal(), QDialog::Rejected);
  EXPECT_EQ(shell.dm->report.firstCode, "120");

  // An unreadable date stores nothing and keeps the screen open.
  shell.ui.onExec("TCarParam", [&](QDialog* d) {
    auto* c = static_cast<TCarParam*>(d);
    c->Hesap1->setText("500");
    c->Tarih2->setText("32.01.2026");
    EXPECT_FALSE(reportErrors(shell.ui, [&] { c->BitBtn1Click(); }));
  });
  EXPECT_EQ(p->openModal(), QDialog::Rejected);
  EXPECT_EQ(shell.dm->report.firstCode, "120");
  EXPECT_EQ(shell.ui.errors.size(), 1);
}

TEST(ParameterScreens, StockAndDepotParameters) {
  test::Shell shell;
  shell.dm->openingDate = QDate(2026, 1, 1);
  shell.dm->report.option = "x";
  shell.ui.onExec("TStokFlt", [](QDialog* d) {
    auto* s = static_cast<TStokFlt*>(d);
    EXPECT_EQ(s->Edit1->text(), "00");
    EXPECT_EQ(s->Edit2->text(), "ZZZ");
    EXPECT_EQ(s->Edit3->text(), "01.01.2026");
    EXPECT_EQ(s->Edit5, nullptr);
    s->Edit1->setText("parke");
    s->ButOkClick();
  });
  EXPECT_EQ(shell.program->stokFlt->openModal(), QDialog::Accepted);
  EXPECT_EQ(shell.dm->report.firstCode, "PARKE");
  EXPECT_EQ(shell.dm->report.option, "x");  // not this screen's to write

  shell.ui.onExec("TDpStokFlt", [](QDialog* d) {
    auto* s = static_cast<TStokFlt*>(d);
    EXPECT_EQ(s->Edit5->text(), "0");
    s->Edit5->setText("5");
    s->ButOkClick();
  });
  EXPECT_EQ(shell.program->dpStokFlt->openModal(), QDialog::Accepted);
  EXPECT_EQ(shell.dm->report.option, "5");
}

TEST(ReportCommand, UsageErrors) {
  test::FreshDatabase db;
  struct Case {
    QStringList args;
    const char* said;
  };
  const QList<Case> cases = {
      {{"report"}, "rapor adı"},
      {{"report", "yok"}, "Bilinmeyen rapor: yok"},
      {{"report", "yok", "--renk", "x"}, "Bilinmeyen seçenek"},
  };
  for (const Case& c : cases) {
    const auto r = test::runCliOn(QStringList{"--database", db.name()} + c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(c.said)) << r.err.toStdString();
  }
}
