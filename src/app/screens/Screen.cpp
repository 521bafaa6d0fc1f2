#include "app/screens/Screen.h"

#include <QMainWindow>

#include "app/screens/Program.h"
#include "app/screens/Ui.h"

namespace tolvek {

Screen::Screen(Program& program, const QString& systemName, const QString& caption)
    : QDialog(program.mainWindow()), program_(program), dm_(program.dm()), ui_(program.ui()) {
  setObjectName(systemName);
  setWindowTitle(caption);
}

int Screen::openModal() {
  if (!FormShow()) return QDialog::Rejected;
  open_ = true;
  const int result = ui_.exec(this);
  finish();
  return result;
}

void Screen::openModeless() {
  if (open_ && isVisible()) {
    ui_.show(this);
    return;
  }
  if (!FormShow()) return;
  open_ = true;
  ui_.show(this);
}

void Screen::done(int result) {
  QDialog::done(result);
  finish();
}

void Screen::finish() {
  if (!open_) return;
  open_ = false;
  FormClose();
}

}  // namespace tolvek
