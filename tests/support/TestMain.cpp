// Every test program: an offscreen application (screens need one), the private server stopped at
// the end, the Turkish locale as the program sets it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "support/TestServer.h"

namespace {
class ServerEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { tolvek::test::TestServer::stop(); }
};
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new ServerEnvironment);
  return RUN_ALL_TESTS();
}
