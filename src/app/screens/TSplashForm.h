// The window shown while the program starts.
#pragma once

#include <QWidget>

namespace tolvek {

class TSplashForm : public QWidget {
  Q_OBJECT
 public:
  TSplashForm();
};

}  // namespace tolvek
