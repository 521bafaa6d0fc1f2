#include "accounts/screens/THspSil.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/Account.h"
#include "accounts/screens/AccountPicker.h"
#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"

namespace tolvek {

THspSil::THspSil(Program& program)
    : Screen(program, QStringLiteral("THspSil"), QStringLiteral("Hesap Arama")) {
  // The whole chart: the user's account prefixes do not apply here.
  picker = new AccountPicker(
      this, {QStringLiteral("HESAP KODU"), QStringLiteral("HESAP ADI"), QStringLiteral("TIP")},
      [this](accounts::Order order) {
        return accounts::list(dm_.connection(), order, AccountRestriction());
      });
  auto* remove = namedButton(this, "ButHesP", QStringLiteral("Hesap &Sil"));
  auto* close = namedButton(this, "ButSon", QStringLiteral("Vazgeç"));
  connect(remove, &QPushButton::clicked, this, &THspSil::ButHesPClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* search = new QFormLayout;
  search->addRow(QStringLiteral("&Alan"), picker->ComboBox1);
  search->addRow(QStringLiteral("&Bilgi"), picker->Edit1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(remove);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search);
  layout->addWidget(picker->DBGrid1, 1);
  layout->addLayout(buttons);
  resize(560, 480);
}

bool THspSil::FormShow() {
  picker->open();
  return true;
}

void THspSil::FormClose() { picker->clear(); }

void THspSil::ButHesPClick() {
  const QString code = picker->current().HESAPKOD;
  if (!dm_.right(8, '3')) {
    ui_.message(caption::warning, QStringLiteral("Bu işlem için yetkiniz yok !"));
    return;
  }
  if (auto refused = accounts::checkDelete(dm_.connection(), code)) {
    ui_.message(refused->caption, refused->text);
    return;
  }
  if (ui_.message(caption::attention,
                  QStringLiteral("Hesap Planından silme işlemini onaylıyormusunuz ?"),
                  Buttons::YesNo) != Answer::Yes) {
    return;
  }
  if (auto refused = accounts::remove(dm_.connection(), code)) {
    ui_.message(refused->caption, refused->text);
    return;
  }
  const int row = picker->currentRow();
  picker->reload();
  picker->selectRow(std::min(row, static_cast<int>(picker->rows().size()) - 1));
  ui_.message(caption::error, QStringLiteral("Seçilen Hesap Kodu SİLİNDİ !"));
}

}  // namespace tolvek
