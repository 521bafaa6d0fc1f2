// The reports tolvek-cli can run; each subsystem's report definitions are listed here.
#include "accounts/ChartReport.h"
#include "accounts/Statement.h"
#include "reports/Report.h"

namespace tolvek {

const std::vector<const ReportDefinition*>& reportRegistry() {
  static const std::vector<const ReportDefinition*> all = {&chartReport(), &statementReport()};
  return all;
}

const ReportDefinition* findReport(const QString& name) {
  for (const ReportDefinition* r : reportRegistry()) {
    if (r->name == name) return r;
  }
  return nullptr;
}

}  // namespace tolvek
