// The chart listing: accounts between two codes, and its printed form.
#pragma once

#include "reports/Report.h"

namespace tolvek {

class Connection;

// The rows of the chart listing between two codes (either may be empty).
ReportOutput chartOutput(Connection& connection, const QString& first, const QString& last);

const ReportDefinition& chartReport();

}  // namespace tolvek
