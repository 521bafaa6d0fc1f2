#include "app/screens/Ui.h"

#include "data/Errors.h"

namespace tolvek {

QString errorText(const std::exception& e) {
  if (const auto* f = dynamic_cast<const Failure*>(&e)) return f->text();
  return QString::fromUtf8(e.what());
}

bool reportErrors(Ui& ui, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    ui.errorReport(errorText(e));
    return false;
  }
}

}  // namespace tolvek
