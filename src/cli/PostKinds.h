// The kinds of object that post accepts, each posted through the logic its screen uses.
#pragma once

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

#include "app/TDM.h"
#include "data/Errors.h"

namespace tolvek::cli {

// The fields of one posted object, read with their JSON types checked; an absent field is the
// given default (what the screen starts with).
class Fields {
 public:
  explicit Fields(const QJsonObject& object) : object_(object) {}
  QString text(const QString& name, const QString& fallback = {}) const;
  double number(const QString& name, double fallback = 0) const;
  qint64 whole(const QString& name, qint64 fallback = 0) const;
  QDate date(const QString& name, const QDate& fallback = {}) const;
  QStringList texts(const QString& name) const;
  bool has(const QString& name) const { return object_.contains(name); }
  // Refuses any field outside `known` (and "kind"): a misspelt field would silently post its
  // default otherwise.
  void allowOnly(const QStringList& known) const;

 private:
  QJsonObject object_;
};

struct Posted {
  QString key;  // the number or code printed after the kind
  MaybeRefusal refusal;
};

using PostFunction = std::function<Posted(TDM&, const Fields&)>;

Posted postCompany(TDM& dm, const Fields& fields);
Posted postUser(TDM& dm, const Fields& fields);
Posted postAccount(TDM& dm, const Fields& fields);
Posted postAddress(TDM& dm, const Fields& fields);
Posted postOpening(TDM& dm, const Fields& fields);
Posted postRate(TDM& dm, const Fields& fields);
Posted postVoucher(TDM& dm, const Fields& fields);

// The kind's function, or nothing for an unknown kind.
std::optional<PostFunction> postKind(const QString& kind);

}  // namespace tolvek::cli
