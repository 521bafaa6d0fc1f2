// Runs tolvek-cli commands in-process against the test server.
#pragma once

#include <QString>
#include <QStringList>

namespace tolvek::test {

struct CliResult {
  int status = -1;
  QString out;
  QString err;
};

// Runs `args` as given, with `input` as standard input.
CliResult runCli(const QStringList& args, const QString& input = {});

// The connection options of the test server's built-in login, then `args`.
CliResult runCliOn(const QStringList& args, const QString& input = {});

// post with `json` on standard input, to `database` on the test server.
CliResult postJson(const QString& database, const QString& json);

}  // namespace tolvek::test
