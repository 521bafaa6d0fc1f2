#include "app/screens/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "accounts/screens/TAdrAna.h"
#include "accounts/screens/TFormMhr.h"
#include "accounts/screens/THspSil.h"
#include "app/Company.h"
#include "app/Login.h"
#include "app/TDM.h"
#include "app/screens/Program.h"
#include "app/screens/TFormFirma.h"
#include "app/screens/TKimlikGir.h"
#include "app/screens/TPYetki.h"
#include "app/screens/TServerAdres.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Errors.h"
#include "rates/screens/TKurAna.h"

namespace tolvek {

namespace {
const QString kNotFound = QStringLiteral("Bu Parametrelerde Bilgi Bulunamadı !");
const QString kNoInfo = QStringLiteral("Bilgi Bulunamadı !");
const QString kNoAccess = QStringLiteral("Bu Bilgilere Ulaşma Yetkiniz Bulunmamaktadır !");
const QString kNoRight = QStringLiteral("Bu işlem için yetkiniz yok !");
const QString kNoFirm = QStringLiteral("Firma Açılışı Yapılmadan Yükleme Yapılamaz !");
const QString kNoFile = QStringLiteral("Dosya Mevcut Değil!");
}  // namespace

TMainForm::TMainForm(Program& program) : program_(program) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(QStringLiteral("Tolvek 11 - 14.06.30"));
  buildCommands();
  buildWindow();
}

void TMainForm::buildCommands() {
  auto modal = [](auto screen) {
    return [screen] {
      if (*screen) (*screen)->openModal();
    };
  };
  Program& p = program_;
  commands_ = {
      {"ButSon", {}, 0, '0', {}, [this] { close(); }},
      {"ButFirmaPar", {}, 0, '0', {}, [this] { ButFirmaParClick(); }},
      {"ButFihrist", kNotFound, 7, '1', kNoInfo, modal(&p.adrAna)},
      {"ButKur", kNotFound, 9, '1', kNoInfo, modal(&p.kurAna)},
      {"ButCari", kNotFound, 0, '0', {}, [&p] { p.formMhr->openModeless(); }},
      {"ButStok", kNotFound, 1, '1', kNoAccess, {}},
      {"ButMusStok", kNotFound, 1, '2', kNoInfo, {}},
      {"ButSip", kNotFound, 1, '1', kNoAccess, {}},
      {"ButRapor", kNotFound, 3, '1', kNoAccess, {}},
      {"ButCarRap", kNotFound, 1, '3', kNoInfo, {}},
      {"ComPanel", kNotFound, 1, '3', kNoInfo, [this] { openCompanyParameters(); }},
      {"MenuCariHesapKoduSil", kNotFound, 6, '3', kNoInfo, modal(&p.hspSil)},
      {"MenuStokHesapKoduSil", kNotFound, 6, '3', kNoInfo, {}},
      {"MenuImalatGuncelle", kNotFound, 1, '3', kNoInfo, {}},
      {"MenuPersonelYetki", kNotFound, 1, '3', kNoInfo, modal(&p.pYetki)},
      {"MenuYeniDonemeDevir", kNotFound, 1, '3', kNoInfo, {}},
      {"MenuYeniAcilis", {}, 0, '0', {}, {}},
      {"MenuSqlYedekle", kNoFirm, 1, '3', kNoInfo, {}},
      {"MenuSqlYukle", kNoFirm, 1, '3', kNoInfo, {}},
      {"MenuServer", {}, 0, '0', {}, [this] { openServerSettings(); }},
      {"MenuKilitle", kNoFile, 1, '3', kNoRight, [this] { setPeriodLock(1); }},
      {"MenuKilitAc", kNoFile, 1, '3', kNoRight, [this] { setPeriodLock(0); }},
  };
}

void TMainForm::buildWindow() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  auto* top = new QHBoxLayout;
  ComPanel = new ClickLabel(QString(), central);
  ComPanel->setObjectName(QStringLiteral("ComPanel"));
  QFont big = ComPanel->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  ComPanel->setFont(big);
  FrmKod = new ClickLabel(QString(), central);
  FrmKod->setObjectName(QStringLiteral("FrmKod"));
  FrmKod->setFont(big);
  connect(ComPanel, &ClickLabel::doubleClicked, this, [this] { runCommand("ComPanel"); });
  connect(FrmKod, &ClickLabel::doubleClicked, this, [this] { runCommand("ComPanel"); });
  top->addWidget(ComPanel, 1);
  top->addWidget(FrmKod);

  auto topButton = [&](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, central);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    connect(b, &QPushButton::clicked, this, [this, name] { runCommand(QLatin1String(name)); });
    top->addWidget(b);
  };
  topButton("ButFirmaPar", QStringLiteral("Giriş"), QStringLiteral(" Çalışma Parametreleri "));
  topButton("ButSon", QStringLiteral("Çıkış"), QStringLiteral("Programdan çıkış"));
  layout->addLayout(top);

  auto* panel = new QGridLayout;
  struct PanelButton {
    const char* name;
    QString caption;
    QString hint;
  };
  const PanelButton buttons[] = {
      {"ButCari", QStringLiteral("&Cari"), QStringLiteral("Cari Panel ..")},
      {"ButStok", QStringLiteral("&Stok"), QStringLiteral("Stok Panel")},
      {"ButSip", QStringLiteral("&Takip"), QStringLiteral(" Satış Takip Paneli ")},
      {"ButRapor", QStringLiteral("&Imalat"), QStringLiteral(" Imalat Paneli / imalat işlemleri ")},
      {"ButMusStok", QStringLiteral("&CariStok"), QStringLiteral(" Cari Stok Hareketleri  ")},
      {"ButCarRap", QStringLiteral("Cari Hareketler"), QString()},
      {"ButFihrist", QStringLiteral("&Fihrist"), QStringLiteral("Fihrist Programı")},
      {"ButKur", QStringLiteral("&Kurlar"), QStringLiteral("Döviz Kurları  Programı")},
  };
  int i = 0;
  for (const PanelButton& pb : buttons) {
    auto* b = new QPushButton(pb.caption, central);
    b->setObjectName(QLatin1String(pb.name));
    b->setToolTip(pb.hint);
    b->setMinimumSize(150, 60);
    const QString name = QLatin1String(pb.name);
    connect(b, &QPushButton::clicked, this, [this, name] { runCommand(name); });
    panel->addWidget(b, i / 4, i % 4);
    ++i;
  }
  layout->addLayout(panel);
  layout->addStretch(1);
  setCentralWidget(central);

  auto entry = [this](QMenu* menu, const char* name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    const QString n = QLatin1String(name);
    connect(a, &QAction::triggered, this, [this, n] { runCommand(n); });
  };
  QMenu* main = menuBar()->addMenu(QStringLiteral(" Menu "));
  entry(main, "MenuCariHesapKoduSil", QStringLiteral("Cari Hesap Kodu Sil"));
  entry(main, "MenuStokHesapKoduSil", QStringLiteral("Stok Hesap Kodu Sil"));
  entry(main, "MenuImalatGuncelle", QStringLiteral("Imalat Güncelle"));
  entry(main, "MenuPersonelYetki", QStringLiteral("Personel Yetki"));
  entry(main, "MenuYeniDonemeDevir", QStringLiteral("Yeni Döneme Devir"));
  entry(main, "MenuYeniAcilis", QStringLiteral("Yeni Açılış"));
  menuBar()->addMenu(QStringLiteral("Raporlar"));
  QMenu* support = menuBar()->addMenu(QStringLiteral("Destek"));
  entry(support, "MenuSqlYedekle", QStringLiteral("SQL Script Yedekle"));
  entry(support, "MenuSqlYukle", QStringLiteral("SQL Script Yükle"));
  entry(support, "MenuServer", QStringLiteral("Server"));
  entry(support, "MenuKilitle", QStringLiteral("Kilitle"));
  entry(support, "MenuKilitAc", QStringLiteral("Kiliti Aç"));

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  resize(760, 360);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TMainForm::FormShow() {
  TDM& dm = program_.dm();
  dm.lastUserName.clear();
  dm.lastPeriod.clear();
  dm.lastFirmCode.clear();
  const QString said = dm.readSettings();
  if (!said.isEmpty()) program_.ui().message(QString(), said);
  dm.applyConnectionSettings();
  dm.loggedIn = false;
  refreshStatus();
  if (program_.splash) {
    program_.splash->hide();
    program_.splash->close();
  }
}

void TMainForm::runCommand(const QString& name) {
  const auto it = std::find_if(commands_.begin(), commands_.end(),
                               [&](const Command& c) { return c.name == name; });
  if (it == commands_.end()) return;
  TDM& dm = program_.dm();
  Ui& ui = program_.ui();
  if (!it->notLoggedIn.isEmpty() && !dm.loggedIn) {
    ui.message(caption::error, it->notLoggedIn);
    return;
  }
  if (it->position > 0 && !dm.right(it->position, it->minimum)) {
    ui.message(caption::error, it->refused);
    return;
  }
  if (it->open) it->open();
}

void TMainForm::ButFirmaParClick() {
  TDM& dm = program_.dm();
  program_.closeOtherWindows();
  dm.connection().disconnect();

  TKimlikGir* dialog = program_.kimlikGir;
  dialog->EditAd->setText(dm.lastUserName);
  dialog->EditPas1->clear();
  dialog->EditPas2->clear();
  dialog->EDonem->setText(dm.lastPeriod);
  dialog->EKodu->setText(dm.lastFirmCode);
  if (dialog->openModal() != QDialog::Accepted) return;

  LoginInput in{dialog->EditAd->text(), dialog->EditPas1->text(), dialog->EditPas2->text(),
                dialog->EDonem->text(), dialog->EKodu->text()};
  if (in.user.isEmpty() || in.password.isEmpty()) return;
  ComPanel->clear();
  FrmKod->clear();
  const LoginResult result = logIn(dm, in);
  if (!result.settingsError.isEmpty()) program_.ui().message(QString(), result.settingsError);
  if (!result.frmKod.isEmpty()) FrmKod->setText(result.frmKod);
  if (result.outcome == LoginResult::Outcome::LoggedIn ||
      result.outcome == LoginResult::Outcome::NoAccess) {
    ComPanel->setText(dm.companyName);
  }
  refreshStatus();
}

void TMainForm::openCompanyParameters() {
  TDM& dm = program_.dm();
  program_.formFirma->LabelFrm->clear();
  program_.formFirma->openModal();
  const Company c = company::load(dm.connection()).value_or(Company{});
  ComPanel->setText(c.FIRMAADI);
  dm.companyName = c.FIRMAADI;
  dm.openingDate = c.Tarih;
  dm.loggedIn = true;
}

void TMainForm::setPeriodLock(int kapat) {
  TDM& dm = program_.dm();
  company::setPeriodLock(dm.connection(), kapat);
  dm.periodClosed = kapat;
  program_.ui().message(caption::error,
                        kapat ? QStringLiteral("Dönem Kayıtları Kapatıldı ! Yeni Kayıt ve "
                                               "Düzeltme Yapılamaz!")
                              : QStringLiteral("Dönem Kayıtları İşlemlere Açıldı !"));
  refreshStatus();
}

void TMainForm::openServerSettings() {
  TServerAdres* d = program_.serverAdres;
  d->fill();
  d->openModal();
}

void TMainForm::refreshStatus() {
  TDM& dm = program_.dm();
  if (!dm.loggedIn) {
    statusBar()->showMessage(QStringLiteral("Giriş yapılmadı"));
    return;
  }
  statusBar()->showMessage(
      QStringLiteral("%1  —  %2%3")
          .arg(dm.userId, dm.databaseName,
               dm.periodClosed ? QStringLiteral("  —  Dönem kapalı") : QString()));
}

void TMainForm::closeEvent(QCloseEvent* event) {
  program_.dm().shutDown();
  program_.closeOtherWindows();
  QMainWindow::closeEvent(event);
}

}  // namespace tolvek
