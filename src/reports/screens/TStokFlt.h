// The stock report parameters (group code range and dates), and the depot variant that also takes
// a one-character document type.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;

namespace tolvek {

class TStokFlt : public Screen {
  Q_OBJECT
 public:
  explicit TStokFlt(Program& program);
  bool FormShow() override;

  QLineEdit* Edit1;            // first group code
  QLineEdit* Edit2;            // last group code
  QLineEdit* Edit3;            // first date
  QLineEdit* Edit4;            // last date
  QLineEdit* Edit5 = nullptr;  // document type (depot variant only)

 public slots:
  void ButOkClick();

 protected:
  TStokFlt(Program& program, const QString& systemName, bool withType);
};

class TDpStokFlt : public TStokFlt {
  Q_OBJECT
 public:
  explicit TDpStokFlt(Program& program);
};

}  // namespace tolvek
