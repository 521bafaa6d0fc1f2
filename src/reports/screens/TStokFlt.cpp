#include "reports/screens/TStokFlt.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/TDM.h"
#include "app/screens/Widgets.h"
#include "data/Format.h"

namespace tolvek {

TStokFlt::TStokFlt(Program& program) : TStokFlt(program, QStringLiteral("TStokFlt"), false) {}

TDpStokFlt::TDpStokFlt(Program& program) : TStokFlt(program, QStringLiteral("TDpStokFlt"), true) {}

TStokFlt::TStokFlt(Program& program, const QString& systemName, bool withType)
    : Screen(program, systemName, QStringLiteral("Rapor Parametreleri")) {
  auto edit = [this](QLineEdit* e, const char* name) {
    e->setObjectName(QLatin1String(name));
    return e;
  };
  Edit1 = edit(new CodeEdit(CodeEdit::Rule::Capitals, this), "Edit1");
  Edit2 = edit(new CodeEdit(CodeEdit::Rule::Capitals, this), "Edit2");
  Edit1->setMaxLength(20);
  Edit2->setMaxLength(20);
  Edit3 = edit(new QLineEdit(this), "Edit3");
  Edit4 = edit(new QLineEdit(this), "Edit4");
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("İlk Hesap"), Edit1);
  form->addRow(QStringLiteral("Son Hesap"), Edit2);
  form->addRow(QStringLiteral("İlk Tarih"), Edit3);
  form->addRow(QStringLiteral("Son Tarih"), Edit4);
  if (withType) {
    Edit5 = edit(new CodeEdit(CodeEdit::Rule::Capitals, this), "Edit5");
    Edit5->setMaxLength(1);
    form->addRow(QStringLiteral("Evrak Tipi"), Edit5);
  }
  auto* ok = namedButton(this, "ButOk", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "ButCan", QStringLiteral("Vazgeç"));
  form->addRow(ok, cancel);
  connect(ok, &QPushButton::clicked, this, &TStokFlt::ButOkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TStokFlt::FormShow() {
  Edit1->setText(QStringLiteral("00"));
  Edit2->setText(QStringLiteral("ZZZ"));
  Edit3->setText(fmt::shortDate(dm_.openingDate));
  Edit4->setText(fmt::shortDate(QDate::currentDate()));
  if (Edit5) Edit5->setText(QStringLiteral("0"));
  return true;
}

void TStokFlt::ButOkClick() {
  const QDate first = fmt::parseShortDate(Edit3->text());
  const QDate last = fmt::parseShortDate(Edit4->text());
  ReportParams& p = dm_.report;
  p.firstCode = Edit1->text();
  p.lastCode = Edit2->text();
  p.firstDate = first;
  p.lastDate = last;
  if (Edit5) p.option = Edit5->text();
  accept();
}

}  // namespace tolvek
