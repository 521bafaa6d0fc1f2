#include "support/FreshDatabase.h"

#include "data/Schema.h"
#include "support/TestServer.h"

namespace tolvek::test {

namespace {
int nextId = 0;
}

FreshDatabase::FreshDatabase()
    : name_(QStringLiteral("tlvkdt%1").arg(++nextId)),
      connection_(TestServer::instance().settings()) {
  schema::createDatabase(connection_, name_);
}

FreshDatabase::~FreshDatabase() {
  try {
    connection_.setDatabase(QString());
    connection_.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name_));
  } catch (...) {
    // The server goes away with the test program anyway.
  }
}

ConnectionSettings FreshDatabase::settings() const {
  return TestServer::instance().settings(name_);
}

}  // namespace tolvek::test
