#include "app/TDM.h"

namespace tolvek {

TDM::TDM(SettingsStore store) : store_(std::move(store)) {}

QString TDM::readSettings() {
  const SettingsStore::Read r = store_.read();
  serverAddress = r.values.dbAddress;
  port = r.values.port;
  dbUser = r.values.dbUser;
  dbPassword = r.values.dbPassword;
  lastUserName = r.values.userName;
  lastPeriod = r.values.userPeriod;
  lastFirmCode = r.values.userCode;
  if (!r.error.isEmpty()) return r.error;
  if (!r.warning.isEmpty() && !portWarningShown_) {
    portWarningShown_ = true;
    return r.warning;
  }
  return {};
}

QString TDM::writeSettings() {
  WorkstationSettings v;
  v.dbUser = dbUser;
  v.dbPassword = dbPassword;
  v.dbAddress = serverAddress;
  v.port = port;
  v.userName = lastUserName;
  v.userPeriod = lastPeriod;
  v.userCode = lastFirmCode;
  return store_.write(v);
}

void TDM::applyConnectionSettings() {
  ConnectionSettings s;
  s.host = serverAddress;
  s.port = port;
  s.user = dbUser;
  s.password = dbPassword;
  s.database = databaseName;
  connection_.apply(s);
}

void TDM::shutDown() { connection_.disconnect(); }

}  // namespace tolvek
