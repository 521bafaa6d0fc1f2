// post kinds of the current accounts and rates: account cards, address cards, opening balances,
// daily rates.
#include "accounts/Account.h"
#include "cli/PostKinds.h"
#include "data/TurkishText.h"
#include "rates/Rates.h"

namespace tolvek::cli {

Posted postAccount(TDM& dm, const Fields& f) {
  f.allowOnly({"HESAPKOD", "TIP", "KARTON", "TANIM", "MHSBKODU", "LIMITB", "LIMITA"});
  Account a;
  a.HESAPKOD = codeInput(f.text(QStringLiteral("HESAPKOD")));
  a.TIP = turkishCodeUpper(f.text(QStringLiteral("TIP")));
  a.KARTON = turkishCodeUpper(f.text(QStringLiteral("KARTON")));
  a.TANIM = f.text(QStringLiteral("TANIM"));
  a.MHSBKODU = codeInput(f.text(QStringLiteral("MHSBKODU")));
  a.LIMITB = f.number(QStringLiteral("LIMITB"));
  a.LIMITA = f.number(QStringLiteral("LIMITA"));
  if (a.HESAPKOD.size() <= 1) {
    return {{}, Refusal::error(QStringLiteral("Hesap kodu en az iki karakter olmalı."))};
  }
  if (a.TANIM.size() <= 1) {
    return {{}, Refusal::error(QStringLiteral("Hesap tanımı en az iki karakter olmalı."))};
  }
  if (auto refused = accounts::checkCard(a)) return {{}, refused};
  accounts::save(dm.connection(), a);
  return {a.HESAPKOD, std::nullopt};
}

Posted postAddress(TDM& dm, const Fields& f) {
  QStringList names;
  for (const AddressField& field : addressFields()) names << QLatin1String(field.column);
  f.allowOnly(names);
  AddressCard card;
  for (const AddressField& field : addressFields()) {
    card.*field.member = f.text(QLatin1String(field.column));
  }
  card.KARTON = turkishCodeUpper(card.KARTON);
  card.REF = turkishCodeUpper(card.REF);
  accounts::insertCard(dm.connection(), card);
  return {card.KARTON, std::nullopt};
}

Posted postOpening(TDM& dm, const Fields& f) {
  f.allowOnly({"FIRMAKOD", "BORC", "ALACAK"});
  if (auto refused = accounts::checkOpening(dm)) return {{}, refused};
  const QString code = f.text(QStringLiteral("FIRMAKOD"));
  const auto account = accounts::find(dm.connection(), code);
  if (!account) {
    return {{}, Refusal::error(QStringLiteral("Hesap kodu hesap planında yok: %1").arg(code))};
  }
  if (f.has(QStringLiteral("BORC")) && f.has(QStringLiteral("ALACAK"))) {
    return {
        {},
        Refusal::error(QStringLiteral("Devir ya borç ya alacak olur; ikisi birden verilemez."))};
  }
  accounts::OpeningBalance o;
  o.account = code;
  o.currency = account->TIP;
  o.date = dm.openingDate;
  o.side = f.has(QStringLiteral("ALACAK")) ? Side::Credit : Side::Debit;
  o.amount = f.number(o.side == Side::Credit ? QStringLiteral("ALACAK") : QStringLiteral("BORC"));
  if (o.amount < 0) return {{}, Refusal::error(QStringLiteral("Devir tutarı eksi olamaz."))};
  if (!o.date.isValid()) {
    return {{}, Refusal::error(QStringLiteral("Firma açılış tarihi girilmemiş."))};
  }
  accounts::saveOpening(dm.connection(), o, dm.userId);
  return {code, std::nullopt};
}

Posted postRate(TDM& dm, const Fields& f) {
  f.allowOnly({"Tarih", "Doviz", "MerkezAl", "MerkezSat", "SerbestAl", "SerbestSat", "BankaAl",
               "BankaSat"});
  RateRow r;
  r.Tarih = f.date(QStringLiteral("Tarih"), QDate::currentDate());
  r.Doviz = turkishCodeUpper(f.text(QStringLiteral("Doviz"), QStringLiteral("USD")));
  r.MerkezAl = f.number(QStringLiteral("MerkezAl"));
  r.MerkezSat = f.number(QStringLiteral("MerkezSat"));
  r.SerbestAl = f.number(QStringLiteral("SerbestAl"));
  r.SerbestSat = f.number(QStringLiteral("SerbestSat"));
  r.BankaAl = f.number(QStringLiteral("BankaAl"));
  r.BankaSat = f.number(QStringLiteral("BankaSat"));
  if (r.Doviz.isEmpty() || r.Doviz.size() > 3) {
    return {{}, Refusal::error(QStringLiteral("Döviz kodu bir ile üç karakter arasında olmalı."))};
  }
  for (double v : {r.MerkezAl, r.MerkezSat, r.SerbestAl, r.SerbestSat, r.BankaAl, r.BankaSat}) {
    if (v < 0) return {{}, Refusal::error(QStringLiteral("Kur eksi olamaz."))};
  }
  rates::save(dm.connection(), r);
  return {r.Tarih.toString(Qt::ISODate) + QLatin1Char(' ') + r.Doviz, std::nullopt};
}

}  // namespace tolvek::cli
