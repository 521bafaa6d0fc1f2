// The session context: the connection and every run-time value that the login and the parameter
// screens store and that the other screens read.
#pragma once

#include <QDate>
#include <QString>

#include "app/Rights.h"
#include "data/Connection.h"
#include "data/SettingsStore.h"

namespace tolvek {

struct AccountChoice {
  QString code;
  QString name;
  QString currency;
};

// The report parameters the parameter screens store and the report screens read.
struct ReportParams {
  QString firstCode;
  QString lastCode;
  QString karton;
  QString currency;
  QString option;
  QDate firstDate;
  QDate lastDate;
  // The trial balance's zero filter and karton order, ticked on the account parameter screen.
  bool hideZero = false;
  bool orderKarton = false;
  // The account of a one-account report, and whether a statement lists the goods of documents.
  QString account;
  bool withGoods = false;
};

class TDM {
 public:
  explicit TDM(SettingsStore store = SettingsStore());

  Connection& connection() { return connection_; }
  SettingsStore& settingsStore() { return store_; }

  // Fills the connection values and the last login values from the workstation settings.
  // Returns a text to show the user (a store error, or once per program a port that was not a
  // number), empty when there is nothing to say.
  QString readSettings();
  // Stores the seven values; returns the store's error text, empty on success.
  QString writeSettings();
  // Copies the connection values into the connection; it opens on the next statement.
  void applyConnectionSettings();
  void shutDown();

  // The rights test on the session's rights string (RangeError when it is too short).
  bool right(int position, char minimum) const { return rightsAllow(rights, position, minimum); }
  bool periodIsClosed() const { return periodClosed != 0; }

  // Connection values.
  QString serverAddress;
  int port = 3306;
  QString dbUser;
  QString dbPassword;

  // Start-up and login state shown by the main window.
  bool loggedIn = false;
  QString lastUserName;
  QString lastPeriod;
  QString lastFirmCode;
  QString databaseName;

  // The logged-in user.
  QString userName;
  QString userId;
  QString rights;
  QString accountPrefixes;
  AccountRestriction restriction;
  int periodClosed = 0;

  // The firm.
  QString companyName;
  QDate openingDate;
  QString stockCurrency;

  // Handed between screens.
  AccountChoice accountSearch;
  ReportParams report;
  qint64 requestedSlip = 0;

 private:
  SettingsStore store_;
  Connection connection_;
  bool portWarningShown_ = false;
};

}  // namespace tolvek
