// The rights string test and the account restriction built from a user's account prefixes.
#pragma once

#include <QString>
#include <QStringList>

#include "data/Connection.h"

namespace tolvek {

// Rights positions (1-based) of the areas.
namespace area {
constexpr int userType = 1;
constexpr int purchases = 2;
constexpr int production = 3;
constexpr int sales = 4;
constexpr int vouchers = 5;
constexpr int stockPlan = 6;
constexpr int addressBook = 7;
constexpr int chart = 8;
constexpr int rates = 9;
constexpr int invoice = 10;
}  // namespace area

// True when character `position` (from 1) of `rights` is at least `minimum` ('0' < '1' < '2' <
// '3'). A string shorter than the position raises RangeError: a stored rights string is never
// padded, so the operation must not run as if it were.
bool rightsAllow(const QString& rights, int position, char minimum);

// The user's account prefixes, separated by ';'. Fewer than 2 characters means no restriction;
// otherwise an account shows when its code is LIKE any prefix + '%'. An empty piece ("120;")
// matches every account, exactly as the stored prefixes have always behaved.
class AccountRestriction {
 public:
  AccountRestriction() = default;
  explicit AccountRestriction(const QString& prefixes);

  bool active() const { return !patterns_.isEmpty(); }
  const QStringList& patterns() const { return patterns_; }

  // "(column LIKE :accN OR …)" with its values added to `params`; empty when not active.
  QString condition(const QString& column, Params& params) const;

 private:
  QStringList patterns_;
};

}  // namespace tolvek
