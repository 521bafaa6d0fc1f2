// Every modal interaction of the program goes through here: message boxes, modal screens, file
// and print dialogs, print preview, the desktop's default application. The program installs the
// real dialogs (RealUi); tests install a scripted fake.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QDialog;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace tolvek {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class Ui {
 public:
  virtual ~Ui() = default;

  virtual Answer message(const QString& caption, const QString& text,
                         Buttons buttons = Buttons::Ok) = 0;
  // The general error report: an error that escaped a handler; the program goes on.
  virtual void errorReport(const QString& text) = 0;

  // Shows a screen modally and returns its result (QDialog::Accepted or Rejected).
  virtual int exec(QDialog* dialog) = 0;
  // Shows a screen beside the main window.
  virtual void show(QWidget* window) = 0;

  // The save dialog; empty when cancelled. `filter` like "Excel (*.xls)".
  virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& defaultName,
                               const QString& defaultSuffix, const QString& filter) = 0;
  // The printer choice; false when cancelled.
  virtual bool printDialog(QPrinter* printer, QWidget* parent) = 0;
  // A page layout in a print preview; `paint` draws every page on the device it is given.
  virtual void printPreview(QWidget* parent, const QString& title,
                            const std::function<void(QPagedPaintDevice&)>& paint) = 0;
  virtual void openFile(const QString& path) = 0;

  // The hourglass while a query runs.
  virtual void setBusy(bool busy) = 0;
};

// Shows the hourglass for its lifetime.
class BusyCursor {
 public:
  explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.setBusy(true); }
  ~BusyCursor() { ui_.setBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Ui& ui_;
};

// Runs a handler the way the event loop does: an error that escapes it goes to the general error
// report and the program goes on. Returns false when it did.
bool reportErrors(Ui& ui, const std::function<void()>& handler);

// The text the general error report shows for an exception.
QString errorText(const std::exception& e);

}  // namespace tolvek
