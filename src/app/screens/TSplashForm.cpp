#include "app/screens/TSplashForm.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tolvek {

TSplashForm::TSplashForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TSplashForm"));
  auto* name = new QLabel(QStringLiteral("Tolvek"), this);
  QFont big = name->font();
  big.setPointSize(36);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  auto* line = new QLabel(QStringLiteral("Sistem Bilgileri Kontrol Ediliyor"), this);
  line->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 30, 40, 30);
  layout->addWidget(name);
  layout->addWidget(line);
  setStyleSheet(QStringLiteral("TSplashForm { background: #f4f1e8; border: 2px solid #8a6d3b; }"));
  setAttribute(Qt::WA_StyledBackground);
  adjustSize();
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

}  // namespace tolvek
