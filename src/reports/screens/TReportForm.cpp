#include "reports/screens/TReportForm.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "reports/ReportFile.h"
#include "reports/ReportModel.h"

namespace tolvek {

TReportForm::TReportForm(Program& program, const ReportDefinition& report)
    : Screen(program, report.screen, report.caption), report_(report) {
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Edit1 = new CodeEdit(CodeEdit::Rule::Capitals, this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaximumWidth(160);
  model_ = new ReportModel(this);
  DBGrid1 = readOnlyGrid(this, "DBGrid1", model_);
  DBGrid1->horizontalHeader()->setStretchLastSection(false);
  ButYaz = namedButton(this, "ButYaz", QStringLiteral("Yazdır"));
  But_Excel = namedButton(this, "But_Excel", QStringLiteral("Excel Döküm"));
  BitBtn1 = namedButton(this, "BitBtn1", QStringLiteral("&Kapat"));
  connect(Edit1, &QLineEdit::textChanged, this, &TReportForm::Edit1Change);
  connect(ButYaz, &QPushButton::clicked, this, &TReportForm::ButYazClick);
  connect(But_Excel, &QPushButton::clicked, this, &TReportForm::But_ExcelClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);

  auto* top = new QHBoxLayout;
  top->addWidget(Label1, 1);
  top->addWidget(Edit1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ButYaz);
  buttons->addWidget(But_Excel);
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(DBGrid1, 1);
  layout->addLayout(buttons);
  resize(900, 600);
}

bool TReportForm::FormShow() {
  Edit1->blockSignals(true);
  Edit1->clear();
  Edit1->blockSignals(false);
  ReportOutput computed;
  // A query that fails goes to the general error report; the screen opens empty.
  const bool ok = reportErrors(ui_, [&] {
    BusyCursor busy(ui_);
    computed = report_.compute(dm_);
  });
  if (!ok) computed = ReportOutput{};
  attach(std::move(computed));
  return true;
}

void TReportForm::FormClose() { attach(ReportOutput{}); }

void TReportForm::attach(ReportOutput output) {
  output_ = std::move(output);
  Label1->setText(output_.label1);
  model_->setTable(output_.table);
  for (int g = 0; g < model_->columnCount(); ++g) {
    const ReportColumn& c = output_.table.column(model_->tableColumn(g));
    const int chars = c.type == ReportColumn::Type::Text ? std::max(4, c.width) : 14;
    DBGrid1->setColumnWidth(g,
                            std::min(400, chars * DBGrid1->fontMetrics().averageCharWidth() + 12));
  }
  selectRow(0);
}

int TReportForm::currentRow() const { return DBGrid1->currentIndex().row(); }

void TReportForm::selectRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  DBGrid1->setCurrentIndex(model_->index(row, 0));
}

void TReportForm::Edit1Change(const QString& text) {
  if (text.isEmpty()) return;
  BusyCursor busy(ui_);
  selectRow(output_.table.searchAtLeast(text));
}

void TReportForm::ButYazClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(report_.listing.jobTitle);
  if (!ui_.printDialog(&printer, this)) return;
  printReport(printer, report_, output_);
  selectRow(0);
}

void TReportForm::But_ExcelClick() {
  // The save dialog may move the process's current directory; it is put back in every case.
  struct RestoreDirectory {
    QString path = QDir::currentPath();
    ~RestoreDirectory() { QDir::setCurrent(path); }
  } restore;
  const QString name = ui_.saveFileName(this, windowTitle(), report_.defaultFileName,
                                        QStringLiteral("xls"), report_.fileFilter);
  if (name.isEmpty()) return;
  reportfile::write(name, reportHtml(report_, output_));
  ui_.openFile(name);
  selectRow(0);
}

}  // namespace tolvek
