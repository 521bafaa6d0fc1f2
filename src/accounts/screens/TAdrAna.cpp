#include "accounts/screens/TAdrAna.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/TurkishText.h"

namespace tolvek {

namespace {
struct Control {
  const char* name;
  const char* label;
  const char* column;
  bool capitals;
};
const Control kControls[] = {
    {"EditFirma", "Firma", "ADI", false},
    {"EditHesKodu", "Hesap Kodu", "KARTON", true},
    {"EditAdres1", "Adres", "ADRES1", false},
    {"EditAdres2", "", "ADRES2", false},
    {"EditPostaKodu", "Posta Kodu", "POSTAKOD", false},
    {"EditSehir", "Şehir", "SEHIR", false},
    {"EditUlke", "Ülke", "ULKE", false},
    {"EditTelefon", "Telefonlar", "TELEFON", false},
    {"EditFax", "Fax", "FAX", false},
    {"EditVergiD", "Vergi Dairesi", "VERGDA", false},
    {"EditVergiN", "Vergi No", "VERGINO", false},
    {"DBEAd1", "Ek Bağlantı Adresi", "EKADRES1", false},
    {"DBEAd2", "", "EKADRES2", false},
    {"DBEAd3", "", "EKADRES3", false},
    {"DBEAd4", "", "EKADRES4", false},
    {"EditEmail", "E-Mail", "EMAIL", false},
    {"EditYetkili", "Yetkili", "YETKILI", false},
    {"EditRef", "Referans", "REF", true},
    {"EditNot", "N O T", "NOT_A", false},
    {"Grup1", "Grup 1", "GRUP1", false},
    {"Grup2", "Grup 2", "GRUP2", false},
    {"Grup3", "Grup 3", "GRUP3", false},
};
}  // namespace

TAdrAna::TAdrAna(Program& program)
    : Screen(program, QStringLiteral("TAdrAna"), QStringLiteral("Fihrist / Adresler")) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const Control& c : kControls) {
    QLineEdit* e = c.capitals ? new CodeEdit(CodeEdit::Rule::Capitals, this) : new QLineEdit(this);
    e->setObjectName(QLatin1String(c.name));
    limitToColumn(e, QStringLiteral("tlvkf"), QLatin1String(c.column));
    byColumn_.insert(QLatin1String(c.column), e);
    connect(e, &QLineEdit::textChanged, this, [this] {
      if (!filling_) startEditing();
    });
    grid->addWidget(new QLabel(QString::fromUtf8(c.label), this), row, 0);
    grid->addWidget(e, row++, 1);
  }
  // A firm name is one line: Enter must not close the window through its default button.
  byColumn_.value(QStringLiteral("ADI"))->installEventFilter(this);

  auto* navigator = new QHBoxLayout;
  auto navButton = [&](const char* name, const QString& text, const QString& hint,
                       void (TAdrAna::*slot)()) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    b->setMaximumWidth(44);
    connect(b, &QPushButton::clicked, this, slot);
    navigator->addWidget(b);
  };
  navButton("NavFirst", QStringLiteral("|<"), QStringLiteral(" İlk Kayıt "), &TAdrAna::First);
  navButton("NavPrior", QStringLiteral("<"), QStringLiteral(" Önceki Kayıt "), &TAdrAna::Prior);
  navButton("NavNext", QStringLiteral(">"), QStringLiteral(" Sonraki Kayıt "), &TAdrAna::Next);
  navButton("NavLast", QStringLiteral(">|"), QStringLiteral(" Son Kayıt "), &TAdrAna::Last);
  navButton("NavInsert", QStringLiteral("+"), QStringLiteral(" Kayıt Ekle "), &TAdrAna::Insert);
  navButton("NavDelete", QStringLiteral("−"), QStringLiteral(" Kayıt Sil "), &TAdrAna::Delete);
  navButton("NavEdit", QStringLiteral("✎"), QStringLiteral(" Kayıt Düzelt "), &TAdrAna::Edit);
  auto* post = namedButton(this, "NavPost", QStringLiteral("✓"), QStringLiteral(" Kaydet "));
  post->setAutoDefault(false);
  post->setMaximumWidth(44);
  connect(post, &QPushButton::clicked, this, [this] { Post(); });
  navigator->addWidget(post);
  navButton("NavCancel", QStringLiteral("✗"), QStringLiteral(" Vazgeç "), &TAdrAna::Cancel);
  navButton("NavRefresh", QStringLiteral("↻"), QStringLiteral(" Yenile "), &TAdrAna::Refresh);
  navigator->addSpacing(20);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  navigator->addWidget(Edit1);
  auto* search = namedButton(this, "ButAra", QStringLiteral("&Ara"),
                             QStringLiteral("Seçenekli bilgi arama ..."));
  connect(search, &QPushButton::clicked, this, &TAdrAna::ButAraClick);
  navigator->addWidget(search);
  auto* exit =
      namedButton(this, "ButSon", QStringLiteral("Çıkış"), QStringLiteral("Program dan çıkış"));
  connect(exit, &QPushButton::clicked, this, &QDialog::close);
  navigator->addStretch(1);
  navigator->addWidget(exit);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(navigator);
  layout->addLayout(grid);
  resize(640, 640);
}

bool TAdrAna::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return Screen::eventFilter(watched, event);
}

bool TAdrAna::FormShow() {
  mode_ = Mode::Browse;
  reload(0);
  findChild<QPushButton*>(QStringLiteral("ButAra"))->setFocus();
  return true;
}

void TAdrAna::FormClose() {
  // An edit that was not posted is lost with the window, as the clerk expects of Vazgeç.
  mode_ = Mode::Browse;
  cards_.clear();
  current_ = -1;
}

void TAdrAna::reload(int keepIndex) {
  cards_ = accounts::addressCards(dm_.connection());
  current_ = cards_.empty() ? -1 : std::clamp(keepIndex, 0, static_cast<int>(cards_.size()) - 1);
  showCard();
}

void TAdrAna::showCard() {
  filling_ = true;
  const AddressCard empty;
  const AddressCard& c = current_ >= 0 ? cards_[current_] : empty;
  for (const AddressField& f : addressFields())
    byColumn_.value(QLatin1String(f.column))->setText(c.*f.member);
  filling_ = false;
}

AddressCard TAdrAna::typed() const {
  AddressCard c;
  for (const AddressField& f : addressFields())
    c.*f.member = byColumn_.value(QLatin1String(f.column))->text();
  return c;
}

void TAdrAna::startEditing() {
  if (mode_ != Mode::Browse) return;
  mode_ = current_ >= 0 ? Mode::Edit : Mode::Insert;
}

void TAdrAna::moveTo(int index) {
  if (cards_.empty()) return;
  index = std::clamp(index, 0, static_cast<int>(cards_.size()) - 1);
  if (mode_ != Mode::Browse && !Post()) return;
  current_ = index;
  showCard();
}

void TAdrAna::Insert() {
  if (mode_ != Mode::Browse && !Post()) return;
  filling_ = true;
  for (QLineEdit* e : byColumn_) e->clear();
  filling_ = false;
  mode_ = Mode::Insert;
  byColumn_.value(QStringLiteral("ADI"))->setFocus();
}

void TAdrAna::Edit() { startEditing(); }

bool TAdrAna::Post() {
  if (mode_ == Mode::Browse) return true;
  const AddressCard card = typed();
  if (mode_ == Mode::Insert) {
    accounts::insertCard(dm_.connection(), card);
    mode_ = Mode::Browse;
    cards_ = accounts::addressCards(dm_.connection());
    // The new card is the last of those equal to it in the order the server gives.
    current_ = 0;
    for (int i = static_cast<int>(cards_.size()) - 1; i >= 0; --i) {
      if (cards_[i] == card) {
        current_ = i;
        break;
      }
    }
    showCard();
    return true;
  }
  if (auto refused = accounts::updateCard(dm_.connection(), cards_[current_], card)) {
    ui_.message(refused->caption, refused->text);
    return false;
  }
  cards_[current_] = card;
  mode_ = Mode::Browse;
  return true;
}

void TAdrAna::Cancel() {
  mode_ = Mode::Browse;
  showCard();
}

void TAdrAna::Delete() {
  if (mode_ == Mode::Insert) {
    Cancel();
    return;
  }
  if (current_ < 0) return;
  if (ui_.message(caption::attention, QStringLiteral("Kayıt silinsin mi ?"), Buttons::YesNo) !=
      Answer::Yes) {
    return;
  }
  mode_ = Mode::Browse;
  if (auto refused = accounts::deleteCard(dm_.connection(), cards_[current_])) {
    ui_.message(refused->caption, refused->text);
    return;
  }
  cards_.erase(cards_.begin() + current_);
  if (current_ >= static_cast<int>(cards_.size())) current_ = static_cast<int>(cards_.size()) - 1;
  showCard();
}

void TAdrAna::Refresh() {
  if (mode_ != Mode::Browse && !Post()) return;
  reload(current_);
}

void TAdrAna::ButAraClick() {
  const QString text = Edit1->text();
  if (text.isEmpty()) return;
  for (int i = 0; i < static_cast<int>(cards_.size()); ++i) {
    if (startsWithFolded(cards_[i].ADI, text)) {
      moveTo(i);
      return;
    }
  }
}

}  // namespace tolvek
