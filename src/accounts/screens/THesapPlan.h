// The account card: adds and changes accounts of the chart.
#pragma once

#include "app/screens/Screen.h"

class QComboBox;
class QLineEdit;

namespace tolvek {

class NumberEdit;

class THesapPlan : public Screen {
  Q_OBJECT
 public:
  explicit THesapPlan(Program& program);
  bool FormShow() override;

  QLineEdit* HesKod;
  QLineEdit* HesAdi;
  QComboBox* Doviz;
  QLineEdit* Karton;
  QLineEdit* MuhKod;
  NumberEdit* Borc;
  NumberEdit* Alacak;

 public slots:
  // Leaving the code: an existing account fills the card unless a name is being typed.
  void HesKodExit();
  // Updates or inserts, then empties the card for the next account; no message.
  void ButKayClick();

 private:
  void clearCard();
};

}  // namespace tolvek
