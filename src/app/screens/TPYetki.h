// The user-rights editor: users, passwords, rights levels and allowed account prefixes.
#pragma once

#include <vector>

#include "app/Users.h"
#include "app/screens/Screen.h"

class QLineEdit;
class QTableView;

namespace tolvek {

class ClickLabel;
class RadioGroup;
class TextTableModel;

class TPYetki : public Screen {
  Q_OBJECT
 public:
  explicit TPYetki(Program& program);
  bool FormShow() override;
  void FormClose() override;

  QTableView* DBGrid1;
  QLineEdit* EditPer;
  QLineEdit* EditSif;
  QLineEdit* MusKodu;
  ClickLabel* LabelYetkiler;
  // Positions 1 to 10 of the rights string: UserTip, Alislar, Imalat, Satis, Dekontlar,
  // StokPlan, Fihrist, Hesapplani, Kurlar, Fatura.
  RadioGroup* groups[10];

  int currentRow() const { return current_; }
  void selectRow(int row);
  const std::vector<User>& users() const { return users_; }

 public slots:
  void ButKaydetClick();
  void ButSilClick();
  void LabelYetkilerDblClick();

 private:
  // Reads the users again, staying on the row at the same place, without showing it.
  void reread();
  void showRow(int row);

  TextTableModel* model_;
  std::vector<User> users_;
  int current_ = -1;
  bool saving_ = false;
};

}  // namespace tolvek
