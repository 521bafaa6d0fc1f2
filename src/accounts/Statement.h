// The ledger statement of one account: the account list of the panel, the totals before and
// within the period, the rows, the goods of documents, and the label texts every output shares.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <map>
#include <vector>

#include "accounts/Account.h"

class QPagedPaintDevice;

namespace tolvek {

class AccountRestriction;
struct ReportDefinition;

// An account of the panel's list, with the contact and telephone of its address card.
struct PanelAccount {
  Account account;
  QString YETKILI;
  QString TELEFON;
};

struct StatementRow {
  QString FIRMAKOD;
  QDateTime TARIH;
  QString T;
  qint64 EVRAK = 0;
  double HESKUR = 0;
  QString DVZ;
  double KUR = 0;
  double BORC = 0;
  double ALACAK = 0;
  QString USER_ID;
  QDate VALOR;
  qint64 ILGI = 0;
  QString BELGE;
  QString OK;
  QString HESAP;
  QString IZAHAT;
  QString IZAHAT2;
};

struct GoodsLine {
  QString GrupKodu;
  double HFiyat = 0;
  double Miktar = 0;
  double Tutar = 0;
  double KdvTutar = 0;
};

struct StatementQuery {
  QString account;
  QDate start;
  QDate end;
  bool byValueDate = false;
};

struct Totals {
  bool found = false;  // the account has rows in the span
  long double debit = 0;
  long double credit = 0;
};

// The texts of the balance labels, as the screen, the printed statement and the file show them.
struct StatementLabels {
  QString EBorc, EAlacak;  // before the start date; empty when there is nothing before
  QString DonBor, DonAl;   // within the period
  QString Borc, Alacak;    // grand totals
  QString Bakiye;          // credit minus debit
};
StatementLabels statementLabels(const Totals& before, const Totals& within);

struct Statement {
  StatementQuery query;
  Account account;  // code, name, currency
  Totals before;
  Totals within;
  StatementLabels labels;
  std::vector<StatementRow> rows;
  std::map<qint64, std::vector<GoodsLine>> goods;  // documents of types 1 to 5, by number
};

// The statement shows goods for the document types "1" to "5".
bool hasGoods(const QString& type);

namespace statement {

// The panel's account list: the user's accounts with their first address card, in the order the
// server returns them; an account with several cards is listed once.
std::vector<PanelAccount> panelAccounts(Connection& connection,
                                        const AccountRestriction& restriction);

Totals before(Connection& connection, const StatementQuery& query);
Totals within(Connection& connection, const StatementQuery& query);
// The rows in the period, in the order the server returns them.
std::vector<StatementRow> rows(Connection& connection, const StatementQuery& query);
// The goods of every document of types 1 to 5 in the period, in one query.
std::map<qint64, std::vector<GoodsLine>> goods(Connection& connection, const StatementQuery& query);

// Everything at once, as the printed statement and the report file need it.
Statement read(Connection& connection, const Account& account, const StatementQuery& query);

// The report file: three headings, the rows, the optional goods tables and the total rows.
QString html(const Statement& statement, bool withGoods);

// The printed statement in the character-cell layout.
void print(QPagedPaintDevice& device, const Statement& statement);

}  // namespace statement

const ReportDefinition& statementReport();

}  // namespace tolvek
