#include "app/screens/TEvrak_No.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screens/Widgets.h"

namespace tolvek {

TEvrak_No::TEvrak_No(Program& program)
    : Screen(program, QStringLiteral("TEvrak_No"), QStringLiteral("Evrak Okuma")) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Evrak Numarasını Girin"), this));
  Ev_No = new QLineEdit(this);
  Ev_No->setObjectName(QStringLiteral("Ev_No"));
  layout->addWidget(Ev_No);
  auto* ok = namedButton(this, "OkBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "CancelBtn", QStringLiteral("Vazgeç"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
}

}  // namespace tolvek
