// The main window: the firm and period shown, the login, and every command of the program behind
// its login and rights tests.
#pragma once

#include <QMainWindow>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace tolvek {

class ClickLabel;
class Program;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(Program& program);

  struct Command {
    QString name;         // object name of the button or menu entry
    QString notLoggedIn;  // message before a login; empty: no test
    int position = 0;     // rights position tested; 0: none
    char minimum = '0';
    QString refused;
    std::function<void()> open;
  };
  const std::vector<Command>& commands() const { return commands_; }

  ClickLabel* ComPanel;
  ClickLabel* FrmKod;

 public slots:
  // The show sequence: settings read, connection prepared but not opened, logged out.
  void FormShow();
  // The login and rights tests of a command, then what it opens.
  void runCommand(const QString& name);
  void ButFirmaParClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildCommands();
  void buildWindow();
  void openCompanyParameters();
  void setPeriodLock(int kapat);
  void openServerSettings();
  void refreshStatus();

  Program& program_;
  std::vector<Command> commands_;
  bool shownOnce_ = false;
};

}  // namespace tolvek
