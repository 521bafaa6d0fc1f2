// A report: what it computes, how its screen, its report file, its printed listing and its CSV
// look. Every report is one definition, used by its screen and by tolvek-cli alike.
#pragma once

#include <QString>
#include <QVariantMap>
#include <any>
#include <functional>

#include "reports/Listing.h"
#include "reports/ReportTable.h"

class QPagedPaintDevice;

namespace tolvek {

class TDM;

struct ReportOutput {
  ReportTable table;
  QString label1;    // the one-line summary of the parameters
  std::any payload;  // whatever a report's own file or listing needs besides the rows
};

// Which parameter screen a report's options come from; gives the defaults of tolvek-cli.
enum class ParameterScreen { None, Accounts, Stock, Depot };

struct ReportDefinition {
  QString name;     // tolvek-cli report NAME
  QString screen;   // the report screen's system name, e.g. "TCMizan"
  QString caption;  // its window caption
  ParameterScreen parameters = ParameterScreen::None;

  QString title;    // the file's <title>
  QString heading;  // its first heading, in capitals
  QString subTag = QStringLiteral("h3");
  QString defaultFileName;
  QString fileFilter = QStringLiteral("Excel (*.xls)");

  ListingSpec listing;

  // Computes the rows from the session's report parameters. Throws DbError.
  std::function<ReportOutput(TDM&)> compute;
  // Reports with rows of their own in the file or a listing of their own give these.
  std::function<QString(const ReportDefinition&, const ReportOutput&)> html;
  std::function<void(QPagedPaintDevice&, const ReportDefinition&, const ReportOutput&)> print;
};

QString reportHtml(const ReportDefinition& report, const ReportOutput& output);
void printReport(QPagedPaintDevice& device, const ReportDefinition& report,
                 const ReportOutput& output);
QByteArray reportCsv(const ReportDefinition& report, const ReportOutput& output);

// Every report tolvek-cli knows, by name.
const std::vector<const ReportDefinition*>& reportRegistry();
const ReportDefinition* findReport(const QString& name);

}  // namespace tolvek
