// The opening balance of one account, dated on the company opening date.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;

namespace tolvek {

class NumberEdit;
class RadioGroup;

class TDevir : public Screen {
  Q_OBJECT
 public:
  explicit TDevir(Program& program);
  bool FormShow() override;

  QLineEdit* EdKod;
  QLineEdit* EdTanim;
  QLineEdit* EdTip;
  QLineEdit* EdTarih;
  RadioGroup* RadBA;
  NumberEdit* BRTut;

 public slots:
  void But_KaydetClick();
};

}  // namespace tolvek
