// Vouchers: an amount moved from one current account to another, each side in its own currency
// at its own rate; two rows of tlvkc and one of tlvkx under one document number.
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>

#include "data/Errors.h"

namespace tolvek {

class Connection;
class TDM;

struct VoucherSide {
  QString code;       // BorKod / AlKod
  QString name;       // Borclu / Alacakli
  QString currency;   // BorTip / AlTip
  double rate = 0;    // BrKur / ALKur
  double amount = 0;  // BRTut / ALTut
};

struct Voucher {
  qint64 number = 0;                   // ENo
  QDate date;                          // ETarih
  QDate valueDate;                     // VTarih
  QString kind = QStringLiteral("L");  // ComETip
  QString approval;                    // EdOnay: empty or "X"
  VoucherSide debit;
  VoucherSide credit;
  std::array<QString, 5> explanations;
};

namespace vouchers {

// The four kinds and their printed titles.
bool isVoucherKind(const QString& kind);
QString printedTitle(const QString& kind);

// A voucher is locked while the period is closed or its mark is greater than "0" (approved).
bool isLocked(const QString& approval, bool periodClosed);

// The save tests, in their order, with their messages.
MaybeRefusal checkSave(const Voucher& voucher, const TDM& dm, bool locked);

// `amount` at `fromRate` expressed at `toRate`, rounded to 2 decimals; nothing when the target
// rate is not above 0.0001.
std::optional<double> convert(double amount, double fromRate, double toRate);

// The rate a side takes for its currency on the document date: the central bank selling rate
// when it is above 0, else 1.
double lookUpRate(Connection& connection, const QDate& date, const QString& currency);

struct Loaded {
  std::optional<Voucher> voucher;
  MaybeRefusal refusal;
};

// Reads voucher `number`: "Evrak Numarası geçersiz !" when it has no rows, "Evrak Numarası
// Dekont No Değil !" when it is another kind of document. Account names and currencies come from
// the chart as it is now.
Loaded load(Connection& connection, qint64 number);

// Replaces every row of the number by the voucher, in one transaction: rates stored with 4
// decimals, amounts with 2. Throws on failure, leaving the old voucher as it was.
void save(Connection& connection, const Voucher& voucher, const QString& userId);

// Deletes the voucher's rows, in one transaction.
void remove(Connection& connection, qint64 number);

}  // namespace vouchers
}  // namespace tolvek
