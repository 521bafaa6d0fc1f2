// report: any report of the registry, as CSV, the report file (HTML) or the printed listing (PDF).
#include "reports/Report.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>

#include "cli/Commands.h"
#include "data/Errors.h"
#include "data/TurkishText.h"

namespace tolvek::cli {

namespace {

QStringList reportNames() {
  QStringList names;
  for (const ReportDefinition* r : reportRegistry()) names << r->name;
  return names;
}

// The parameter screen's defaults, then the options given.
void fillParameters(TDM& dm, const ReportDefinition& report, const Options& o) {
  ReportParams& p = dm.report;
  const QString firstDefault = report.parameters == ParameterScreen::Accounts
                                   ? QStringLiteral("000")
                               : report.parameters == ParameterScreen::None ? QString()
                                                                            : QStringLiteral("00");
  p.firstCode = turkishCodeUpper(o.value(QStringLiteral("from"), firstDefault));
  const QString lastDefault =
      report.parameters == ParameterScreen::None ? QString() : QStringLiteral("ZZZ");
  p.lastCode = turkishCodeUpper(o.value(QStringLiteral("to"), lastDefault));
  p.firstDate = o.date(QStringLiteral("date1")).value_or(dm.openingDate);
  p.lastDate = o.date(QStringLiteral("date2")).value_or(QDate::currentDate());
  p.karton = o.value(QStringLiteral("karton"));
  p.currency = o.value(QStringLiteral("currency"));
  p.option = report.parameters == ParameterScreen::Depot
                 ? o.value(QStringLiteral("type"), QStringLiteral("0"))
                 : (o.flag(QStringLiteral("by-value-date")) ? QStringLiteral("x") : QString());
  p.hideZero = o.flag(QStringLiteral("hide-zero"));
  p.account = o.value(QStringLiteral("account"));
  p.withGoods = o.flag(QStringLiteral("with-goods"));
  p.orderKarton = o.flag(QStringLiteral("order-karton"));
}

// Bytes as they are: the report file is ISO-8859-9 and CSV is UTF-8, neither to be re-encoded.
// A stream without a device (a caller's string) takes the text they stand for.
void writeOut(Io io, const QString& path, const QByteArray& bytes, bool utf8) {
  if (!path.isEmpty()) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
      throw Failure(QStringLiteral("Dosya yazılamadı: %1").arg(path));
    }
    return;
  }
  io.out.flush();
  if (QIODevice* device = io.out.device()) {
    device->write(bytes);
  } else {
    io.out << (utf8 ? QString::fromUtf8(bytes) : latin5::decode(bytes));
  }
}

}  // namespace

int report(const Options& o, Io io) {
  o.allowOnly({"from",         "to",         "date1",     "date2",         "account",
               "group",        "karton",     "currency",  "by-value-date", "hide-zero",
               "order-karton", "with-goods", "rate",      "type",          "list",
               "no-stock",     "no-cash",    "no-cheque", "no-offset",     "no-opening",
               "format",       "output"});
  if (o.words().size() != 1) {
    throw UsageError(QStringLiteral("report için bir rapor adı verin: %1")
                         .arg(reportNames().join(QStringLiteral(", "))));
  }
  const ReportDefinition* r = findReport(o.words().front());
  if (!r) {
    throw UsageError(QStringLiteral("Bilinmeyen rapor: %1 (bilinenler: %2)")
                         .arg(o.words().front(), reportNames().join(QStringLiteral(", "))));
  }
  const QString format = o.value(QStringLiteral("format"), QStringLiteral("csv"));
  if (format != QLatin1String("csv") && format != QLatin1String("html") &&
      format != QLatin1String("pdf")) {
    throw UsageError(QStringLiteral("--format csv, html ya da pdf olmalı."));
  }
  const QString output = o.value(QStringLiteral("output"));
  if (format == QLatin1String("pdf") && output.isEmpty()) {
    throw UsageError(QStringLiteral("PDF için --output DOSYA verin."));
  }

  const auto dm = openSession(o.connection());
  fillParameters(*dm, *r, o);
  const ReportOutput out = r->compute(*dm);

  if (format == QLatin1String("csv")) {
    writeOut(io, output, reportCsv(*r, out), true);
  } else if (format == QLatin1String("html")) {
    writeOut(io, output, latin5::encode(reportHtml(*r, out)), false);
  } else {
    QPdfWriter pdf(output);
    pdf.setTitle(r->listing.jobTitle);
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printReport(pdf, *r, out);
  }
  return Done;
}

}  // namespace tolvek::cli
