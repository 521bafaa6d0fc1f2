// The base of every screen: one instance for the program's life, shown and hidden, keeping its
// field contents between showings unless its own show step clears them.
#pragma once

#include <QDialog>

namespace tolvek {

class Program;
class TDM;
class Ui;

class Screen : public QDialog {
  Q_OBJECT
 public:
  Screen(Program& program, const QString& systemName, const QString& caption);

  // The show step; returns false when the screen closes itself at once (rights too low).
  virtual bool FormShow() { return true; }
  // The close step: queries closed, rows discarded.
  virtual void FormClose() {}

  // Runs the show step, shows the screen modally through the Ui, runs the close step; returns
  // the modal result (Rejected when the screen closed itself).
  int openModal();
  // Runs the show step and shows the screen beside the main window; an open screen is raised.
  void openModeless();

 protected:
  void done(int result) override;

  Program& program_;
  TDM& dm_;
  Ui& ui_;

 private:
  void finish();
  bool open_ = false;
};

}  // namespace tolvek
