#include "vouchers/screens/TDekont.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/CodeValues.h"
#include "data/DocumentCounter.h"
#include "data/Format.h"
#include "vouchers/VoucherPrint.h"
#include "vouchers/screens/TDekontYaz.h"

namespace tolvek {

namespace {
const QString kNoRight = QStringLiteral("Bu işlemi Yapmaya Yetkiniz Yok !");
const QString kInvalidNumber = QStringLiteral("Evrak Numarası geçersiz !");

QPushButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}
}  // namespace

TDekont::TDekont(Program& program)
    : Screen(program, QStringLiteral("TDekont"), QStringLiteral("Makbuz / Dekont")) {
  ENo = new QLineEdit(this);
  ENo->setObjectName(QStringLiteral("ENo"));
  ENo->setReadOnly(true);
  ENo->setAlignment(Qt::AlignRight);
  ETarih = new ClickEdit(this);
  ETarih->setObjectName(QStringLiteral("ETarih"));
  VTarih = new ClickEdit(this);
  VTarih->setObjectName(QStringLiteral("VTarih"));
  ComETip = new QComboBox(this);
  ComETip->setObjectName(QStringLiteral("ComETip"));
  // The kind comes from the list only: a voucher of another kind would fall out of every list.
  ComETip->addItems(
      {QStringLiteral("K"), QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("N")});
  ComETip->setToolTip(
      QStringLiteral(" ( K ) - Kambiyo Evrak   ( L ) - Kur ve Vade Farkı Tahakkuk  "
                     "( M ) - Mahsup Fişi  ( N ) - Nakit Hareket "));
  EdOnay = new ClickEdit(this);
  EdOnay->setObjectName(QStringLiteral("EdOnay"));
  EdOnay->setMaxLength(1);
  EdOnay->setMaximumWidth(40);

  auto side = [this](const char* nameLabel, const char* code, const char* currency,
                     const char* rate, const char* amount, QLabel*& label, ClickEdit*& codeEdit,
                     QLineEdit*& currencyEdit, NumberEdit*& rateEdit, NumberEdit*& amountEdit) {
    label = new QLabel(this);
    label->setObjectName(QLatin1String(nameLabel));
    codeEdit = new ClickEdit(this);
    codeEdit->setObjectName(QLatin1String(code));
    currencyEdit = new QLineEdit(this);
    currencyEdit->setObjectName(QLatin1String(currency));
    currencyEdit->setReadOnly(true);
    currencyEdit->setMaximumWidth(50);
    rateEdit = new NumberEdit(5, false, this);
    rateEdit->setObjectName(QLatin1String(rate));
    amountEdit = new NumberEdit(2, false, this);
    amountEdit->setObjectName(QLatin1String(amount));
  };
  side("Borclu", "BorKod", "BorTip", "BrKur", "BRTut", Borclu, BorKod, BorTip, BrKur, BRTut);
  side("Alacakli", "AlKod", "AlTip", "ALKur", "ALTut", Alacakli, AlKod, AlTip, ALKur, ALTut);
  for (int i = 0; i < 5; ++i) {
    MakIzahat[i] = new QLineEdit(this);
    MakIzahat[i]->setObjectName(i == 0 ? QStringLiteral("MakIzahat")
                                       : QStringLiteral("MakIzahat%1").arg(i + 1));
    MakIzahat[i]->setMaxLength(40);
  }

  auto caption = [this](const char* name, const QString& text) {
    auto* l = new ClickLabel(text, this);
    l->setObjectName(QLatin1String(name));
    l->setCursor(Qt::PointingHandCursor);
    return l;
  };
  ClickLabel* debitCaption = caption("LabBorHes", QStringLiteral("BORÇLU HESAP"));
  ClickLabel* creditCaption = caption("LabAlHes", QStringLiteral("ALACAKLI HESAP"));
  ClickLabel* debitRate = caption("LabBrKur", QStringLiteral("Kur"));
  ClickLabel* creditRate = caption("LabAlKur", QStringLiteral("Kur"));
  ClickLabel* debitAmount = caption("LabBrTut", QStringLiteral("Tutar"));
  ClickLabel* creditAmount = caption("LabAlTut", QStringLiteral("Tutar"));
  connect(debitCaption, &ClickLabel::clicked, this, &TDekont::BorKodClick);
  connect(BorKod, &ClickEdit::clicked, this, &TDekont::BorKodClick);
  connect(creditCaption, &ClickLabel::clicked, this, &TDekont::AlKodClick);
  connect(AlKod, &ClickEdit::clicked, this, &TDekont::AlKodClick);
  connect(debitRate, &ClickLabel::clicked, this, &TDekont::BrKurClick);
  connect(creditRate, &ClickLabel::clicked, this, &TDekont::ALKurClick);
  connect(debitAmount, &ClickLabel::clicked, this, &TDekont::BRTutClick);
  connect(creditAmount, &ClickLabel::clicked, this, &TDekont::ALTutClick);
  connect(ETarih, &ClickEdit::clicked, this, &TDekont::ETarihClick);
  connect(VTarih, &ClickEdit::clicked, this, &TDekont::VTarihClick);
  connect(EdOnay, &ClickEdit::doubleClicked, this, &TDekont::EdOnayDblClick);

  auto* tools = new QHBoxLayout;
  const std::tuple<const char*, QString, QString, void (TDekont::*)()> buttons[] = {
      {"ButYeni", QStringLiteral("Yeni"), QStringLiteral(" Yeni Dekont No "),
       &TDekont::ButYeniClick},
      {"ButAc", QStringLiteral("Aç"), QStringLiteral(" Dekont Aç "), &TDekont::ButAcClick},
      {"ButKaydet", QStringLiteral("Kaydet"), QStringLiteral(" Kayıt "), &TDekont::ButKaydetClick},
      {"ButSil", QStringLiteral("Sil"), QStringLiteral(" Dekont Sil "), &TDekont::ButSilClick},
      {"ButYaz", QStringLiteral("Yazdır"), QStringLiteral(" Dekont Bas "), &TDekont::ButYazClick}};
  for (const auto& [name, text, hint, slot] : buttons) {
    QPushButton* b = toolButton(this, name, text, hint);
    connect(b, &QPushButton::clicked, this, slot);
    tools->addWidget(b);
  }
  tools->addStretch(1);
  QPushButton* close = toolButton(this, "ButSon", QStringLiteral("Kapat"), QString());
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  tools->addWidget(close);

  auto* head = new QGridLayout;
  head->addWidget(new QLabel(QStringLiteral("No"), this), 0, 0);
  head->addWidget(ENo, 0, 1);
  head->addWidget(new QLabel(QStringLiteral("Tarih"), this), 0, 2);
  head->addWidget(ETarih, 0, 3);
  head->addWidget(new QLabel(QStringLiteral("Valör"), this), 0, 4);
  head->addWidget(VTarih, 0, 5);
  head->addWidget(new QLabel(QStringLiteral("Tipi"), this), 0, 6);
  head->addWidget(ComETip, 0, 7);
  head->addWidget(new QLabel(QStringLiteral("Onay"), this), 0, 8);
  head->addWidget(EdOnay, 0, 9);

  auto* sides = new QGridLayout;
  auto placeSide = [&](int row, ClickLabel* title, QLabel* name, ClickEdit* code,
                       QLineEdit* currency, ClickLabel* rateCaption, NumberEdit* rate,
                       ClickLabel* amountCaption, NumberEdit* amount) {
    sides->addWidget(title, row, 0);
    sides->addWidget(code, row, 1);
    sides->addWidget(currency, row, 2);
    sides->addWidget(name, row, 3, 1, 3);
    sides->addWidget(rateCaption, row + 1, 1, Qt::AlignRight);
    sides->addWidget(rate, row + 1, 2, 1, 2);
    sides->addWidget(amountCaption, row + 1, 4, Qt::AlignRight);
    sides->addWidget(amount, row + 1, 5);
  };
  placeSide(0, debitCaption, Borclu, BorKod, BorTip, debitRate, BrKur, debitAmount, BRTut);
  placeSide(2, creditCaption, Alacakli, AlKod, AlTip, creditRate, ALKur, creditAmount, ALTut);

  auto* notes = new QVBoxLayout;
  notes->addWidget(new QLabel(QStringLiteral("Açıklama"), this));
  for (QLineEdit* e : MakIzahat) notes->addWidget(e);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addLayout(head);
  layout->addLayout(sides);
  layout->addLayout(notes);
  layout->addStretch(1);
  resize(760, 420);

  // The one creation step of a screen: today's date in the date fields.
  ETarih->setText(fmt::shortDate(QDate::currentDate()));
  VTarih->setText(fmt::shortDate(QDate::currentDate()));
  ENo->setText(QStringLiteral("0"));
}

bool TDekont::FormShow() {
  if (!dm_.right(5, '1')) return false;
  const qint64 number = ENo->text().toLongLong();
  if (number > 0) {
    openNumber(number);
  } else {
    clear();
  }
  return true;
}

void TDekont::clear() {
  ENo->setText(QStringLiteral("0"));
  ComETip->setCurrentIndex(1);  // "L"
  for (QLabel* l : {Borclu, Alacakli}) l->clear();
  for (QLineEdit* e : {static_cast<QLineEdit*>(BorKod), BorTip, static_cast<QLineEdit*>(AlKod),
                       AlTip, static_cast<QLineEdit*>(EdOnay)}) {
    e->clear();
  }
  for (NumberEdit* e : {BrKur, BRTut, ALKur, ALTut}) e->setValue(0);
  for (QLineEdit* e : MakIzahat) e->clear();
}

void TDekont::fill(const Voucher& v) {
  ENo->setText(QString::number(v.number));
  ETarih->setText(fmt::shortDate(v.date));
  VTarih->setText(fmt::shortDate(v.valueDate));
  ComETip->setCurrentText(v.kind);
  EdOnay->setText(v.approval);
  for (int i = 0; i < 5; ++i) MakIzahat[i]->setText(v.explanations[i]);
  auto side = [](const VoucherSide& s, QLabel* name, QLineEdit* code, QLineEdit* currency,
                 NumberEdit* rate, NumberEdit* amount) {
    name->setText(s.name);
    code->setText(s.code);
    currency->setText(s.currency);
    rate->setValue(s.rate);
    amount->setValue(s.amount);
  };
  side(v.debit, Borclu, BorKod, BorTip, BrKur, BRTut);
  side(v.credit, Alacakli, AlKod, AlTip, ALKur, ALTut);
}

Voucher TDekont::voucher() const {
  Voucher v;
  v.number = ENo->text().toLongLong();
  v.date = fmt::parseShortDate(ETarih->text());
  v.valueDate = fmt::parseShortDate(VTarih->text());
  v.kind = ComETip->currentText();
  v.approval = EdOnay->text();
  v.debit = {BorKod->text(), Borclu->text(), BorTip->text(), BrKur->value(), BRTut->value()};
  v.credit = {AlKod->text(), Alacakli->text(), AlTip->text(), ALKur->value(), ALTut->value()};
  for (int i = 0; i < 5; ++i) v.explanations[i] = MakIzahat[i]->text();
  return v;
}

void TDekont::updateLock() {
  locked_ = vouchers::isLocked(EdOnay->text(), dm_.periodIsClosed());
  ComETip->setEnabled(!locked_);
  for (NumberEdit* e : {BrKur, BRTut, ALKur, ALTut}) e->setReadOnly(locked_);
  for (QLineEdit* e : MakIzahat) e->setReadOnly(locked_);
}

bool TDekont::mayChange() const { return !dm_.periodIsClosed() && !locked_ && dm_.right(5, '2'); }

void TDekont::ButYeniClick() {
  if (!dm_.right(5, '2')) {
    ui_.message(caption::error, kNoRight);
    return;
  }
  clear();
  try {
    ENo->setText(QString::number(takeNextNumber(dm_.connection())));
  } catch (const Failure&) {
    // No number, no message: the screen stays empty and the clerk tries again.
  }
  updateLock();
}

void TDekont::ButAcClick() {
  if (!dm_.right(5, '2')) {
    ui_.message(caption::error, kNoRight);
    return;
  }
  const auto number = program_.askDocumentNumber();
  if (!number) return;
  openNumber(*number);
}

void TDekont::openNumber(qint64 number) {
  clear();
  const vouchers::Loaded loaded = vouchers::load(dm_.connection(), number);
  if (loaded.refusal) {
    ui_.message(loaded.refusal->caption, loaded.refusal->text);
    return;
  }
  fill(*loaded.voucher);
  updateLock();
}

void TDekont::chooseAccount(bool debit) {
  if (!mayChange()) return;
  const auto chosen = program_.searchAccount();
  if (!chosen) return;
  (debit ? Borclu : Alacakli)->setText(chosen->name);
  (debit ? BorKod : AlKod)->setText(chosen->code);
  (debit ? BorTip : AlTip)->setText(chosen->currency);
  leaveAccount(debit);
}

void TDekont::leaveAccount(bool debit) {
  if (isLocalCurrency((debit ? BorTip : AlTip)->text())) (debit ? BrKur : ALKur)->setValue(1);
}

void TDekont::lookUpRate(bool debit) {
  BusyCursor busy(ui_);
  const double rate = vouchers::lookUpRate(dm_.connection(), fmt::parseShortDate(ETarih->text()),
                                           (debit ? BorTip : AlTip)->text());
  (debit ? BrKur : ALKur)->setValue(rate);
}

void TDekont::convertInto(bool debit) {
  const auto converted = debit ? vouchers::convert(ALTut->value(), ALKur->value(), BrKur->value())
                               : vouchers::convert(BRTut->value(), BrKur->value(), ALKur->value());
  if (converted) (debit ? BRTut : ALTut)->setValue(*converted);
}

void TDekont::ETarihClick() {
  if (!mayChange()) return;
  if (auto chosen = program_.pickDate(fmt::parseShortDate(ETarih->text()))) {
    ETarih->setText(fmt::shortDate(*chosen));
    VTarih->setText(fmt::shortDate(*chosen));
  }
}

void TDekont::VTarihClick() {
  if (!mayChange()) return;
  const QDate documentDate = fmt::parseShortDate(ETarih->text());
  if (auto chosen = program_.pickDate(documentDate)) {
    if (*chosen >= documentDate) VTarih->setText(fmt::shortDate(*chosen));
  }
}

void TDekont::EdOnayDblClick() {
  if (dm_.periodIsClosed() || (locked_ && !dm_.right(1, '3'))) {
    ui_.message(caption::error, kNoRight);
    return;
  }
  EdOnay->setText(EdOnay->text().isEmpty() ? QStringLiteral("X") : QString());
  updateLock();
}

void TDekont::ButKaydetClick() {
  const Voucher v = voucher();
  if (auto refused = vouchers::checkSave(v, dm_, locked_)) {
    ui_.message(refused->caption, refused->text);
    return;
  }
  try {
    vouchers::save(dm_.connection(), v, dm_.userId);
  } catch (const Failure& e) {
    ui_.message(caption::error,
                QStringLiteral("Evrak Kayıt İşlemi Sıtasında Hata Oluştu !\n\n") + e.text());
    return;
  }
  ui_.message(caption::done, QStringLiteral("Evrak Kaydedildi !"));
  clear();
}

void TDekont::ButSilClick() {
  if (dm_.periodIsClosed() || locked_) {
    ui_.message(caption::error, QStringLiteral("Kapatılmış Evrak Silinemez !"));
    return;
  }
  if (!dm_.right(5, '3')) {
    ui_.message(caption::error, kNoRight);
    return;
  }
  const qint64 number = ENo->text().toLongLong();
  if (number < 1) {
    ui_.message(caption::error, kInvalidNumber);
    return;
  }
  if (ui_.message(caption::confirm, QStringLiteral("Bu Dekont Kayıtlardan Silinecek ?"),
                  Buttons::YesNo) != Answer::Yes) {
    return;
  }
  try {
    vouchers::remove(dm_.connection(), number);
    ui_.message(caption::done, QStringLiteral("Evrak Kayıtlardan Silindi !"));
  } catch (const Failure& e) {
    ui_.message(caption::error,
                QStringLiteral("Evrak Silme İşlemi Sıtasında Hata Oluştu !\n\n") + e.text());
  }
  clear();
}

void TDekont::ButYazClick() {
  if (ENo->text().toLongLong() < 1) {
    ui_.message(caption::error, kInvalidNumber);
    return;
  }
  if (BorKod->text() == AlKod->text()) {
    ui_.message(caption::error, QStringLiteral("Borçlu ve Alacaklı Hesaplar AYNI !"));
    return;
  }
  VoucherPage page;
  page.number = ENo->text();
  page.date = ETarih->text();
  page.valueDate = VTarih->text();
  page.title = vouchers::printedTitle(ComETip->currentText());
  for (int i = 0; i < 4; ++i) page.explanations[i] = MakIzahat[i]->text();
  page.debitName = Borclu->text();
  page.debitCode = BorKod->text();
  page.debitCurrency = BorTip->text();
  page.debitRate = BrKur->text();
  page.debitAmount = BRTut->text();
  page.creditName = Alacakli->text();
  page.creditCode = AlKod->text();
  page.creditCurrency = AlTip->text();
  page.creditRate = ALKur->text();
  page.creditAmount = ALTut->text();
  program_.dekontYaz->preview(page);
}

}  // namespace tolvek
