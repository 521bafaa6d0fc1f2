#include "reports/ReportModel.h"

namespace tolvek {

ReportModel::ReportModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportModel::setTable(ReportTable table) {
  beginResetModel();
  table_ = std::move(table);
  gridColumns_.clear();
  for (int i = 0; i < static_cast<int>(table_.columns().size()); ++i) {
    if (table_.column(i).inGrid()) gridColumns_.push_back(i);
  }
  endResetModel();
}

int ReportModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.rowCount();
}

int ReportModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(gridColumns_.size());
}

QVariant ReportModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const int c = gridColumns_[index.column()];
  if (role == Qt::DisplayRole) return table_.displayText(index.row(), c);
  if (role == Qt::TextAlignmentRole) {
    switch (table_.column(c).cellAlign) {
      case Align::Right:
        return int(Qt::AlignRight | Qt::AlignVCenter);
      case Align::Center:
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
      case Align::Left:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
  }
  return {};
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  return table_.column(gridColumns_[section]).caption;
}

}  // namespace tolvek
