// The report mechanism: row table, report file, CSV, printed listing, search and the screen.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTableView>
#include <QTemporaryDir>

#include "data/Errors.h"
#include "reports/Report.h"
#include "reports/ReportFile.h"
#include "reports/ReportModel.h"
#include "reports/screens/TReportForm.h"
#include "support/Pdf.h"
#include "support/Shell.h"

using namespace tolvek;

namespace {

ReportTable sampleTable() {
  ReportTable t(
      {ReportColumn::text("KOD", 12, "Kod", "Kod"), ReportColumn::text("ADI", 40, "Adı", "Adı"),
       [] {
         auto c = ReportColumn::text("DVZ", 3, "Dvz", "Dvz", Align::Center);
         c.headerAlign = Align::Center;
         return c;
       }(),
       [] {
         auto c = ReportColumn::number("TUTAR", "###,###,##0.00", "Tutar", "Tutar");
         c.headerAlign = Align::Right;
         return c;
       }(),
       [] {
         auto c = ReportColumn::number("ADET", "###,###,###,###", "Adet", "Adet");
         c.headerAlign = Align::Right;
         return c;
       }(),
       [] {
         auto c = ReportColumn::date("TARIH", "Tarih", "Tarih");
         c.headerAlign = Align::Center;
         return c;
       }()},
      "KOD");
  int r = t.addRow();
  t.set(r, "KOD", "A1");
  t.set(r, "ADI", "Ağaç \"Özel\" %10 <b>");
  t.set(r, "DVZ", "USD");
  t.set(r, "TUTAR", 1234.5);
  t.set(r, "TARIH", QDate(2026, 1, 5));
  r = t.addRow();
  t.set(r, "KOD", "C2");
  t.set(r, "ADI", "Şirket & Ortak");
  t.set(r, "DVZ", "YTL");
  t.set(r, "TUTAR", 2.675);
  t.set(r, "ADET", 12.0);
  return t;
}

const QString kLabel = "01.01.2026 - 31.12.2026 A1 -ZZZ <hepsi>";

QByteArray expected(const char* name) {
  QFile f(QStringLiteral(TOLVEK_TESTS_DIR "/reports/expected/") + name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
  return f.readAll();
}

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A report over a fixed table, for the screen.
ReportDefinition sampleReport(ReportTable table) {
  ReportDefinition d;
  d.name = "deneme";
  d.screen = "TDeneme";
  d.caption = "Deneme";
  d.title = "Deneme Dökümü";
  d.heading = "DENEME DÖKÜMÜ";
  d.defaultFileName = "deneme.xls";
  d.listing.jobTitle = "Deneme";
  d.listing.captions = {{"Kod", 1}, {"Tutar", 40, Align::Right}};
  d.listing.fields = {{"KOD", 1}, {"TUTAR", 40, Align::Right, 0, 15, 2}};
  d.compute = [table](TDM&) { return ReportOutput{table, kLabel, {}}; };
  return d;
}

// `rows` rows R001… printed in `layout`, as pages of text.
QStringList printed(ListingLayout layout, int rows, const QString& dir) {
  ReportTable t(
      {ReportColumn::text("KOD", 10, "Kod"), ReportColumn::number("TUTAR", "0.00", "Tutar")});
  for (int i = 1; i <= rows; ++i) {
    const int r = t.addRow();
    t.set(r, "KOD", QString("R%1").arg(i, 3, 10, QChar('0')));
    t.set(r, "TUTAR", i * 1000.5);
  }
  ListingSpec listing;
  listing.layout = layout;
  listing.captions = {{"KOD", 3}, {"TUTAR", 40, Align::Right}};
  listing.fields = {{"KOD", 3}, {"TUTAR", 40, Align::Right, 0, 15, 2}};
  if (layout == ListingLayout::CharacterCell) {
    listing.lineLimit = 74;
    listing.linesPerRow = 2;
    listing.rowRule = true;
  }
  const QString path = dir + QString("/listing-%1-%2.pdf").arg(int(layout)).arg(rows);
  {
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    printListing(pdf, listing, t, "Deneme Listesi");
  }
  return test::pdfPages(path);
}

}  // namespace

TEST(ReportFile, IsByteExactWithEscapedValuesInTheTurkishCodePage) {
  const ReportTable t = sampleTable();
  QTemporaryDir dir;
  reportfile::write(dir.filePath("small.xls"),
                    reportfile::html(t, "Deneme Dökümü", "DENEME DÖKÜMÜ", kLabel));
  EXPECT_EQ(fileBytes(dir.filePath("small.xls")), expected("small.html"));

  ReportTable empty = t;
  empty.clear();
  reportfile::write(dir.filePath("empty.xls"),
                    reportfile::html(empty, "Deneme Dökümü", "DENEME DÖKÜMÜ", kLabel));
  EXPECT_EQ(fileBytes(dir.filePath("empty.xls")), expected("empty.html"));
}

TEST(ReportFile, CsvHasACaptionLinePointDecimalsAndIsoDates) {
  EXPECT_EQ(QString::fromUtf8(reportfile::csv(sampleTable())),
            "Kod,Adı,Dvz,Tutar,Adet,Tarih\n"
            "A1,\"Ağaç \"\"Özel\"\" %10 <b>\",USD,1234.50,0,2026-01-05\n"
            "C2,Şirket & Ortak,YTL,2.68,12,\n");
}

TEST(ReportFile, AFileThatCannotBeWrittenIsSaidInTurkish) {
  try {
    reportfile::write("/nonexistent-dir/x.xls", "x");
    FAIL();
  } catch (const Failure& e) {
    EXPECT_TRUE(e.text().startsWith("Rapor dosyası yazılamadı")) << e.text().toStdString();
  }
}

TEST(ReportTable, SearchStopsAtTheFirstCodeAtLeastTheTypedText) {
  const ReportTable t = sampleTable();
  EXPECT_EQ(t.searchAtLeast("B"), 1);
  EXPECT_EQ(t.searchAtLeast("A1"), 0);
  EXPECT_EQ(t.searchAtLeast("A"), 0);
  EXPECT_EQ(t.searchAtLeast("Z"), 1);  // none qualifies: the scan ends at the last row
  EXPECT_EQ(ReportTable(t.columns()).searchAtLeast("A"), -1);
}

TEST(ReportModel, IsAConsistentModelInTheDisplayFormats) {
  ReportModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.setTable(sampleTable());
  ASSERT_EQ(model.columnCount(), 6);
  EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Tutar");
  EXPECT_EQ(model.data(model.index(0, 3), Qt::DisplayRole).toString(), "1.234,50");
  EXPECT_EQ(model.data(model.index(0, 4), Qt::DisplayRole).toString(), "");
  EXPECT_EQ(model.data(model.index(0, 5), Qt::DisplayRole).toString(), "05.01.2026");
  model.setTable(ReportTable());
  EXPECT_EQ(model.rowCount(), 0);
}

// The last two rows never open a new page; any earlier row past the limit does.
TEST(Listing, PageBreaksAndTheLastTwoRows) {
  QTemporaryDir dir;
  struct Case {
    ListingLayout layout;
    int rows;
    int pages;
    QString firstOnPage2;
  };
  const Case cases[] = {
      {ListingLayout::PageGrid, 82, 1, ""},      // rows 81 and 82 print below the limit
      {ListingLayout::PageGrid, 83, 2, "R081"},  // row 81 is not among the last two
      {ListingLayout::PageGrid, 200, 3, "R081"},     {ListingLayout::CharacterCell, 37, 1, ""},
      {ListingLayout::CharacterCell, 38, 2, "R036"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("layout %1, %2 rows").arg(int(c.layout)).arg(c.rows).toStdString());
    const QStringList pages = printed(c.layout, c.rows, dir.path());
    ASSERT_EQ(pages.size(), c.pages);
    EXPECT_EQ(test::pageOf(pages, QString("R%1").arg(c.rows, 3, 10, QChar('0'))), c.pages - 1);
    EXPECT_TRUE(pages[0].contains("Deneme Listesi Sayfa : 1"));
    if (!c.firstOnPage2.isEmpty()) {
      EXPECT_TRUE(pages[1].contains("Deneme Listesi Sayfa : 2"));
      const QString before =
          QString("R%1").arg(c.firstOnPage2.mid(1).toInt() - 1, 3, 10, QChar('0'));
      EXPECT_EQ(test::pageOf(pages, before), 0);
      EXPECT_EQ(test::pageOf(pages, c.firstOnPage2), 1);
    }
  }
  // Numbers are grouped with two decimals, right-aligned.
  const QStringList pages = printed(ListingLayout::PageGrid, 2, dir.path());
  EXPECT_TRUE(pages[0].contains("2.001,00")) << pages[0].toStdString();
}

TEST(ReportScreen, ComputesOnShowSearchesAndDiscardsOnClose) {
  test::Shell shell;
  const ReportDefinition report = sampleReport(sampleTable());
  TReportForm* f = shell.program->reportScreen(report);
  EXPECT_EQ(shell.program->reportScreen(report), f);
  f->openModeless();
  EXPECT_EQ(f->Label1->text(), kLabel);
  EXPECT_EQ(f->DBGrid1->model()->rowCount(), 2);
  EXPECT_EQ(f->currentRow(), 0);
  f->Edit1->setText("b");  // upper-cased as typed
  EXPECT_EQ(f->Edit1->text(), "B");
  EXPECT_EQ(f->currentRow(), 1);
  f->Edit1->setText("Z");
  EXPECT_EQ(f->currentRow(), 1);
  f->close();
  EXPECT_EQ(f->DBGrid1->model()->rowCount(), 0);
}

TEST(ReportScreen, TheReportFileIsWrittenOpenedAndTheDirectoryKept) {
  test::Shell shell;
  const ReportDefinition report = sampleReport(sampleTable());
  TReportForm* f = shell.program->reportScreen(report);
  f->openModeless();
  QTemporaryDir dir, elsewhere;
  const QString start = QDir::currentPath();

  // Cancelled (or an empty name): nothing written, the directory as it was.
  shell.ui.saveDialogMovesTo = elsewhere.path();
  f->But_ExcelClick();
  EXPECT_EQ(QDir::currentPath(), start);
  EXPECT_EQ(shell.ui.savedDefaultName, "deneme.xls");
  EXPECT_EQ(shell.ui.savedSuffix, "xls");
  EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
  EXPECT_TRUE(shell.ui.openedFiles.isEmpty());

  shell.ui.saveNames = {dir.filePath("rapor.xls")};
  f->selectRow(1);
  f->But_ExcelClick();
  EXPECT_EQ(QDir::currentPath(), start);
  EXPECT_EQ(fileBytes(dir.filePath("rapor.xls")), expected("small.html"));
  EXPECT_EQ(shell.ui.openedFiles, QStringList{dir.filePath("rapor.xls")});
  EXPECT_EQ(f->currentRow(), 0);
}

TEST(ReportScreen, ACancelledPrintDialogPrintsNothing) {
  test::Shell shell;
  QTemporaryDir dir;
  const ReportDefinition report = sampleReport(sampleTable());
  TReportForm* f = shell.program->reportScreen(report);
  f->openModeless();
  shell.ui.previewPdf = dir.filePath("print.pdf");
  f->ButYazClick();
  EXPECT_FALSE(QFile::exists(dir.filePath("print.pdf")));
  shell.ui.printChoices = {true};
  f->ButYazClick();
  const QStringList pages = test::pdfPages(dir.filePath("print.pdf"));
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("C2"));
}

TEST(ReportScreen, AFailingQueryGoesToTheGeneralReportAndTheScreenStaysEmpty) {
  test::Shell shell;
  ReportDefinition report = sampleReport(sampleTable());
  report.compute = [](TDM&) -> ReportOutput {
    throw DbError("Rapor okunurken", "Table 'x' doesn't exist");
  };
  TReportForm* f = shell.program->reportScreen(report);
  f->openModeless();
  EXPECT_EQ(shell.ui.errors.size(), 1);
  EXPECT_EQ(f->DBGrid1->model()->rowCount(), 0);
}
