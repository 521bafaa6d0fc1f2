// The grid models of the cards and of the statement, checked once for consistency.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "accounts/StatementModel.h"
#include "app/screens/TextTableModel.h"

using namespace tolvek;

TEST(Models, TextTableModelIsConsistent) {
  TextTableModel model({"Kod", "Ad"});
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.setRightAligned({1});
  model.setRows({{"100", "Kasa"}, {"120", "Müşteri"}});
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.index(1, 1).data().toString(), "Müşteri");
  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Kod");
  model.setRows({});
  EXPECT_EQ(model.rowCount(), 0);
}

TEST(Models, StatementModelShowsTheDisplayFormats) {
  StatementModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  StatementRow r;
  r.TARIH = QDateTime(QDate(2026, 1, 5), QTime(0, 0));
  r.EVRAK = 1234;
  r.T = "M";
  r.DVZ = "EUR";
  r.IZAHAT = "Avans";
  r.BORC = 1000.5;
  model.setRows({r});
  const QStringList shown = {model.index(0, 0).data().toString(), model.index(0, 1).data().toString(),
                             model.index(0, 5).data().toString(), model.index(0, 6).data().toString()};
  EXPECT_EQ(shown, (QStringList{"05.01.2026", "1.234", "1.000,50", "0,00"}));
  EXPECT_EQ(model.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "Borç");
}
