#include "app/Users.h"

#include <QSqlQuery>
#include <algorithm>

#include "data/Connection.h"

namespace tolvek::users {

namespace {
const QString kDuplicateKey = QStringLiteral("Duplicate entry");

Params values(const User& u) {
  return {{QStringLiteral(":n"), u.User_Name},
          {QStringLiteral(":p"), u.User_Pass},
          {QStringLiteral(":w"), u.User_Works},
          {QStringLiteral(":a"), u.User_Account}};
}
}  // namespace

std::vector<User> list(Connection& connection) {
  std::vector<User> out;
  QSqlQuery q = connection.exec(
      QStringLiteral("SELECT User_Name, User_Pass, User_Works, User_Account FROM tlvko"), {},
      QStringLiteral("Kullanıcılar okunurken"));
  while (q.next()) {
    out.push_back({col::text(q, 0), col::text(q, 1), col::text(q, 2), col::text(q, 3)});
  }
  return out;
}

QString rightsString(const int (&levels)[10]) {
  QString s;
  for (int level : levels) s += QChar('0' + std::clamp(level, 0, 3));
  return s + QStringLiteral("000000");
}

void update(Connection& connection, const User& user) {
  connection.exec(QStringLiteral("UPDATE tlvko SET User_Pass = :p, User_Works = :w, "
                                 "User_Account = :a WHERE User_Name = :n"),
                  values(user), QStringLiteral("Kullanıcı %1 kaydedilirken").arg(user.User_Name));
}

QString duplicateNameMessage(const QString& name) {
  return QStringLiteral(
             "\"%1\" adlı bir personel zaten kayıtlı. Aynı adla ikinci bir personel "
             "açılamaz; mevcut kaydı seçip değiştirin.")
      .arg(name);
}

MaybeRefusal insert(Connection& connection, const User& user) {
  const QString doing = QStringLiteral("Kullanıcı %1 eklenirken").arg(user.User_Name);
  const bool taken = connection
                         .scalar(QStringLiteral("SELECT 1 FROM tlvko WHERE User_Name = :n"),
                                 {{QStringLiteral(":n"), user.User_Name}}, doing)
                         .isValid();
  if (taken) return Refusal::error(duplicateNameMessage(user.User_Name));
  try {
    connection.exec(QStringLiteral("INSERT INTO tlvko (User_Name, User_Pass, User_Works, "
                                   "User_Account) VALUES (:n, :p, :w, :a)"),
                    values(user), doing);
  } catch (const DbError& e) {
    // Another workstation added the same name a moment ago.
    if (e.serverMessage().contains(kDuplicateKey)) {
      return Refusal::error(duplicateNameMessage(user.User_Name));
    }
    throw;
  }
  return std::nullopt;
}

void remove(Connection& connection, const QString& userName) {
  connection.exec(QStringLiteral("DELETE FROM tlvko WHERE User_Name = :n"),
                  {{QStringLiteral(":n"), userName}},
                  QStringLiteral("Kullanıcı %1 silinirken").arg(userName));
}

void changePassword(Connection& connection, const QString& userName, const QString& password) {
  connection.exec(QStringLiteral("UPDATE tlvko SET User_Pass = :p WHERE User_Name = :n"),
                  {{QStringLiteral(":p"), password}, {QStringLiteral(":n"), userName}},
                  QStringLiteral("Şifre değiştirilirken"));
}

}  // namespace tolvek::users
