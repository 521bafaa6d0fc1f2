// demo: a consistent demo firm, every card and document posted through post's own code.
#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>
#include <cmath>

#include "app/PeriodDatabase.h"
#include "cli/Commands.h"
#include "cli/PostKinds.h"
#include "data/Errors.h"

namespace tolvek::cli {

namespace {

class DemoPoster {
 public:
  explicit DemoPoster(TDM& dm) : dm_(dm) {}
  void post(const QString& kind, QJsonObject object) {
    object.insert(QStringLiteral("kind"), kind);
    const Posted p = (*postKind(kind))(dm_, Fields(object));
    if (p.refusal) throw Failure(QStringLiteral("demo %1: %2").arg(kind, p.refusal->text));
    ++count_;
  }
  int count() const { return count_; }

 private:
  TDM& dm_;
  int count_ = 0;
};

struct Firm {
  const char* name;
  const char* city;
  const char* person;
};

const Firm kCustomers[] = {
    {"Akdeniz Yapı Market", "Antalya", "Serkan Aydın"},
    {"Boğaziçi İnşaat A.Ş.", "İstanbul", "Elif Şahin"},
    {"Çağdaş Mobilya", "Bursa", "Mehmet Öztürk"},
    {"Doğa Parke Dekorasyon", "İzmir", "Ayşe Kılıç"},
    {"Ege Ahşap Ltd. Şti.", "Denizli", "Hüseyin Çelik"},
    {"Fırat Yapı Malzemeleri", "Elazığ", "Zeynep Arslan"},
    {"Göksu Otel İşletmeleri", "Mersin", "Burak Yıldız"},
    {"Hisar Konut Kooperatifi", "Ankara", "Fatma Doğan"},
    {"Işık Dekor", "Eskişehir", "Cengiz Kaya"},
    {"Karadeniz Kereste", "Trabzon", "Gülşen Aksoy"},
    {"Lale Mimarlık", "Konya", "Ömer Güneş"},
    {"Marmara Zemin Sistemleri", "Kocaeli", "Seda Yılmaz"},
    {"Nehir Ev Tekstil", "Adana", "İsmail Koç"},
    {"Orman Ürünleri Pazarlama", "Kastamonu", "Derya Şimşek"},
    {"Park Residence Yönetimi", "İstanbul", "Tuncay Erdem"},
};

const Firm kSuppliers[] = {
    {"Anadolu Orman Ürünleri", "Bolu", "Kemal Yurt"},
    {"Baltık Timber Export", "Riga", "Janis Ozols"},
    {"Çınar Tutkal Kimya", "İstanbul", "Nur Altun"},
    {"Deniz Nakliyat", "İzmir", "Oğuz Tekin"},
    {"Emre Hırdavat", "Ankara", "Emre Uçar"},
    {"Fagus Holz GmbH", "Köln", "Klaus Weber"},
    {"Güney Vernik Boya", "Gaziantep", "Hatice Polat"},
    {"Hanse Parkett AG", "Hamburg", "Jens Möller"},
    {"İpek Ambalaj", "Bursa", "Sibel Kurt"},
    {"Kuzey Enerji Dağıtım", "Samsun", "Rıza Karaca"},
};

}  // namespace

int demo(const Options& o, Io io) {
  o.allowOnly({"size", "seed"});
  const QString size = o.value(QStringLiteral("size"), QStringLiteral("small"));
  if (size != QLatin1String("small") && size != QLatin1String("large")) {
    throw UsageError(QStringLiteral("--size small ya da large olmalı."));
  }
  const quint32 seed = static_cast<quint32>(o.whole(QStringLiteral("seed")).value_or(1));
  const ConnectionSettings settings = o.connection(QStringLiteral("tlvkd202601"));
  NewPeriod p;
  p.databaseName = settings.database;
  p.companyName = QStringLiteral("Demo Parke ve Kereste Tic. Ltd. Şti.");
  p.openingDate = QDate(2026, 1, 1);
  {
    ConnectionSettings server = settings;
    server.database.clear();
    Connection connection(server);
    connectOrFail(connection);
    createPeriodDatabase(connection, p);
  }

  const auto dm = openSession(settings);
  DemoPoster poster(*dm);
  QRandomGenerator random(seed);
  auto amount = [&](int low, int high) { return random.bounded(low * 100, high * 100) / 100.0; };

  poster.post("company", {{"ADRES1", "Organize Sanayi Bölgesi 4. Cadde No: 12"},
                          {"SEHIR", "İzmir"},
                          {"POSTA", "35620"},
                          {"ULKE", "Türkiye"},
                          {"VERGIDA", "Çiğli"},
                          {"VERGINO", "1234567890"},
                          {"TELEFON1", "0232 555 10 20"},
                          {"FAX", "0232 555 10 21"},
                          {"EMAIL", "muhasebe@demoparke.com.tr"},
                          {"KSTUT", 2},
                          {"KSMK", 3}});

  struct Ledger {
    const char* code;
    const char* name;
    const char* currency;
    const char* karton;
  };
  const Ledger ledgers[] = {
      {"100.01", "Merkez Kasa", "YTL", "KASA"},
      {"100.02", "Döviz Kasası Dolar", "USD", "KASA"},
      {"100.03", "Döviz Kasası Avro", "EUR", "KASA"},
      {"102.01", "Ziraat Bankası Vadesiz TL", "YTL", "BANKA"},
      {"102.02", "Garanti Bankası Dolar", "USD", "BANKA"},
      {"102.03", "İş Bankası Avro", "EUR", "BANKA"},
      {"101.01", "Alınan Çekler", "YTL", "CEK"},
      {"103.01", "Verilen Çekler", "YTL", "CEK"},
      {"153.01", "Ticari Mallar", "YTL", "STOK"},
      {"600.01", "Yurt İçi Satışlar", "YTL", "GELIR"},
      {"601.01", "Yurt Dışı Satışlar", "EUR", "GELIR"},
      {"770.01", "Genel Yönetim Giderleri", "YTL", "GIDER"},
      {"780.01", "Finansman Giderleri", "YTL", "GIDER"},
      {"646.01", "Kambiyo Karları", "YTL", "GELIR"},
      {"656.01", "Kambiyo Zararları", "YTL", "GIDER"},
  };
  for (const Ledger& l : ledgers) {
    poster.post("account", {{"HESAPKOD", l.code},
                            {"TANIM", QString::fromUtf8(l.name)},
                            {"TIP", l.currency},
                            {"KARTON", l.karton},
                            {"MHSBKODU", QString::fromLatin1(l.code).left(3)}});
  }
  const int rounds = size == QLatin1String("large") ? 10 : 1;
  const char* currencies[] = {"YTL", "YTL", "YTL", "USD", "EUR"};
  auto firms = [&](const Firm* list, int n, const char* prefix, const char* karton, bool customer) {
    for (int round = 0; round < rounds; ++round) {
      for (int i = 0; i < n; ++i) {
        const int number = round * n + i + 1;
        const QString code =
            QStringLiteral("%1.%2").arg(QLatin1String(prefix)).arg(number, 3, 10, QChar('0'));
        const QString name = QString::fromUtf8(list[i].name) +
                             (round ? QStringLiteral(" %1").arg(round + 1) : QString());
        const QString currency = QLatin1String(currencies[(i + round) % 5]);
        poster.post("account", {{"HESAPKOD", code},
                                {"TANIM", name},
                                {"TIP", currency},
                                {"KARTON", karton},
                                {"MHSBKODU", QLatin1String(prefix)},
                                {"LIMITB", customer ? 250000.0 : 0.0},
                                {"LIMITA", customer ? 0.0 : 500000.0}});
        poster.post(
            "address",
            {{"KARTON", code},
             {"ADI", name},
             {"ADRES1", QStringLiteral("%1. Sokak No: %2").arg(i + 3).arg(number * 7 % 90 + 1)},
             {"SEHIR", QString::fromUtf8(list[i].city)},
             {"ULKE", currency == QLatin1String("YTL") ? QStringLiteral("Türkiye") : QString()},
             {"TELEFON",
              QStringLiteral("0%1 %2 %3").arg(212 + i * 10).arg(300 + number).arg(4000 + i * 37)},
             {"YETKILI", QString::fromUtf8(list[i].person)},
             {"VERGINO", QStringLiteral("%1").arg(3000000000LL + number * 7919LL)}});
        if (random.bounded(4) != 0) {
          poster.post("opening",
                      {{"FIRMAKOD", code}, {customer ? "BORC" : "ALACAK", amount(1000, 90000)}});
        }
      }
    }
  };
  firms(kCustomers, std::size(kCustomers), "120", "MUS", true);
  firms(kSuppliers, std::size(kSuppliers), "320", "SAT", false);
  poster.post("opening", {{"FIRMAKOD", "100.01"}, {"BORC", 48250.75}});
  poster.post("opening", {{"FIRMAKOD", "102.01"}, {"BORC", 315400.0}});
  poster.post("opening", {{"FIRMAKOD", "102.02"}, {"BORC", 21800.0}});
  poster.post("opening", {{"FIRMAKOD", "102.03"}, {"BORC", 12950.0}});

  // A month of daily rates, drifting as rates do.
  double usd = 35.20, eur = 36.55, gbp = 44.10;
  for (QDate d(2026, 1, 1); d <= QDate(2026, 1, 31); d = d.addDays(1)) {
    for (auto [code, rate] :
         {std::pair{"USD", &usd}, std::pair{"EUR", &eur}, std::pair{"GBP", &gbp}}) {
      *rate *= 1.0 + (random.bounded(100) - 40) / 20000.0;
      const double sell = std::round(*rate * 10000) / 10000;
      const double buy = std::round(sell * 0.996 * 10000) / 10000;
      poster.post("rate", {{"Tarih", d.toString(Qt::ISODate)},
                           {"Doviz", code},
                           {"MerkezAl", buy},
                           {"MerkezSat", sell},
                           {"SerbestAl", std::round(buy * 1.002 * 10000) / 10000},
                           {"SerbestSat", std::round(sell * 1.003 * 10000) / 10000},
                           {"BankaAl", std::round(buy * 0.998 * 10000) / 10000},
                           {"BankaSat", std::round(sell * 1.006 * 10000) / 10000}});
    }
  }
  // A few hundred vouchers of the four kinds across the accounts, in the month that has rates.
  QStringList codes;
  for (const Ledger& l : ledgers) codes << QLatin1String(l.code);
  for (int round = 0; round < rounds; ++round) {
    for (int i = 0; i < int(std::size(kCustomers)); ++i) {
      codes << QStringLiteral("120.%1").arg(round * std::size(kCustomers) + i + 1, 3, 10,
                                            QChar('0'));
    }
    for (int i = 0; i < int(std::size(kSuppliers)); ++i) {
      codes << QStringLiteral("320.%1").arg(round * std::size(kSuppliers) + i + 1, 3, 10,
                                            QChar('0'));
    }
  }
  const char* kinds[] = {"K", "L", "M", "N"};
  const char* notes[] = {"Tahsilat", "Ödeme", "Virman", "Kur farkı", "Çek tahsili", "Avans"};
  const int vouchers = 300 * rounds;
  for (int i = 0; i < vouchers; ++i) {
    const QString debit = codes[random.bounded(int(codes.size()))];
    QString credit = codes[random.bounded(int(codes.size()))];
    if (credit == debit) credit = codes[(codes.indexOf(debit) + 1) % codes.size()];
    const QDate date(2026, 1, 1 + random.bounded(31));
    QJsonObject v{{"ETarih", date.toString(Qt::ISODate)},
                  {"VTarih", date.addDays(random.bounded(3) * 15).toString(Qt::ISODate)},
                  {"ComETip", kinds[random.bounded(4)]},
                  {"BorKod", debit},
                  {"AlKod", credit},
                  {"BRTut", amount(100, 25000)},
                  {"MakIzahat", QJsonArray{QString::fromUtf8(notes[random.bounded(6)]),
                                           QStringLiteral("Demo dekont %1").arg(i + 1)}}};
    if (random.bounded(5) == 0) v.insert("EdOnay", "X");
    poster.post("voucher", v);
  }
  io.out << "demo " << p.databaseName << " (" << poster.count() << " kayıt)\n";
  return Done;
}

}  // namespace tolvek::cli
