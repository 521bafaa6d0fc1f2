#include "support/Builders.h"

#include <QSqlQuery>

#include "data/Connection.h"

namespace tolvek::test {

void addAccount(Connection& c, const QString& code, const QString& name, const QString& currency,
                const QString& karton) {
  c.exec("INSERT INTO tlvkh (HESAPKOD, TANIM, TIP, KARTON) VALUES (:k, :t, :d, :karton)",
         {{":k", code}, {":t", name}, {":d", currency}, {":karton", karton}});
}

void addRate(Connection& c, const QDate& date, const QString& currency, double centralSelling) {
  c.exec("INSERT INTO tlvke (Tarih, Doviz, MerkezSat) VALUES (:t, :d, :s)",
         {{":t", date}, {":d", currency}, {":s", centralSelling}});
}

void addCompany(Connection& c, const QString& name, const QDate& opening) {
  c.exec("INSERT INTO tlvka (FIRMAADI, Tarih, KAPAT, stokdvz) VALUES (:n, :t, 0, 'YTL')",
         {{":n", name}, {":t", opening}});
}

void addPosting(Connection& c, const Posting& p) {
  c.exec(
      "INSERT INTO tlvkc (FIRMAKOD, TARIH, T, EVRAK, HESKUR, DVZ, KUR, BORC, ALACAK, USER_ID, "
      "VALOR, OK, HESAP) VALUES (:k, :t, :tip, :n, :hk, :dvz, :kur, :b, :a, 'TEST', :v, '', :h)",
      {{":k", p.account},
       {":t", p.date},
       {":tip", p.type},
       {":n", p.number},
       {":hk", p.accountRate},
       {":dvz", p.currency},
       {":kur", p.rate},
       {":b", p.debit},
       {":a", p.credit},
       {":v", p.valueDate.isValid() ? p.valueDate : p.date},
       {":h", p.other}});
}

Posting posting(const QString& account, const QDate& date, const QString& type, qint64 number,
                double debit, double credit, const QDate& valueDate) {
  Posting p;
  p.account = account;
  p.date = date;
  p.type = type;
  p.number = number;
  p.debit = debit;
  p.credit = credit;
  p.valueDate = valueDate;
  return p;
}

QStringList postingRows(Connection& c) {
  QStringList out;
  QSqlQuery q = c.exec(
      "SELECT FIRMAKOD, TARIH, T, EVRAK, HESKUR, DVZ, KUR, BORC, ALACAK, USER_ID, VALOR, OK, HESAP "
      "FROM tlvkc ORDER BY BORC DESC");
  while (q.next()) {
    QStringList cells;
    for (int i = 0; i < 13; ++i) cells << q.value(i).toString();
    out << cells.join('|');
  }
  return out;
}

void addExplanation(Connection& c, qint64 number, const QString& line1, const QString& line2) {
  c.exec("INSERT INTO tlvkx (Evrak, Izahat, Izahat2) VALUES (:n, :a, :b)",
         {{":n", number}, {":a", line1}, {":b", line2}});
}

}  // namespace tolvek::test
