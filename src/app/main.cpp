// Start-up: the splash, every screen created once, the main window, the event loop. An error that
// escapes any handler is shown by the general error report and the program goes on.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/RealUi.h"
#include "app/screens/TMainForm.h"
#include "app/screens/TSplashForm.h"

namespace {

class TolvekApplication : public QApplication {
 public:
  using QApplication::QApplication;
  tolvek::Ui* ui = nullptr;

  bool notify(QObject* receiver, QEvent* event) override {
    bool handled = false;
    const bool ran =
        ui == nullptr
            ? (handled = QApplication::notify(receiver, event), true)
            : tolvek::reportErrors(*ui, [&] { handled = QApplication::notify(receiver, event); });
    return ran ? handled : true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  TolvekApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tolvek"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tolvek"));
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  // The toolkit's own dialogs (files, printers, preview) speak Turkish too.
  QTranslator qtTurkish;
  if (qtTurkish.load(QLocale(QLocale::Turkish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTurkish);
  }

  tolvek::TSplashForm splash;
  splash.show();
  QApplication::processEvents();

  tolvek::RealUi ui;
  app.ui = &ui;
  tolvek::TDM dm;
  tolvek::Program program(dm, ui);
  program.splash = &splash;
  program.mainForm->show();
  const int status = QApplication::exec();
  app.ui = nullptr;
  return status;
}
