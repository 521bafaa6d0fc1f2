// tolvek-cli entry: a headless application (fonts for PDF output need a GUI application object,
// never a display).
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <cstdio>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  QTextStream out(stdout);
  QTextStream err(stderr);
  QTextStream in(stdin);
  QStringList args = app.arguments();
  args.removeFirst();
  const int status = tolvek::cli::run(args, {out, err, in});
  out.flush();
  err.flush();
  return status;
}
