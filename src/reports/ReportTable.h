// The row table every report fills: named, typed columns and rows appended in order.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <vector>

namespace tolvek {

enum class Align { Left, Right, Center };

struct ReportColumn {
  enum class Type { Text, Float, Date };

  QString name;
  Type type = Type::Text;
  int width = 0;                    // text columns: the width the grid gives them, in characters
  QString displayFormat;            // floats: the grid's pattern, e.g. "###,###,##0.00"
  QString editFormat;               // floats: the report file's pattern when it differs
  QString caption;                  // grid caption; empty: not in the grid
  QString fileCaption;              // report file and CSV caption; empty: not in the file
  Align headerAlign = Align::Left;  // "<th>", "<th align=right>", "<th align=center>"
  Align cellAlign = Align::Left;    // "<td>", "<td align=right>", "<td align=center>"

  static ReportColumn text(QString name, int width, QString caption, QString fileCaption = {},
                           Align cell = Align::Left);
  static ReportColumn number(QString name, QString displayFormat, QString caption,
                             QString fileCaption = {}, QString editFormat = {});
  static ReportColumn date(QString name, QString caption, QString fileCaption = {});

  bool inGrid() const { return !caption.isEmpty(); }
  bool inFile() const { return !fileCaption.isEmpty(); }
  // The pattern of the report file: the edit format when there is one.
  const QString& filePattern() const { return editFormat.isEmpty() ? displayFormat : editFormat; }
  // The decimals of the file pattern (for CSV).
  int fileDecimals() const;
};

class ReportTable {
 public:
  ReportTable() = default;
  explicit ReportTable(std::vector<ReportColumn> columns, QString keyColumn = {});

  const std::vector<ReportColumn>& columns() const { return columns_; }
  int columnIndex(const QString& name) const;
  const ReportColumn& column(int index) const { return columns_[index]; }

  // Appends an empty row (texts empty, numbers 0, dates null) and returns its index. A cell set to
  // a null QVariant shows empty in every output.
  int addRow();
  void set(int row, const QString& column, const QVariant& value);
  void clear() { rows_.clear(); }

  int rowCount() const { return static_cast<int>(rows_.size()); }
  const QVariant& value(int row, int column) const { return rows_[row][column]; }
  QVariant value(int row, const QString& column) const;
  QString text(int row, const QString& column) const { return value(row, column).toString(); }
  double number(int row, const QString& column) const { return value(row, column).toDouble(); }

  // The grid's text of a cell (display format) and the report file's (edit format).
  QString displayText(int row, int column) const;
  QString fileText(int row, int column) const;

  // The search box: the first row whose key column is at least `text`, by code-page byte
  // order; rowCount() - 1 when none is (the scan ends at the last row); -1 for an empty table.
  int searchAtLeast(const QString& text) const;

 private:
  QString formatted(int row, int column, const QString& pattern) const;

  std::vector<ReportColumn> columns_;
  std::vector<std::vector<QVariant>> rows_;
  int key_ = 0;
};

}  // namespace tolvek
