// The exchange rates: the dates that have rates, and all rates of one date.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;
class QListWidget;
class QStatusBar;
class QTableView;

namespace tolvek {

class TextTableModel;

class TKurAna : public Screen {
  Q_OBJECT
 public:
  explicit TKurAna(Program& program);
  bool FormShow() override;
  void FormClose() override;

  QListWidget* TarBox;
  QLineEdit* Edit1;
  QTableView* DovizTablosu;
  QStatusBar* StatusLine;

 public slots:
  void TarBoxDblClick();
  void GirisButtonClick();
  void ButSilClick();

 private:
  void fillDates();
  void showLatest();
  // Shows the rates of `date`; true when it has any.
  bool showRates(const QDate& date);

  TextTableModel* model_;
};

}  // namespace tolvek
