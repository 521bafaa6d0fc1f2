// A whole program for screen tests: a fresh period database, the session context with its own
// settings file, the fake Ui and every screen, with helpers to log in as a user of given rights.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/TDM.h"
#include "app/screens/Program.h"
#include "support/FakeUi.h"
#include "support/FreshDatabase.h"

namespace tolvek::test {

class Shell {
 public:
  Shell();
  ~Shell();

  FreshDatabase db;
  QTemporaryDir settingsDir;
  std::unique_ptr<TDM> dm;
  FakeUi ui;
  std::unique_ptr<Program> program;

  Connection& connection() { return db.connection(); }

  // The period and firm code that address this test's database.
  QString period() const { return db.name().mid(5); }
  QString firmCode() const { return {}; }

  // Points the session's connection at the test database without logging in.
  void useDatabase();
  // Adds a user to the users table.
  void addUser(const QString& name, const QString& password, const QString& rights,
               const QString& accounts = {});
  // Adds the user and logs in through the login logic; true when logged in.
  bool loginAs(const QString& rights, const QString& accounts = {},
               const QString& name = QStringLiteral("TEST"));
  // Logs in through the login dialog, as the user would.
  void loginWithDialog(const QString& name, const QString& password,
                       const QString& newPassword = {});
};

}  // namespace tolvek::test
