// The Ui service of the program: real message boxes, dialogs, preview and desktop.
#pragma once

#include "app/screens/Ui.h"

namespace tolvek {

class RealUi : public Ui {
 public:
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
  void setBusy(bool busy) override;
};

}  // namespace tolvek
