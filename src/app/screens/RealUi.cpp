#include "app/screens/RealUi.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace tolvek {

Answer RealUi::message(const QString& caption, const QString& text, Buttons buttons) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(caption);
  box.setText(text);
  if (buttons == Buttons::Ok) {
    box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    box.setIcon(QMessageBox::Information);
    box.exec();
    return Answer::Ok;
  }
  QPushButton* yes = box.addButton(QStringLiteral("&Evet"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Hayır"), QMessageBox::NoRole);
  box.setDefaultButton(no);
  box.setIcon(QMessageBox::Question);
  box.exec();
  return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void RealUi::errorReport(const QString& text) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QStringLiteral("Tolvek"));
  box.setIcon(QMessageBox::Critical);
  box.setText(text);
  box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
  box.exec();
}

int RealUi::exec(QDialog* dialog) { return dialog->exec(); }

void RealUi::show(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

QString RealUi::saveFileName(QWidget* parent, const QString& caption, const QString& defaultName,
                             const QString& defaultSuffix, const QString& filter) {
  QFileDialog dialog(parent, caption, QDir::currentPath(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.selectFile(defaultName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

bool RealUi::printDialog(QPrinter* printer, QWidget* parent) {
  QPrintDialog dialog(printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void RealUi::printPreview(QWidget* parent, const QString& title,
                          const std::function<void(QPagedPaintDevice&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(title);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(title);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) { paint(*p); });
  preview.exec();
}

void RealUi::openFile(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void RealUi::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace tolvek
