#include "accounts/screens/TFormMhr.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/StatementModel.h"
#include "accounts/screens/TCariPlanDok.h"
#include "accounts/screens/TDevir.h"
#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/TextTableModel.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Format.h"
#include "reports/ReportFile.h"
#include "vouchers/Voucher.h"
#include "vouchers/screens/TDekont.h"

namespace tolvek {

namespace {
const QString kNotFound = QStringLiteral("Bilgi Bulunamadı !");
const QString kNoRight = QStringLiteral("Bu işlem için yetkiniz yok !");

QLabel* amountLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(130);
  l->setFrameShape(QFrame::StyledPanel);
  return l;
}
}  // namespace

TFormMhr::TFormMhr(Program& program)
    : Screen(program, QStringLiteral("TFormMhr"), QStringLiteral("Cari Panel")) {
  accountModel_ = new TextTableModel({QStringLiteral("Hesap Kodu"), QStringLiteral("Hesap Adı"),
                                      QStringLiteral("Dvz"), QStringLiteral("Karton")},
                                     this);
  statementModel_ = new StatementModel(this);
  DBGrid1 = readOnlyGrid(this, "DBGrid1", accountModel_);
  DBGrid1->verticalHeader()->hide();
  DBGrid1->setColumnWidth(0, 100);
  DBGrid1->setColumnWidth(1, 300);
  DBGrid1->setColumnWidth(2, 50);
  DBGrid2 = readOnlyGrid(this, "DBGrid2", statementModel_);
  DBGrid2->verticalHeader()->hide();
  DBGrid2->setColumnWidth(0, 90);
  DBGrid2->setColumnWidth(1, 80);
  DBGrid2->setColumnWidth(2, 30);
  DBGrid2->setColumnWidth(3, 45);
  DBGrid2->setColumnWidth(4, 300);
  DBGrid2->setColumnWidth(5, 120);
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    showAccountDetails();
    Refresh();
  });
  connect(DBGrid2->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TFormMhr::showRowDetails);
  connect(DBGrid1, &QTableView::doubleClicked, this, &TFormMhr::DBGrid1DblClick);
  connect(DBGrid2, &QTableView::doubleClicked, this, &TFormMhr::DBGrid2DblClick);

  ITarih = new ClickEdit(this);
  ITarih->setObjectName(QStringLiteral("ITarih"));
  Tarih = new ClickEdit(this);
  Tarih->setObjectName(QStringLiteral("Tarih"));
  for (ClickEdit* e : {ITarih, Tarih}) e->setMaximumWidth(100);
  connect(ITarih, &ClickEdit::doubleClicked, this, &TFormMhr::ITarihDblClick);
  connect(Tarih, &ClickEdit::doubleClicked, this, &TFormMhr::TarihDblClick);
  ValFil = new QCheckBox(QStringLiteral("Valöre Göre"), this);
  ValFil->setObjectName(QStringLiteral("ValFil"));
  connect(ValFil, &QCheckBox::clicked, this, &TFormMhr::Refresh);
  CStoklu = new QCheckBox(QStringLiteral("Stoklu Dökümler"), this);
  CStoklu->setObjectName(QStringLiteral("CStoklu"));
  connect(CStoklu, &QCheckBox::clicked, this, &TFormMhr::CStokluClick);

  LabelEBorc = amountLabel(this, "LabelEBorc");
  LabelEAlacak = amountLabel(this, "LabelEAlacak");
  LabelDonBor = amountLabel(this, "LabelDonBor");
  LabelDonAl = amountLabel(this, "LabelDonAl");
  LabelBorc = amountLabel(this, "LabelBorc");
  LabelAlacak = amountLabel(this, "LabelAlacak");
  LabelBakiye = amountLabel(this, "LabelBakiye");
  auto detail = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QLatin1String(name));
    return l;
  };
  LabelYetkili = detail("LabelYetkili");
  LabelTelefon = detail("LabelTelefon");
  LabelHesKur = detail("LabelHesKur");
  LabelKur = detail("LabelKur");
  LabelUser = detail("LabelUser");

  auto* buttons = new QHBoxLayout;
  const std::tuple<const char*, QString, QString, void (TFormMhr::*)()> list[] = {
      {"ButMak", QStringLiteral("&Makbuz"), QString(), &TFormMhr::ButMakClick},
      {"ButGir", QStringLiteral("&Alış"), QString(), &TFormMhr::ButGirClick},
      {"ButSip", QStringLiteral("&Satış"), QString(), &TFormMhr::ButSipClick},
      {"ButDevir", QStringLiteral("&Devir"), QString(), &TFormMhr::ButDevirClick},
      {"ButHesDok", QStringLiteral("Döküm"), QStringLiteral(" Hesap Dökümü "),
       &TFormMhr::ButHesDokClick},
      {"But_Excel", QStringLiteral("Excel Döküm"), QString(), &TFormMhr::But_ExcelClick},
      {"ButMiz", QStringLiteral("Mizan"), QStringLiteral(" Cari Mizan Dökümü "),
       &TFormMhr::ButMizClick},
      {"HesPlanYaz", QStringLiteral("Plan"), QStringLiteral(" Hesap Planı Dökümü "),
       &TFormMhr::HesPlanYazClick},
      {"SpeedButton4", QStringLiteral("Kopuk"), QStringLiteral(" Kopuk Makbuzlar "),
       &TFormMhr::SpeedButton4Click},
      {"But_KurF", QStringLiteral("Kur Farkı Rapor"), QString(), &TFormMhr::But_KurFClick},
      {"But_Vade", QStringLiteral("Vade Farkı Rapor"), QString(), &TFormMhr::But_VadeClick}};
  for (const auto& [name, text, hint, slot] : list) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);

  auto* contact = new QHBoxLayout;
  contact->addWidget(new QLabel(QStringLiteral("Yetkili:"), this));
  contact->addWidget(LabelYetkili, 1);
  contact->addWidget(new QLabel(QStringLiteral("Telefon:"), this));
  contact->addWidget(LabelTelefon, 1);

  auto* dates = new QHBoxLayout;
  dates->addWidget(new QLabel(QStringLiteral("Tarih"), this));
  dates->addWidget(ITarih);
  dates->addWidget(new QLabel(QStringLiteral("-"), this));
  dates->addWidget(Tarih);
  dates->addWidget(ValFil);
  dates->addWidget(CStoklu);
  dates->addStretch(1);

  auto* rowDetails = new QHBoxLayout;
  rowDetails->addWidget(new QLabel(QStringLiteral("Hesap Kuru"), this));
  rowDetails->addWidget(LabelHesKur);
  rowDetails->addWidget(new QLabel(QStringLiteral("İşlem Kuru"), this));
  rowDetails->addWidget(LabelKur);
  rowDetails->addWidget(LabelUser);
  rowDetails->addStretch(1);

  auto* totals = new QGridLayout;
  totals->addWidget(new QLabel(QStringLiteral("Borç"), this), 0, 1, Qt::AlignRight);
  totals->addWidget(new QLabel(QStringLiteral("Alacak"), this), 0, 2, Qt::AlignRight);
  totals->addWidget(new QLabel(QStringLiteral(" Tarih öncesi "), this), 1, 0);
  totals->addWidget(LabelEBorc, 1, 1);
  totals->addWidget(LabelEAlacak, 1, 2);
  totals->addWidget(new QLabel(QStringLiteral(" Dönem Toplam"), this), 2, 0);
  totals->addWidget(LabelDonBor, 2, 1);
  totals->addWidget(LabelDonAl, 2, 2);
  totals->addWidget(new QLabel(QStringLiteral("Genel Toplam"), this), 3, 0);
  totals->addWidget(LabelBorc, 3, 1);
  totals->addWidget(LabelAlacak, 3, 2);
  totals->addWidget(new QLabel(QStringLiteral("Bakiye"), this), 4, 0);
  totals->addWidget(LabelBakiye, 4, 2);

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(rowDetails, 1);
  bottom->addLayout(totals);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(DBGrid1, 2);
  layout->addLayout(contact);
  layout->addLayout(dates);
  layout->addWidget(DBGrid2, 3);
  layout->addLayout(bottom);
  resize(1000, 760);
}

bool TFormMhr::FormShow() {
  CStoklu->setChecked(false);
  goods_ = false;
  ValFil->setChecked(false);
  setDates(QDate::currentDate().addDays(-90), QDate::currentDate());

  // Opening the list moves to its first account without reading a statement for it: the
  // statement area shows what it showed last until the clerk moves.
  busy_ = true;
  accounts_ = statement::panelAccounts(dm_.connection(), dm_.restriction);
  std::vector<QStringList> cells;
  cells.reserve(accounts_.size());
  for (const PanelAccount& p : accounts_) {
    cells.push_back({p.account.HESAPKOD, p.account.TANIM, p.account.TIP, p.account.KARTON});
  }
  accountModel_->setRows(std::move(cells));
  selectAccount(0);
  busy_ = false;
  statementModel_->setRows(shown_ ? statement::rows(dm_.connection(), *shown_)
                                  : std::vector<StatementRow>{});
  if (statementModel_->rowCount() > 0) selectRow(0);
  DBGrid1->setFocus();
  return true;
}

void TFormMhr::FormClose() {
  accounts_.clear();
  accountModel_->setRows({});
  statementModel_->setRows({});
}

void TFormMhr::setDates(const QDate& start, const QDate& end) {
  start_ = start;
  end_ = end;
  ITarih->setText(fmt::shortDate(start));
  Tarih->setText(fmt::shortDate(end));
}

int TFormMhr::currentAccount() const { return DBGrid1->currentIndex().row(); }

void TFormMhr::selectAccount(int row) {
  if (row < 0 || row >= static_cast<int>(accounts_.size())) return;
  DBGrid1->setCurrentIndex(accountModel_->index(row, 0));
}

const std::vector<StatementRow>& TFormMhr::rows() const { return statementModel_->rows(); }

int TFormMhr::currentRow() const { return DBGrid2->currentIndex().row(); }

void TFormMhr::selectRow(int row) {
  if (row < 0 || row >= statementModel_->rowCount()) return;
  DBGrid2->setCurrentIndex(statementModel_->index(row, 0));
}

void TFormMhr::showAccountDetails() {
  const int row = currentAccount();
  const bool ok = row >= 0 && row < static_cast<int>(accounts_.size());
  LabelYetkili->setText(ok ? accounts_[row].YETKILI : QString());
  LabelTelefon->setText(ok ? accounts_[row].TELEFON : QString());
}

void TFormMhr::showRowDetails() {
  const int row = currentRow();
  if (row < 0 || row >= statementModel_->rowCount()) {
    for (QLabel* l : {LabelHesKur, LabelKur, LabelUser}) l->clear();
    return;
  }
  const StatementRow& r = rows()[row];
  const QString rate = QStringLiteral("###,###,###,###,###,###,##0.0000");
  LabelHesKur->setText(fmt::pattern(r.HESKUR, rate));
  LabelKur->setText(fmt::pattern(r.KUR, rate));
  LabelUser->setText(r.USER_ID);
}

std::optional<StatementQuery> TFormMhr::query() const {
  const int row = currentAccount();
  if (row < 0 || row >= static_cast<int>(accounts_.size())) return std::nullopt;
  return StatementQuery{accounts_[row].account.HESAPKOD, start_, end_, ValFil->isChecked()};
}

void TFormMhr::Refresh() {
  if (busy_) return;
  const auto q = query();
  if (!q) return;
  BusyCursor busy(ui_);
  before_ = statement::before(dm_.connection(), *q);
  within_ = statement::within(dm_.connection(), *q);
  labels_ = statementLabels(before_, within_);
  LabelEBorc->setText(labels_.EBorc);
  LabelEAlacak->setText(labels_.EAlacak);
  LabelDonBor->setText(labels_.DonBor);
  LabelDonAl->setText(labels_.DonAl);
  LabelBorc->setText(labels_.Borc);
  LabelAlacak->setText(labels_.Alacak);
  LabelBakiye->setText(labels_.Bakiye);
  statementModel_->setRows(statement::rows(dm_.connection(), *q));
  shown_ = q;
  selectRow(0);
  showRowDetails();
}

Statement TFormMhr::currentStatement() {
  Statement s;
  const int row = currentAccount();
  if (row >= 0 && row < static_cast<int>(accounts_.size())) s.account = accounts_[row].account;
  s.query = shown_.value_or(StatementQuery{s.account.HESAPKOD, start_, end_, ValFil->isChecked()});
  s.before = before_;
  s.within = within_;
  s.labels = labels_;
  s.labels.EBorc = LabelEBorc->text();
  s.labels.EAlacak = LabelEAlacak->text();
  s.labels.DonBor = LabelDonBor->text();
  s.labels.DonAl = LabelDonAl->text();
  s.labels.Borc = LabelBorc->text();
  s.labels.Alacak = LabelAlacak->text();
  s.labels.Bakiye = LabelBakiye->text();
  s.rows = rows();
  s.goods = statement::goods(dm_.connection(), s.query);
  return s;
}

bool TFormMhr::postingAllowed(char userType, int area) {
  if (dm_.periodIsClosed()) {
    ui_.message(caption::error, QStringLiteral("İşlem Yapılamaz !"));
    return false;
  }
  if (!dm_.right(1, userType)) {
    ui_.message(caption::error, kNotFound);
    return false;
  }
  if (area > 0 && !dm_.right(area, '1')) {
    ui_.message(caption::warning, kNoRight);
    return false;
  }
  return true;
}

void TFormMhr::ButMakClick() {
  if (!postingAllowed('2', 5)) return;
  program_.dekont->ENo->setText(QStringLiteral("0"));
  program_.dekont->openModal();
  Refresh();
}

void TFormMhr::ButGirClick() {
  // The purchase screen opens here once it is part of the program.
  postingAllowed('2', 2);
}

void TFormMhr::ButSipClick() {
  // The sales screen opens here once it is part of the program.
  postingAllowed('1', 4);
}

void TFormMhr::ButDevirClick() {
  if (!postingAllowed('3', 0)) return;
  const int row = currentAccount();
  if (row < 0 || row >= static_cast<int>(accounts_.size())) return;
  const Account& a = accounts_[row].account;
  TDevir* d = program_.devir;
  d->EdKod->setText(a.HESAPKOD);
  d->EdTanim->setText(a.TANIM);
  d->EdTip->setText(a.TIP);
  d->EdTarih->setText(fmt::shortDate(dm_.openingDate));
  d->RadBA->setItemIndex(0);
  // Another account's amount must not be offered for this one.
  d->BRTut->setValue(0);
  selectRow(0);
  if (!rows().empty() && rows().front().EVRAK == 0) {
    const StatementRow& first = rows().front();
    d->BRTut->setValue(first.BORC + first.ALACAK);
    if (first.ALACAK > first.BORC) d->RadBA->setItemIndex(1);
  }
  d->openModal();
  Refresh();
}

void TFormMhr::ButMizClick() {
  // The trial balance opens here once it is part of the program.
  if (!dm_.right(1, '2')) ui_.message(caption::error, kNotFound);
}

void TFormMhr::HesPlanYazClick() {
  if (!dm_.right(1, '2')) {
    ui_.message(caption::error, kNotFound);
    return;
  }
  program_.cariPlanDok->openModal();
}

void TFormMhr::SpeedButton4Click() {
  // The broken-voucher list opens here once it is part of the program.
  if (!dm_.right(1, '3')) ui_.message(caption::warning, kNoRight);
}

void TFormMhr::But_KurFClick() {
  // The exchange-difference report opens here once it is part of the program.
  if (!dm_.right(1, '3')) ui_.message(caption::error, kNotFound);
}

void TFormMhr::But_VadeClick() {
  // The due-date-difference report opens here once it is part of the program.
  if (!dm_.right(1, '3')) ui_.message(caption::error, kNotFound);
}

void TFormMhr::DBGrid1DblClick() {
  if (!dm_.right(1, '1')) return;
  const auto chosen = program_.searchAccount();
  if (!chosen) return;
  for (int i = 0; i < static_cast<int>(accounts_.size()); ++i) {
    if (accounts_[i].account.HESAPKOD == chosen->code) {
      selectAccount(i);
      return;
    }
  }
}

void TFormMhr::refreshAndFind(qint64 number) {
  Refresh();
  if (rows().size() >= 2 && number >= 1) {
    for (int i = 0; i < static_cast<int>(rows().size()); ++i) {
      if (rows()[i].EVRAK == number) {
        selectRow(i);
        return;
      }
    }
  }
  selectRow(0);
}

void TFormMhr::DBGrid2DblClick() {
  const int row = currentRow();
  if (row < 0 || row >= static_cast<int>(rows().size())) return;
  const qint64 number = rows()[row].EVRAK;
  const QString type = rows()[row].T;
  if (vouchers::isVoucherKind(type) && dm_.right(5, '1')) {
    program_.dekont->ENo->setText(QString::number(number));
    program_.dekont->openModal();
  } else if (type == QLatin1String("D") && dm_.right(1, '3')) {
    program_.devir->openModal();
  } else {
    // Purchase, sales and order documents open here once their screens are part of the program;
    // production slips and orders open nothing from the statement.
    return;
  }
  refreshAndFind(number);
}

void TFormMhr::ITarihDblClick() {
  if (auto chosen = program_.pickDate(start_)) {
    setDates(*chosen, end_);
    Refresh();
  }
}

void TFormMhr::TarihDblClick() {
  if (auto chosen = program_.pickDate(end_)) {
    setDates(start_, *chosen);
    Refresh();
  }
}

void TFormMhr::CStokluClick() { goods_ = CStoklu->isChecked(); }

namespace {
// Puts the statement back on the row the clerk was on, whatever happened in between.
struct KeepRow {
  TFormMhr* panel;
  int row = panel->currentRow();
  ~KeepRow() { panel->selectRow(row); }
};
}  // namespace

void TFormMhr::ButHesDokClick() {
  KeepRow keep{this};
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Cari Dokum"));
  if (!ui_.printDialog(&printer, this)) return;
  statement::print(printer, currentStatement());
}

void TFormMhr::But_ExcelClick() {
  struct RestoreDirectory {
    QString path = QDir::currentPath();
    ~RestoreDirectory() { QDir::setCurrent(path); }
  } restore;
  const QString name =
      ui_.saveFileName(this, QStringLiteral("Cari Hesap Dökümü"), QStringLiteral("caridokum.xls"),
                       QStringLiteral("xls"), QStringLiteral("Excel (*.xls)"));
  if (name.isEmpty()) return;
  lastFile_ = name;
  KeepRow keep{this};
  reportfile::write(name, statement::html(currentStatement(), goods_));
  ui_.openFile(name);
}

}  // namespace tolvek
