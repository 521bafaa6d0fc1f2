// Every statement of the current accounts: the chart, the address cards, opening balances.
#include <QSqlQuery>

#include "accounts/Account.h"
#include "app/Rights.h"
#include "app/TDM.h"
#include "data/CodeValues.h"
#include "data/Connection.h"
#include "data/TurkishText.h"

namespace tolvek {

const std::vector<AddressField>& addressFields() {
  static const std::vector<AddressField> fields = {
      {"KARTON", &AddressCard::KARTON},     {"ADI", &AddressCard::ADI},
      {"ADRES1", &AddressCard::ADRES1},     {"ADRES2", &AddressCard::ADRES2},
      {"POSTAKOD", &AddressCard::POSTAKOD}, {"SEHIR", &AddressCard::SEHIR},
      {"ULKE", &AddressCard::ULKE},         {"TELEFON", &AddressCard::TELEFON},
      {"FAX", &AddressCard::FAX},           {"VERGDA", &AddressCard::VERGDA},
      {"VERGINO", &AddressCard::VERGINO},   {"EMAIL", &AddressCard::EMAIL},
      {"YETKILI", &AddressCard::YETKILI},   {"REF", &AddressCard::REF},
      {"NOT_A", &AddressCard::NOT_A},       {"GRUP1", &AddressCard::GRUP1},
      {"GRUP2", &AddressCard::GRUP2},       {"GRUP3", &AddressCard::GRUP3},
      {"EKADRES1", &AddressCard::EKADRES1}, {"EKADRES2", &AddressCard::EKADRES2},
      {"EKADRES3", &AddressCard::EKADRES3}, {"EKADRES4", &AddressCard::EKADRES4}};
  return fields;
}

namespace accounts {

namespace {

Account readAccount(const QSqlQuery& q) {
  Account a;
  a.HESAPKOD = col::text(q, "HESAPKOD");
  a.TIP = col::text(q, "TIP");
  a.KARTON = col::text(q, "KARTON");
  a.TANIM = col::text(q, "TANIM");
  a.MHSBKODU = col::text(q, "MHSBKODU");
  a.LIMITB = col::number(q, "LIMITB");
  a.LIMITA = col::number(q, "LIMITA");
  return a;
}

Params accountValues(const Account& a) {
  return {{":k", a.HESAPKOD},  {":tip", a.TIP},   {":karton", a.KARTON}, {":tanim", a.TANIM},
          {":mk", a.MHSBKODU}, {":lb", a.LIMITB}, {":la", a.LIMITA}};
}

// A card is matched by every one of its values, NULL-safe: the table has no key of its own.
QString cardMatch(const AddressCard& card, Params& params) {
  QStringList terms;
  int i = 0;
  for (const AddressField& f : addressFields()) {
    const QString name = QStringLiteral(":o%1").arg(i++);
    const QString& value = card.*f.member;
    // NULL and empty text read alike, so they must match alike.
    terms << QStringLiteral("IFNULL(%1, _latin5'') COLLATE latin5_bin = %2")
                 .arg(QLatin1String(f.column), name);
    params.emplace_back(name, value);
  }
  return terms.join(QStringLiteral(" AND "));
}

const QString kChanged = QStringLiteral(
    "Bu adres kartı başka bir istasyonda değiştirilmiş ya da silinmiş. Kartları yeniden okuyun "
    "(Yenile) ve tekrar deneyin.");

}  // namespace

std::vector<Account> list(Connection& connection, Order order,
                          const AccountRestriction& restriction) {
  Params params;
  QString sql = QStringLiteral("SELECT HESAPKOD, TANIM, TIP FROM tlvkh");
  const QString condition = restriction.condition(QStringLiteral("tlvkh.HESAPKOD"), params);
  if (!condition.isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
  sql += order == Order::Name ? QStringLiteral(" ORDER BY TANIM")
                              : QStringLiteral(" ORDER BY HESAPKOD");
  std::vector<Account> out;
  QSqlQuery q = connection.exec(sql, params, QStringLiteral("Hesap listesi okunurken"));
  while (q.next()) {
    Account a;
    a.HESAPKOD = col::text(q, 0);
    a.TANIM = col::text(q, 1);
    a.TIP = col::text(q, 2);
    out.push_back(std::move(a));
  }
  return out;
}

std::optional<Account> find(Connection& connection, const QString& code) {
  QSqlQuery q = connection.exec(QStringLiteral("SELECT * FROM tlvkh WHERE HESAPKOD = :k"),
                                {{":k", code}}, QStringLiteral("Hesap %1 okunurken").arg(code));
  // The server ignores trailing blanks when it compares; the code must match exactly.
  while (q.next()) {
    if (col::text(q, "HESAPKOD") == code) return readAccount(q);
  }
  return std::nullopt;
}

MaybeRefusal checkCard(const Account& a) {
  if (a.HESAPKOD.size() <= 1) return Refusal::quiet();
  if (a.TANIM.size() <= 1) return Refusal::quiet();
  if (!currencyCodes().contains(a.TIP) && a.TIP != QLatin1String("TL")) {
    return Refusal::error(
        QStringLiteral("Döviz listeden seçilmeli (\"%1\" bir döviz kodu değil).").arg(a.TIP));
  }
  return std::nullopt;
}

bool save(Connection& connection, const Account& a) {
  const QString doing = QStringLiteral("Hesap %1 kaydedilirken").arg(a.HESAPKOD);
  Transaction tx(connection, doing);
  const bool exists = find(connection, a.HESAPKOD).has_value();
  if (exists) {
    connection.exec(
        QStringLiteral("UPDATE tlvkh SET TIP = :tip, KARTON = :karton, TANIM = :tanim, "
                       "MHSBKODU = :mk, LIMITB = :lb, LIMITA = :la WHERE HESAPKOD = :k"),
        accountValues(a), doing);
  } else {
    connection.exec(
        QStringLiteral("INSERT INTO tlvkh (HESAPKOD, TIP, KARTON, TANIM, MHSBKODU, "
                       "LIMITB, LIMITA) VALUES (:k, :tip, :karton, :tanim, :mk, :lb, :la)"),
        accountValues(a), doing);
  }
  tx.commit();
  return !exists;
}

MaybeRefusal checkDelete(Connection& connection, const QString& code) {
  if (code.size() <= 3) return Refusal::error(QStringLiteral("Silme işlemi yapılamaz !"));
  const bool used = connection
                        .scalar(QStringLiteral("SELECT FIRMAKOD FROM tlvkc WHERE FIRMAKOD = :k "
                                               "LIMIT 1 LOCK IN SHARE MODE"),
                                {{":k", code}}, QStringLiteral("Hesap hareketleri aranırken"))
                        .isValid();
  if (used) {
    return Refusal::error(
        QStringLiteral("Bu Hesap Kodu ile yapılmış işlemler bulunmaktadır.. SİLİNEMEZ !"));
  }
  return std::nullopt;
}

MaybeRefusal remove(Connection& connection, const QString& code) {
  const QString doing = QStringLiteral("Hesap %1 silinirken").arg(code);
  Transaction tx(connection, doing);
  // Checked again under a lock: another workstation may have posted to it since the question.
  if (auto refused = checkDelete(connection, code)) return refused;
  connection.exec(QStringLiteral("DELETE FROM tlvkh WHERE HESAPKOD = :k"), {{":k", code}}, doing);
  tx.commit();
  return std::nullopt;
}

std::vector<Account> chart(Connection& connection, QString first, QString last) {
  if (latin5::compare(first, last) > 0) std::swap(first, last);
  Params params;
  QString sql = QStringLiteral("SELECT HESAPKOD, TANIM, TIP, KARTON FROM tlvkh WHERE 1=1");
  if (!first.isEmpty()) {
    sql += QStringLiteral(" AND HESAPKOD >= :first");
    params.emplace_back(":first", first);
  }
  if (!last.isEmpty()) {
    sql += QStringLiteral(" AND HESAPKOD <= :last");
    params.emplace_back(":last", last);
  }
  sql += QStringLiteral(" ORDER BY HESAPKOD");
  std::vector<Account> out;
  QSqlQuery q = connection.exec(sql, params, QStringLiteral("Hesap planı okunurken"));
  while (q.next()) {
    Account a;
    a.HESAPKOD = col::text(q, 0);
    a.TANIM = col::text(q, 1);
    a.TIP = col::text(q, 2);
    a.KARTON = col::text(q, 3);
    out.push_back(std::move(a));
  }
  return out;
}

std::vector<AddressCard> addressCards(Connection& connection) {
  std::vector<AddressCard> out;
  QSqlQuery q = connection.exec(QStringLiteral("SELECT * FROM tlvkf"), {},
                                QStringLiteral("Adres kartları okunurken"));
  while (q.next()) {
    AddressCard c;
    for (const AddressField& f : addressFields())
      c.*f.member = col::text(q, QLatin1String(f.column));
    out.push_back(std::move(c));
  }
  return out;
}

void insertCard(Connection& connection, const AddressCard& card) {
  QStringList names, holders;
  Params params;
  for (const AddressField& f : addressFields()) {
    names << QLatin1String(f.column);
    holders << QLatin1Char(':') + QLatin1String(f.column);
    params.emplace_back(QLatin1Char(':') + QLatin1String(f.column), card.*f.member);
  }
  connection.exec(QStringLiteral("INSERT INTO tlvkf (%1) VALUES (%2)")
                      .arg(names.join(QLatin1Char(',')), holders.join(QLatin1Char(','))),
                  params, QStringLiteral("Adres kartı eklenirken"));
}

MaybeRefusal updateCard(Connection& connection, const AddressCard& before,
                        const AddressCard& after) {
  if (before == after) return std::nullopt;
  Params params;
  QStringList sets;
  for (const AddressField& f : addressFields()) {
    const QString name = QStringLiteral(":n_") + QLatin1String(f.column);
    sets << QLatin1String(f.column) + QStringLiteral(" = ") + name;
    params.emplace_back(name, after.*f.member);
  }
  const QString where = cardMatch(before, params);
  const qint64 changed = connection.execCount(QStringLiteral("UPDATE tlvkf SET %1 WHERE %2 LIMIT 1")
                                                  .arg(sets.join(QStringLiteral(", ")), where),
                                              params, QStringLiteral("Adres kartı kaydedilirken"));
  if (changed == 0) return Refusal::error(kChanged);
  return std::nullopt;
}

MaybeRefusal deleteCard(Connection& connection, const AddressCard& card) {
  Params params;
  const QString where = cardMatch(card, params);
  const qint64 removed =
      connection.execCount(QStringLiteral("DELETE FROM tlvkf WHERE %1 LIMIT 1").arg(where), params,
                           QStringLiteral("Adres kartı silinirken"));
  if (removed == 0) return Refusal::error(kChanged);
  return std::nullopt;
}

MaybeRefusal checkOpening(const TDM& dm) {
  if (dm.periodIsClosed()) {
    return Refusal::error(QStringLiteral("Dönem Kapatıldı. Bu işlemi Yapmaya Yetkiniz Yok !"));
  }
  if (!dm.right(area::vouchers, '3')) {
    return Refusal::error(QStringLiteral("Bu işlemi Yapmaya Yetkiniz Yok !"));
  }
  return std::nullopt;
}

void saveOpening(Connection& connection, const OpeningBalance& o, const QString& userId) {
  const QString doing = QStringLiteral("Hesap %1 devri kaydedilirken").arg(o.account);
  Transaction tx(connection, doing);
  connection.exec(QStringLiteral("DELETE FROM tlvkc WHERE EVRAK = 0 AND FIRMAKOD = :k"),
                  {{":k", o.account}}, doing);
  if (o.amount > 0.009) {
    const bool debit = o.side == Side::Debit;
    connection.exec(
        QStringLiteral("INSERT INTO tlvkc (FIRMAKOD, TARIH, T, EVRAK, HESKUR, DVZ, KUR, BORC, "
                       "ALACAK, USER_ID, VALOR, OK, HESAP) VALUES (:k, :ktarih, 'D', 0, 1.000, "
                       ":dvz, 1.000, :borc, :alacak, :user, :ktarih, 'X', '')"),
        {{":k", o.account},
         {":ktarih", o.date},
         {":dvz", o.currency},
         {":borc", debit ? o.amount : 0.0},
         {":alacak", debit ? 0.0 : o.amount},
         {":user", userId}},
        doing);
  }
  tx.commit();
}

}  // namespace accounts
}  // namespace tolvek
