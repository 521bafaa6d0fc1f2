// The company card and the user-rights editor.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/screens/TFormFirma.h"
#include "app/screens/TMainForm.h"
#include "app/screens/TPYetki.h"
#include "app/screens/Widgets.h"
#include "support/Shell.h"

using namespace tolvek;

TEST(CompanyCard, FirstUseOfAnEmptyTableInsertsTheRowAndTheMainWindowShowsIt) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3000000000000000"));
  shell.ui.onExec("TFormFirma", [](QDialog* d) {
    auto* f = static_cast<TFormFirma*>(d);
    EXPECT_EQ(f->edit("FIRMAADI")->text(), "");
    EXPECT_EQ(f->edit("FIRMAADI")->maxLength(), 40);
    EXPECT_EQ(f->edit("POSTA")->maxLength(), 6);
    f->edit("FIRMAADI")->setText("Çınar Kereste");
    f->edit("SEHIR")->setText("İzmir");
    f->Tarih->setText("01.02.2026");
    f->EdTkus->setCurrentIndex(2);
    f->DBComboBox1->setCurrentIndex(3);
    f->DBEdit1->setText("usd");
    f->OkClick();
  });
  shell.program->mainForm->runCommand("ComPanel");
  EXPECT_EQ(shell.program->mainForm->ComPanel->text(), "Çınar Kereste");
  EXPECT_EQ(shell.dm->companyName, "Çınar Kereste");
  EXPECT_EQ(shell.dm->openingDate, QDate(2026, 2, 1));
  QSqlQuery q = shell.connection().exec("SELECT FIRMAADI, SEHIR, KSTUT, KSMK, stokdvz FROM tlvka");
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(1).toString(), "İzmir");
  EXPECT_EQ(q.value(2).toInt(), 2);
  EXPECT_EQ(q.value(3).toInt(), 3);
  EXPECT_EQ(q.value(4).toString(), "USD");
  EXPECT_FALSE(q.next());
}

TEST(CompanyCard, CancelKeepsTheRowAndTheMainWindowStillRereadsIt) {
  test::Shell shell;
  shell.connection().exec("INSERT INTO tlvka (FIRMAADI, Tarih) VALUES ('Eski Ad', '2026-01-01')");
  ASSERT_TRUE(shell.loginAs("3000000000000000"));
  shell.connection().exec("UPDATE tlvka SET FIRMAADI = 'Başka İstasyondan'");
  shell.ui.onExec("TFormFirma", [](QDialog* d) {
    auto* f = static_cast<TFormFirma*>(d);
    f->edit("FIRMAADI")->setText("Yazılıp vazgeçilen");
    f->reject();
  });
  shell.program->mainForm->runCommand("ComPanel");
  EXPECT_EQ(shell.connection().scalar("SELECT FIRMAADI FROM tlvka").toString(),
            "Başka İstasyondan");
  EXPECT_EQ(shell.program->mainForm->ComPanel->text(), "Başka İstasyondan");
}

TEST(CompanyCard, AnUnreadableDateKeepsTheCardOpenAndWritesNothing) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3000000000000000"));
  shell.ui.onExec("TFormFirma", [&](QDialog* d) {
    auto* f = static_cast<TFormFirma*>(d);
    f->edit("FIRMAADI")->setText("Firma");
    f->Tarih->setText("31.02.2026");
    EXPECT_FALSE(reportErrors(shell.ui, [&] { f->OkClick(); }));
    EXPECT_EQ(f->result(), QDialog::Rejected);
    EXPECT_TRUE(f->isVisible() || f->result() == QDialog::Rejected);
  });
  shell.program->mainForm->runCommand("ComPanel");
  ASSERT_EQ(shell.ui.errors.size(), 1);
  EXPECT_TRUE(shell.ui.errors[0].contains("31.02.2026"));
  EXPECT_EQ(shell.connection().scalar("SELECT COUNT(*) FROM tlvka").toInt(), 0);
}

TEST(CompanyCard, ClosesItselfBelowManagerLevel) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("2000000000000000"));
  EXPECT_FALSE(shell.program->formFirma->FormShow());
}

namespace {
struct Editor {
  test::Shell& shell;
  TPYetki* e = (shell.useDatabase(), shell.program->pYetki);
  void levels(const QString& digits) {
    for (int i = 0; i < 10; ++i) e->groups[i]->setItemIndex(digits[i].digitValue());
  }
  QString works(const QString& name) {
    return shell.connection()
        .scalar("SELECT User_Works FROM tlvko WHERE User_Name = :n", {{":n", name}})
        .toString();
  }
  int count() { return shell.connection().scalar("SELECT COUNT(*) FROM tlvko").toInt(); }
};
}  // namespace

TEST(UserEditor, ShowsTheCurrentUserAndSavesByItsRules) {
  test::Shell shell;
  shell.addUser("ALİ", "a1", "2312000000000000", "120");
  shell.addUser("VELİ", "v1", "1000000000000000");
  Editor ed{shell};
  ASSERT_TRUE(ed.e->FormShow());
  EXPECT_EQ(ed.e->EditPer->text(), "ALİ");
  EXPECT_EQ(ed.e->EditSif->text(), "a1");
  EXPECT_EQ(ed.e->MusKodu->text(), "120");
  EXPECT_EQ(ed.e->groups[1]->itemIndex(), 3);
  EXPECT_EQ(ed.e->groups[0]->itemIndex(), 2);

  // Same name as the current row: asked, and No changes nothing.
  ed.levels("3333000000");
  shell.ui.answers = {Answer::No};
  ed.e->ButKaydetClick();
  EXPECT_EQ(shell.ui.messages.back().caption, "D i k k a t  !");
  EXPECT_EQ(shell.ui.lastText(), "Mevcut kayıt değiştirilecek mi ?");
  EXPECT_EQ(ed.works("ALİ"), "2312000000000000");

  // Yes updates the row in place.
  ed.levels("3333000000");
  shell.ui.answers = {Answer::Yes};
  ed.e->ButKaydetClick();
  EXPECT_EQ(ed.works("ALİ"), "3333000000000000");

  // A new name while ALİ is selected adds a user and leaves ALİ as it was.
  ed.e->EditPer->setText("ZEYNEP");
  ed.e->EditSif->setText("z");
  ed.e->MusKodu->setText("320;120");
  ed.levels("1200000002");
  ed.e->ButKaydetClick();
  EXPECT_EQ(ed.count(), 3);
  EXPECT_EQ(ed.works("ZEYNEP"), "1200000002000000");
  EXPECT_EQ(ed.works("ALİ"), "3333000000000000");
  EXPECT_EQ(ed.e->EditPer->text(), "ALİ");  // the current row is shown again

  // A name that exists on another row is refused with a clear message, nothing added.
  ed.e->EditPer->setText("VELİ");
  const size_t before = shell.ui.messages.size();
  ed.e->ButKaydetClick();
  ASSERT_EQ(shell.ui.messages.size(), before + 1);
  EXPECT_EQ(shell.ui.messages.back().caption, "H A T A");
  EXPECT_TRUE(shell.ui.lastText().contains("zaten kayıtlı")) << shell.ui.lastText().toStdString();
  EXPECT_EQ(ed.count(), 3);
  EXPECT_EQ(ed.works("VELİ"), "1000000000000000");
}

TEST(UserEditor, DeleteRules) {
  test::Shell shell;
  shell.addUser("ALİ", "a1", "3000000000000000");
  shell.addUser("DEPOCU", "d", "1000000000000000");
  Editor ed{shell};
  ed.e->FormShow();

  // User type Yok or Depo: the warning alone, nothing deleted.
  ed.e->selectRow(1);
  EXPECT_EQ(ed.e->EditPer->text(), "DEPOCU");
  ed.e->ButSilClick();
  EXPECT_EQ(shell.ui.messages.back().buttons, Buttons::Ok);
  EXPECT_EQ(shell.ui.lastText(), "Mevcut Personel Kayıdı SİLİNECEK ?");
  EXPECT_EQ(ed.count(), 2);

  // A manager: asked; No keeps, Yes deletes and shows the row that became current.
  ed.e->selectRow(0);
  shell.ui.answers = {Answer::No, Answer::Yes};
  ed.e->ButSilClick();
  EXPECT_EQ(ed.count(), 2);
  ed.e->ButSilClick();
  EXPECT_EQ(shell.ui.messages.back().buttons, Buttons::YesNo);
  EXPECT_EQ(ed.count(), 1);
  EXPECT_EQ(ed.e->EditPer->text(), "DEPOCU");
}

TEST(UserEditor, AStoredLevelOutsideZeroToThreeLeavesTheGroupAsItWas) {
  test::Shell shell;
  shell.addUser("A", "a", "2222222222000000");
  shell.addUser("B", "b", "34X1");
  Editor ed{shell};
  ed.e->FormShow();
  ed.e->selectRow(1);
  EXPECT_EQ(ed.e->groups[0]->itemIndex(), 3);
  EXPECT_EQ(ed.e->groups[1]->itemIndex(), 2);  // '4': as the previous user had it
  EXPECT_EQ(ed.e->groups[2]->itemIndex(), 2);  // 'X'
  EXPECT_EQ(ed.e->groups[3]->itemIndex(), 1);
  EXPECT_EQ(ed.e->groups[4]->itemIndex(), 2);  // past the end of the string

  ed.e->LabelYetkilerDblClick();
  EXPECT_EQ(ed.e->EditSif->echoMode(), QLineEdit::Normal);
  ed.e->LabelYetkilerDblClick();
  EXPECT_EQ(ed.e->EditSif->echoMode(), QLineEdit::Password);
}
