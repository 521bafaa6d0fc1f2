#include "reports/ReportTable.h"

#include "data/Format.h"
#include "data/TurkishText.h"

namespace tolvek {

ReportColumn ReportColumn::text(QString name, int width, QString caption, QString fileCaption,
                                Align cell) {
  ReportColumn c;
  c.name = std::move(name);
  c.width = width;
  c.caption = std::move(caption);
  c.fileCaption = std::move(fileCaption);
  c.cellAlign = cell;
  return c;
}

ReportColumn ReportColumn::number(QString name, QString displayFormat, QString caption,
                                  QString fileCaption, QString editFormat) {
  ReportColumn c;
  c.name = std::move(name);
  c.type = Type::Float;
  c.displayFormat = std::move(displayFormat);
  c.editFormat = std::move(editFormat);
  c.caption = std::move(caption);
  c.fileCaption = std::move(fileCaption);
  c.cellAlign = Align::Right;
  return c;
}

ReportColumn ReportColumn::date(QString name, QString caption, QString fileCaption) {
  ReportColumn c;
  c.name = std::move(name);
  c.type = Type::Date;
  c.width = 10;
  c.caption = std::move(caption);
  c.fileCaption = std::move(fileCaption);
  c.cellAlign = Align::Center;
  return c;
}

int ReportColumn::fileDecimals() const {
  const QString& p = filePattern();
  const qsizetype dot = p.indexOf(QLatin1Char('.'));
  return dot < 0 ? 0 : static_cast<int>(p.size() - dot - 1);
}

ReportTable::ReportTable(std::vector<ReportColumn> columns, QString keyColumn)
    : columns_(std::move(columns)) {
  if (!keyColumn.isEmpty()) key_ = std::max(0, columnIndex(keyColumn));
}

int ReportTable::columnIndex(const QString& name) const {
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    if (columns_[i].name == name) return i;
  }
  return -1;
}

int ReportTable::addRow() {
  std::vector<QVariant> row;
  row.reserve(columns_.size());
  for (const ReportColumn& c : columns_) {
    switch (c.type) {
      case ReportColumn::Type::Text:
        row.emplace_back(QString());
        break;
      case ReportColumn::Type::Float:
        row.emplace_back(0.0);
        break;
      case ReportColumn::Type::Date:
        row.emplace_back(QDate());
        break;
    }
  }
  rows_.push_back(std::move(row));
  return rowCount() - 1;
}

void ReportTable::set(int row, const QString& column, const QVariant& value) {
  const int c = columnIndex(column);
  Q_ASSERT_X(c >= 0, "ReportTable::set", qPrintable(column));
  if (c >= 0) rows_[row][c] = value;
}

QVariant ReportTable::value(int row, const QString& column) const {
  const int c = columnIndex(column);
  return c < 0 ? QVariant() : rows_[row][c];
}

QString ReportTable::formatted(int row, int column, const QString& pattern) const {
  const QVariant& v = rows_[row][column];
  if (v.isNull()) return {};  // a cell left blank on purpose (a total row's empty columns)
  switch (columns_[column].type) {
    case ReportColumn::Type::Text:
      return v.toString();
    case ReportColumn::Type::Float:
      return fmt::pattern(v.toDouble(), pattern);
    case ReportColumn::Type::Date:
      return fmt::shortDate(v.toDate());
  }
  return {};
}

QString ReportTable::displayText(int row, int column) const {
  return formatted(row, column, columns_[column].displayFormat);
}

QString ReportTable::fileText(int row, int column) const {
  return formatted(row, column, columns_[column].filePattern());
}

int ReportTable::searchAtLeast(const QString& text) const {
  if (rows_.empty()) return -1;
  for (int r = 0; r < rowCount(); ++r) {
    if (latin5::compare(rows_[r][key_].toString(), text) >= 0) return r;
  }
  return rowCount() - 1;
}

}  // namespace tolvek
