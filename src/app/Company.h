// The firm's single row of company parameters (tlvka) and the period lock kept in it.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace tolvek {

class Connection;

struct Company {
  QString FIRMAADI, ADRES1, ADRES2, SEHIR, POSTA, ULKE, VERGIDA, VERGINO, SIGORTAD, SIGORTAN;
  QString MUHASEBE, KURLAR, ADRES, TELEFON1, TELEFON2, FAX, EMAIL;
  QDate Tarih;
  int KSTUT = 0;
  int KSMK = 0;
  QString FATKOD, FATDON;
  int KAPAT = 0;
  QString stokdvz;
};

namespace company {

// The first row, or nothing when the table is empty.
std::optional<Company> load(Connection& connection);

// Stores the edited columns (everything but FATKOD, FATDON and KAPAT, which this card does not
// show) into the first row, or inserts the row when the table is empty.
void save(Connection& connection, const Company& company);

// Inserts a whole company row, as a new period database gets it.
void insert(Connection& connection, const Company& company);

// Sets KAPAT of the first row; an empty table gets a first row holding only KAPAT.
void setPeriodLock(Connection& connection, int kapat);

}  // namespace company
}  // namespace tolvek
