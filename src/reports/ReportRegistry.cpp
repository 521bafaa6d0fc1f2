// The reports tolvek-cli can run; each subsystem's report definitions are listed here.
#include "reports/Report.h"

#include "accounts/ChartReport.h"
#include "accounts/Statement.h"

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
