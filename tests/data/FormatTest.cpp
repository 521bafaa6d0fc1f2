// Number and date forms of every screen and report, in the Turkish locale.
#include <gtest/gtest.h>

#include "data/Errors.h"
#include "data/Format.h"
#include "data/TurkishText.h"

using namespace tolvek;

TEST(Format, DisplayPatterns) {
  struct Case {
    const char* pattern;
    double value;
    const char* shown;
  };
  const Case cases[] = {
      {"###,###,##0.00", 1234567.891, "1.234.567,89"},
      {"###,###,##0.00", 0, "0,00"},
      {"###,###,##0.00", -1234.5, "-1.234,50"},
      {"###,###,##0.00", 2.675, "2,68"},  // half away from zero on the decimal digits
      {"###,###,##0.00", 1.005, "1,01"},
      {"###,###,##0.00", -2.675, "-2,68"},
      {"###,###,##0.00", 999.995, "1.000,00"},  // the carry runs into the grouping
      {"###,###,##0.00", -0.001, "0,00"},       // no minus on a zero
      {"###,###,###,##0.000", 12.3456, "12,346"},
      {"###,###,###,###,###,###,##0.0000", 38.5, "38,5000"},
      {"###,###,###,###,###,###,##0", 1234567, "1.234.567"},
      {"##0", 1234.4, "1234"},
      {"##0", 0.4, "0"},
      {"###,###,###,###", 0, ""},  // '#' only: zero shows empty
      {"###,###,###,###", 0.4, ""},
      {"###,###,###,###", 117, "117"},
      {"###,###,###,###", 1234567, "1.234.567"},
      {"###,###,###,###", -5, "-5"},
      {"0.00", 1e15, "1000000000000000,00"},
      {"#,##0.##", 1.5, "1,5"},
      {"#,##0.##", 2, "2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fmt::pattern(c.value, c.pattern), QString::fromUtf8(c.shown))
        << c.pattern << " " << c.value;
  }
}

TEST(Format, NumberWithPrecisionAndDecimals) {
  EXPECT_EQ(fmt::number(1234567.891, 15, 2), "1.234.567,89");
  EXPECT_EQ(fmt::number(0, 18, 2), "0,00");
  EXPECT_EQ(fmt::number(-1500, 15, 2), "-1.500,00");
  EXPECT_EQ(fmt::number(38.56789, 4, 4), "38,5700");  // 4 significant digits, 4 decimals
  EXPECT_EQ(fmt::number(12.3456, 10, 3), "12,346");
  EXPECT_EQ(fmt::number(123456789, 8, 0), "123.456.789");  // a whole part is never cut
  EXPECT_EQ(fmt::number(0.125, 15, 2), "0,13");
}

TEST(Format, ShortestGeneralForm) {
  EXPECT_EQ(fmt::general(38.5), "38,5");
  EXPECT_EQ(fmt::general(100), "100");
  EXPECT_EQ(fmt::general(0), "0");
  EXPECT_EQ(fmt::general(-0.25), "-0,25");
  EXPECT_EQ(fmt::general(0.1 + 0.2), "0,3");
  EXPECT_EQ(fmt::general(1.0 / 3), "0,333333333333333");
  EXPECT_EQ(fmt::general(1e20), "1E20");
  EXPECT_EQ(fmt::generalPoint(38.5), "38.5");
  EXPECT_EQ(fmt::fixedPoint(25.974, 2), "25.97");
  EXPECT_EQ(fmt::fixedPoint(-3, 2), "-3.00");
}

TEST(Format, RoundingToStoredDecimals) {
  EXPECT_DOUBLE_EQ(fmt::roundTo(25.974025974, 2), 25.97);
  EXPECT_DOUBLE_EQ(fmt::roundTo(38.123456, 4), 38.1235);
  EXPECT_DOUBLE_EQ(fmt::roundTo(2.675, 2), 2.68);
  EXPECT_DOUBLE_EQ(fmt::roundTo(-2.675, 2), -2.68);
  EXPECT_DOUBLE_EQ(fmt::roundTo(0.004, 2), 0.0);
}

TEST(Format, DatesInTheShortForm) {
  EXPECT_EQ(fmt::shortDate(QDate(2026, 1, 5)), "05.01.2026");
  EXPECT_EQ(fmt::shortDate(QDate()), "");
  EXPECT_EQ(fmt::shortDateTime(QDateTime(QDate(2026, 1, 5), QTime(0, 0))), "05.01.2026");
  EXPECT_EQ(fmt::shortDateTime(QDateTime(QDate(2026, 1, 5), QTime(9, 30))), "05.01.2026 09:30:00");
  EXPECT_EQ(fmt::parseShortDate("5.1.2026"), QDate(2026, 1, 5));
  EXPECT_EQ(fmt::parseShortDate(" 31.12.26 "), QDate(2026, 12, 31));
  EXPECT_EQ(fmt::parseShortDate("01/02/1999"), QDate(1999, 2, 1));
  for (const char* bad : {"", "31.02.2026", "2026-01-05", "bugün"}) {
    EXPECT_THROW(fmt::parseShortDate(QString::fromUtf8(bad)), ConversionError) << bad;
  }
}

TEST(Format, TurkishNumbersAreRead) {
  EXPECT_DOUBLE_EQ(fmt::parseNumber("38,5"), 38.5);
  EXPECT_DOUBLE_EQ(fmt::parseNumber("1.234,56"), 1234.56);
  EXPECT_DOUBLE_EQ(fmt::parseNumber("-5"), -5);
  EXPECT_EQ(fmt::parseWhole("117"), 117);
  EXPECT_EQ(fmt::parseWhole("-5"), -5);
  for (const char* bad : {"", "abc", "12a", "1,2,3"}) {
    EXPECT_THROW(fmt::parseNumber(bad), ConversionError) << bad;
  }
}

TEST(TurkishText, CodesUpperCaseByTheTurkishRules) {
  EXPECT_EQ(turkishCodeUpper("istanbul"), "İSTANBUL");
  EXPECT_EQ(turkishCodeUpper("ıspanak çöğüş qwx"), "ıSPANAK ÇÖĞÜŞ QWX");
  EXPECT_EQ(codeInput("120,01a"), "120.01A");
  EXPECT_EQ(codeInput("ABC-1"), "ABC-1");
}

TEST(TurkishText, CodesCompareInCodePageByteOrder) {
  // In ISO-8859-9 Ğ (0xD0) sorts before Ü (0xDC), and İ (0xDD) after it; UTF-16 order differs.
  EXPECT_LT(latin5::compare("Ğ", "Ü"), 0);
  EXPECT_GT(latin5::compare("İ", "Ü"), 0);
  EXPECT_LT(latin5::compare("A1", "B"), 0);
  EXPECT_GT(latin5::compare("C2", "B"), 0);
  EXPECT_EQ(latin5::compare("120", "120"), 0);
  EXPECT_LT(latin5::compare("12", "120"), 0);
  EXPECT_EQ(latin5::encode("ĞŞİğşı"), QByteArray("\xD0\xDE\xDD\xF0\xFE\xFD"));
  EXPECT_EQ(latin5::decode(QByteArray("\xD0\xDE\xDD\xF0\xFE\xFD")), "ĞŞİğşı");
}
