#include "app/screens/TKimlikGir.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/screens/Widgets.h"

namespace tolvek {

namespace {
QLineEdit* field(QWidget* parent, const char* name, int maxLength, bool masked) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QLatin1String(name));
  e->setMaxLength(maxLength);
  if (masked) e->setEchoMode(QLineEdit::Password);
  return e;
}
}  // namespace

TKimlikGir::TKimlikGir(Program& program)
    : Screen(program, QStringLiteral("TKimlikGir"), QStringLiteral("Giris Parametreleri")) {
  EditAd = field(this, "EditAd", 16, false);
  EditPas1 = field(this, "EditPas1", 16, true);
  EditPas2 = field(this, "EditPas2", 16, true);
  EDonem = field(this, "EDonem", 4, false);
  EKodu = field(this, "EKodu", 4, false);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Kullanıcı Adı"), EditAd);
  form->addRow(QStringLiteral("Şifre"), EditPas1);
  form->addRow(QStringLiteral("Yeni Şifre"), EditPas2);
  form->addRow(QStringLiteral("Dönem"), EDonem);
  form->addRow(QStringLiteral("Kodu"), EKodu);
  auto* ok = namedButton(this, "OkBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "CancelBtn", QStringLiteral("Vazgeç"));
  connect(ok, &QPushButton::clicked, this, &TKimlikGir::OkClick);
  connect(cancel, &QPushButton::clicked, this, &TKimlikGir::VazgecClick);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

bool TKimlikGir::FormShow() {
  (EditAd->text().isEmpty() ? EditAd : EditPas1)->setFocus();
  return true;
}

}  // namespace tolvek
