// The Ui service of the tests: records every message and screen, answers from scripts.
#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "app/screens/Ui.h"

namespace tolvek::test {

class FakeUi : public Ui {
 public:
  struct Message {
    QString caption;
    QString text;
    Buttons buttons;
  };

  // What the scripts answer.
  std::deque<Answer> answers;     // Yes/No questions; empty: No
  std::deque<QString> saveNames;  // save dialogs; empty: cancelled
  std::deque<bool> printChoices;  // print dialogs; empty: cancelled
  QString saveDialogMovesTo;      // a save dialog that changes the current directory
  // Modal screens by object name: the handler drives the screen (fills fields, presses OK);
  // without one the screen is cancelled.
  void onExec(const QString& screen, std::function<void(QDialog*)> handler);

  // What happened.
  std::vector<Message> messages;
  QStringList errors;  // the general error report
  QStringList opened;  // modal screens, in order
  QStringList shown;   // modeless screens, in order
  QStringList openedFiles;
  QStringList previews;  // print preview titles
  QString previewPdf;    // when set, previews are also written to this PDF file
  int busy = 0;

  // The texts of all messages, and the last one.
  QStringList texts() const;
  QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
  void clear();

  Answer message(const QString& caption, const QString& text, Buttons buttons) override;
  void errorReport(const QString& text) override;
  int exec(QDialog* dialog) override;
  void show(QWidget* window) override;
  QString saveFileName(QWidget* parent, const QString& caption, const QString& defaultName,
                       const QString& defaultSuffix, const QString& filter) override;
  bool printDialog(QPrinter* printer, QWidget* parent) override;
  void printPreview(QWidget* parent, const QString& title,
                    const std::function<void(QPagedPaintDevice&)>& paint) override;
  void openFile(const QString& path) override;
  void setBusy(bool on) override;

  // The last save dialog's arguments.
  QString savedDefaultName;
  QString savedSuffix;

 private:
  QMap<QString, std::deque<std::function<void(QDialog*)>>> handlers_;
};

}  // namespace tolvek::test
