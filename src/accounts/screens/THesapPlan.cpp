#include "accounts/screens/THesapPlan.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "accounts/Account.h"
#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/CodeValues.h"
#include "data/TurkishText.h"

namespace tolvek {

THesapPlan::THesapPlan(Program& program)
    : Screen(program, QStringLiteral("THesapPlan"), QStringLiteral("Cari Hesap Plan")) {
  HesKod = new CodeEdit(CodeEdit::Rule::CodeKeys, this);
  HesKod->setObjectName(QStringLiteral("HesKod"));
  HesKod->setMaxLength(12);
  HesAdi = new QLineEdit(this);
  HesAdi->setObjectName(QStringLiteral("HesAdi"));
  HesAdi->setMaxLength(40);
  Doviz = new QComboBox(this);
  Doviz->setObjectName(QStringLiteral("Doviz"));
  Doviz->setEditable(true);
  Doviz->addItems(currencyCodes());
  Doviz->setCurrentText(QStringLiteral("Doviz"));
  Karton = new CodeEdit(CodeEdit::Rule::Capitals, this);
  Karton->setObjectName(QStringLiteral("Karton"));
  Karton->setMaxLength(6);
  MuhKod = new CodeEdit(CodeEdit::Rule::CodeKeys, this);
  MuhKod->setObjectName(QStringLiteral("MuhKod"));
  MuhKod->setMaxLength(12);
  Borc = new NumberEdit(2, true, this);
  Borc->setObjectName(QStringLiteral("Borc"));
  Alacak = new NumberEdit(2, true, this);
  Alacak->setObjectName(QStringLiteral("Alacak"));
  connect(HesKod, &QLineEdit::editingFinished, this, &THesapPlan::HesKodExit);

  auto* heading = new QLabel(QStringLiteral("Cari Hesap Tanımlama"), this);
  QFont f = heading->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + 3);
  heading->setFont(f);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Hesap Kodu"), HesKod);
  form->addRow(QStringLiteral("Hesap Tanımı"), HesAdi);
  form->addRow(QStringLiteral("Döviz"), Doviz);
  form->addRow(QStringLiteral("Karton No"), Karton);
  form->addRow(QStringLiteral("Muhasebe Kodu"), MuhKod);
  form->addRow(QStringLiteral("Borç Limiti"), Borc);
  form->addRow(QStringLiteral("Alacak Limiti"), Alacak);
  auto* save = namedButton(this, "ButKay", QStringLiteral("&Kaydet"));
  auto* close = namedButton(this, "ButSon", QStringLiteral("&Vazgeç"));
  connect(save, &QPushButton::clicked, this, &THesapPlan::ButKayClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  form->addRow(save, close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(form);
}

void THesapPlan::clearCard() {
  HesAdi->clear();
  Karton->clear();
  MuhKod->clear();
  Borc->setValue(0);
  Alacak->setValue(0);
}

bool THesapPlan::FormShow() {
  if (!dm_.right(8, '2')) return false;
  clearCard();
  return true;
}

void THesapPlan::HesKodExit() {
  if (HesAdi->text().size() > 1) return;
  const auto found = accounts::find(dm_.connection(), HesKod->text());
  if (!found) {
    clearCard();
    return;
  }
  Doviz->setCurrentText(found->TIP);
  HesAdi->setText(found->TANIM);
  Karton->setText(found->KARTON);
  MuhKod->setText(found->MHSBKODU);
  Borc->setValue(found->LIMITB);
  Alacak->setValue(found->LIMITA);
}

void THesapPlan::ButKayClick() {
  Account a;
  a.HESAPKOD = HesKod->text();
  a.TANIM = HesAdi->text();
  a.TIP = turkishCodeUpper(Doviz->currentText());
  a.KARTON = Karton->text();
  a.MHSBKODU = MuhKod->text();
  a.LIMITB = Borc->value();
  a.LIMITA = Alacak->value();
  if (a.HESAPKOD.size() <= 1) {
    HesKod->setFocus();
    return;
  }
  if (a.TANIM.size() <= 1) {
    HesAdi->setFocus();
    return;
  }
  if (auto refused = accounts::checkCard(a)) {
    ui_.message(refused->caption, refused->text);
    Doviz->setFocus();
    return;
  }
  accounts::save(dm_.connection(), a);
  HesKod->clear();
  clearCard();
  HesKod->setFocus();
}

}  // namespace tolvek
