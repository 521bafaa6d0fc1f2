// Small builders for the cards and documents a test needs, written straight to the tables.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace tolvek {
class Connection;
}

namespace tolvek::test {

void addAccount(Connection& c, const QString& code, const QString& name, const QString& currency,
                const QString& karton = {});
void addRate(Connection& c, const QDate& date, const QString& currency, double centralSelling);
void addCompany(Connection& c, const QString& name, const QDate& opening = QDate(2026, 1, 1));

// One row of account transactions, as any document writes it.
struct Posting {
  QString account;
  QDate date;
  QString type = QStringLiteral("M");
  qint64 number = 1;
  double debit = 0;
  double credit = 0;
  QDate valueDate;  // the date when not given
  QString other;
  QString currency = QStringLiteral("YTL");
  double accountRate = 1;
  double rate = 1;
};
void addPosting(Connection& c, const Posting& p);
// The fields most tests set, the rest as above.
Posting posting(const QString& account, const QDate& date, const QString& type, qint64 number,
                double debit, double credit, const QDate& valueDate = {});
// Every row of account transactions as "FIRMAKOD|TARIH|…|HESAP", debit rows first.
QStringList postingRows(Connection& c);

void addExplanation(Connection& c, qint64 number, const QString& line1, const QString& line2 = {});

}  // namespace tolvek::test
