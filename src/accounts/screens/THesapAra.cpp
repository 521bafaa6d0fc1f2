#include "accounts/screens/THesapAra.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/screens/AccountPicker.h"
#include "accounts/screens/THesapPlan.h"
#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Errors.h"

namespace tolvek {

THesapAra::THesapAra(Program& program)
    : Screen(program, QStringLiteral("THesapAra"), QStringLiteral("Hesap Arama")) {
  picker = new AccountPicker(
      this, {QStringLiteral("HESAPKOD"), QStringLiteral("TANIM"), QStringLiteral("TIP")},
      [this](accounts::Order order) {
        return accounts::list(dm_.connection(), order, dm_.restriction);
      });
  auto readOnly = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    return e;
  };
  EditKod = readOnly("EditKod");
  EditAdi = readOnly("EditAdi");
  EditTip = readOnly("EditTip");
  auto* ok = namedButton(this, "But_Ok", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "But_Cancel", QStringLiteral("Vazgeç"));
  auto* define = namedButton(this, "ButHesP", QStringLiteral("&Hesap Tanım"));
  connect(ok, &QPushButton::clicked, this, &THesapAra::But_OkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(define, &QPushButton::clicked, this, &THesapAra::ButHesPClick);
  connect(picker, &AccountPicker::activated, this, &THesapAra::But_OkClick);
  connect(picker, &AccountPicker::currentChanged, this, &THesapAra::showCurrent);

  auto* search = new QFormLayout;
  search->addRow(QStringLiteral("&Alan"), picker->ComboBox1);
  search->addRow(QStringLiteral("&Bilgi"), picker->Edit1);
  auto* fields = new QHBoxLayout;
  fields->addWidget(EditKod);
  fields->addWidget(EditAdi, 1);
  fields->addWidget(EditTip);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(define);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search);
  layout->addWidget(picker->DBGrid1, 1);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  resize(560, 480);
}

bool THesapAra::FormShow() {
  if (!dm_.right(8, '1')) return false;
  picker->open();
  showCurrent();
  return true;
}

void THesapAra::showCurrent() {
  const Account a = picker->current();
  EditKod->setText(a.HESAPKOD);
  EditAdi->setText(a.TANIM);
  EditTip->setText(a.TIP);
}

void THesapAra::FormClose() {
  // However the dialog closes, the current row is the result; callers test for OK.
  const Account a = picker->current();
  dm_.accountSearch = {a.HESAPKOD, a.TANIM, a.TIP};
  picker->clear();
}

void THesapAra::But_OkClick() { accept(); }

void THesapAra::ButHesPClick() {
  if (!dm_.right(8, '2')) {
    ui_.message(caption::error, QStringLiteral("Bu işlemi Yapmaya Yetkiniz Yok !"));
    return;
  }
  program_.hesapPlan->openModal();
}

}  // namespace tolvek
