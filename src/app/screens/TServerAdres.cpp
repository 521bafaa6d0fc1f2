#include "app/screens/TServerAdres.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/TDM.h"
#include "app/screens/Ui.h"
#include "app/screens/Widgets.h"
#include "data/Errors.h"

namespace tolvek {

TServerAdres::TServerAdres(Program& program)
    : Screen(program, QStringLiteral("TServerAdres"), QStringLiteral("Database Ayarlar")) {
  SvrIP = new QLineEdit(this);
  SvrIP->setObjectName(QStringLiteral("SvrIP"));
  SvrIP->setMaxLength(100);
  EdUser = new QLineEdit(this);
  EdUser->setObjectName(QStringLiteral("EdUser"));
  EdSifre = new QLineEdit(this);
  EdSifre->setObjectName(QStringLiteral("EdSifre"));
  EdSifre->setEchoMode(QLineEdit::Password);
  EdSifre->setStyleSheet(QStringLiteral("lineedit-password-character: 35;"));
  EdTipi = new QLineEdit(this);
  EdTipi->setObjectName(QStringLiteral("EdTipi"));
  // Five digits, so that every TCP port can be typed.
  EdTipi->setMaxLength(5);
  EdTipi->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));

  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Server Adresi"), SvrIP);
  form->addRow(QStringLiteral("Kullanıcı"), EdUser);
  form->addRow(QStringLiteral("Şifre"), EdSifre);
  form->addRow(QStringLiteral("Port"), EdTipi);
  auto* ok = namedButton(this, "OkBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = namedButton(this, "CancelBtn", QStringLiteral("Vazgeç"));
  form->addRow(ok, cancel);
  connect(ok, &QPushButton::clicked, this, &TServerAdres::OkClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TServerAdres::fill() {
  SvrIP->setText(dm_.serverAddress);
  EdUser->setText(dm_.dbUser);
  EdSifre->setText(dm_.dbPassword);
  EdTipi->setText(QString::number(dm_.port));
}

void TServerAdres::OkClick() {
  dm_.serverAddress = SvrIP->text();
  dm_.dbUser = EdUser->text();
  dm_.dbPassword = EdSifre->text();
  bool ok = false;
  const int port = EdTipi->text().toInt(&ok);
  if (!ok || port < 1 || port > 65535) {
    throw ConversionError(
        QStringLiteral("'%1' geçerli bir port numarası değil").arg(EdTipi->text()));
  }
  dm_.port = port;
  const QString error = dm_.writeSettings();
  if (!error.isEmpty()) ui_.message(QString(), error);
  dm_.applyConnectionSettings();
  accept();
}

}  // namespace tolvek
