#include "cli/Options.h"

#include "data/Format.h"
#include "data/Schema.h"
#include "data/SettingsStore.h"

namespace tolvek::cli {

namespace {
const QStringList kConnection = {"host", "port", "user", "password", "period", "firm", "database"};
const QStringList kFlags = {"by-value-date", "hide-zero", "order-karton", "with-goods", "no-stock",
                            "no-cash",       "no-cheque", "no-offset",    "no-opening", "help"};
}  // namespace

Options Options::parse(const QStringList& args) {
  Options o;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
      QString name = a.mid(2);
      QString value;
      bool inline_ = false;
      if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq > 0) {
        value = name.mid(eq + 1);
        name = name.left(eq);
        inline_ = true;
      }
      if (kFlags.contains(name)) {
        o.flags_.insert(name);
        continue;
      }
      if (!inline_) {
        if (i + 1 >= args.size()) {
          throw UsageError(QStringLiteral("--%1 seçeneğinin değeri eksik.").arg(name));
        }
        value = args[++i];
      }
      o.values_.insert(name, value);
    } else if (o.command_.isEmpty()) {
      o.command_ = a;
    } else {
      o.words_ << a;
    }
  }
  return o;
}

std::optional<QDate> Options::date(const QString& name) const {
  if (!values_.contains(name)) return std::nullopt;
  const QDate d = QDate::fromString(values_.value(name), Qt::ISODate);
  if (!d.isValid()) {
    throw UsageError(QStringLiteral("--%1 için tarih YYYY-AA-GG biçiminde olmalı: \"%2\"")
                         .arg(name, values_.value(name)));
  }
  return d;
}

std::optional<qint64> Options::whole(const QString& name) const {
  if (!values_.contains(name)) return std::nullopt;
  bool ok = false;
  const qint64 n = values_.value(name).toLongLong(&ok);
  if (!ok) {
    throw UsageError(
        QStringLiteral("--%1 için bir tam sayı gerekli: \"%2\"").arg(name, values_.value(name)));
  }
  return n;
}

void Options::allowOnly(const QStringList& allowed) const {
  for (const QString& name : values_.keys() + flags_.values()) {
    if (!kConnection.contains(name) && !allowed.contains(name) && name != QLatin1String("help")) {
      throw UsageError(QStringLiteral("Bilinmeyen seçenek: --%1").arg(name));
    }
  }
}

bool Options::namesDatabase() const {
  return values_.contains("database") || (values_.contains("period") && values_.contains("firm"));
}

ConnectionSettings Options::connection(const QString& fallbackDatabase) const {
  const WorkstationSettings stored = SettingsStore().read().values;
  ConnectionSettings s;
  s.host = value("host", stored.dbAddress);
  s.user = value("user", stored.dbUser);
  s.password = values_.contains("password") ? values_.value("password") : stored.dbPassword;
  s.port = stored.port;
  if (auto p = whole("port")) s.port = static_cast<int>(*p);
  if (values_.contains("database")) {
    s.database = values_.value("database");
  } else if (values_.contains("period") || values_.contains("firm")) {
    if (!values_.contains("period") || !values_.contains("firm")) {
      throw UsageError(QStringLiteral("--period ile --firm birlikte verilmeli."));
    }
    s.database = schema::databaseName(values_.value("period"), values_.value("firm"));
  } else if (!fallbackDatabase.isEmpty()) {
    s.database = fallbackDatabase;
  } else if (!stored.userPeriod.isEmpty() || !stored.userCode.isEmpty()) {
    // The database this workstation logged in to last.
    s.database = schema::databaseName(stored.userPeriod, stored.userCode);
  }
  return s;
}

}  // namespace tolvek::cli
