// The common report screen: computes its rows when shown, searches, prints and writes the
// report file; discards its rows on close.
#pragma once

#include "app/screens/Screen.h"
#include "reports/Report.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tolvek {

class ReportModel;

class TReportForm : public Screen {
  Q_OBJECT
 public:
  TReportForm(Program& program, const ReportDefinition& report);
  bool FormShow() override;
  void FormClose() override;

  const ReportDefinition& report() const { return report_; }
  const ReportOutput& output() const { return output_; }
  int currentRow() const;
  void selectRow(int row);

  QLabel* Label1;
  QLineEdit* Edit1;
  QTableView* DBGrid1;
  QPushButton* ButYaz;
  QPushButton* But_Excel;
  QPushButton* BitBtn1;

 public slots:
  void Edit1Change(const QString& text);
  void ButYazClick();
  void But_ExcelClick();

 private:
  void attach(ReportOutput output);

  const ReportDefinition& report_;
  ReportOutput output_;
  ReportModel* model_;
};

}  // namespace tolvek
