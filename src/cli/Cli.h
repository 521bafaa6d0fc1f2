// tolvek-cli: the same logic the screens call, for administrators, batch work and tests.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace tolvek::cli {

struct Io {
  QTextStream& out;
  QTextStream& err;
  QTextStream& in;
};

// Exit statuses of the contract.
enum Status { Done = 0, Refused = 1, UsageOrConnection = 2 };

// Runs one command line (without the program name); prints to `io` and returns the exit status.
int run(const QStringList& args, Io io);

}  // namespace tolvek::cli
