// Logging in: the dialog, the silent failures, the password change, the session values.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSettings>

#include "app/Login.h"
#include "app/screens/TKimlikGir.h"
#include "app/screens/TMainForm.h"
#include "app/screens/Widgets.h"
#include "support/Shell.h"

using namespace tolvek;

namespace {
QString stored(test::Shell& shell, const char* name) {
  return QSettings(shell.settingsDir.filePath("tolvekprg.conf"), QSettings::IniFormat)
      .value(name)
      .toString();
}
}  // namespace

TEST(Login, ASuccessfulLoginLoadsTheSessionAndShowsTheFirm) {
  test::Shell shell;
  shell.connection().exec(
      "INSERT INTO tlvka (FIRMAADI, Tarih, KAPAT, stokdvz) VALUES ('Yıldız Parke', '2026-01-01', "
      "0, 'YTL')");
  shell.addUser("AYŞE", "gizli", "2212000000000000", "120;320");
  shell.loginWithDialog("AYŞE", "gizli");

  TDM& dm = *shell.dm;
  EXPECT_TRUE(dm.loggedIn);
  EXPECT_EQ(dm.userId, "AYŞE");
  EXPECT_EQ(dm.rights, "2212000000000000");
  EXPECT_EQ(dm.accountPrefixes, "120;320");
  EXPECT_TRUE(dm.restriction.active());
  EXPECT_EQ(dm.companyName, "Yıldız Parke");
  EXPECT_EQ(dm.openingDate, QDate(2026, 1, 1));
  EXPECT_EQ(dm.stockCurrency, "YTL");
  EXPECT_EQ(dm.databaseName, shell.db.name());
  EXPECT_EQ(shell.program->mainForm->ComPanel->text(), "Yıldız Parke");
  EXPECT_EQ(shell.program->mainForm->FrmKod->text(), shell.period() + " ");
  EXPECT_EQ(stored(shell, "UserName"), "AYŞE");
  EXPECT_EQ(stored(shell, "UserDonem"), shell.period());
  EXPECT_TRUE(shell.ui.messages.empty());

  // The dialog comes back with the last values and an empty password, focus on the password.
  shell.ui.onExec("TKimlikGir", [](QDialog* d) {
    auto* k = static_cast<TKimlikGir*>(d);
    EXPECT_EQ(k->EditAd->text(), "AYŞE");
    EXPECT_EQ(k->EditPas1->text(), "");
  });
  shell.program->mainForm->runCommand("ButFirmaPar");
  EXPECT_TRUE(dm.loggedIn);  // cancelled: nothing changes
}

TEST(Login, FailuresAreSilentAndLeaveTheUserLoggedOut) {
  struct Case {
    const char* what;
    QString user, password, period;
    bool settingsWritten;
  };
  const QList<Case> cases = {
      {"wrong password", "ALİ", "yanlis", "", true},
      {"unknown user", "VELİ", "x", "", true},
      {"user name differing in case", "ali", "sifre", "", true},
      {"missing database", "ALİ", "sifre", "9999", true},
      {"empty password", "ALİ", "", "", false},
      {"empty user", "", "sifre", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::Shell shell;
    shell.addUser("ALİ", "sifre", "3333333333000000");
    ASSERT_TRUE(shell.loginAs("3333333333000000", {}, "BİRİ"));
    shell.program->mainForm->ComPanel->setText("önceki");
    shell.ui.clear();
    LoginInput in{c.user, c.password, {}, c.period.isEmpty() ? shell.period() : c.period, {}};
    const LoginResult r = logIn(*shell.dm, in);
    EXPECT_TRUE(shell.ui.messages.empty());
    if (c.settingsWritten) {
      EXPECT_FALSE(shell.dm->loggedIn);
      EXPECT_EQ(r.outcome, LoginResult::Outcome::Failed);
      EXPECT_EQ(stored(shell, "UserName"), c.user);  // written before the password is compared
    } else {
      EXPECT_TRUE(shell.dm->loggedIn);  // nothing changed
      EXPECT_EQ(r.outcome, LoginResult::Outcome::Incomplete);
      EXPECT_EQ(stored(shell, "UserName"), "BİRİ");
    }
  }
}

TEST(Login, AWrongPasswordClearsTheRights) {
  test::Shell shell;
  shell.addUser("ALİ", "sifre", "3333333333000000");
  shell.loginWithDialog("ALİ", "yanlış");
  EXPECT_FALSE(shell.dm->loggedIn);
  EXPECT_EQ(shell.dm->userId, "");
  EXPECT_EQ(shell.dm->rights, "0000000000000000");
  shell.program->mainForm->runCommand("ButCari");
  EXPECT_EQ(shell.ui.lastText(), "Bu Parametrelerde Bilgi Bulunamadı !");
}

TEST(Login, UserTypeZeroLoadsTheSessionButStaysLoggedOut) {
  test::Shell shell;
  shell.connection().exec("INSERT INTO tlvka (FIRMAADI) VALUES ('Firma')");
  shell.addUser("DEPO", "d", "0333333333000000");
  const LoginResult r = logIn(*shell.dm, {"DEPO", "d", {}, shell.period(), {}});
  EXPECT_EQ(r.outcome, LoginResult::Outcome::NoAccess);
  EXPECT_FALSE(shell.dm->loggedIn);
  EXPECT_EQ(shell.dm->userId, "DEPO");
  EXPECT_EQ(shell.dm->companyName, "Firma");
}

TEST(Login, TheNewPasswordIsStoredAtOnce) {
  test::Shell shell;
  shell.addUser("ALİ", "eski", "3333333333000000");
  shell.loginWithDialog("ALİ", "eski", "yeni");
  EXPECT_TRUE(shell.dm->loggedIn);
  EXPECT_EQ(
      shell.connection().scalar("SELECT User_Pass FROM tlvko WHERE User_Name = 'ALİ'").toString(),
      "yeni");
}

TEST(Login, AnEmptyUsersTableLetsNobodyIn) {
  test::Shell shell;
  EXPECT_EQ(logIn(*shell.dm, {"ADMIN", "admin", {}, shell.period(), {}}).outcome,
            LoginResult::Outcome::Failed);
}

TEST(Login, AOneCharacterRightsStringLogsIn) {
  test::Shell shell;
  EXPECT_TRUE(shell.loginAs("1"));
  EXPECT_TRUE(shell.loginAs("3", {}, "İKİ"));
  test::Shell other;
  EXPECT_FALSE(other.loginAs(""));  // no position 1 at all: counted as a failed login
}

// The account restriction gives exactly the rows of the clause built from the prefixes as text.
TEST(Login, AccountRestrictionMatchesThePrefixClause) {
  test::FreshDatabase db;
  Connection& c = db.connection();
  for (const char* code : {"100", "120", "120.01", "1201", "320", "330", "ABC"}) {
    c.exec("INSERT INTO tlvkh (HESAPKOD) VALUES (:k)", {{":k", code}});
  }
  auto codes = [&](const QString& sql, const Params& p) {
    QStringList out;
    QSqlQuery q = c.exec(sql + " ORDER BY HESAPKOD", p);
    while (q.next()) out << q.value(0).toString();
    return out;
  };
  const QStringList all = codes("SELECT HESAPKOD FROM tlvkh", {});
  for (const char* prefixes : {"120;320", "120;", "1", "", "12", "3", "33;A;1201"}) {
    SCOPED_TRACE(prefixes);
    const QString text = prefixes;
    // The clause as it has always been written, spliced from these safe test values.
    QString clause;
    if (text.size() >= 2) {
      clause = " WHERE tlvkh.HESAPKOD LIKE '" +
               QString(text).replace(";", "%' OR tlvkh.HESAPKOD LIKE '") + "%'";
    }
    const QStringList expected = codes("SELECT HESAPKOD FROM tlvkh" + clause, {});

    AccountRestriction r(text);
    Params p;
    const QString condition = r.condition("tlvkh.HESAPKOD", p);
    const QStringList got =
        codes("SELECT HESAPKOD FROM tlvkh" + (condition.isEmpty() ? "" : " WHERE " + condition), p);
    EXPECT_EQ(got, expected);
  }
  EXPECT_EQ(codes("SELECT HESAPKOD FROM tlvkh WHERE " +
                      [&] {
                        Params p;
                        return AccountRestriction("120;").condition("HESAPKOD", p);
                      }(),
                  {{":acc0", "120%"}, {":acc1", "%"}}),
            all);
}
