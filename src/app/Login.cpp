#include "app/Login.h"

#include <QSqlQuery>

#include "app/Company.h"
#include "app/TDM.h"
#include "app/Users.h"
#include "data/Errors.h"
#include "data/Schema.h"

namespace tolvek {

namespace {
const QString kNoRights = QStringLiteral("0000000000000000");
}

LoginResult logIn(TDM& dm, const LoginInput& in) {
  LoginResult result;
  if (in.user.isEmpty() || in.password.isEmpty()) return result;

  dm.lastUserName = in.user;
  dm.lastPeriod = in.period;
  dm.lastFirmCode = in.firmCode;
  dm.databaseName = schema::databaseName(in.period, in.firmCode);
  result.settingsError = dm.writeSettings();

  Connection& c = dm.connection();
  c.setDatabase(dm.databaseName);
  dm.userName = in.user;
  result.outcome = LoginResult::Outcome::Failed;

  auto fail = [&] {
    dm.userId.clear();
    dm.rights = kNoRights;
    dm.loggedIn = false;
    return result;
  };

  try {
    QSqlQuery q = c.exec(QStringLiteral("SELECT User_Name, User_Pass, User_Works, User_Account "
                                        "FROM tlvko WHERE User_Name = :n"),
                         {{QStringLiteral(":n"), dm.userName}}, QStringLiteral("Giriş"));
    // The server ignores trailing blanks when it compares; the name must match exactly.
    bool found = false;
    User user;
    while (!found && q.next()) {
      if (col::text(q, 0) == dm.userName) {
        user = {col::text(q, 0), col::text(q, 1), col::text(q, 2), col::text(q, 3)};
        found = true;
      }
    }
    if (!found || user.User_Pass != in.password) return fail();

    dm.userId = dm.userName;
    dm.rights = user.User_Works;
    dm.accountPrefixes = user.User_Account;
    result.frmKod = in.period + QLatin1Char(' ') + in.firmCode;
    if (!in.newPassword.isEmpty()) users::changePassword(c, dm.userName, in.newPassword);

    const Company company = company::load(c).value_or(Company{});
    dm.companyName = company.FIRMAADI;
    dm.openingDate = company.Tarih;
    dm.periodClosed = company.KAPAT;
    dm.stockCurrency = company.stokdvz;

    dm.loggedIn = true;
    dm.restriction = AccountRestriction(dm.accountPrefixes);
    if (!dm.right(area::userType, '1')) {
      dm.loggedIn = false;
      result.outcome = LoginResult::Outcome::NoAccess;
      return result;
    }
  } catch (const Failure&) {
    // Unreachable server, missing database or table, a rights string too short for position 1:
    // the user simply stays logged out, as with a wrong password.
    dm.loggedIn = false;
    result.outcome = LoginResult::Outcome::Failed;
    return result;
  }
  result.outcome = LoginResult::Outcome::LoggedIn;
  return result;
}

}  // namespace tolvek
