#include "app/screens/TPYetki.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/TDM.h"
#include "app/screens/TextTableModel.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Errors.h"

namespace tolvek {

namespace {
const QString kAreaLevels[] = {QStringLiteral("Yok"), QStringLiteral("Okuma"),
                               QStringLiteral("Kayıt"), QStringLiteral("Tam")};
const QString kDeleteText = QStringLiteral("Mevcut Personel Kayıdı SİLİNECEK ?");
}  // namespace

TPYetki::TPYetki(Program& program)
    : Screen(program, QStringLiteral("TPYetki"), QStringLiteral("Personel Yetki Belirleme")) {
  model_ = new TextTableModel({QStringLiteral("Personel")}, this);
  DBGrid1 = readOnlyGrid(this, "DBGrid1", model_);
  DBGrid1->setMaximumWidth(200);
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& now) {
            current_ = now.row();
            if (!saving_) showRow(current_);
          });

  EditPer = new QLineEdit(this);
  EditPer->setObjectName(QStringLiteral("EditPer"));
  EditPer->setMaxLength(16);
  EditSif = new QLineEdit(this);
  EditSif->setObjectName(QStringLiteral("EditSif"));
  EditSif->setMaxLength(16);
  EditSif->setEchoMode(QLineEdit::Password);
  EditSif->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  MusKodu = new CodeEdit(CodeEdit::Rule::Capitals, this);
  MusKodu->setObjectName(QStringLiteral("MusKodu"));
  MusKodu->setMaxLength(80);
  LabelYetkiler = new ClickLabel(QStringLiteral("Y E T K İ L E R"), this);
  LabelYetkiler->setObjectName(QStringLiteral("LabelYetkiler"));
  LabelYetkiler->setAlignment(Qt::AlignCenter);
  connect(LabelYetkiler, &ClickLabel::doubleClicked, this, &TPYetki::LabelYetkilerDblClick);

  const QStringList userTypes = {QStringLiteral("Yok"), QStringLiteral("Depo"),
                                 QStringLiteral("Yetkili"), QStringLiteral("Yönetici")};
  const QStringList areaLevels(std::begin(kAreaLevels), std::end(kAreaLevels));
  const std::pair<const char*, const char*> areas[10] = {
      {"UserTip", "Yetki Tipi"}, {"Alislar", "Alışlar"},       {"Imalat", "İmalat"},
      {"Satis", "Satışlar"},     {"Dekontlar", "Dekontlar"},   {"StokPlan", "Stok Plan"},
      {"Fihrist", "Fihrist"},    {"Hesapplani", "Hesap Plan"}, {"Kurlar", "Kurlar"},
      {"Fatura", "Fatura"}};
  auto* rightsGrid = new QGridLayout;
  for (int i = 0; i < 10; ++i) {
    groups[i] =
        new RadioGroup(QString::fromUtf8(areas[i].second), i == 0 ? userTypes : areaLevels, this);
    groups[i]->setObjectName(QLatin1String(areas[i].first));
    groups[i]->setItemIndex(0);
    rightsGrid->addWidget(groups[i], i / 5, i % 5);
  }

  auto* ButKaydet = namedButton(this, "ButKaydet", QStringLiteral("Kaydet"));
  auto* ButSil = namedButton(this, "ButSil", QStringLiteral("Sil"));
  connect(ButKaydet, &QPushButton::clicked, this, &TPYetki::ButKaydetClick);
  connect(ButSil, &QPushButton::clicked, this, &TPYetki::ButSilClick);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("Personel"), this), 0, 0);
  fields->addWidget(EditPer, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("Şifre"), this), 0, 2);
  fields->addWidget(EditSif, 0, 3);
  fields->addWidget(new QLabel(QStringLiteral("İzinli Cari Hesap Kodları "), this), 1, 0);
  fields->addWidget(MusKodu, 1, 1, 1, 3);
  auto* right = new QVBoxLayout;
  right->addLayout(fields);
  right->addWidget(LabelYetkiler);
  right->addLayout(rightsGrid);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ButKaydet);
  buttons->addWidget(ButSil);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(DBGrid1);
  layout->addLayout(right, 1);
}

bool TPYetki::FormShow() {
  saving_ = true;
  users_ = users::list(dm_.connection());
  model_->setRows({});
  std::vector<QStringList> rows;
  for (const User& u : users_) rows.push_back({u.User_Name});
  model_->setRows(std::move(rows));
  saving_ = false;
  current_ = -1;
  selectRow(0);
  return true;
}

void TPYetki::FormClose() {
  users_.clear();
  model_->setRows({});
  current_ = -1;
}

void TPYetki::selectRow(int row) {
  if (row < 0 || row >= static_cast<int>(users_.size())) return;
  DBGrid1->setCurrentIndex(model_->index(row, 0));
  if (current_ != row) {
    current_ = row;
    if (!saving_) showRow(row);
  }
}

void TPYetki::reread() {
  const int keep = current_;
  saving_ = true;
  users_ = users::list(dm_.connection());
  std::vector<QStringList> rows;
  for (const User& u : users_) rows.push_back({u.User_Name});
  model_->setRows(std::move(rows));
  current_ = -1;
  if (!users_.empty()) selectRow(std::clamp(keep, 0, static_cast<int>(users_.size()) - 1));
  saving_ = false;
}

void TPYetki::showRow(int row) {
  if (row < 0 || row >= static_cast<int>(users_.size())) return;
  const User& u = users_[row];
  EditPer->setText(u.User_Name);
  EditSif->setText(u.User_Pass);
  MusKodu->setText(u.User_Account);
  // A position missing from the string, or holding anything but 0-3, leaves its group as it was.
  for (int i = 0; i < 10 && i < u.User_Works.size(); ++i) {
    const QChar c = u.User_Works[i];
    if (c >= QChar('0') && c <= QChar('3')) groups[i]->setItemIndex(c.unicode() - '0');
  }
}

void TPYetki::ButKaydetClick() {
  int levels[10];
  for (int i = 0; i < 10; ++i) levels[i] = std::max(0, groups[i]->itemIndex());
  const User user{EditPer->text(), EditSif->text(), users::rightsString(levels), MusKodu->text()};
  reread();
  const bool sameRow = current_ >= 0 && users_[current_].User_Name == user.User_Name;
  if (sameRow) {
    if (ui_.message(caption::attention, QStringLiteral("Mevcut kayıt değiştirilecek mi ?"),
                    Buttons::YesNo) != Answer::Yes) {
      return;
    }
    users::update(dm_.connection(), user);
  } else if (auto refused = users::insert(dm_.connection(), user)) {
    ui_.message(refused->caption, refused->text);
    return;
  }
  reread();
  showRow(current_);
}

void TPYetki::ButSilClick() {
  reread();
  if (groups[0]->itemIndex() <= 1) {
    ui_.message(caption::attention, kDeleteText);
    return;
  }
  if (current_ < 0 || users_[current_].User_Name != EditPer->text()) return;
  if (ui_.message(caption::attention, kDeleteText, Buttons::YesNo) != Answer::Yes) return;
  users::remove(dm_.connection(), EditPer->text());
  reread();
  showRow(current_);
}

void TPYetki::LabelYetkilerDblClick() {
  EditSif->setEchoMode(EditSif->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                  : QLineEdit::Password);
}

}  // namespace tolvek
