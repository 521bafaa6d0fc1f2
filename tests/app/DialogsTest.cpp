// The shared dialogs: date picker, document-number prompt, server settings.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include "app/screens/TBrDateForm.h"
#include "app/screens/TEvrak_No.h"
#include "app/screens/TMainForm.h"
#include "app/screens/TServerAdres.h"
#include "data/Errors.h"
#include "support/Shell.h"

using namespace tolvek;

TEST(DatePicker, MonthAndYearStepsKeepTheDayWhereTheMonthHasIt) {
  test::Shell shell;
  TBrDateForm* p = shell.program->dateForm;
  EXPECT_EQ(p->windowTitle(), "Takvim");
  p->setDate(QDate(2026, 1, 31));
  EXPECT_EQ(p->TitleLabel->text(), "Ocak, 2026");
  p->NextMonthBtnClick();
  EXPECT_EQ(p->date(), QDate(2026, 2, 28));
  EXPECT_EQ(p->TitleLabel->text(), "Şubat, 2026");
  EXPECT_EQ(p->Calendar1->monthShown(), 2);

  p->setDate(QDate(2024, 2, 29));
  p->BuySonYilClick();
  EXPECT_EQ(p->date(), QDate(2025, 2, 28));
  p->ButOnYilClick();
  EXPECT_EQ(p->date(), QDate(2024, 2, 28));
  p->setDate(QDate(2026, 3, 31));
  p->PrevMonthBtnClick();
  EXPECT_EQ(p->date(), QDate(2026, 2, 28));
  p->setDate(QDate(2026, 12, 15));
  p->NextMonthBtnClick();
  EXPECT_EQ(p->TitleLabel->text(), "Ocak, 2027");
}

TEST(DatePicker, OkGivesTheChosenDateAndCancelNothing) {
  test::Shell shell;
  shell.ui.onExec("TBrDateForm", [](QDialog* d) {
    auto* p = static_cast<TBrDateForm*>(d);
    EXPECT_EQ(p->date(), QDate(2026, 5, 10));
    p->NextMonthBtnClick();
    p->OkBtnClick();
  });
  EXPECT_EQ(shell.program->pickDate(QDate(2026, 5, 10)), QDate(2026, 6, 10));
  EXPECT_EQ(shell.program->pickDate(QDate(2026, 5, 10)), std::nullopt);
}

TEST(NumberPrompt, NumbersBelowOneOpenNothingAndTextIsAConversionError) {
  test::Shell shell;
  auto answer = [&](const QString& text) {
    shell.ui.onExec("TEvrak_No", [text](QDialog* d) {
      static_cast<TEvrak_No*>(d)->Ev_No->setText(text);
      d->accept();
    });
  };
  answer("117");
  EXPECT_EQ(shell.program->askDocumentNumber(), 117);
  // The field keeps its last text.
  shell.ui.onExec("TEvrak_No",
                  [](QDialog* d) { EXPECT_EQ(static_cast<TEvrak_No*>(d)->Ev_No->text(), "117"); });
  EXPECT_EQ(shell.program->askDocumentNumber(), std::nullopt);
  for (const char* low : {"0", "-5"}) {
    answer(low);
    EXPECT_EQ(shell.program->askDocumentNumber(), std::nullopt);
  }
  EXPECT_TRUE(shell.ui.messages.empty());
  answer("on yedi");
  EXPECT_THROW(shell.program->askDocumentNumber(), ConversionError);
}

TEST(ServerDialog, OkWritesTheSettingsAndAppliesThem) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  shell.dm->connection().exec("SELECT 1");
  shell.ui.onExec("TServerAdres", [](QDialog* d) {
    auto* s = static_cast<TServerAdres*>(d);
    EXPECT_EQ(s->EdUser->text(), "tolvek");
    // The port takes digits only.
    s->EdTipi->clear();
    QTest::keyClicks(s->EdTipi, "33a0x7");
    EXPECT_EQ(s->EdTipi->text(), "3307");
    s->SvrIP->setText("10.1.1.9");
    s->OkClick();
  });
  shell.program->mainForm->runCommand("MenuServer");
  EXPECT_FALSE(shell.dm->connection().isConnected());
  EXPECT_EQ(shell.dm->connection().settings().host, "10.1.1.9");
  EXPECT_EQ(shell.dm->connection().settings().port, 3307);
  QSettings stored(shell.settingsDir.filePath("tolvekprg.conf"), QSettings::IniFormat);
  EXPECT_EQ(stored.value("DBAdres").toString(), "10.1.1.9");
  EXPECT_EQ(stored.value("DBTipi").toString(), "3307");
}

TEST(ServerDialog, AnEmptyPortIsAConversionErrorAndNothingIsWritten) {
  test::Shell shell;
  const int port = shell.dm->port;
  shell.ui.onExec("TServerAdres", [&](QDialog* d) {
    auto* s = static_cast<TServerAdres*>(d);
    s->SvrIP->setText("10.1.1.9");
    s->EdTipi->clear();
    EXPECT_FALSE(reportErrors(shell.ui, [&] { s->OkClick(); }));
  });
  shell.program->mainForm->runCommand("MenuServer");
  EXPECT_EQ(shell.ui.errors.size(), 1);
  EXPECT_EQ(shell.dm->serverAddress, "10.1.1.9");  // taken before the port failed
  EXPECT_EQ(shell.dm->port, port);
  QSettings stored(shell.settingsDir.filePath("tolvekprg.conf"), QSettings::IniFormat);
  EXPECT_EQ(stored.value("DBAdres").toString(), "127.0.0.1");
}
