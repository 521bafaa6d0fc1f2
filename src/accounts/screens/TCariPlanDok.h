// The chart listing: accounts between two codes, on screen and on paper.
#pragma once

#include "app/screens/Screen.h"
#include "reports/Report.h"

class QLineEdit;
class QTableView;

namespace tolvek {

class ReportModel;

class TCariPlanDok : public Screen {
  Q_OBJECT
 public:
  explicit TCariPlanDok(Program& program);
  bool FormShow() override;
  void FormClose() override;

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QTableView* DBGrid1;
  const ReportOutput& output() const { return output_; }

 public slots:
  void ButYenileClick();
  void ButYazClick();

 private:
  void load(const QString& first, const QString& last);

  ReportOutput output_;
  ReportModel* model_;
};

}  // namespace tolvek
