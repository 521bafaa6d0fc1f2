#include "accounts/ChartReport.h"

#include "accounts/Account.h"
#include "app/TDM.h"

namespace tolvek {

namespace {

// The chart's own page: measured at the larger font, written at the smaller, a rule under every
// row, 60 lines a page and no last-two-rows exception.
void printChart(QPagedPaintDevice& device, const ReportDefinition&, const ReportOutput& out) {
  const ReportTable& t = out.table;
  ListingCanvas c(device, ListingLayout::CharacterCell, 10);
  int line = 1;
  int page = 1;
  for (int r = 0; r < t.rowCount(); ++r) {
    if (line > 60) {
      c.newPage();
      ++page;
      line = 1;
    }
    if (line == 1) {
      c.useListingFont(8);
      c.text(10, 2, QStringLiteral("CARİ HESAP PLANI"));
      c.text(81, 2, QStringLiteral("Sayfa : ") + QString::number(page));
      c.rule(6, 90, 3);
      c.text(10, 4, QStringLiteral("HESAP KODU"));
      c.text(25, 4, QStringLiteral("HESAP ADI"));
      c.text(65, 4, QStringLiteral("TIP"));
      c.text(75, 4, QStringLiteral("KARTON"));
      c.rule(6, 90, 5);
      line = 5;
    }
    c.text(10, line, t.text(r, "HESAPKOD"));
    c.text(25, line, t.text(r, "TANIM"));
    c.text(65, line, t.text(r, "TIP"));
    c.text(75, line, t.text(r, "KARTON"));
    ++line;
    c.rule(6, 90, line);
  }
}

}  // namespace

ReportOutput chartOutput(Connection& connection, const QString& first, const QString& last) {
  ReportOutput out;
  out.table = ReportTable({ReportColumn::text("HESAPKOD", 12, "HESAP KODU", "HESAP KODU"),
                           ReportColumn::text("TANIM", 40, "HESAP ADI", "HESAP ADI"),
                           ReportColumn::text("TIP", 3, "TIP", "TIP", Align::Center),
                           ReportColumn::text("KARTON", 6, "KARTON", "KARTON", Align::Center)},
                          "HESAPKOD");
  for (const Account& a : accounts::chart(connection, first, last)) {
    const int r = out.table.addRow();
    out.table.set(r, "HESAPKOD", a.HESAPKOD);
    out.table.set(r, "TANIM", a.TANIM);
    out.table.set(r, "TIP", a.TIP);
    out.table.set(r, "KARTON", a.KARTON);
  }
  out.label1 = QStringLiteral("Cari Hesap Planı %1 - %2").arg(first, last);
  return out;
}

const ReportDefinition& chartReport() {
  static const ReportDefinition report = [] {
    ReportDefinition d;
    d.name = QStringLiteral("chart");
    d.screen = QStringLiteral("TCariPlanDok");
    d.caption = QStringLiteral("Cari Hesap Planı Dökümü ");
    d.title = QStringLiteral("Cari Hesap Planı Dökümü");
    d.heading = QStringLiteral("CARİ HESAP PLANI");
    d.defaultFileName = QStringLiteral("hesapplani.xls");
    d.listing.jobTitle = QStringLiteral("CariPlan");
    d.compute = [](TDM& dm) {
      return chartOutput(dm.connection(), dm.report.firstCode, dm.report.lastCode);
    };
    d.print = printChart;
    return d;
  }();
  return report;
}

}  // namespace tolvek
