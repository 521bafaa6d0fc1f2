#include "support/FakeUi.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

namespace tolvek::test {

void FakeUi::onExec(const QString& screen, std::function<void(QDialog*)> handler) {
  handlers_[screen].push_back(std::move(handler));
}

QStringList FakeUi::texts() const {
  QStringList out;
  for (const Message& m : messages) out << m.text;
  return out;
}

void FakeUi::clear() {
  messages.clear();
  errors.clear();
  opened.clear();
  shown.clear();
  openedFiles.clear();
  previews.clear();
}

Answer FakeUi::message(const QString& caption, const QString& text, Buttons buttons) {
  messages.push_back({caption, text, buttons});
  if (buttons == Buttons::Ok) return Answer::Ok;
  if (answers.empty()) return Answer::No;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

void FakeUi::errorReport(const QString& text) { errors << text; }

int FakeUi::exec(QDialog* dialog) {
  opened << dialog->objectName();
  dialog->setResult(QDialog::Rejected);
  auto it = handlers_.find(dialog->objectName());
  if (it != handlers_.end() && !it->empty()) {
    auto handler = std::move(it->front());
    it->pop_front();
    handler(dialog);
  }
  return dialog->result();
}

void FakeUi::show(QWidget* window) {
  shown << window->objectName();
  window->show();
}

QString FakeUi::saveFileName(QWidget*, const QString&, const QString& defaultName,
                             const QString& defaultSuffix, const QString&) {
  savedDefaultName = defaultName;
  if (!saveDialogMovesTo.isEmpty()) QDir::setCurrent(saveDialogMovesTo);
  savedSuffix = defaultSuffix;
  if (saveNames.empty()) return {};
  const QString name = saveNames.front();
  saveNames.pop_front();
  return name;
}

bool FakeUi::printDialog(QPrinter* printer, QWidget*) {
  if (printChoices.empty()) return false;
  const bool go = printChoices.front();
  printChoices.pop_front();
  // Tests read what was printed from a PDF.
  if (go && !previewPdf.isEmpty()) {
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(previewPdf);
  }
  return go;
}

void FakeUi::printPreview(QWidget*, const QString& title,
                          const std::function<void(QPagedPaintDevice&)>& paint) {
  previews << title;
  if (previewPdf.isEmpty()) return;
  QPdfWriter writer(previewPdf);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setResolution(600);
  paint(writer);
}

void FakeUi::openFile(const QString& path) { openedFiles << path; }

void FakeUi::setBusy(bool on) { busy += on ? 1 : 0; }

}  // namespace tolvek::test
