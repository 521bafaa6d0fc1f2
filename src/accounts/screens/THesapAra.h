// The account search through which every screen chooses an account; the choice lands in the
// session context.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;
class QPushButton;

namespace tolvek {

class AccountPicker;

class THesapAra : public Screen {
  Q_OBJECT
 public:
  explicit THesapAra(Program& program);
  bool FormShow() override;
  void FormClose() override;

  AccountPicker* picker;
  QLineEdit* EditKod;
  QLineEdit* EditAdi;
  QLineEdit* EditTip;

 public slots:
  void But_OkClick();
  void ButHesPClick();

 private:
  void showCurrent();
};

}  // namespace tolvek
