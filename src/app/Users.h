// The users table (tlvko): names, passwords, rights strings and account prefixes.
#pragma once

#include <QString>
#include <vector>

#include "data/Errors.h"

namespace tolvek {

class Connection;

struct User {
  QString User_Name;
  QString User_Pass;
  QString User_Works;
  QString User_Account;
};

namespace users {

// Every user, in the order the server returns them.
std::vector<User> list(Connection& connection);

// The rights string of the editor: one digit (0-3) per area 1 to 10, then "000000".
QString rightsString(const int (&levels)[10]);

// Updates the row named `user.User_Name` in place.
void update(Connection& connection, const User& user);

// Inserts a new user; a name that is already taken is refused, since two users of one name could
// never both log in.
MaybeRefusal insert(Connection& connection, const User& user);

void remove(Connection& connection, const QString& userName);

void changePassword(Connection& connection, const QString& userName, const QString& password);

QString duplicateNameMessage(const QString& name);

}  // namespace users
}  // namespace tolvek
