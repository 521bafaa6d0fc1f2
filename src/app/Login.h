// Logging in to the database of a period and firm code.
#pragma once

#include <QString>

namespace tolvek {

class TDM;

struct LoginInput {
  QString user;         // EditAd
  QString password;     // EditPas1
  QString newPassword;  // EditPas2
  QString period;       // EDonem
  QString firmCode;     // EKodu
};

struct LoginResult {
  enum class Outcome {
    Incomplete,  // user name or password empty: nothing changed
    Failed,      // wrong name or password, server or database unreachable: logged out, silently
    NoAccess,    // user type '0': the session values are loaded, but not logged in
    LoggedIn,
  };
  Outcome outcome = Outcome::Incomplete;
  QString frmKod;         // "period firm-code", for the main window once the user is known
  QString settingsError;  // the settings store could not be written; shown, the login goes on
};

// The login steps after the dialog was confirmed. The settings are written (with the new last
// login values) before the password is compared. Failures are silent by design: a wrong password
// and an unknown database look the same to whoever is trying.
LoginResult logIn(TDM& dm, const LoginInput& input);

}  // namespace tolvek
