// A read-only grid model over rows of texts, for the small lists of the cards (users, accounts,
// dates) where the screen keeps the rows itself.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace tolvek {

class TextTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TextTableModel(QStringList headers, QObject* parent = nullptr);

  void setRows(std::vector<QStringList> rows);
  const std::vector<QStringList>& rows() const { return rows_; }
  // Columns shown right-aligned (numbers).
  void setRightAligned(QList<int> columns) { right_ = std::move(columns); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList headers_;
  std::vector<QStringList> rows_;
  QList<int> right_;
};

}  // namespace tolvek
