#include "support/TestServer.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <stdexcept>

#include "data/Errors.h"

namespace tolvek::test {

namespace {

std::unique_ptr<TestServer>& slot() {
  static std::unique_ptr<TestServer> server;
  return server;
}

QString findProgram(const QStringList& names) {
  const QStringList extra = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/libexec"),
                             QStringLiteral("/usr/local/sbin"), QStringLiteral("/sbin")};
  for (const QString& n : names) {
    QString p = QStandardPaths::findExecutable(n);
    if (p.isEmpty()) p = QStandardPaths::findExecutable(n, extra);
    if (!p.isEmpty()) return p;
  }
  throw std::runtime_error("MariaDB server program not found: " + names.join(", ").toStdString());
}

int freePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  const int port = ntohs(addr.sin_port);
  ::close(fd);
  return port;
}

QString readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

TestServer& TestServer::instance() {
  if (!slot()) {
    auto server = std::unique_ptr<TestServer>(new TestServer());
    server->start();
    slot() = std::move(server);
  }
  return *slot();
}

void TestServer::stop() { slot().reset(); }

TestServer::TestServer() = default;

TestServer::~TestServer() {
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    if (!process_.waitForFinished(30000)) process_.kill();
    process_.waitForFinished(5000);
  }
}

void TestServer::start() {
  dir_ = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/tolvek-test-XXXXXX"));
  const QString base = dir_->path();
  const QString data = base + QStringLiteral("/data");
  const bool root = ::geteuid() == 0;
  // A temporary folder of its own: test programs that start servers side by side must not meet
  // in each other's temporary tables.
  const QString tmp = base + QStringLiteral("/tmp");
  QDir().mkpath(tmp);
  const QStringList tuning = {QStringLiteral("--innodb-log-file-size=16M"),
                              QStringLiteral("--innodb-buffer-pool-size=64M"),
                              QStringLiteral("--tmpdir=") + tmp};

  QStringList installArgs = {QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + data,
                             QStringLiteral("--auth-root-authentication-method=normal"),
                             QStringLiteral("--skip-test-db")};
  if (root) installArgs << QStringLiteral("--user=root");
  installArgs << tuning;
  const QString installer =
      findProgram({QStringLiteral("mariadb-install-db"), QStringLiteral("mysql_install_db")});
  QString installLog;
  for (int attempt = 0; attempt < 3; ++attempt) {
    QDir(data).removeRecursively();
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(installer, installArgs);
    const bool done = install.waitForFinished(120000) && install.exitCode() == 0;
    installLog = QString::fromUtf8(install.readAll());
    if (done) break;
    if (attempt == 2)
      throw std::runtime_error("mariadb-install-db failed: " + installLog.toStdString());
  }

  const QString init = base + QStringLiteral("/init.sql");
  {
    QFile f(init);
    f.open(QIODevice::WriteOnly);
    f.write(
        "CREATE USER 'tolvek'@'127.0.0.1' IDENTIFIED BY 'tolvek';\n"
        "GRANT ALL PRIVILEGES ON *.* TO 'tolvek'@'127.0.0.1' WITH GRANT OPTION;\n"
        "CREATE USER 'bos'@'127.0.0.1' IDENTIFIED BY '';\n"
        "GRANT ALL PRIVILEGES ON *.* TO 'bos'@'127.0.0.1';\n");
  }

  port_ = freePort();
  QStringList args = {QStringLiteral("--no-defaults"),
                      QStringLiteral("--datadir=") + data,
                      QStringLiteral("--socket=") + base + QStringLiteral("/sock"),
                      QStringLiteral("--port=%1").arg(port_),
                      QStringLiteral("--bind-address=127.0.0.1"),
                      QStringLiteral("--skip-name-resolve"),
                      QStringLiteral("--init-file=") + init,
                      QStringLiteral("--pid-file=") + base + QStringLiteral("/pid"),
                      QStringLiteral("--log-error=") + base + QStringLiteral("/error.log"),
                      QStringLiteral("--innodb-flush-log-at-trx-commit=0"),
                      QStringLiteral("--innodb-doublewrite=0"),
                      QStringLiteral("--max-connections=300")};
  args << tuning;
  if (root) args << QStringLiteral("--user=root");
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.setStandardOutputFile(base + QStringLiteral("/stdout.log"));
  process_.start(findProgram({QStringLiteral("mariadbd"), QStringLiteral("mysqld")}), args);
  if (!process_.waitForStarted(30000)) throw std::runtime_error("mariadbd did not start");

  // Ready when the built-in login gets through.
  for (int i = 0; i < 600; ++i) {
    if (process_.state() == QProcess::NotRunning) break;
    try {
      Connection c(settings());
      c.open();
      return;
    } catch (const DbError&) {
      QThread::msleep(50);
    }
  }
  throw std::runtime_error("mariadbd did not become ready: " +
                           readAll(base + QStringLiteral("/error.log")).toStdString());
}

ConnectionSettings TestServer::settings(const QString& database) const {
  ConnectionSettings s = ConnectionSettings::defaults();
  s.host = QStringLiteral("127.0.0.1");
  s.port = port_;
  s.database = database;
  return s;
}

ConnectionSettings TestServer::emptyPasswordSettings() const {
  ConnectionSettings s = settings();
  s.user = QStringLiteral("bos");
  s.password = QString();
  return s;
}

}  // namespace tolvek::test
