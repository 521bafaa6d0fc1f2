// The account panel: the accounts the user may see and the ledger statement of the selected one,
// with the screens that post to it and the statement's printed and file forms.
#pragma once

#include <optional>
#include <vector>

#include "accounts/Statement.h"
#include "app/screens/Screen.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace tolvek {

class ClickEdit;
class StatementModel;
class TextTableModel;

class TFormMhr : public Screen {
  Q_OBJECT
 public:
  explicit TFormMhr(Program& program);
  bool FormShow() override;
  void FormClose() override;

  QTableView* DBGrid1;
  QTableView* DBGrid2;
  ClickEdit* ITarih;
  ClickEdit* Tarih;
  QCheckBox* ValFil;
  QCheckBox* CStoklu;
  QLabel* LabelEBorc;
  QLabel* LabelEAlacak;
  QLabel* LabelDonBor;
  QLabel* LabelDonAl;
  QLabel* LabelBorc;
  QLabel* LabelAlacak;
  QLabel* LabelBakiye;
  QLabel* LabelYetkili;
  QLabel* LabelTelefon;
  QLabel* LabelHesKur;
  QLabel* LabelKur;
  QLabel* LabelUser;

  const std::vector<PanelAccount>& accounts() const { return accounts_; }
  int currentAccount() const;
  void selectAccount(int row);
  const std::vector<StatementRow>& rows() const;
  int currentRow() const;
  void selectRow(int row);
  QDate startDate() const { return start_; }
  QDate endDate() const { return end_; }
  void setDates(const QDate& start, const QDate& end);

  // The statement as the outputs take it: the rows on screen, the totals of the labels, and the
  // goods of its documents.
  Statement currentStatement();

 public slots:
  // Totals before and within the period, and the rows; nothing while the list is being opened.
  void Refresh();
  void ButMakClick();
  void ButGirClick();
  void ButSipClick();
  void ButDevirClick();
  void ButMizClick();
  void HesPlanYazClick();
  void SpeedButton4Click();
  void But_KurFClick();
  void But_VadeClick();
  void DBGrid1DblClick();
  void DBGrid2DblClick();
  void ITarihDblClick();
  void TarihDblClick();
  void CStokluClick();
  void ButHesDokClick();
  void But_ExcelClick();

 private:
  // The gates of the posting buttons: period lock, user type, the area's own position.
  bool postingAllowed(char userType, int area);
  void refreshAndFind(qint64 number);
  void showAccountDetails();
  void showRowDetails();
  std::optional<StatementQuery> query() const;

  std::vector<PanelAccount> accounts_;
  TextTableModel* accountModel_;
  StatementModel* statementModel_;
  bool busy_ = false;
  bool goods_ = false;
  QDate start_;
  QDate end_;
  std::optional<StatementQuery> shown_;
  Totals before_;
  Totals within_;
  StatementLabels labels_;
  QString lastFile_;
};

}  // namespace tolvek
