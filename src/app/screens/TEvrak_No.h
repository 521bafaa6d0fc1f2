// The document-number prompt; keeps its last text between uses.
#pragma once

#include "app/screens/Screen.h"

class QLineEdit;

namespace tolvek {

class TEvrak_No : public Screen {
  Q_OBJECT
 public:
  explicit TEvrak_No(Program& program);
  QLineEdit* Ev_No;
};

}  // namespace tolvek
