// The report file (an HTML table the desktop opens, offered as "xls") and the CSV form of a
// report: their pieces, so that reports with extra rows build theirs from the same parts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "reports/ReportTable.h"

namespace tolvek::reportfile {

// Values never become markup: & < > " are escaped.
QString escape(const QString& text);

// The skeleton head up to and including "<table border=1>": doctype, meta line, title, the
// heading and the further headings (each in `headingTag`, "h3" unless a report says "h4").
QString head(const QString& title, const QString& heading, const QStringList& subHeadings,
             const QString& subTag = QStringLiteral("h3"));

QString headerCell(const QString& caption, Align align);
QString cell(const QString& value, Align align);

// Header cells of the file columns (with no row tag around them) and one "<tr>" per row.
QString tableBody(const ReportTable& table);

QString tail();  // "</table></body>"

// The whole common file: head, header cells, rows, tail.
QString html(const ReportTable& table, const QString& title, const QString& heading,
             const QString& label1, const QString& subTag = QStringLiteral("h3"));

// Writes `html` in ISO-8859-9, creating or emptying the file; a file that cannot be written is a
// Failure with a Turkish message.
void write(const QString& path, const QString& html);

// The file columns as CSV in UTF-8: a caption line, then one line per row; '.' decimals, no
// grouping, the column's decimals, dates as YYYY-MM-DD.
QByteArray csv(const ReportTable& table);

}  // namespace tolvek::reportfile
