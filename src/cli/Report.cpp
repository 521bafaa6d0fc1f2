// report: any report of the registry, as CSV, HTML report file or printed listing (PDF).
#include "cli/Commands.h"

namespace tolvek::cli {

int report(const Options& o, Io io) {
  Q_UNUSED(io);
  o.allowOnly({});
  throw UsageError(QStringLiteral("report: bu sürümde rapor yok."));
}

}  // namespace tolvek::cli
