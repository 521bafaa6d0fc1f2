// The voucher screen: new, open, change, approve, save, delete and print vouchers.
#pragma once

#include <array>

#include "app/screens/Screen.h"
#include "vouchers/Voucher.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tolvek {

class ClickEdit;
class ClickLabel;
class NumberEdit;

class TDekont : public Screen {
  Q_OBJECT
 public:
  explicit TDekont(Program& program);
  // Closes at once without voucher rights; opens the voucher of ENo, or clears for a new one.
  bool FormShow() override;

  QLineEdit* ENo;
  ClickEdit* ETarih;
  ClickEdit* VTarih;
  QComboBox* ComETip;
  ClickEdit* EdOnay;
  QLabel* Borclu;
  ClickEdit* BorKod;
  QLineEdit* BorTip;
  NumberEdit* BrKur;
  NumberEdit* BRTut;
  QLabel* Alacakli;
  ClickEdit* AlKod;
  QLineEdit* AlTip;
  NumberEdit* ALKur;
  NumberEdit* ALTut;
  std::array<QLineEdit*, 5> MakIzahat;

  bool locked() const { return locked_; }
  // The voucher as the screen holds it.
  Voucher voucher() const;

 public slots:
  void ButYeniClick();
  void ButAcClick();
  void ButKaydetClick();
  void ButSilClick();
  void ButYazClick();
  void BorKodClick() { chooseAccount(true); }
  void AlKodClick() { chooseAccount(false); }
  void BrKurClick() { lookUpRate(true); }
  void ALKurClick() { lookUpRate(false); }
  void BRTutClick() { convertInto(true); }
  void ALTutClick() { convertInto(false); }
  void ETarihClick();
  void VTarihClick();
  void EdOnayDblClick();

 private:
  void clear();
  void fill(const Voucher& voucher);
  void updateLock();
  void openNumber(qint64 number);
  void chooseAccount(bool debit);
  // A side in the local currency always has rate 1.
  void leaveAccount(bool debit);
  void lookUpRate(bool debit);
  void convertInto(bool debit);
  bool mayChange() const;

  bool locked_ = false;
};

}  // namespace tolvek
