// The panel's reads: one query for the account list, one for each total, one for the rows and one
// for the goods of all documents shown.
#include <QSqlQuery>
#include <QSqlRecord>
#include <set>

#include "accounts/Statement.h"
#include "app/Rights.h"
#include "data/Connection.h"
#include "data/Format.h"

namespace tolvek {

namespace {
const QString kAmount = QStringLiteral("###,###,###,###,###,###,##0.00");

QString column(const StatementQuery& q) {
  return q.byValueDate ? QStringLiteral("VALOR") : QStringLiteral("TARIH");
}

Params span(const StatementQuery& q) {
  return {{":frkodu", q.account}, {":tar1", q.start}, {":tar2", q.end}};
}

Totals sums(Connection& c, const QString& where, const Params& params) {
  QSqlQuery q =
      c.exec(QStringLiteral("SELECT SUM(BORC) AS tborc, SUM(ALACAK) AS talacak FROM tlvkc "
                            "WHERE ") +
                 where + QStringLiteral(" GROUP BY FIRMAKOD"),
             params, QStringLiteral("Hesap toplamları okunurken"));
  Totals t;
  if (q.next()) {
    t.found = true;
    t.debit = col::number(q, 0);
    t.credit = col::number(q, 1);
  }
  return t;
}
}  // namespace

bool hasGoods(const QString& type) {
  return type > QLatin1String("0") && type < QLatin1String("6");
}

StatementLabels statementLabels(const Totals& before, const Totals& within) {
  StatementLabels l;
  if (before.found) {
    l.EBorc = fmt::pattern(static_cast<double>(before.debit), kAmount);
    l.EAlacak = fmt::pattern(static_cast<double>(before.credit), kAmount);
  }
  if (within.found) {
    l.DonBor = fmt::pattern(static_cast<double>(within.debit), kAmount);
    l.DonAl = fmt::pattern(static_cast<double>(within.credit), kAmount);
  }
  const long double debit = within.debit + before.debit;
  const long double credit = within.credit + before.credit;
  l.Borc = fmt::number(static_cast<double>(debit), 18, 2);
  l.Alacak = fmt::number(static_cast<double>(credit), 18, 2);
  l.Bakiye = fmt::number(static_cast<double>(credit - debit), 18, 2);
  return l;
}

namespace statement {

std::vector<PanelAccount> panelAccounts(Connection& connection,
                                        const AccountRestriction& restriction) {
  Params params;
  QString sql = QStringLiteral(
      "SELECT tlvkh.*, tlvkf.YETKILI, tlvkf.TELEFON FROM tlvkh "
      "LEFT JOIN tlvkf ON tlvkf.KARTON = tlvkh.HESAPKOD");
  const QString condition = restriction.condition(QStringLiteral("tlvkh.HESAPKOD"), params);
  if (!condition.isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
  QSqlQuery q = connection.exec(sql, params, QStringLiteral("Hesap listesi okunurken"));
  std::vector<PanelAccount> out;
  std::set<QString> seen;
  const QSqlRecord r = q.record();
  const int kod = r.indexOf("HESAPKOD"), tip = r.indexOf("TIP"), karton = r.indexOf("KARTON"),
            tanim = r.indexOf("TANIM"), mk = r.indexOf("MHSBKODU"), lb = r.indexOf("LIMITB"),
            la = r.indexOf("LIMITA"), yetkili = r.indexOf("YETKILI"), tel = r.indexOf("TELEFON");
  while (q.next()) {
    // Several address cards may carry one code; the first the server returns is the card.
    if (!seen.insert(col::text(q, kod)).second) continue;
    PanelAccount p;
    p.account = {col::text(q, kod), col::text(q, tip),  col::text(q, karton), col::text(q, tanim),
                 col::text(q, mk),  col::number(q, lb), col::number(q, la)};
    p.YETKILI = col::text(q, yetkili);
    p.TELEFON = col::text(q, tel);
    out.push_back(std::move(p));
  }
  return out;
}

Totals before(Connection& connection, const StatementQuery& q) {
  return sums(connection, QStringLiteral("FIRMAKOD = :frkodu AND %1 < :tar1").arg(column(q)),
              {{":frkodu", q.account}, {":tar1", q.start}});
}

Totals within(Connection& connection, const StatementQuery& q) {
  return sums(connection,
              QStringLiteral("FIRMAKOD = :frkodu AND %1 >= :tar1 AND %1 <= :tar2").arg(column(q)),
              span(q));
}

std::vector<StatementRow> rows(Connection& connection, const StatementQuery& query) {
  QSqlQuery q = connection.exec(
      QStringLiteral("SELECT tlvkc.*, tlvkx.IZAHAT, tlvkx.IZAHAT2 FROM tlvkc "
                     "LEFT JOIN tlvkx ON tlvkc.EVRAK = tlvkx.EVRAK "
                     "WHERE tlvkc.FIRMAKOD = :frkodu AND tlvkc.%1 >= :tar1 AND tlvkc.%1 <= :tar2")
          .arg(column(query)),
      span(query), QStringLiteral("Hesap dökümü okunurken"));
  const QSqlRecord r = q.record();
  const int kod = r.indexOf("FIRMAKOD"), tarih = r.indexOf("TARIH"), t = r.indexOf("T"),
            evrak = r.indexOf("EVRAK"), heskur = r.indexOf("HESKUR"), dvz = r.indexOf("DVZ"),
            kur = r.indexOf("KUR"), borc = r.indexOf("BORC"), alacak = r.indexOf("ALACAK"),
            user = r.indexOf("USER_ID"), valor = r.indexOf("VALOR"), ilgi = r.indexOf("ILGI"),
            belge = r.indexOf("BELGE"), ok = r.indexOf("OK"), hesap = r.indexOf("HESAP"),
            izahat = r.indexOf("IZAHAT"), izahat2 = r.indexOf("IZAHAT2");
  std::vector<StatementRow> out;
  while (q.next()) {
    StatementRow s;
    s.FIRMAKOD = col::text(q, kod);
    s.TARIH = q.value(tarih).toDateTime();
    s.T = col::text(q, t);
    s.EVRAK = col::whole(q, evrak);
    s.HESKUR = col::number(q, heskur);
    s.DVZ = col::text(q, dvz);
    s.KUR = col::number(q, kur);
    s.BORC = col::number(q, borc);
    s.ALACAK = col::number(q, alacak);
    s.USER_ID = col::text(q, user);
    s.VALOR = col::date(q, valor);
    s.ILGI = col::whole(q, ilgi);
    s.BELGE = col::text(q, belge);
    s.OK = col::text(q, ok);
    s.HESAP = col::text(q, hesap);
    s.IZAHAT = col::text(q, izahat);
    s.IZAHAT2 = col::text(q, izahat2);
    out.push_back(std::move(s));
  }
  return out;
}

std::map<qint64, std::vector<GoodsLine>> goods(Connection& connection,
                                               const StatementQuery& query) {
  QSqlQuery q = connection.exec(
      QStringLiteral(
          "SELECT EvrakNo, GrupKodu, Fiyat*(100-Indirim)*0.01 AS HFiyat, "
          "Cikis + Giris AS Miktar, (Cikis + Giris) * Fiyat*(100-Indirim) * 0.01 AS Tutar, "
          "(Cikis + Giris) * Fiyat * (100-Indirim) * 0.01 * (100-Kalitein) * 0.01 * Kdv "
          "* 0.01 AS KdvTutar FROM tlvks WHERE EvrakNo IN (SELECT EVRAK FROM tlvkc "
          "WHERE FIRMAKOD = :frkodu AND %1 >= :tar1 AND %1 <= :tar2 "
          "AND T > '0' AND T < '6')")
          .arg(column(query)),
      span(query), QStringLiteral("Evrak malları okunurken"));
  std::map<qint64, std::vector<GoodsLine>> out;
  while (q.next()) {
    out[col::whole(q, 0)].push_back({col::text(q, 1), col::number(q, 2), col::number(q, 3),
                                     col::number(q, 4), col::number(q, 5)});
  }
  return out;
}

Statement read(Connection& connection, const Account& account, const StatementQuery& query) {
  Statement s;
  s.query = query;
  s.account = account;
  s.before = before(connection, query);
  s.within = within(connection, query);
  s.labels = statementLabels(s.before, s.within);
  s.rows = rows(connection, query);
  s.goods = goods(connection, query);
  return s;
}

}  // namespace statement
}  // namespace tolvek
