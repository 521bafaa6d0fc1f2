// post kind voucher: as the voucher screen saves it, with the accounts taken from the chart as the
// account search gives them.
#include "accounts/Account.h"
#include "cli/PostKinds.h"
#include "data/CodeValues.h"
#include "data/DocumentCounter.h"
#include "vouchers/Voucher.h"

namespace tolvek::cli {

namespace {

// Fills a side from the chart; a missing rate is looked up as the "Kur" caption does.
MaybeRefusal side(TDM& dm, const Fields& f, const QString& codeField, const QString& rateField,
                  const QDate& date, VoucherSide& s) {
  s.code = f.text(codeField);
  if (s.code.isEmpty()) return std::nullopt;  // the save test names the empty side
  const auto account = accounts::find(dm.connection(), s.code);
  if (!account) {
    return Refusal::error(QStringLiteral("Hesap kodu hesap planında yok: %1").arg(s.code));
  }
  s.name = account->TANIM;
  s.currency = account->TIP;
  s.rate = f.has(rateField)              ? f.number(rateField)
           : isLocalCurrency(s.currency) ? 1.0
                                         : vouchers::lookUpRate(dm.connection(), date, s.currency);
  return std::nullopt;
}

}  // namespace

Posted postVoucher(TDM& dm, const Fields& f) {
  f.allowOnly({"ENo", "ETarih", "VTarih", "ComETip", "EdOnay", "BorKod", "BrKur", "BRTut", "AlKod",
               "ALKur", "ALTut", "MakIzahat"});
  Voucher v;
  const qint64 requested = f.whole(QStringLiteral("ENo"));
  v.date = f.date(QStringLiteral("ETarih"), QDate::currentDate());
  v.valueDate = f.date(QStringLiteral("VTarih"), v.date);
  if (v.valueDate < v.date) {
    return {{}, Refusal::error(QStringLiteral("Valör tarihi evrak tarihinden önce olamaz."))};
  }
  v.kind = f.text(QStringLiteral("ComETip"), QStringLiteral("L"));
  v.approval = f.text(QStringLiteral("EdOnay"));
  if (!v.approval.isEmpty() && v.approval != QLatin1String("X")) {
    return {{}, Refusal::error(QStringLiteral("Onay boş ya da \"X\" olmalı."))};
  }
  const QStringList lines = f.texts(QStringLiteral("MakIzahat"));
  if (lines.size() > 5)
    return {{}, Refusal::error(QStringLiteral("En çok beş açıklama satırı olur."))};
  for (int i = 0; i < lines.size(); ++i) v.explanations[i] = lines[i];
  if (auto r = side(dm, f, QStringLiteral("BorKod"), QStringLiteral("BrKur"), v.date, v.debit)) {
    return {{}, r};
  }
  if (auto r = side(dm, f, QStringLiteral("AlKod"), QStringLiteral("ALKur"), v.date, v.credit)) {
    return {{}, r};
  }
  // A missing amount is converted from the other side, as clicking its "Tutar" does.
  v.debit.amount = f.number(QStringLiteral("BRTut"));
  v.credit.amount = f.number(QStringLiteral("ALTut"));
  if (!f.has(QStringLiteral("ALTut")) && f.has(QStringLiteral("BRTut"))) {
    v.credit.amount = vouchers::convert(v.debit.amount, v.debit.rate, v.credit.rate).value_or(0);
  } else if (!f.has(QStringLiteral("BRTut")) && f.has(QStringLiteral("ALTut"))) {
    v.debit.amount = vouchers::convert(v.credit.amount, v.credit.rate, v.debit.rate).value_or(0);
  }

  bool locked = false;
  if (requested > 0) {
    const vouchers::Loaded existing = vouchers::load(dm.connection(), requested);
    if (existing.voucher) {
      locked = vouchers::isLocked(existing.voucher->approval, dm.periodIsClosed());
    } else if (existing.refusal->text != QLatin1String("Evrak Numarası geçersiz !") ||
               requested > lastNumber(dm.connection())) {
      // Another kind of document, or a number the counter never gave out.
      return {{}, existing.refusal};
    }
  }
  v.number = requested > 0 ? requested : 1;  // the tests see a number; a new one is taken below
  if (auto refused = vouchers::checkSave(v, dm, locked || dm.periodIsClosed()))
    return {{}, refused};
  if (requested <= 0) v.number = takeNextNumber(dm.connection());
  vouchers::save(dm.connection(), v, dm.userId);
  return {QString::number(v.number), std::nullopt};
}

}  // namespace tolvek::cli
