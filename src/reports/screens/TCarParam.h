// The account report parameters: code range, dates, karton and currency filters, options.
#pragma once

#include "app/screens/Screen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tolvek {

class TCarParam : public Screen {
  Q_OBJECT
 public:
  explicit TCarParam(Program& program);
  // Every opening: the edits get their defaults; the currency and the check boxes keep theirs.
  bool FormShow() override;

  QLineEdit* Hesap1;
  QLineEdit* Hesap2;
  QLineEdit* Tarih1;
  QLineEdit* Tarih2;
  QLineEdit* KarTon;
  QComboBox* Doviz;
  QCheckBox* Valor;
  QCheckBox* MizFil;
  QCheckBox* KarMiz;

 public slots:
  // Stores the parameters and closes with OK; a date that cannot be read stores nothing.
  void BitBtn1Click();
};

}  // namespace tolvek
