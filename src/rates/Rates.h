// Daily exchange rates (tlvke): one row per date and currency, six rates.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace tolvek {

class Connection;

struct RateRow {
  QDate Tarih;
  QString Doviz;
  double MerkezAl = 0;
  double MerkezSat = 0;
  double SerbestAl = 0;
  double SerbestSat = 0;
  double BankaAl = 0;
  double BankaSat = 0;
};

namespace rates {

// Every date that has a rate, ascending.
std::vector<QDate> dates(Connection& connection);

// The rates of one date, in the order the server returns them.
std::vector<RateRow> ofDate(Connection& connection, const QDate& date);

std::optional<RateRow> find(Connection& connection, const QDate& date, const QString& currency);

// Overwrites the row of the date and currency, or writes it; never a second row for the pair.
void save(Connection& connection, const RateRow& rate);

// The central bank selling rate every conversion takes; nothing when there is no row.
std::optional<double> centralSelling(Connection& connection, const QDate& date,
                                     const QString& currency);

}  // namespace rates
}  // namespace tolvek
