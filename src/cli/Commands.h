// The commands of tolvek-cli and what they share.
#pragma once

#include <functional>
#include <memory>

#include "app/TDM.h"
#include "cli/Cli.h"
#include "cli/Options.h"

namespace tolvek::cli {

// The server could not be reached or refused the login; exit status 2.
class ConnectionFailure : public std::runtime_error {
 public:
  explicit ConnectionFailure(const QString& text)
      : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

// A session as a logged-in administrator has it: full rights, the company values read from the
// database, so that everything posted passes the checks of the screens (the period lock included).
std::unique_ptr<TDM> openSession(const ConnectionSettings& settings);

// Opens `connection` now, turning a failure into ConnectionFailure.
void connectOrFail(Connection& connection);

int initDb(const Options& options, Io io);
int demo(const Options& options, Io io);
int post(const Options& options, Io io);
int report(const Options& options, Io io);

QString usage();

}  // namespace tolvek::cli
