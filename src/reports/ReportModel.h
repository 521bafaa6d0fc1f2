// The read-only grid over a report's row table: the grid columns, in their display formats.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "reports/ReportTable.h"

namespace tolvek {

class ReportModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ReportModel(QObject* parent = nullptr);

  // Detaches, takes the new rows, attaches again.
  void setTable(ReportTable table);
  const ReportTable& table() const { return table_; }
  // The row table's column behind a grid column.
  int tableColumn(int gridColumn) const { return gridColumns_.at(gridColumn); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  ReportTable table_;
  std::vector<int> gridColumns_;
};

}  // namespace tolvek
