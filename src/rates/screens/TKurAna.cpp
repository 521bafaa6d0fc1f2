#include "rates/screens/TKurAna.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/TextTableModel.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Errors.h"
#include "data/Format.h"
#include "rates/Rates.h"
#include "rates/screens/TKurGiris.h"

namespace tolvek {

namespace {
const QString kNoRight = QStringLiteral("Bu işlem için yetkiniz yok !");
const QString kRatePattern = QStringLiteral("###,###,###,##0.0000");
}  // namespace

TKurAna::TKurAna(Program& program)
    : Screen(program, QStringLiteral("TKurAna"), QStringLiteral("Döviz Kurları")) {
  TarBox = new QListWidget(this);
  TarBox->setObjectName(QStringLiteral("TarBox"));
  TarBox->setMaximumWidth(130);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);
  Edit1->setMaximumWidth(130);
  model_ = new TextTableModel(
      {QStringLiteral("Döviz"), QStringLiteral("Merkez Alış"), QStringLiteral("Merkez Satış"),
       QStringLiteral("Serbest Alış"), QStringLiteral("Serbest Satış"),
       QStringLiteral("Banka Alış"), QStringLiteral("Banka Satış")},
      this);
  model_->setRightAligned({1, 2, 3, 4, 5, 6});
  DovizTablosu = readOnlyGrid(this, "DovizTablosu", model_);
  DovizTablosu->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto* entry =
      namedButton(this, "GirisButton", QStringLiteral("Kur Girişi"), QStringLiteral("Bilgi Giris"));
  auto* remove = namedButton(this, "ButSil", QStringLiteral("Günü Sil"),
                             QStringLiteral(" Günlük Kurları Sil ! "));
  auto* close = namedButton(this, "ButSon", QStringLiteral("Kapat"));
  StatusLine = new QStatusBar(this);
  StatusLine->setObjectName(QStringLiteral("StatusLine"));
  StatusLine->setSizeGripEnabled(false);
  connect(TarBox, &QListWidget::itemDoubleClicked, this, &TKurAna::TarBoxDblClick);
  connect(entry, &QPushButton::clicked, this, &TKurAna::GirisButtonClick);
  connect(remove, &QPushButton::clicked, this, &TKurAna::ButSilClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* left = new QVBoxLayout;
  left->addWidget(Edit1);
  left->addWidget(TarBox, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(entry);
  buttons->addWidget(remove);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* right = new QVBoxLayout;
  right->addWidget(DovizTablosu, 1);
  right->addLayout(buttons);
  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(StatusLine);
  resize(860, 480);
}

bool TKurAna::FormShow() {
  // A rights string without a ninth position counts as no rate right at all.
  if (dm_.rights.size() < 9 || !dm_.right(9, '1')) return false;
  fillDates();
  showLatest();
  return true;
}

void TKurAna::FormClose() { model_->setRows({}); }

void TKurAna::fillDates() {
  TarBox->clear();
  for (const QDate& d : rates::dates(dm_.connection())) {
    auto* item = new QListWidgetItem(fmt::shortDate(d), TarBox);
    item->setData(Qt::UserRole, d);
  }
}

void TKurAna::showLatest() {
  const QDate latest = TarBox->count() > 0
                           ? TarBox->item(TarBox->count() - 1)->data(Qt::UserRole).toDate()
                           : QDate::currentDate();
  Edit1->setText(fmt::shortDate(latest));
  showRates(latest);
}

bool TKurAna::showRates(const QDate& date) {
  const std::vector<RateRow> rows = rates::ofDate(dm_.connection(), date);
  std::vector<QStringList> cells;
  for (const RateRow& r : rows) {
    cells.push_back(
        {r.Doviz, fmt::pattern(r.MerkezAl, kRatePattern), fmt::pattern(r.MerkezSat, kRatePattern),
         fmt::pattern(r.SerbestAl, kRatePattern), fmt::pattern(r.SerbestSat, kRatePattern),
         fmt::pattern(r.BankaAl, kRatePattern), fmt::pattern(r.BankaSat, kRatePattern)});
  }
  model_->setRows(std::move(cells));
  if (!rows.empty()) Edit1->setText(fmt::shortDate(rows.front().Tarih));
  StatusLine->showMessage(QStringLiteral("%1 döviz").arg(rows.size()));
  return !rows.empty();
}

void TKurAna::TarBoxDblClick() {
  QListWidgetItem* item = TarBox->currentItem();
  if (!item) return;
  showRates(item->data(Qt::UserRole).toDate());
}

void TKurAna::GirisButtonClick() {
  if (dm_.periodIsClosed() || !dm_.right(9, '2')) {
    ui_.message(caption::warning, kNoRight);
    return;
  }
  program_.kurGiris->openModal();
  fillDates();
  showLatest();
}

void TKurAna::ButSilClick() {
  if (!dm_.right(9, '3')) ui_.message(caption::warning, kNoRight);
  // The rates of a day are not deleted from here; the button only tells who may not.
}

}  // namespace tolvek
