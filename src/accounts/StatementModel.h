// The statement grid: date, number, type, currency, explanation, debit and credit of each row.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "accounts/Statement.h"

namespace tolvek {

class StatementModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit StatementModel(QObject* parent = nullptr);

  void setRows(std::vector<StatementRow> rows);
  const std::vector<StatementRow>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<StatementRow> rows_;
};

}  // namespace tolvek
