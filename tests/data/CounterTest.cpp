// The shared document counter: one indivisible step per number, whatever the workstations do.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "data/Connection.h"
#include "data/DocumentCounter.h"
#include "support/FreshDatabase.h"

using namespace tolvek;

TEST(Counter, EmptyCounterStartsAtOneAndStoresItAtOnce) {
  test::FreshDatabase db;
  Connection& c = db.connection();
  EXPECT_EQ(lastNumber(c), 0);
  EXPECT_EQ(takeNextNumber(c), 1);
  EXPECT_EQ(c.scalar("SELECT COUNT(*) FROM tlvkq").toInt(), 1);
  EXPECT_EQ(takeNextNumber(c), 2);
  EXPECT_EQ(lastNumber(c), 2);
}

TEST(Counter, ContinuesFromTheStoredNumber) {
  test::FreshDatabase db;
  db.connection().exec("INSERT INTO tlvkq (SIRA) VALUES (116)");
  EXPECT_EQ(takeNextNumber(db.connection()), 117);
}

// Several workstations take numbers at the same moment, starting from an empty table so that the
// creation of the counter row is raced too.
TEST(Counter, ConcurrentWorkstationsGetDistinctNumbersAndNoneIsLost) {
  test::FreshDatabase db;
  constexpr int kWorkstations = 4;
  constexpr int kEach = 150;
  std::vector<std::vector<qint64>> taken(kWorkstations);
  std::vector<std::thread> threads;
  for (int w = 0; w < kWorkstations; ++w) {
    threads.emplace_back([&, w] {
      Connection c(db.settings());
      for (int i = 0; i < kEach; ++i) taken[w].push_back(takeNextNumber(c));
    });
  }
  for (auto& t : threads) t.join();

  std::vector<qint64> all;
  for (const auto& t : taken) {
    EXPECT_TRUE(std::is_sorted(t.begin(), t.end()));
    all.insert(all.end(), t.begin(), t.end());
  }
  std::sort(all.begin(), all.end());
  std::vector<qint64> expected(kWorkstations * kEach);
  std::iota(expected.begin(), expected.end(), 1);
  EXPECT_EQ(all, expected);
  EXPECT_EQ(lastNumber(db.connection()), kWorkstations * kEach);
  EXPECT_EQ(db.connection().scalar("SELECT COUNT(*) FROM tlvkq").toInt(), 1);
}
