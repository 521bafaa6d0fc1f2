// Daily exchange rates: the rate window and the entry screen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>

#include "app/screens/TBrDateForm.h"
#include "app/screens/Widgets.h"
#include "data/Format.h"
#include "rates/Rates.h"
#include "rates/screens/TKurAna.h"
#include "rates/screens/TKurGiris.h"
#include "support/Shell.h"

using namespace tolvek;

TEST(Rates, SavedTwiceLeavesOneRowWithTheSecondValues) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  TKurGiris* g = shell.program->kurGiris;
  ASSERT_TRUE(g->FormShow());
  EXPECT_EQ(g->GTarih->text(), fmt::shortDate(QDate::currentDate()));
  EXPECT_EQ(g->DovizCombo->currentText(), "USD");
  EXPECT_EQ(g->MSEdit->text(), "0,00000");

  g->MSEdit->setText("38,5");  // the Turkish decimal comma
  g->MAEdit->setText("38,1");
  g->KayitYapClick();
  g->MSEdit->setText("38,75");
  g->KayitYapClick();
  QSqlQuery q = shell.connection().exec("SELECT MerkezAl, MerkezSat, SerbestSat FROM tlvke");
  ASSERT_TRUE(q.next());
  EXPECT_DOUBLE_EQ(q.value(0).toDouble(), 38.1);
  EXPECT_DOUBLE_EQ(q.value(1).toDouble(), 38.75);
  EXPECT_DOUBLE_EQ(q.value(2).toDouble(), 0.0);
  EXPECT_FALSE(q.next());

  // Another currency without a row for the date clears the edits; coming back loads them.
  g->DovizCombo->setCurrentText("EUR");
  EXPECT_DOUBLE_EQ(g->MSEdit->value(), 0.0);
  g->DovizCombo->setCurrentText("USD");
  EXPECT_DOUBLE_EQ(g->MSEdit->value(), 38.75);
}

TEST(Rates, TheDatePickerChangesTheDateAndLoads) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  rates::save(shell.connection(), {QDate(2026, 1, 5), "USD", 1, 35.5, 0, 0, 0, 0});
  TKurGiris* g = shell.program->kurGiris;
  g->FormShow();
  shell.ui.onExec("TBrDateForm", [](QDialog* d) {
    static_cast<TBrDateForm*>(d)->setDate(QDate(2026, 1, 5));
    d->accept();
  });
  g->GTarihClick();
  EXPECT_EQ(g->GTarih->text(), "05.01.2026");
  EXPECT_DOUBLE_EQ(g->MSEdit->value(), 35.5);
}

TEST(Rates, TheRateWindowListsDatesAndShowsTheLatest) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  TKurAna* k = shell.program->kurAna;
  ASSERT_TRUE(k->FormShow());
  EXPECT_EQ(k->TarBox->count(), 0);
  EXPECT_EQ(k->Edit1->text(), fmt::shortDate(QDate::currentDate()));
  EXPECT_EQ(k->DovizTablosu->model()->rowCount(), 0);

  rates::save(shell.connection(), {QDate(2026, 1, 6), "USD", 35.1, 35.25, 0, 0, 0, 0});
  rates::save(shell.connection(), {QDate(2026, 1, 5), "USD", 35, 35.2, 0, 0, 0, 0});
  rates::save(shell.connection(), {QDate(2026, 1, 5), "EUR", 38, 38.5, 0, 0, 0, 1234.5});
  k->FormShow();
  ASSERT_EQ(k->TarBox->count(), 2);
  EXPECT_EQ(k->TarBox->item(0)->text(), "05.01.2026");
  EXPECT_EQ(k->Edit1->text(), "06.01.2026");
  k->TarBox->setCurrentRow(0);
  k->TarBoxDblClick();
  EXPECT_EQ(k->Edit1->text(), "05.01.2026");
  auto* m = k->DovizTablosu->model();
  ASSERT_EQ(m->rowCount(), 2);
  QStringList eur;
  for (int r = 0; r < 2; ++r) {
    if (m->index(r, 0).data().toString() == "EUR") {
      for (int c = 0; c < 7; ++c) eur << m->index(r, c).data().toString();
    }
  }
  EXPECT_EQ(eur,
            (QStringList{"EUR", "38,0000", "38,5000", "0,0000", "0,0000", "0,0000", "1.234,5000"}));
}

TEST(Rates, RightsOfTheRatePosition) {
  struct Case {
    const char* rights;
    int closed;
    bool windowOpens;
    bool entryAllowed;
    bool deleteWarned;
  };
  const Case cases[] = {
      {"3333333303000000", 0, false, false, true},
      {"33333333", 0, false, false, true},  // no ninth position: as no rate right
      {"3333333313000000", 0, true, false, true},
      {"3333333323000000", 0, true, true, true},
      {"3333333323000000", 1, true, false, true},
      {"3333333333000000", 0, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rights);
    test::Shell shell;
    ASSERT_TRUE(shell.loginAs(c.rights));
    shell.dm->periodClosed = c.closed;
    TKurAna* k = shell.program->kurAna;
    EXPECT_EQ(k->FormShow(), c.windowOpens);
    if (!c.windowOpens) continue;
    k->GirisButtonClick();
    EXPECT_EQ(shell.ui.opened.contains("TKurGiris"), c.entryAllowed);
    EXPECT_EQ(shell.ui.texts().contains("Bu işlem için yetkiniz yok !"), !c.entryAllowed);
    shell.ui.clear();
    k->ButSilClick();
    EXPECT_EQ(!shell.ui.messages.empty(), c.deleteWarned);
    if (!shell.ui.messages.empty()) {
      EXPECT_EQ(shell.ui.messages.back().caption, "U Y A R I");
    }
  }
}
