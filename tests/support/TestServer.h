// A private MariaDB server for one test program: its own data directory, socket and port in a
// temporary folder, started once and stopped when the program ends.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "data/Connection.h"

namespace tolvek::test {

class TestServer {
 public:
  // The running server; starts it on first use.
  static TestServer& instance();
  static void stop();

  int port() const { return port_; }
  // The built-in login, granted everything.
  ConnectionSettings settings(const QString& database = {}) const;
  // A login whose password is empty.
  ConnectionSettings emptyPasswordSettings() const;

  ~TestServer();

 private:
  TestServer();
  void start();

  std::unique_ptr<QTemporaryDir> dir_;
  QProcess process_;
  int port_ = 0;
};

}  // namespace tolvek::test
