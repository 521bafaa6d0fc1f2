// The voucher's rules and its statements.
#include <QSqlQuery>

#include "app/Rights.h"
#include "app/TDM.h"
#include "data/Connection.h"
#include "data/Format.h"
#include "rates/Rates.h"
#include "vouchers/Voucher.h"

namespace tolvek::vouchers {

namespace {
const QString kInvalidNumber = QStringLiteral("Evrak Numarası geçersiz !");
const QString kNoRight = QStringLiteral("Bu işlemi Yapmaya Yetkiniz Yok !");

void insertRow(Connection& c, const Voucher& v, const VoucherSide& own, const VoucherSide& other,
               bool debit, const QString& userId, const QString& doing) {
  c.exec(QStringLiteral("INSERT INTO tlvkc (FIRMAKOD, TARIH, T, EVRAK, HESKUR, DVZ, KUR, BORC, "
                        "ALACAK, USER_ID, VALOR, OK, HESAP) VALUES (:kod, :ktarih, :t, :evrak, "
                        ":heskur, :dvz, :kur, :borc, :alacak, :user, :vtarih, :ok, :hesap)"),
         {{":kod", own.code},
          {":ktarih", v.date},
          {":t", v.kind},
          {":evrak", v.number},
          {":heskur", fmt::roundTo(own.rate, 4)},
          {":dvz", other.currency},
          {":kur", fmt::roundTo(other.rate, 4)},
          {":borc", debit ? fmt::roundTo(own.amount, 2) : 0.0},
          {":alacak", debit ? 0.0 : fmt::roundTo(own.amount, 2)},
          {":user", userId},
          {":vtarih", v.valueDate},
          {":ok", v.approval},
          {":hesap", other.code}},
         doing);
}
}  // namespace

bool isVoucherKind(const QString& kind) {
  return kind.size() == 1 && kind >= QLatin1String("K") && kind <= QLatin1String("N");
}

QString printedTitle(const QString& kind) {
  if (kind == QLatin1String("K")) return QStringLiteral("KAMBİYO");
  if (kind == QLatin1String("L")) return QStringLiteral("VADE FARKI");
  if (kind == QLatin1String("M")) return QStringLiteral("MAHSUP");
  if (kind == QLatin1String("N")) return QStringLiteral("NAKİT");
  return {};
}

bool isLocked(const QString& approval, bool periodClosed) {
  return periodClosed || approval > QLatin1String("0");
}

MaybeRefusal checkSave(const Voucher& v, const TDM& dm, bool locked) {
  if (dm.periodIsClosed()) {
    return Refusal::error(QStringLiteral("Dönem Kapatıldı. Bu işlemi Yapmaya Yetkiniz Yok !"));
  }
  if (locked && !dm.right(area::userType, '3')) {
    return Refusal::error(QStringLiteral("Onaylı Belge. Bu işlemi Yapmaya Yetkiniz Yok !"));
  }
  if (!dm.right(area::vouchers, '2')) return Refusal::error(kNoRight);
  if (v.number < 1) return Refusal::error(kInvalidNumber);
  if (v.debit.code == v.credit.code) {
    return Refusal::error(QStringLiteral("Borçlu ve Alacaklı Hesaplar AYNI !"));
  }
  if (v.debit.code < QLatin1String("0")) {
    return Refusal::error(QStringLiteral("Borçlu Hesap Kodu Girin !"));
  }
  if (v.credit.code < QLatin1String("0")) {
    return Refusal::error(QStringLiteral("Alacaklı Hesap Kodu Girin !"));
  }
  if (!(v.debit.amount > 0) || !(v.credit.amount > 0)) {
    return Refusal::error(QStringLiteral("Borçlu ve Alacaklı Hesaplar 0 olamaz !"));
  }
  // Only the lists and the account search fill these on screen; a voucher of another kind would
  // vanish from every voucher list.
  if (!isVoucherKind(v.kind)) {
    return Refusal::error(QStringLiteral("Dekont tipi K, L, M ya da N olmalı."));
  }
  return std::nullopt;
}

std::optional<double> convert(double amount, double fromRate, double toRate) {
  if (!(toRate > 0.0001)) return std::nullopt;
  return fmt::roundTo(amount * fromRate / toRate, 2);
}

double lookUpRate(Connection& connection, const QDate& date, const QString& currency) {
  const auto rate = rates::centralSelling(connection, date, currency);
  return rate && *rate > 0 ? *rate : 1.0;
}

Loaded load(Connection& connection, qint64 number) {
  QSqlQuery q =
      connection.exec(QStringLiteral("SELECT tlvkc.*, tlvkx.*, tlvkh.TANIM, tlvkh.TIP FROM tlvkc "
                                     "LEFT JOIN tlvkx ON tlvkx.EVRAK = tlvkc.EVRAK "
                                     "LEFT JOIN tlvkh ON tlvkc.FIRMAKOD = tlvkh.HESAPKOD "
                                     "WHERE tlvkc.EVRAK = :ENosu"),
                      {{":ENosu", number}}, QStringLiteral("Dekont %1 okunurken").arg(number));
  if (!q.next() || col::whole(q, "EVRAK") <= 0)
    return {std::nullopt, Refusal::error(kInvalidNumber)};
  if (!isVoucherKind(col::text(q, "T"))) {
    return {std::nullopt, Refusal::error(QStringLiteral("Evrak Numarası Dekont No Değil !"))};
  }
  Voucher v;
  v.number = number;
  v.date = col::date(q, "TARIH");
  v.valueDate = col::date(q, "VALOR");
  v.kind = col::text(q, "T");
  v.approval = col::text(q, "OK");
  v.explanations = {col::text(q, "Izahat"), col::text(q, "Izahat2"), col::text(q, "Izahat3"),
                    col::text(q, "Izahat4"), col::text(q, "Izahat5")};
  do {
    const bool debit = col::number(q, "ALACAK") < col::number(q, "BORC");
    VoucherSide& side = debit ? v.debit : v.credit;
    side.name = col::text(q, "TANIM");
    side.code = col::text(q, "FIRMAKOD");
    side.currency = col::text(q, "TIP");
    side.rate = col::number(q, "HESKUR");
    side.amount = debit ? col::number(q, "BORC") : col::number(q, "ALACAK");
  } while (q.next());
  return {v, std::nullopt};
}

void save(Connection& connection, const Voucher& v, const QString& userId) {
  const QString doing = QStringLiteral("Dekont %1 kaydedilirken").arg(v.number);
  Transaction tx(connection, doing);
  connection.exec(QStringLiteral("DELETE FROM tlvkx WHERE EVRAK = :n"), {{":n", v.number}}, doing);
  connection.exec(QStringLiteral("DELETE FROM tlvkc WHERE EVRAK = :n"), {{":n", v.number}}, doing);
  insertRow(connection, v, v.debit, v.credit, true, userId, doing);
  connection.exec(QStringLiteral("INSERT INTO tlvkx (Evrak, Izahat, Izahat2, Izahat3, Izahat4, "
                                 "Izahat5) VALUES (:n, :i1, :i2, :i3, :i4, :i5)"),
                  {{":n", v.number},
                   {":i1", v.explanations[0]},
                   {":i2", v.explanations[1]},
                   {":i3", v.explanations[2]},
                   {":i4", v.explanations[3]},
                   {":i5", v.explanations[4]}},
                  doing);
  insertRow(connection, v, v.credit, v.debit, false, userId, doing);
  tx.commit();
}

void remove(Connection& connection, qint64 number) {
  const QString doing = QStringLiteral("Dekont %1 silinirken").arg(number);
  Transaction tx(connection, doing);
  connection.exec(QStringLiteral("DELETE FROM tlvkx WHERE EVRAK = :n"), {{":n", number}}, doing);
  connection.exec(QStringLiteral("DELETE FROM tlvkc WHERE EVRAK = :n"), {{":n", number}}, doing);
  tx.commit();
}

}  // namespace tolvek::vouchers
