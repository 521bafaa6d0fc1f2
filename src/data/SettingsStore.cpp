#include "data/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <memory>

#include "data/Connection.h"

namespace tolvek {

namespace {
std::unique_ptr<QSettings> open(const QString& path) {
  if (path.isEmpty()) {
    return std::make_unique<QSettings>(QStringLiteral("tolvek"), QStringLiteral("tolvekprg"));
  }
  return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
}  // namespace

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::location() const { return open(filePath_)->fileName(); }

SettingsStore::Read SettingsStore::read() const {
  Read r;
  const ConnectionSettings defaults = ConnectionSettings::defaults();
  auto s = open(filePath_);
  if (s->status() != QSettings::NoError) {
    r.error = QStringLiteral("Ayarlar okunamadı: %1").arg(s->fileName());
  }
  auto value = [&](const char* name) { return s->value(QLatin1String(name)).toString(); };
  r.values.dbUser = value("DBYetkili");
  r.values.dbPassword = value("DBSifre");
  r.values.dbAddress = value("DBAdres");
  if (r.values.dbUser.isEmpty()) r.values.dbUser = defaults.user;
  if (r.values.dbPassword.isEmpty()) r.values.dbPassword = defaults.password;
  if (r.values.dbAddress.isEmpty()) r.values.dbAddress = defaults.host;
  const QString port = value("DBTipi");
  r.values.port = defaults.port;
  if (!port.isEmpty()) {
    bool ok = false;
    const int n = port.trimmed().toInt(&ok);
    if (ok) {
      r.values.port = n;
    } else {
      r.warning = QStringLiteral("Kayıtlı sunucu portu \"%1\" bir sayı değil; %2 kullanılıyor.")
                      .arg(port)
                      .arg(defaults.port);
    }
  }
  r.values.userName = value("UserName");
  r.values.userPeriod = value("UserDonem");
  r.values.userCode = value("UserKodu");
  return r;
}

QString SettingsStore::write(const WorkstationSettings& v) const {
  auto s = open(filePath_);
  s->setValue(QStringLiteral("DBYetkili"), v.dbUser);
  s->setValue(QStringLiteral("DBSifre"), v.dbPassword);
  s->setValue(QStringLiteral("DBAdres"), v.dbAddress);
  s->setValue(QStringLiteral("DBTipi"), QString::number(v.port));
  s->setValue(QStringLiteral("UserName"), v.userName);
  s->setValue(QStringLiteral("UserDonem"), v.userPeriod);
  s->setValue(QStringLiteral("UserKodu"), v.userCode);
  s->sync();
  if (s->status() != QSettings::NoError) {
    return QStringLiteral("Ayarlar yazılamadı: %1").arg(s->fileName());
  }
  QFile::setPermissions(s->fileName(), QFile::ReadOwner | QFile::WriteOwner);
  return {};
}

}  // namespace tolvek
