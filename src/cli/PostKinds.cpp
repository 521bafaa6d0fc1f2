#include "cli/PostKinds.h"

#include <QJsonArray>
#include <map>

namespace tolvek::cli {

namespace {
[[noreturn]] void wrongType(const QString& name, const char* wanted) {
  throw InputError(QStringLiteral("\"%1\" alanı %2 olmalı.").arg(name, QString::fromUtf8(wanted)));
}

const std::map<QString, PostFunction>& kinds() {
  static const std::map<QString, PostFunction> all = {
      {QStringLiteral("company"), postCompany}, {QStringLiteral("user"), postUser},
      {QStringLiteral("account"), postAccount}, {QStringLiteral("address"), postAddress},
      {QStringLiteral("opening"), postOpening}, {QStringLiteral("rate"), postRate},
      {QStringLiteral("voucher"), postVoucher},
  };
  return all;
}
}  // namespace

QString Fields::text(const QString& name, const QString& fallback) const {
  if (!object_.contains(name) || object_.value(name).isNull()) return fallback;
  const QJsonValue v = object_.value(name);
  if (!v.isString()) wrongType(name, "metin");
  return v.toString();
}

double Fields::number(const QString& name, double fallback) const {
  if (!object_.contains(name) || object_.value(name).isNull()) return fallback;
  const QJsonValue v = object_.value(name);
  if (!v.isDouble()) wrongType(name, "sayı");
  return v.toDouble();
}

qint64 Fields::whole(const QString& name, qint64 fallback) const {
  const double v = number(name, static_cast<double>(fallback));
  if (v != static_cast<double>(static_cast<qint64>(v))) wrongType(name, "tam sayı");
  return static_cast<qint64>(v);
}

QDate Fields::date(const QString& name, const QDate& fallback) const {
  const QString t = text(name);
  if (t.isEmpty()) return fallback;
  const QDate d = QDate::fromString(t, Qt::ISODate);
  if (!d.isValid()) wrongType(name, "YYYY-AA-GG biçiminde bir tarih");
  return d;
}

QStringList Fields::texts(const QString& name) const {
  QStringList out;
  if (!object_.contains(name)) return out;
  const QJsonValue v = object_.value(name);
  if (!v.isArray()) wrongType(name, "metin listesi");
  for (const QJsonValue& item : v.toArray()) {
    if (!item.isString()) wrongType(name, "metin listesi");
    out << item.toString();
  }
  return out;
}

void Fields::allowOnly(const QStringList& known) const {
  for (const QString& key : object_.keys()) {
    if (key != QLatin1String("kind") && !known.contains(key)) {
      throw InputError(QStringLiteral("Bilinmeyen alan: \"%1\"").arg(key));
    }
  }
}

std::optional<PostFunction> postKind(const QString& kind) {
  const auto it = kinds().find(kind);
  if (it == kinds().end()) return std::nullopt;
  return it->second;
}

}  // namespace tolvek::cli
