// Current accounts: the chart (tlvkh), the address cards (tlvkf) and opening balances.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "data/Errors.h"

namespace tolvek {

class Connection;
class AccountRestriction;
class TDM;

struct Account {
  QString HESAPKOD;
  QString TIP;
  QString KARTON;
  QString TANIM;
  QString MHSBKODU;
  double LIMITB = 0;
  double LIMITA = 0;
};

// The address card of an account; the table has no key, so a card is known by all its values.
struct AddressCard {
  QString KARTON, ADI, ADRES1, ADRES2, POSTAKOD, SEHIR, ULKE, TELEFON, FAX, VERGDA, VERGINO, EMAIL,
      YETKILI, REF, NOT_A, GRUP1, GRUP2, GRUP3, EKADRES1, EKADRES2, EKADRES3, EKADRES4;
  bool operator==(const AddressCard&) const = default;
};

// The address card's columns, in table order, with their members.
struct AddressField {
  const char* column;
  QString AddressCard::*member;
};
const std::vector<AddressField>& addressFields();

enum class Side { Debit, Credit };

namespace accounts {

enum class Order { Code, Name };

// The account lists of the search screens: code, name and currency, in code or name order;
// `restriction` keeps to the user's account prefixes (an inactive one lists every account).
std::vector<Account> list(Connection& connection, Order order,
                          const AccountRestriction& restriction);

// The account whose code is exactly `code`.
std::optional<Account> find(Connection& connection, const QString& code);

// The account card's checks before a save: a code and a name of at least 2 characters, a currency
// from the list.
MaybeRefusal checkCard(const Account& account);

// Updates the account when its code exists, inserts it otherwise; returns true for an insert.
bool save(Connection& connection, const Account& account);

// Why the account may not be deleted: a short code, or transactions that use it.
MaybeRefusal checkDelete(Connection& connection, const QString& code);
// Deletes the account when nothing refuses it in the same transaction.
MaybeRefusal remove(Connection& connection, const QString& code);

// The chart listing between two codes (either may be empty; swapped when the first is greater).
std::vector<Account> chart(Connection& connection, QString first, QString last);

// The address cards, in the order the server returns them.
std::vector<AddressCard> addressCards(Connection& connection);
void insertCard(Connection& connection, const AddressCard& card);
// Changes the card that still holds `before`; refuses when another workstation changed or deleted
// it meanwhile.
MaybeRefusal updateCard(Connection& connection, const AddressCard& before,
                        const AddressCard& after);
MaybeRefusal deleteCard(Connection& connection, const AddressCard& card);

struct OpeningBalance {
  QString account;
  QString currency;
  QDate date;
  Side side = Side::Debit;
  double amount = 0;
};

// The opening balance rules of the session: the period lock, then full voucher rights.
MaybeRefusal checkOpening(const TDM& dm);
// Deletes the account's opening rows and, for an amount above 0.009, writes the one row; in one
// transaction.
void saveOpening(Connection& connection, const OpeningBalance& opening, const QString& userId);

}  // namespace accounts
}  // namespace tolvek
