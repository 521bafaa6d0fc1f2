#include "app/Company.h"

#include <QSqlQuery>

#include "data/Connection.h"

namespace tolvek::company {

namespace {

// The card's columns, in the order of the table, with their values.
Params editable(const Company& c) {
  return {{QStringLiteral("FIRMAADI"), c.FIRMAADI},
          {QStringLiteral("ADRES1"), c.ADRES1},
          {QStringLiteral("ADRES2"), c.ADRES2},
          {QStringLiteral("SEHIR"), c.SEHIR},
          {QStringLiteral("POSTA"), c.POSTA},
          {QStringLiteral("ULKE"), c.ULKE},
          {QStringLiteral("VERGIDA"), c.VERGIDA},
          {QStringLiteral("VERGINO"), c.VERGINO},
          {QStringLiteral("SIGORTAD"), c.SIGORTAD},
          {QStringLiteral("SIGORTAN"), c.SIGORTAN},
          {QStringLiteral("MUHASEBE"), c.MUHASEBE},
          {QStringLiteral("KURLAR"), c.KURLAR},
          {QStringLiteral("ADRES"), c.ADRES},
          {QStringLiteral("TELEFON1"), c.TELEFON1},
          {QStringLiteral("TELEFON2"), c.TELEFON2},
          {QStringLiteral("FAX"), c.FAX},
          {QStringLiteral("EMAIL"), c.EMAIL},
          {QStringLiteral("Tarih"),
           c.Tarih.isValid() ? QVariant(c.Tarih) : QVariant(QMetaType(QMetaType::QDate))},
          {QStringLiteral("KSTUT"), c.KSTUT},
          {QStringLiteral("KSMK"), c.KSMK},
          {QStringLiteral("stokdvz"), c.stokdvz}};
}

// Column names double as placeholder names: ":FIRMAADI" and so on.
Params bound(const Params& values) {
  Params p;
  for (const auto& [name, value] : values) p.emplace_back(QLatin1Char(':') + name, value);
  return p;
}

void insertColumns(Connection& connection, const Params& values, const QString& doing) {
  QStringList names, holders;
  for (const auto& v : values) {
    names << v.first;
    holders << QLatin1Char(':') + v.first;
  }
  connection.exec(QStringLiteral("INSERT INTO tlvka (%1) VALUES (%2)")
                      .arg(names.join(QLatin1Char(',')), holders.join(QLatin1Char(','))),
                  bound(values), doing);
}

bool hasRow(Connection& connection) {
  return connection.scalar(QStringLiteral("SELECT 1 FROM tlvka LIMIT 1")).isValid();
}

}  // namespace

std::optional<Company> load(Connection& connection) {
  QSqlQuery q = connection.exec(QStringLiteral("SELECT * FROM tlvka LIMIT 1"), {},
                                QStringLiteral("Firma bilgileri okunurken"));
  if (!q.next()) return std::nullopt;
  Company c;
  c.FIRMAADI = col::text(q, "FIRMAADI");
  c.ADRES1 = col::text(q, "ADRES1");
  c.ADRES2 = col::text(q, "ADRES2");
  c.SEHIR = col::text(q, "SEHIR");
  c.POSTA = col::text(q, "POSTA");
  c.ULKE = col::text(q, "ULKE");
  c.VERGIDA = col::text(q, "VERGIDA");
  c.VERGINO = col::text(q, "VERGINO");
  c.SIGORTAD = col::text(q, "SIGORTAD");
  c.SIGORTAN = col::text(q, "SIGORTAN");
  c.MUHASEBE = col::text(q, "MUHASEBE");
  c.KURLAR = col::text(q, "KURLAR");
  c.ADRES = col::text(q, "ADRES");
  c.TELEFON1 = col::text(q, "TELEFON1");
  c.TELEFON2 = col::text(q, "TELEFON2");
  c.FAX = col::text(q, "FAX");
  c.EMAIL = col::text(q, "EMAIL");
  c.Tarih = col::date(q, "Tarih");
  c.KSTUT = static_cast<int>(col::whole(q, "KSTUT"));
  c.KSMK = static_cast<int>(col::whole(q, "KSMK"));
  c.FATKOD = col::text(q, "FATKOD");
  c.FATDON = col::text(q, "FATDON");
  c.KAPAT = static_cast<int>(col::whole(q, "KAPAT"));
  c.stokdvz = col::text(q, "stokdvz");
  return c;
}

void save(Connection& connection, const Company& company) {
  const QString doing = QStringLiteral("Firma bilgileri kaydedilirken");
  const Params values = editable(company);
  Transaction tx(connection, doing);
  if (hasRow(connection)) {
    QStringList sets;
    for (const auto& v : values) sets << v.first + QStringLiteral(" = :") + v.first;
    connection.exec(
        QStringLiteral("UPDATE tlvka SET %1 LIMIT 1").arg(sets.join(QStringLiteral(", "))),
        bound(values), doing);
  } else {
    insertColumns(connection, values, doing);
  }
  tx.commit();
}

void insert(Connection& connection, const Company& company) {
  Params values = editable(company);
  values.emplace_back(QStringLiteral("KAPAT"), company.KAPAT);
  insertColumns(connection, values, QStringLiteral("Firma bilgileri yazılırken"));
}

void setPeriodLock(Connection& connection, int kapat) {
  const QString doing = QStringLiteral("Dönem kilidi yazılırken");
  Transaction tx(connection, doing);
  if (hasRow(connection)) {
    connection.exec(QStringLiteral("UPDATE tlvka SET KAPAT = :k LIMIT 1"),
                    {{QStringLiteral(":k"), kapat}}, doing);
  } else {
    connection.exec(QStringLiteral("INSERT INTO tlvka (KAPAT) VALUES (:k)"),
                    {{QStringLiteral(":k"), kapat}}, doing);
  }
  tx.commit();
}

}  // namespace tolvek::company
