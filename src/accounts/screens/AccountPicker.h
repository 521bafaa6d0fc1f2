// The account list with its search field and sort choice, shared by the account search and the
// account code deletion screens.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "accounts/Account.h"

class QComboBox;
class QLineEdit;
class QTableView;
class QWidget;

namespace tolvek {

class TextTableModel;

class AccountPicker : public QObject {
  Q_OBJECT
 public:
  // `load` reads the rows in the order asked for.
  AccountPicker(QWidget* parent, const QStringList& captions,
                std::function<std::vector<Account>(accounts::Order)> load);

  QComboBox* ComboBox1;
  QLineEdit* Edit1;
  QTableView* DBGrid1;

  // Selects "HESAPKOD" unless one of the two fields is shown, loads the list, empties the search.
  void open();
  void reload();
  void clear();

  const std::vector<Account>& rows() const { return rows_; }
  int currentRow() const;
  void selectRow(int row);
  // The current row's account; empty values for an empty list.
  Account current() const;

 signals:
  void currentChanged();
  void activated();

 private:
  void search(const QString& text);
  accounts::Order order() const;

  std::function<std::vector<Account>(accounts::Order)> load_;
  std::vector<Account> rows_;
  TextTableModel* model_;
};

}  // namespace tolvek
