// Numbers are turned into their 15-significant-digit decimal form once, and every rounding works
// on those digits: the same value always shows and rounds the same way on every screen.
#include "data/Format.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <string>

#include "data/Errors.h"

namespace tolvek::fmt {

namespace {

const QChar kGroup('.');
const QChar kDecimal(',');

// value = (neg ? -1 : 1) × 0.d1d2d3… × 10^point; digits never end in '0'; empty digits = zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int point = 0;

  static Decimal of(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0.0) return d;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const char* p = buf;
    if (*p == '-') {
      d.negative = true;
      ++p;
    }
    for (; *p && *p != 'e'; ++p) {
      if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    }
    d.point = std::atoi(p + 1) + 1;
    d.trim();
    return d;
  }

  bool isZero() const { return digits.empty(); }

  void trim() {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    std::size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    digits.erase(0, lead);
    point -= static_cast<int>(lead);
    if (digits.empty()) point = 0;
  }

  // Keeps `keep` leading digits, rounding half away from zero.
  void keepDigits(int keep) {
    if (keep >= static_cast<int>(digits.size())) return;
    if (keep < 0) {
      digits.clear();
      trim();
      return;
    }
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
      int i = keep - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
        ++point;
      }
    }
    trim();
  }

  void roundDecimals(int decimals) { keepDigits(point + decimals); }

  std::string wholePart() const {
    if (point <= 0) return {};
    std::string w = digits.substr(0, std::min<std::size_t>(digits.size(), point));
    w.append(point - w.size(), '0');
    return w;
  }

  // Fraction digits, exactly `count` of them (the value is already rounded to at most that many).
  std::string fraction(int count) const {
    std::string f;
    for (int i = 0; i < count; ++i) {
      const int idx = point + i;
      f.push_back(idx >= 0 && idx < static_cast<int>(digits.size()) ? digits[idx] : '0');
    }
    return f;
  }
};

QString grouped(const std::string& whole) {
  QString out;
  const int n = static_cast<int>(whole.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.append(kGroup);
    out.append(QChar(whole[i]));
  }
  return out;
}

QString render(const Decimal& d, int minWhole, bool group, int decimals, int minDecimals,
               QChar decimalMark) {
  std::string whole = d.wholePart();
  if (static_cast<int>(whole.size()) < minWhole) whole.insert(0, minWhole - whole.size(), '0');
  std::string frac = d.fraction(decimals);
  while (static_cast<int>(frac.size()) > minDecimals && !frac.empty() && frac.back() == '0') {
    frac.pop_back();
  }
  QString out = group ? grouped(whole) : QString::fromStdString(whole);
  if (!frac.empty()) {
    out.append(decimalMark);
    out.append(QString::fromStdString(frac));
  }
  if (d.negative && !d.isZero() && !out.isEmpty()) out.prepend(QChar('-'));
  return out;
}

QString generalWith(double value, QChar decimalMark) {
  Decimal d = Decimal::of(value);
  if (d.isZero()) return QStringLiteral("0");
  const int exponent = d.point - 1;
  if (exponent < -5 || exponent >= 15) {
    QString mantissa = QString(QChar(d.digits[0]));
    if (d.digits.size() > 1) {
      mantissa += decimalMark + QString::fromStdString(d.digits.substr(1));
    }
    return (d.negative ? QStringLiteral("-") : QString()) + mantissa + QStringLiteral("E") +
           QString::number(exponent);
  }
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.point);
  return render(d, 1, false, decimals, 0, decimalMark);
}

[[noreturn]] void notANumber(const QString& text) {
  throw ConversionError(QStringLiteral("'%1' geçerli bir sayı değil").arg(text));
}

}  // namespace

QString pattern(double value, const QString& pat) {
  // Only the digit placeholders and their separators matter; the first section is the pattern.
  const QString section = pat.section(QChar(';'), 0, 0);
  const qsizetype dot = section.indexOf(QChar('.'));
  const QString wholePat = dot < 0 ? section : section.left(dot);
  const QString fracPat = dot < 0 ? QString() : section.mid(dot + 1);

  const bool group = wholePat.contains(QChar(','));
  int minWhole = 0;
  const qsizetype firstZero = wholePat.indexOf(QChar('0'));
  if (firstZero >= 0) {
    for (qsizetype i = firstZero; i < wholePat.size(); ++i) {
      if (wholePat[i] == QChar('0') || wholePat[i] == QChar('#')) ++minWhole;
    }
  }
  int decimals = 0;
  int minDecimals = 0;
  for (qsizetype i = 0; i < fracPat.size(); ++i) {
    if (fracPat[i] == QChar('0')) {
      ++decimals;
      minDecimals = decimals;
    } else if (fracPat[i] == QChar('#')) {
      ++decimals;
    }
  }
  Decimal d = Decimal::of(value);
  d.roundDecimals(decimals);
  return render(d, minWhole, group, decimals, minDecimals, kDecimal);
}

QString number(double value, int precision, int decimals) {
  Decimal d = Decimal::of(value);
  if (d.point <= precision) d.keepDigits(precision);
  d.roundDecimals(decimals);
  return render(d, 1, true, decimals, decimals, kDecimal);
}

QString general(double value) { return generalWith(value, kDecimal); }
QString generalPoint(double value) { return generalWith(value, QChar('.')); }

QString fixedPoint(double value, int decimals) {
  Decimal d = Decimal::of(value);
  d.roundDecimals(decimals);
  return render(d, 1, false, decimals, decimals, QChar('.'));
}

double roundTo(double value, int decimals) {
  Decimal d = Decimal::of(value);
  d.roundDecimals(decimals);
  if (d.isZero()) return 0.0;
  const std::string text = (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.point);
  return std::strtod(text.c_str(), nullptr);
}

QString shortDate(const QDate& date) {
  return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString shortDateTime(const QDateTime& when) {
  if (!when.isValid()) return QString();
  if (when.time() == QTime(0, 0)) return shortDate(when.date());
  return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString isoDate(const QDate& date) {
  return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QDate parseShortDate(const QString& text) {
  static const QRegularExpression form(
      QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})$"));
  const QRegularExpressionMatch m = form.match(text.trimmed());
  QDate date;
  if (m.hasMatch()) {
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2) year += year < 50 ? 2000 : 1900;
    date = QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
  }
  if (!date.isValid()) {
    throw ConversionError(QStringLiteral("'%1' geçerli bir tarih değil").arg(text));
  }
  return date;
}

double parseNumber(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) notANumber(text);
  QString plain;
  for (QChar c : t) {
    if (c == kGroup) continue;
    plain.append(c == kDecimal ? QChar('.') : c);
  }
  bool ok = false;
  const double v = plain.toDouble(&ok);
  if (!ok || !std::isfinite(v)) notANumber(text);
  return v;
}

qint64 parseWhole(const QString& text) {
  const double v = parseNumber(text);
  if (std::fabs(v) > 9.0e18) notANumber(text);
  return static_cast<qint64>(v);
}

}  // namespace tolvek::fmt
