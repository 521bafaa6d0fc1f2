#include "support/CliRunner.h"

#include <QTextStream>

#include "cli/Cli.h"
#include "support/TestServer.h"

namespace tolvek::test {

CliResult runCli(const QStringList& args, const QString& input) {
  CliResult r;
  QString in = input;
  QTextStream out(&r.out), err(&r.err), inStream(&in);
  r.status = cli::run(args, {out, err, inStream});
  out.flush();
  err.flush();
  return r;
}

CliResult runCliOn(const QStringList& args, const QString& input) {
  const auto s = TestServer::instance().settings();
  return runCli(QStringList{"--host", s.host, "--port", QString::number(s.port), "--user", s.user,
                            "--password", s.password} +
                    args,
                input);
}

CliResult postJson(const QString& database, const QString& json) {
  return runCliOn({"--database", database, "post", "-"}, json);
}

}  // namespace tolvek::test
