// Number, date and text forms shown on screens, reports and printed listings, in the Turkish
// locale: thousands '.', decimals ',', short date dd.MM.yyyy.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace tolvek::fmt {

// A display pattern such as "###,###,##0.00", "##0" or "###,###,###,###": '0' is a digit always
// shown, '#' a digit shown only when significant, ',' anywhere in the integer part asks for
// grouped thousands, '.' marks the decimals. A pattern without any '0' shows 0 as an empty text.
// Rounds half away from zero at the last decimal shown.
QString pattern(double value, const QString& pattern);

// Grouped thousands and exactly `decimals` decimals, after rounding to `precision` significant
// digits (a whole part longer than `precision` is shown in full, never in exponent form).
QString number(double value, int precision, int decimals);

// The shortest general form: up to 15 significant digits, no grouping, decimal comma.
QString general(double value);

// The same forms with a decimal point and no grouping, for CSV files and machine-read text.
QString generalPoint(double value);
QString fixedPoint(double value, int decimals);

// `value` rounded half away from zero to `decimals` decimals (on its 15-digit decimal form, so
// that 2.675 becomes 2.68 as a clerk expects).
double roundTo(double value, int decimals);

QString shortDate(const QDate& date);
// Date and time when there is a time part, else the short date.
QString shortDateTime(const QDateTime& when);
QString isoDate(const QDate& date);

// Reads a date typed in the short date format (d.M.yyyy; '/', '-' also separate; a two-digit
// year is 20yy below 50, else 19yy). Throws ConversionError with a Turkish message.
QDate parseShortDate(const QString& text);

// Reads a number typed in the Turkish form: ',' decimals, '.' thousands. Throws ConversionError.
double parseNumber(const QString& text);

// Reads a whole number (a document number); decimals are cut off. Throws ConversionError.
qint64 parseWhole(const QString& text);

}  // namespace tolvek::fmt
