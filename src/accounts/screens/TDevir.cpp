#include "accounts/screens/TDevir.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "accounts/Account.h"
#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Format.h"

namespace tolvek {

TDevir::TDevir(Program& program)
    : Screen(program, QStringLiteral("TDevir"), QStringLiteral("Cari Hesap Devir")) {
  auto readOnly = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    return e;
  };
  EdKod = readOnly("EdKod");
  EdTanim = readOnly("EdTanim");
  EdTip = readOnly("EdTip");
  EdTarih = readOnly("EdTarih");
  RadBA = new RadioGroup(QString(), {QStringLiteral("Borc"), QStringLiteral("Alacak")}, this);
  RadBA->setObjectName(QStringLiteral("RadBA"));
  RadBA->setItemIndex(0);
  BRTut = new NumberEdit(2, false, this);
  BRTut->setObjectName(QStringLiteral("BRTut"));
  auto* save = namedButton(this, "But_Kaydet", QStringLiteral("Kaydet"));
  auto* close = namedButton(this, "BitBtn1", QStringLiteral("&Kapat"));
  connect(save, &QPushButton::clicked, this, &TDevir::But_KaydetClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Hesap Kodu"), EdKod);
  form->addRow(QStringLiteral("Hesap Adı"), EdTanim);
  form->addRow(QStringLiteral("Döviz"), EdTip);
  form->addRow(QStringLiteral("Tarih"), EdTarih);
  form->addRow(RadBA);
  form->addRow(QStringLiteral("Tutar"), BRTut);
  form->addRow(save, close);
}

bool TDevir::FormShow() { return dm_.right(1, '3'); }

void TDevir::But_KaydetClick() {
  if (auto refused = accounts::checkOpening(dm_)) {
    ui_.message(refused->caption, refused->text);
    return;
  }
  accounts::OpeningBalance o;
  o.account = EdKod->text();
  o.currency = EdTip->text();
  o.date = fmt::parseShortDate(EdTarih->text());
  o.side = RadBA->itemIndex() == 1 ? Side::Credit : Side::Debit;
  o.amount = BRTut->value();
  accounts::saveOpening(dm_.connection(), o, dm_.userId);
  ui_.message(caption::done, QStringLiteral("Devir Kaydedildi !"));
}

}  // namespace tolvek
