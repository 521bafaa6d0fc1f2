// The main window's commands: the login test, the rights test and what each opens.
#include <gtest/gtest.h>

#include "app/Login.h"
#include "app/screens/Screen.h"
#include "app/screens/TMainForm.h"
#include "data/Errors.h"
#include "support/Shell.h"

using namespace tolvek;

namespace {

struct Row {
  const char* name;
  const char* notLoggedIn;  // empty: no test
  int position;             // 0: no rights test
  char minimum;
  const char* refused;
  const char* opens;  // modal screen opened when allowed, empty: none
};

const char* kNotFound = "Bu Parametrelerde Bilgi Bulunamadı !";
const char* kNoInfo = "Bilgi Bulunamadı !";
const char* kNoAccess = "Bu Bilgilere Ulaşma Yetkiniz Bulunmamaktadır !";

// The command table, written out as the users know it.
const Row kRows[] = {
    {"ButFirmaPar", "", 0, '0', "", "TKimlikGir"},
    {"ButFihrist", kNotFound, 7, '1', kNoInfo, "TAdrAna"},
    {"ButKur", kNotFound, 9, '1', kNoInfo, "TKurAna"},
    {"ButCari", kNotFound, 0, '0', "", ""},
    {"ButStok", kNotFound, 1, '1', kNoAccess, ""},
    {"ButMusStok", kNotFound, 1, '2', kNoInfo, ""},
    {"ButSip", kNotFound, 1, '1', kNoAccess, ""},
    {"ButRapor", kNotFound, 3, '1', kNoAccess, ""},
    {"ButCarRap", kNotFound, 1, '3', kNoInfo, ""},
    {"ComPanel", kNotFound, 1, '3', kNoInfo, "TFormFirma"},
    {"MenuCariHesapKoduSil", kNotFound, 6, '3', kNoInfo, "THspSil"},
    {"MenuStokHesapKoduSil", kNotFound, 6, '3', kNoInfo, ""},
    {"MenuImalatGuncelle", kNotFound, 1, '3', kNoInfo, ""},
    {"MenuPersonelYetki", kNotFound, 1, '3', kNoInfo, "TPYetki"},
    {"MenuYeniDonemeDevir", kNotFound, 1, '3', kNoInfo, ""},
    {"MenuYeniAcilis", "", 0, '0', "", ""},
    {"MenuSqlYedekle", "Firma Açılışı Yapılmadan Yükleme Yapılamaz !", 1, '3', kNoInfo, ""},
    {"MenuSqlYukle", "Firma Açılışı Yapılmadan Yükleme Yapılamaz !", 1, '3', kNoInfo, ""},
    {"MenuServer", "", 0, '0', "", "TServerAdres"},
    {"MenuKilitle", "Dosya Mevcut Değil!", 1, '3', "Bu işlem için yetkiniz yok !", ""},
    {"MenuKilitAc", "Dosya Mevcut Değil!", 1, '3', "Bu işlem için yetkiniz yok !", ""},
};

}  // namespace

TEST(MainWindow, EveryCommandAnswersAsItsRowSays) {
  test::Shell shell;
  TMainForm* main = shell.program->mainForm;
  EXPECT_EQ(main->windowTitle(), "Tolvek 11 - 14.06.30");
  EXPECT_EQ(main->commands().size(), std::size(kRows) + 1);  // and ButSon

  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    // Not logged in.
    shell.ui.clear();
    shell.dm->loggedIn = false;
    main->runCommand(r.name);
    if (*r.notLoggedIn) {
      ASSERT_EQ(shell.ui.messages.size(), 1u);
      EXPECT_EQ(shell.ui.messages[0].caption, "H A T A");
      EXPECT_EQ(shell.ui.messages[0].text, QString::fromUtf8(r.notLoggedIn));
      EXPECT_TRUE(shell.ui.opened.isEmpty());
    }

    // Logged in, one level short at the tested position.
    if (r.position > 0) {
      shell.ui.clear();
      shell.dm->loggedIn = true;
      QString rights = "3333333333000000";
      rights[r.position - 1] = QChar(r.minimum - 1);
      shell.dm->rights = rights;
      main->runCommand(r.name);
      ASSERT_EQ(shell.ui.messages.size(), 1u);
      EXPECT_EQ(shell.ui.messages[0].caption, "H A T A");
      EXPECT_EQ(shell.ui.messages[0].text, QString::fromUtf8(r.refused));
      EXPECT_TRUE(shell.ui.opened.isEmpty());
    }
  }
}

TEST(MainWindow, AllowedCommandsOpenTheirScreens) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  TMainForm* main = shell.program->mainForm;
  for (const Row& r : kRows) {
    if (QString(r.name).startsWith("MenuKilit")) continue;  // the lock has its own test
    SCOPED_TRACE(r.name);
    shell.ui.clear();
    shell.dm->loggedIn = true;
    main->runCommand(r.name);
    EXPECT_EQ(shell.ui.opened, *r.opens ? QStringList{r.opens} : QStringList{});
    EXPECT_TRUE(shell.ui.errors.isEmpty()) << shell.ui.errors.join('\n').toStdString();
  }
}

TEST(MainWindow, ARightsStringTooShortIsARangeErrorForTheGeneralReport) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("1"));  // position 1 is there, so the login holds
  EXPECT_FALSE(reportErrors(shell.ui, [&] { shell.program->mainForm->runCommand("ButFihrist"); }));
  ASSERT_EQ(shell.ui.errors.size(), 1);
  EXPECT_TRUE(shell.ui.errors[0].contains("Aralık hatası")) << shell.ui.errors[0].toStdString();
  EXPECT_TRUE(shell.ui.opened.isEmpty());
  EXPECT_THROW(rightsAllow("1", 2, '0'), RangeError);
  EXPECT_TRUE(rightsAllow("1", 1, '1'));
}

TEST(MainWindow, ClosingDropsTheConnectionAndClosesEveryOtherScreen) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  shell.dm->connection().exec("SELECT 1");
  Screen* other = shell.program->screens().front();
  shell.ui.show(other);
  ASSERT_TRUE(other->isVisible());
  shell.program->mainForm->runCommand("ButSon");
  EXPECT_FALSE(shell.dm->connection().isConnected());
  EXPECT_FALSE(other->isVisible());
}

TEST(MainWindow, LockThenUnlockOnOneWorkstation) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  TMainForm* main = shell.program->mainForm;
  main->runCommand("MenuKilitle");
  EXPECT_EQ(shell.ui.lastText(), "Dönem Kayıtları Kapatıldı ! Yeni Kayıt ve Düzeltme Yapılamaz!");
  EXPECT_EQ(shell.dm->periodClosed, 1);
  EXPECT_EQ(shell.connection().scalar("SELECT KAPAT FROM tlvka").toInt(), 1);
  main->runCommand("MenuKilitAc");
  EXPECT_EQ(shell.ui.lastText(), "Dönem Kayıtları İşlemlere Açıldı !");
  EXPECT_EQ(shell.dm->periodClosed, 0);
  EXPECT_EQ(shell.connection().scalar("SELECT KAPAT FROM tlvka").toInt(), 0);
  EXPECT_EQ(shell.ui.messages.back().caption, "H A T A");
}

TEST(MainWindow, LockOnAnEmptyCompanyTableWritesAFirstRowHoldingOnlyTheLock) {
  test::Shell shell;
  ASSERT_TRUE(shell.loginAs("3333333333000000"));
  shell.program->mainForm->runCommand("MenuKilitle");
  EXPECT_EQ(shell.connection()
                .scalar("SELECT COUNT(*) FROM tlvka WHERE KAPAT = 1 AND FIRMAADI IS NULL")
                .toInt(),
            1);
  // Another workstation sees the lock at its next login.
  TDM other{SettingsStore(shell.settingsDir.filePath("other.conf"))};
  other.serverAddress = shell.dm->serverAddress;
  other.port = shell.dm->port;
  other.dbUser = shell.dm->dbUser;
  other.dbPassword = shell.dm->dbPassword;
  other.applyConnectionSettings();
  logIn(other, {"TEST", "sifre", {}, shell.period(), {}});
  EXPECT_EQ(other.periodClosed, 1);
}
