// The workstation settings and how the session takes them.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/TDM.h"
#include "data/SettingsStore.h"

using namespace tolvek;

namespace {
struct TempSettings {
  QTemporaryDir dir;
  QString path = dir.filePath("tolvekprg.conf");
  void put(const QString& name, const QString& value) {
    QSettings s(path, QSettings::IniFormat);
    s.setValue(name, value);
  }
};
}  // namespace

TEST(Settings, FirstStartTakesTheBuiltInDefaults) {
  TempSettings t;
  const auto r = SettingsStore(t.path).read();
  EXPECT_EQ(r.values.dbAddress, "127.0.0.1");
  EXPECT_EQ(r.values.dbUser, "tolvek");
  EXPECT_EQ(r.values.dbPassword, "tolvek");
  EXPECT_EQ(r.values.port, 3306);
  EXPECT_EQ(r.values.userName, "");
  EXPECT_EQ(r.values.userPeriod, "");
  EXPECT_EQ(r.values.userCode, "");
  EXPECT_TRUE(r.warning.isEmpty());
}

TEST(Settings, PortFromDbTipi) {
  struct Case {
    const char* stored;
    int port;
    bool warned;
  };
  for (const Case& c :
       {Case{"", 3306, false}, Case{"3307", 3307, false}, Case{"abc", 3306, true}}) {
    TempSettings t;
    t.put("DBTipi", c.stored);
    const auto r = SettingsStore(t.path).read();
    EXPECT_EQ(r.values.port, c.port) << c.stored;
    EXPECT_EQ(!r.warning.isEmpty(), c.warned) << c.stored;
  }
}

TEST(Settings, WrittenValuesReadBackUnderTheirNamesAndOnlyTheOwnerMayReadThem) {
  TempSettings t;
  SettingsStore store(t.path);
  WorkstationSettings v{"muhasebe", "gizli şifre", "10.0.0.5", 3310, "AYŞE", "2026", "01"};
  EXPECT_EQ(store.write(v), "");
  QSettings raw(t.path, QSettings::IniFormat);
  EXPECT_EQ(raw.value("DBYetkili").toString(), "muhasebe");
  EXPECT_EQ(raw.value("DBTipi").toString(), "3310");
  EXPECT_EQ(raw.value("UserKodu").toString(), "01");
  const auto r = store.read();
  EXPECT_EQ(r.values.dbPassword, "gizli şifre");
  EXPECT_EQ(r.values.userName, "AYŞE");
  EXPECT_EQ(r.values.port, 3310);
  EXPECT_EQ(QFile::permissions(t.path) & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST(Settings, TheSessionSaysOnceThatAPortWasNotANumber) {
  TempSettings t;
  t.put("DBTipi", "x1");
  t.put("UserDonem", "2026");
  TDM dm{SettingsStore(t.path)};
  EXPECT_FALSE(dm.readSettings().isEmpty());
  EXPECT_EQ(dm.port, 3306);
  EXPECT_EQ(dm.lastPeriod, "2026");
  EXPECT_TRUE(dm.readSettings().isEmpty());
}
