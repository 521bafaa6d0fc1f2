// The login dialog: user name, password, new password, period and firm code.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;

namespace tolvek {

class TKimlikGir : public Screen {
  Q_OBJECT
 public:
  explicit TKimlikGir(Program& program);
  bool FormShow() override;

  QLineEdit* EditAd;
  QLineEdit* EditPas1;
  QLineEdit* EditPas2;
  QLineEdit* EDonem;
  QLineEdit* EKodu;

 public slots:
  void OkClick() { accept(); }
  void VazgecClick() { reject(); }
};

}  // namespace tolvek
