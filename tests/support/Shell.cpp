#include "support/Shell.h"

#include <QLineEdit>

#include "app/Login.h"
#include "app/screens/TKimlikGir.h"
#include "app/screens/TMainForm.h"
#include "support/TestServer.h"

namespace tolvek::test {

Shell::Shell() {
  dm = std::make_unique<TDM>(SettingsStore(settingsDir.filePath("tolvekprg.conf")));
  const ConnectionSettings s = TestServer::instance().settings();
  dm->serverAddress = s.host;
  dm->port = s.port;
  dm->dbUser = s.user;
  dm->dbPassword = s.password;
  dm->writeSettings();
  program = std::make_unique<Program>(*dm, ui);
  program->mainForm->FormShow();
}

Shell::~Shell() {
  program.reset();
  dm.reset();
}

void Shell::useDatabase() {
  dm->databaseName = db.name();
  dm->applyConnectionSettings();
}

void Shell::addUser(const QString& name, const QString& password, const QString& rights,
                    const QString& accounts) {
  db.connection().exec(
      "INSERT INTO tlvko (User_Name, User_Pass, User_Works, User_Account) VALUES (:n, :p, :w, :a)",
      {{":n", name}, {":p", password}, {":w", rights}, {":a", accounts}});
}

bool Shell::loginAs(const QString& rights, const QString& accounts, const QString& name) {
  addUser(name, "sifre", rights, accounts);
  logIn(*dm, {name, "sifre", {}, period(), firmCode()});
  return dm->loggedIn;
}

void Shell::loginWithDialog(const QString& name, const QString& password,
                            const QString& newPassword) {
  ui.onExec("TKimlikGir", [=, this](QDialog* d) {
    auto* k = static_cast<TKimlikGir*>(d);
    k->EditAd->setText(name);
    k->EditPas1->setText(password);
    k->EditPas2->setText(newPassword);
    k->EDonem->setText(period());
    k->EKodu->setText(firmCode());
    k->OkClick();
  });
  program->mainForm->runCommand("ButFirmaPar");
}

}  // namespace tolvek::test
