#include "rates/screens/TKurGiris.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Format.h"
#include "data/TurkishText.h"
#include "rates/Rates.h"

namespace tolvek {

TKurGiris::TKurGiris(Program& program)
    : Screen(program, QStringLiteral("TKurGiris"), QStringLiteral("Kur Girişleri")) {
  GTarih = new ClickEdit(this);
  GTarih->setObjectName(QStringLiteral("GTarih"));
  DovizCombo = new QComboBox(this);
  DovizCombo->setObjectName(QStringLiteral("DovizCombo"));
  DovizCombo->setEditable(true);
  DovizCombo->addItems({"USD", "EUR", "GBP", "CHF", "NOK", "SAR", "CAD", "DKK", "ATS", "SEK", "AUD",
                        "BEC", "KWD", "JPY", "FIM", "ZZ1"});
  DovizCombo->lineEdit()->setMaxLength(3);
  auto rate = [this](const char* name) {
    auto* e = new NumberEdit(5, false, this);
    e->setObjectName(QLatin1String(name));
    return e;
  };
  MAEdit = rate("MAEdit");
  MSEdit = rate("MSEdit");
  SAEdit = rate("SAEdit");
  SSEdit = rate("SSEdit");
  BAEdit = rate("BAEdit");
  BSEdit = rate("BSEdit");
  auto* save = namedButton(this, "KayitYap", QStringLiteral("Kaydet"));
  auto* close = namedButton(this, "SpeedButton1", QStringLiteral("Son"), QStringLiteral("Son"));
  connect(GTarih, &ClickEdit::clicked, this, &TKurGiris::GTarihClick);
  connect(DovizCombo, &QComboBox::currentTextChanged, this, &TKurGiris::Load);
  connect(save, &QPushButton::clicked, this, &TKurGiris::KayitYapClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Tarih"), this), 0, 0);
  grid->addWidget(GTarih, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Döviz"), this), 0, 2);
  grid->addWidget(DovizCombo, 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("ALIŞ"), this), 1, 1, Qt::AlignCenter);
  grid->addWidget(new QLabel(QStringLiteral("SATIŞ"), this), 1, 2, Qt::AlignCenter);
  const std::tuple<const char*, NumberEdit*, NumberEdit*> rows[] = {
      {"Merkez Bankası", MAEdit, MSEdit},
      {"Serbest Piyasa", SAEdit, SSEdit},
      {"Bankalar Arası", BAEdit, BSEdit}};
  int r = 2;
  for (const auto& [label, buy, sell] : rows) {
    grid->addWidget(new QLabel(QString::fromUtf8(label), this), r, 0);
    grid->addWidget(buy, r, 1);
    grid->addWidget(sell, r, 2);
    ++r;
  }
  grid->addWidget(save, r, 2);
  grid->addWidget(close, r, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
}

bool TKurGiris::FormShow() {
  if (!dm_.right(9, '2')) return false;
  loading_ = true;
  DovizCombo->setCurrentText(QStringLiteral("USD"));
  loading_ = false;
  setDate(QDate::currentDate());
  return true;
}

void TKurGiris::setDate(const QDate& date) {
  GTarih->setText(fmt::shortDate(date));
  Load();
}

void TKurGiris::Load() {
  if (loading_) return;
  for (NumberEdit* e : {MAEdit, MSEdit, SAEdit, SSEdit, BAEdit, BSEdit}) e->setValue(0);
  const auto row = rates::find(dm_.connection(), fmt::parseShortDate(GTarih->text()),
                               turkishCodeUpper(DovizCombo->currentText()));
  if (!row) return;
  MAEdit->setValue(row->MerkezAl);
  MSEdit->setValue(row->MerkezSat);
  SAEdit->setValue(row->SerbestAl);
  SSEdit->setValue(row->SerbestSat);
  BAEdit->setValue(row->BankaAl);
  BSEdit->setValue(row->BankaSat);
}

void TKurGiris::GTarihClick() {
  if (auto chosen = program_.pickDate(fmt::parseShortDate(GTarih->text()))) setDate(*chosen);
}

void TKurGiris::KayitYapClick() {
  RateRow r;
  r.Tarih = fmt::parseShortDate(GTarih->text());
  r.Doviz = turkishCodeUpper(DovizCombo->currentText());
  r.MerkezAl = MAEdit->value();
  r.MerkezSat = MSEdit->value();
  r.SerbestAl = SAEdit->value();
  r.SerbestSat = SSEdit->value();
  r.BankaAl = BAEdit->value();
  r.BankaSat = BSEdit->value();
  rates::save(dm_.connection(), r);
}

}  // namespace tolvek
