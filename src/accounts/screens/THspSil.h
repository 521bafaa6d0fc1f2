// Account code deletion: any account of the chart that no transaction uses.
#pragma once

#include "app/screens/Screen.h"

namespace tolvek {

class AccountPicker;

class THspSil : public Screen {
  Q_OBJECT
 public:
  explicit THspSil(Program& program);
  bool FormShow() override;
  void FormClose() override;

  AccountPicker* picker;

 public slots:
  void ButHesPClick();
};

}  // namespace tolvek
