#include "reports/Report.h"

#include "reports/ReportFile.h"

namespace tolvek {

QString reportHtml(const ReportDefinition& report, const ReportOutput& output) {
  if (report.html) return report.html(report, output);
  return reportfile::html(output.table, report.title, report.heading, output.label1, report.subTag);
}

void printReport(QPagedPaintDevice& device, const ReportDefinition& report,
                 const ReportOutput& output) {
  if (report.print) {
    report.print(device, report, output);
    return;
  }
  printListing(device, report.listing, output.table, output.label1);
}

QByteArray reportCsv(const ReportDefinition&, const ReportOutput& output) {
  return reportfile::csv(output.table);
}

}  // namespace tolvek
