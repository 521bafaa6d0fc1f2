// Reading printed output back: a PDF's text, page by page, through pdftotext.
#pragma once

#include <QString>
#include <QStringList>

namespace tolvek::test {

// One text per page (pdftotext -layout); fails the test when pdftotext cannot run.
QStringList pdfPages(const QString& path);

// The index of the page holding `text`, -1 when none does.
int pageOf(const QStringList& pages, const QString& text);

}  // namespace tolvek::test
