#include "app/Rights.h"

#include "data/Errors.h"

namespace tolvek {

bool rightsAllow(const QString& rights, int position, char minimum) {
  if (position < 1 || position > rights.size()) {
    throw RangeError(QStringLiteral("Aralık hatası: yetki dizisi \"%1\" %2. konumu içermiyor.")
                         .arg(rights)
                         .arg(position));
  }
  return rights.at(position - 1) >= QChar(minimum);
}

AccountRestriction::AccountRestriction(const QString& prefixes) {
  if (prefixes.size() < 2) return;
  for (const QString& p : prefixes.split(QLatin1Char(';'), Qt::KeepEmptyParts)) {
    patterns_ << p + QLatin1Char('%');
  }
}

QString AccountRestriction::condition(const QString& column, Params& params) const {
  if (!active()) return {};
  QStringList terms;
  for (int i = 0; i < patterns_.size(); ++i) {
    const QString name = QStringLiteral(":acc%1").arg(i);
    terms << QStringLiteral("%1 LIKE %2").arg(column, name);
    params.emplace_back(name, patterns_[i]);
  }
  return QLatin1Char('(') + terms.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

}  // namespace tolvek
