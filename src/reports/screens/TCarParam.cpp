#include "reports/screens/TCarParam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "app/TDM.h"
#include "app/screens/Widgets.h"
#include "data/CodeValues.h"
#include "data/Format.h"

namespace tolvek {

TCarParam::TCarParam(Program& program)
    : Screen(program, QStringLiteral("TCarParam"), QStringLiteral("Rapor Parametreleri")) {
  auto edit = [this](QLineEdit* e, const char* name) {
    e->setObjectName(QLatin1String(name));
    return e;
  };
  Hesap1 = edit(new CodeEdit(CodeEdit::Rule::Capitals, this), "Hesap1");
  Hesap2 = edit(new CodeEdit(CodeEdit::Rule::Capitals, this), "Hesap2");
  Hesap1->setMaxLength(12);
  Hesap2->setMaxLength(12);
  Tarih1 = edit(new QLineEdit(this), "Tarih1");
  Tarih2 = edit(new QLineEdit(this), "Tarih2");
  KarTon = edit(new QLineEdit(this), "KarTon");
  KarTon->setMaxLength(6);
  Doviz = new QComboBox(this);
  Doviz->setObjectName(QStringLiteral("Doviz"));
  Doviz->addItem(QString());
  Doviz->addItems(currencyCodes());
  Valor = new QCheckBox(QStringLiteral("Valöre Göre"), this);
  Valor->setObjectName(QStringLiteral("Valor"));
  MizFil = new QCheckBox(QStringLiteral("0 Bakiyeleri Gösterme !"), this);
  MizFil->setObjectName(QStringLiteral("MizFil"));
  KarMiz = new QCheckBox(QStringLiteral("Kartona göre sırala !"), this);
  KarMiz->setObjectName(QStringLiteral("KarMiz"));

  auto* filters = new QHBoxLayout;
  filters->addWidget(KarTon);
  filters->addWidget(Doviz);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("İlk Hesap"), Hesap1);
  form->addRow(QStringLiteral("Son Hesap"), Hesap2);
  form->addRow(QStringLiteral("İlk Tarih"), Tarih1);
  form->addRow(QStringLiteral("Son Tarih"), Tarih2);
  form->addRow(QStringLiteral("Karton / Döviz"), filters);
  form->addRow(Valor);
  form->addRow(MizFil);
  form->addRow(KarMiz);
  auto* ok = namedButton(this, "BitBtn1", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "BitBtn2", QStringLiteral("Vazgeç"));
  form->addRow(ok, cancel);
  connect(ok, &QPushButton::clicked, this, &TCarParam::BitBtn1Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TCarParam::FormShow() {
  Hesap1->setText(QStringLiteral("000"));
  Hesap2->setText(QStringLiteral("ZZZ"));
  Tarih1->setText(fmt::shortDate(dm_.openingDate));
  Tarih2->setText(fmt::shortDate(QDate::currentDate()));
  KarTon->clear();
  return true;
}

void TCarParam::BitBtn1Click() {
  const QDate first = fmt::parseShortDate(Tarih1->text());
  const QDate last = fmt::parseShortDate(Tarih2->text());
  ReportParams& p = dm_.report;
  p.firstCode = Hesap1->text();
  p.lastCode = Hesap2->text();
  p.firstDate = first;
  p.lastDate = last;
  p.karton = KarTon->text();
  p.currency = Doviz->currentText();
  p.option = Valor->isChecked() ? QStringLiteral("x") : QString();
  p.hideZero = MizFil->isChecked();
  p.orderKarton = KarMiz->isChecked();
  accept();
}

}  // namespace tolvek
