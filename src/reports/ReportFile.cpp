#include "reports/ReportFile.h"

#include <QFile>

#include "data/Errors.h"
#include "data/Format.h"
#include "data/TurkishText.h"

namespace tolvek::reportfile {

namespace {
QString alignAttribute(Align align) {
  switch (align) {
    case Align::Right:
      return QStringLiteral(" align=right");
    case Align::Center:
      return QStringLiteral(" align=center");
    case Align::Left:
      break;
  }
  return {};
}

QString csvField(const QString& value) {
  if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
      !value.contains(QLatin1Char('\n'))) {
    return value;
  }
  return QLatin1Char('"') + QString(value).replace(QLatin1String("\""), QLatin1String("\"\"")) +
         QLatin1Char('"');
}
}  // namespace

QString escape(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text) {
    switch (c.unicode()) {
      case '&':
        out += QLatin1String("&amp;");
        break;
      case '<':
        out += QLatin1String("&lt;");
        break;
      case '>':
        out += QLatin1String("&gt;");
        break;
      case '"':
        out += QLatin1String("&quot;");
        break;
      default:
        out += c;
    }
  }
  return out;
}

QString head(const QString& title, const QString& heading, const QStringList& subHeadings,
             const QString& subTag) {
  QString h = QStringLiteral(
      "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.01 Transitional//EN'>"
      "<head><meta http-equiv=Content-Type content='text/html; charset=iso-8859-9'></head>");
  h += QStringLiteral("<title>") + escape(title) + QStringLiteral("</title><body>");
  h += QStringLiteral("<h3>") + escape(heading) + QStringLiteral("</h3>");
  for (const QString& s : subHeadings) {
    h += QStringLiteral("<%1>%2</%1>").arg(subTag, escape(s));
  }
  h += QStringLiteral("<table border=1>");
  return h;
}

QString headerCell(const QString& caption, Align align) {
  return QStringLiteral("<th") + alignAttribute(align) + QLatin1Char('>') + escape(caption) +
         QStringLiteral("</th>");
}

QString cell(const QString& value, Align align) {
  return QStringLiteral("<td") + alignAttribute(align) + QLatin1Char('>') + escape(value) +
         QStringLiteral("</td>");
}

QString tableBody(const ReportTable& table) {
  QString out;
  const auto& columns = table.columns();
  for (const ReportColumn& c : columns) {
    if (c.inFile()) out += headerCell(c.fileCaption, c.headerAlign);
  }
  for (int r = 0; r < table.rowCount(); ++r) {
    out += QStringLiteral("<tr>");
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
      if (columns[i].inFile()) out += cell(table.fileText(r, i), columns[i].cellAlign);
    }
    out += QStringLiteral("</tr>");
  }
  return out;
}

QString tail() { return QStringLiteral("</table></body>"); }

QString html(const ReportTable& table, const QString& title, const QString& heading,
             const QString& label1, const QString& subTag) {
  return head(title, heading, {label1}, subTag) + tableBody(table) + tail();
}

void write(const QString& path, const QString& html) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    throw Failure(QStringLiteral("Rapor dosyası yazılamadı: %1 (%2)").arg(path, f.errorString()));
  }
  const QByteArray bytes = latin5::encode(html);
  if (f.write(bytes) != bytes.size() || !f.flush()) {
    throw Failure(QStringLiteral("Rapor dosyası yazılamadı: %1 (%2)").arg(path, f.errorString()));
  }
}

QByteArray csv(const ReportTable& table) {
  QString out;
  QStringList captions;
  const auto& columns = table.columns();
  for (const ReportColumn& c : columns) {
    if (c.inFile()) captions << csvField(c.fileCaption);
  }
  out += captions.join(QLatin1Char(',')) + QLatin1Char('\n');
  for (int r = 0; r < table.rowCount(); ++r) {
    QStringList cells;
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
      const ReportColumn& c = columns[i];
      if (!c.inFile()) continue;
      const QVariant& v = table.value(r, i);
      if (v.isNull()) {
        cells << QString();
        continue;
      }
      switch (c.type) {
        case ReportColumn::Type::Text:
          cells << csvField(v.toString());
          break;
        case ReportColumn::Type::Float:
          cells << fmt::fixedPoint(v.toDouble(), c.fileDecimals());
          break;
        case ReportColumn::Type::Date:
          cells << fmt::isoDate(v.toDate());
          break;
      }
    }
    out += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
  }
  return out.toUtf8();
}

}  // namespace tolvek::reportfile
