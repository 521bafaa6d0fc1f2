#include <QSqlQuery>

#include "data/Connection.h"
#include "rates/Rates.h"

namespace tolvek::rates {

namespace {
RateRow read(const QSqlQuery& q) {
  RateRow r;
  r.Tarih = col::date(q, "Tarih");
  r.Doviz = col::text(q, "Doviz");
  r.MerkezAl = col::number(q, "MerkezAl");
  r.MerkezSat = col::number(q, "MerkezSat");
  r.SerbestAl = col::number(q, "SerbestAl");
  r.SerbestSat = col::number(q, "SerbestSat");
  r.BankaAl = col::number(q, "BankaAl");
  r.BankaSat = col::number(q, "BankaSat");
  return r;
}
}  // namespace

std::vector<QDate> dates(Connection& connection) {
  std::vector<QDate> out;
  QSqlQuery q =
      connection.exec(QStringLiteral("SELECT Tarih FROM tlvke GROUP BY Tarih ORDER BY Tarih"), {},
                      QStringLiteral("Kur tarihleri okunurken"));
  while (q.next()) out.push_back(col::date(q, 0));
  return out;
}

std::vector<RateRow> ofDate(Connection& connection, const QDate& date) {
  std::vector<RateRow> out;
  QSqlQuery q = connection.exec(QStringLiteral("SELECT * FROM tlvke WHERE tlvke.Tarih = :fTarih"),
                                {{":fTarih", date}}, QStringLiteral("Kurlar okunurken"));
  while (q.next()) out.push_back(read(q));
  return out;
}

std::optional<RateRow> find(Connection& connection, const QDate& date, const QString& currency) {
  QSqlQuery q =
      connection.exec(QStringLiteral("SELECT * FROM tlvke WHERE Tarih = :FTar AND Doviz = :FDov"),
                      {{":FTar", date}, {":FDov", currency}}, QStringLiteral("Kur okunurken"));
  if (!q.next()) return std::nullopt;
  return read(q);
}

void save(Connection& connection, const RateRow& r) {
  const QString doing = QStringLiteral("%1 kuru kaydedilirken").arg(r.Doviz);
  const Params values = {{":FTar", r.Tarih},  {":FDov", r.Doviz},  {":a", r.MerkezAl},
                         {":b", r.MerkezSat}, {":c", r.SerbestAl}, {":d", r.SerbestSat},
                         {":e", r.BankaAl},   {":f", r.BankaSat}};
  Transaction tx(connection, doing);
  if (find(connection, r.Tarih, r.Doviz)) {
    connection.exec(
        QStringLiteral("UPDATE tlvke SET MerkezAl = :a, MerkezSat = :b, SerbestAl = :c, "
                       "SerbestSat = :d, BankaAl = :e, BankaSat = :f "
                       "WHERE Tarih = :FTar AND Doviz = :FDov"),
        values, doing);
  } else {
    connection.exec(
        QStringLiteral("INSERT INTO tlvke (Tarih, Doviz, MerkezAl, MerkezSat, SerbestAl, "
                       "SerbestSat, BankaAl, BankaSat) VALUES (:FTar, :FDov, :a, :b, :c, "
                       ":d, :e, :f)"),
        values, doing);
  }
  tx.commit();
}

std::optional<double> centralSelling(Connection& connection, const QDate& date,
                                     const QString& currency) {
  const QVariant v = connection.scalar(
      QStringLiteral("SELECT MerkezSat FROM tlvke WHERE Tarih = :ktarih AND Doviz = :kdoviz"),
      {{":ktarih", date}, {":kdoviz", currency}}, QStringLiteral("Kur okunurken"));
  if (!v.isValid()) return std::nullopt;
  return v.isNull() ? 0.0 : v.toDouble();
}

}  // namespace tolvek::rates
