#include "support/Pdf.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace tolvek::test {

QStringList pdfPages(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext failed on " << path.toStdString() << ": "
                  << p.readAllStandardError().toStdString();
    return {};
  }
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

int pageOf(const QStringList& pages, const QString& text) {
  for (int i = 0; i < pages.size(); ++i) {
    if (pages[i].contains(text)) return i;
  }
  return -1;
}

}  // namespace tolvek::test
