#include "app/screens/TFormFirma.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Company.h"
#include "app/TDM.h"
#include "app/screens/Widgets.h"
#include "data/Format.h"

namespace tolvek {

namespace {
struct TextField {
  const char* control;
  const char* label;
  const char* column;
  QString Company::*member;
};
const TextField kTextFields[] = {
    {"EditFIRMAADI", "Firma Adı", "FIRMAADI", &Company::FIRMAADI},
    {"EditADRES", "Adres", "ADRES1", &Company::ADRES1},
    {"EditADRES2", "Adres", "ADRES2", &Company::ADRES2},
    {"EditSEHIR", "Şehir", "SEHIR", &Company::SEHIR},
    {"EditPOSTA", "Posta Kodu", "POSTA", &Company::POSTA},
    {"EditULKE", "Ülke", "ULKE", &Company::ULKE},
    {"EditVERGIDA", "Vergi Dairesi", "VERGIDA", &Company::VERGIDA},
    {"EditVERGINO", "Vergi No", "VERGINO", &Company::VERGINO},
    {"EditSIGORTAD", "Sigorta Dairesi", "SIGORTAD", &Company::SIGORTAD},
    {"EditSIGORTAN", "Sigorta No", "SIGORTAN", &Company::SIGORTAN},
    {"EditMUHASEBE", "Muhasebe Dosyası", "MUHASEBE", &Company::MUHASEBE},
    {"EditKURLAR", "Kur Dosyası", "KURLAR", &Company::KURLAR},
    {"EditADRES3", "Adres Dosyası", "ADRES", &Company::ADRES},
    {"EditTELEFON", "Telefon 1", "TELEFON1", &Company::TELEFON1},
    {"EditTELEFON2", "Telefon 2", "TELEFON2", &Company::TELEFON2},
    {"EditFAX", "Fax", "FAX", &Company::FAX},
    {"EditEMAIL", "E-Mail", "EMAIL", &Company::EMAIL},
};

QComboBox* decimals(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  box->addItems({"0", "1", "2", "3", "4"});
  return box;
}
}  // namespace

TFormFirma::TFormFirma(Program& program)
    : Screen(program, QStringLiteral("TFormFirma"), QStringLiteral("Firma Bilgileri")) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const TextField& f : kTextFields) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(f.control));
    limitToColumn(e, QStringLiteral("tlvka"), QLatin1String(f.column));
    edits_.insert(QLatin1String(f.column), e);
    grid->addWidget(new QLabel(QString::fromUtf8(f.label), this), row, 0);
    grid->addWidget(e, row++, 1);
  }
  Tarih = new QLineEdit(this);
  Tarih->setObjectName(QStringLiteral("Tarih"));
  Tarih->setMaxLength(10);
  EdTkus = decimals(this, "EdTkus");
  DBComboBox1 = decimals(this, "DBComboBox1");
  DBEdit1 = new CodeEdit(CodeEdit::Rule::Capitals, this);
  DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
  limitToColumn(DBEdit1, QStringLiteral("tlvka"), QStringLiteral("stokdvz"));
  const std::pair<const char*, QWidget*> rest[] = {{"Açılış Tarihi", Tarih},
                                                   {"Tutar Küsür Basamak", EdTkus},
                                                   {"Miktar Küsür Basamak", DBComboBox1},
                                                   {"Stok Döviz", DBEdit1}};
  for (const auto& [label, widget] : rest) {
    grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
    grid->addWidget(widget, row++, 1);
  }
  LabelFrm = new QLabel(this);
  LabelFrm->setObjectName(QStringLiteral("LabelFrm"));

  auto* ok = namedButton(this, "OkBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "CancelBtn", QStringLiteral("Cancel"));
  connect(ok, &QPushButton::clicked, this, &TFormFirma::OkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LabelFrm, 1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

bool TFormFirma::FormShow() {
  if (!dm_.right(1, '3')) return false;
  // An empty table starts a new row: every field empty.
  const Company c = company::load(dm_.connection()).value_or(Company{});
  for (const TextField& f : kTextFields) {
    edits_.value(QLatin1String(f.column))->setText(c.*f.member);
  }
  Tarih->setText(fmt::shortDate(c.Tarih));
  EdTkus->setCurrentIndex(std::clamp(c.KSTUT, 0, 4));
  DBComboBox1->setCurrentIndex(std::clamp(c.KSMK, 0, 4));
  DBEdit1->setText(c.stokdvz);
  return true;
}

void TFormFirma::OkClick() {
  Company c;
  for (const TextField& f : kTextFields)
    c.*f.member = edits_.value(QLatin1String(f.column))->text();
  c.Tarih = Tarih->text().trimmed().isEmpty() ? QDate() : fmt::parseShortDate(Tarih->text());
  c.KSTUT = EdTkus->currentIndex();
  c.KSMK = DBComboBox1->currentIndex();
  c.stokdvz = DBEdit1->text();
  company::save(dm_.connection(), c);
  accept();
}

}  // namespace tolvek
