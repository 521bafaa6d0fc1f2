#include "accounts/StatementModel.h"

#include "data/Format.h"

namespace tolvek {

namespace {
enum Column { Tarih, Evrak, Tip, Dvz, Izahat, Borc, Alacak, Count };
}

StatementModel::StatementModel(QObject* parent) : QAbstractTableModel(parent) {}

void StatementModel::setRows(std::vector<StatementRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int StatementModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StatementModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Count;
}

QVariant StatementModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= Count) return {};
  const StatementRow& r = rows_[index.row()];
  if (role == Qt::TextAlignmentRole) {
    const bool number =
        index.column() == Evrak || index.column() == Borc || index.column() == Alacak;
    return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case Tarih:
      return fmt::shortDateTime(r.TARIH);
    case Evrak:
      return fmt::pattern(static_cast<double>(r.EVRAK),
                          QStringLiteral("###,###,###,###,###,###,##0"));
    case Tip:
      return r.T;
    case Dvz:
      return r.DVZ;
    case Izahat:
      return r.IZAHAT;
    case Borc:
      return fmt::pattern(r.BORC, QStringLiteral("###,###,###,###,###,###,##0.00"));
    case Alacak:
      return fmt::pattern(r.ALACAK, QStringLiteral("###,###,###,###,###,###,##0.00"));
    default:
      return {};
  }
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* captions[] = {"Tarih", "Evrak", "T", "Dvz", "Izahat", "Borç", "Alacak"};
  return section >= 0 && section < Count ? QString::fromUtf8(captions[section]) : QVariant();
}

}  // namespace tolvek
