// A new, empty period database for one test, made by the same schema code as init-db.
#pragma once

#include <QString>

#include "data/Connection.h"

namespace tolvek::test {

class FreshDatabase {
 public:
  FreshDatabase();
  ~FreshDatabase();
  FreshDatabase(const FreshDatabase&) = delete;
  FreshDatabase& operator=(const FreshDatabase&) = delete;

  const QString& name() const { return name_; }
  ConnectionSettings settings() const;
  Connection& connection() { return connection_; }

 private:
  QString name_;
  Connection connection_;
};

}  // namespace tolvek::test
