#include "app/screens/TextTableModel.h"

namespace tolvek {

TextTableModel::TextTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

void TextTableModel::setRows(std::vector<QStringList> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole) return rows_[index.row()].value(index.column());
  if (role == Qt::TextAlignmentRole && right_.contains(index.column())) {
    return int(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return headers_.value(section);
  return section + 1;
}

}  // namespace tolvek
