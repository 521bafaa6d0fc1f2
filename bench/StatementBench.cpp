// How long the account panel takes for an account with many statement rows: the two total
// queries, the row query and the grid model, on the private test server.
//   build/bench/tolvek_bench [rows...]     (default 10000 50000)
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

#include "accounts/Statement.h"
#include "accounts/StatementModel.h"
#include "data/Connection.h"
#include "support/FreshDatabase.h"
#include "support/TestServer.h"

using namespace tolvek;

namespace {

void fill(Connection& c, int rows) {
  c.exec("DELETE FROM tlvkc");
  c.exec("DELETE FROM tlvkx");
  const int batch = 1000;
  for (int start = 0; start < rows; start += batch) {
    QString sql =
        "INSERT INTO tlvkc (FIRMAKOD, TARIH, T, EVRAK, HESKUR, DVZ, KUR, BORC, ALACAK, "
        "USER_ID, VALOR, OK, HESAP) VALUES ";
    QString notes = "INSERT INTO tlvkx (Evrak, Izahat, Izahat2) VALUES ";
    for (int i = start; i < std::min(rows, start + batch); ++i) {
      const QString date = QDate(2026, 1, 1).addDays(i % 330).toString(Qt::ISODate);
      sql += QString("%1('120.001','%2','M',%3,1,'YTL',1,%4,%5,'BENCH','%2','','100.01')")
                 .arg(i == start ? "" : ",", date)
                 .arg(i + 1)
                 .arg(i % 2 ? 0 : 100.25 + i)
                 .arg(i % 2 ? 75.5 + i : 0);
      notes += QString("%1(%2,'Açıklama %2','ikinci satır')").arg(i == start ? "" : ",").arg(i + 1);
    }
    c.exec(sql);
    c.exec(notes);
  }
  // Another account's rows, so that the index has to choose.
  c.exec(
      "INSERT INTO tlvkc (FIRMAKOD, TARIH, T, EVRAK, BORC) SELECT '100.01', TARIH, T, EVRAK, "
      "ALACAK FROM tlvkc WHERE FIRMAKOD = '120.001'");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QList<int> sizes;
  for (int i = 1; i < argc; ++i) sizes << QString(argv[i]).toInt();
  if (sizes.isEmpty()) sizes = {10000, 50000};
  QTextStream out(stdout);
  {
    test::FreshDatabase db;
    Connection& c = db.connection();
    const StatementQuery q{"120.001", QDate(2026, 1, 1), QDate(2026, 12, 31), false};
    for (int rows : sizes) {
      fill(c, rows);
      for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        const Totals before = statement::before(c, q);
        const Totals within = statement::within(c, q);
        const qint64 totals = t.elapsed();
        std::vector<StatementRow> r = statement::rows(c, q);
        const qint64 read = t.elapsed();
        StatementModel model;
        model.setRows(std::move(r));
        const qint64 all = t.elapsed();
        out << QString(
                   "rows %1 run %2: totals %3 ms, rows read %4 ms, shown %5 ms (%6 rows, "
                   "period debit %7)\n")
                   .arg(rows)
                   .arg(run + 1)
                   .arg(totals)
                   .arg(read - totals)
                   .arg(all)
                   .arg(model.rowCount())
                   .arg(static_cast<double>(within.debit + before.debit), 0, 'f', 2);
        out.flush();
      }
    }
  }
  test::TestServer::stop();
  return 0;
}
