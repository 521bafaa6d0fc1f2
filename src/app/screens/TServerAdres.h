// The workstation's database server: address, login and port.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;

namespace tolvek {

class TServerAdres : public Screen {
  Q_OBJECT
 public:
  explicit TServerAdres(Program& program);

  // Puts the session's connection values into the fields.
  void fill();

  QLineEdit* SvrIP;
  QLineEdit* EdUser;
  QLineEdit* EdSifre;
  QLineEdit* EdTipi;

 public slots:
  // Copies the values back, writes the settings and applies them; a port that is no number is
  // a conversion error after address, user and password were taken, and nothing is written.
  void OkClick();
};

}  // namespace tolvek
