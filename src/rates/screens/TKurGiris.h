// Rate entry: the six rates of one date and currency, overwritten or written.
#pragma once

#include <QDate>

#include "app/screens/Screen.h"

class QComboBox;

namespace tolvek {

class ClickEdit;
class NumberEdit;

class TKurGiris : public Screen {
  Q_OBJECT
 public:
  explicit TKurGiris(Program& program);
  bool FormShow() override;

  ClickEdit* GTarih;
  QComboBox* DovizCombo;
  NumberEdit* MAEdit;
  NumberEdit* MSEdit;
  NumberEdit* SAEdit;
  NumberEdit* SSEdit;
  NumberEdit* BAEdit;
  NumberEdit* BSEdit;

 public slots:
  // The rates of the date and currency into the edits (0 where there is no row).
  void Load();
  void GTarihClick();
  void KayitYapClick();

 private:
  void setDate(const QDate& date);
  bool loading_ = false;
};

}  // namespace tolvek
