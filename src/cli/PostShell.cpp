// post kinds of the shell: the company parameters and users.
#include <QRegularExpression>

#include "app/Company.h"
#include "app/Users.h"
#include "cli/PostKinds.h"
#include "data/TurkishText.h"

namespace tolvek::cli {

Posted postCompany(TDM& dm, const Fields& f) {
  f.allowOnly({"FIRMAADI", "ADRES1",   "ADRES2",   "SEHIR",    "POSTA",  "ULKE",  "VERGIDA",
               "VERGINO",  "SIGORTAD", "SIGORTAN", "MUHASEBE", "KURLAR", "ADRES", "TELEFON1",
               "TELEFON2", "FAX",      "EMAIL",    "Tarih",    "KSTUT",  "KSMK",  "stokdvz"});
  // Fields not given keep what the card shows now.
  const Company now = company::load(dm.connection()).value_or(Company{});
  Company c = now;
  const std::pair<const char*, QString Company::*> texts[] = {
      {"FIRMAADI", &Company::FIRMAADI}, {"ADRES1", &Company::ADRES1},
      {"ADRES2", &Company::ADRES2},     {"SEHIR", &Company::SEHIR},
      {"POSTA", &Company::POSTA},       {"ULKE", &Company::ULKE},
      {"VERGIDA", &Company::VERGIDA},   {"VERGINO", &Company::VERGINO},
      {"SIGORTAD", &Company::SIGORTAD}, {"SIGORTAN", &Company::SIGORTAN},
      {"MUHASEBE", &Company::MUHASEBE}, {"KURLAR", &Company::KURLAR},
      {"ADRES", &Company::ADRES},       {"TELEFON1", &Company::TELEFON1},
      {"TELEFON2", &Company::TELEFON2}, {"FAX", &Company::FAX},
      {"EMAIL", &Company::EMAIL},       {"stokdvz", &Company::stokdvz}};
  for (const auto& [name, member] : texts) c.*member = f.text(QLatin1String(name), now.*member);
  c.stokdvz = turkishCodeUpper(c.stokdvz);
  c.Tarih = f.date(QStringLiteral("Tarih"), now.Tarih);
  c.KSTUT = static_cast<int>(f.whole(QStringLiteral("KSTUT"), now.KSTUT));
  c.KSMK = static_cast<int>(f.whole(QStringLiteral("KSMK"), now.KSMK));
  for (int decimals : {c.KSTUT, c.KSMK}) {
    if (decimals < 0 || decimals > 4) {
      return {{}, Refusal::error(QStringLiteral("Küsür basamağı 0 ile 4 arasında olmalı."))};
    }
  }
  company::save(dm.connection(), c);
  return {c.FIRMAADI, std::nullopt};
}

Posted postUser(TDM& dm, const Fields& f) {
  f.allowOnly({"User_Name", "User_Pass", "User_Works", "User_Account"});
  const User u{f.text(QStringLiteral("User_Name")), f.text(QStringLiteral("User_Pass")),
               f.text(QStringLiteral("User_Works"), QStringLiteral("0000000000000000")),
               turkishCodeUpper(f.text(QStringLiteral("User_Account")))};
  static const QRegularExpression levels(QStringLiteral("^[0-3]{10}0{6}$"));
  if (!levels.match(u.User_Works).hasMatch()) {
    return {{},
            Refusal::error(QStringLiteral("User_Works on altı haneli olmalı: on konum için 0-3 "
                                          "arası bir seviye, ardından \"000000\"."))};
  }
  if (auto refused = users::insert(dm.connection(), u)) return {{}, refused};
  return {u.User_Name, std::nullopt};
}

}  // namespace tolvek::cli
