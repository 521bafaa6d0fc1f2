// The workstation's own settings: where the server is, the database login and the last login
// values, kept per user under the names every workstation uses.
#pragma once

#include <QString>

namespace tolvek {

struct WorkstationSettings {
  QString dbUser;      // "DBYetkili"
  QString dbPassword;  // "DBSifre"
  QString dbAddress;   // "DBAdres"
  int port = 3306;     // "DBTipi"
  QString userName;    // "UserName"
  QString userPeriod;  // "UserDonem"
  QString userCode;    // "UserKodu"
};

class SettingsStore {
 public:
  // An empty path means the per-user store (organisation "tolvek", application "tolvekprg");
  // tests and tools may point it at a file of their own.
  explicit SettingsStore(QString filePath = {});

  struct Read {
    WorkstationSettings values;
    QString warning;  // set when a stored value had to be replaced by its default
    QString error;    // set when the store could not be read
  };
  // Empty values take the built-in defaults; a port that is not a number becomes 3306.
  Read read() const;

  // Returns the store's error text, empty on success. The file is readable by its owner only,
  // since it holds the database password.
  QString write(const WorkstationSettings& values) const;

  QString location() const;

 private:
  QString filePath_;
};

}  // namespace tolvek
