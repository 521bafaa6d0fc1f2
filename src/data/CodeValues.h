// Code values shared by every subsystem: currencies, document types, states.
#pragma once

#include <QStringList>

namespace tolvek {

// The currency choice lists, in their order.
inline const QStringList& currencyCodes() {
  static const QStringList codes = {"YTL", "USD", "EUR", "DEM", "GBP", "CHF", "FRF", "ITL",
                                    "NLG", "NOK", "SAR", "ECU", "CAD", "DKK", "ATS", "SEK",
                                    "AUD", "BEC", "KWD", "JPY", "FIM", "ESP", "ZZ1", "ZZ2",
                                    "ZZ3", "ZZ4", "ZZ5", "ZZ6", "ZZ7", "ZZ8", "ZZ9", "ZZZ"};
  return codes;
}

// "YTL" and "TL" both name the local currency, whose rate is always 1.
inline bool isLocalCurrency(const QString& code) {
  return code == QLatin1String("YTL") || code == QLatin1String("TL");
}

// The sentinel account of production slips, which post to no account.
inline const QString kNoAccount = QStringLiteral("zzzzz");

}  // namespace tolvek
