#include "framework/Date.h"
#include "framework/testsupport/TestRuntime.h"

#include <gtest/gtest.h>

#include <QDate>

namespace fw {
namespace {

TEST(DateTest, TextsHaveFixedShapes) {
  const Date d(2012, 3, 5);
  EXPECT_EQ(d.SQLDate(), "2012-03-05");
  EXPECT_EQ(d.AbbreviatedDate(), "05.03.2012");
  EXPECT_EQ(d.ShortDate(), "05.03.12");
  EXPECT_EQ(Date(12, 3, 5).SQLDate(), "0012-03-05");
  EXPECT_EQ(Date(1999, 12, 31).ShortDate(), "31.12.99");
  EXPECT_EQ(Date(2000, 1, 1).ShortDate(), "01.01.00");
}

Date FromQDate(const QDate& q) { return Date(q.year(), q.month(), q.day()); }

// Today fixed for one test, the clock again afterwards.
struct FixedToday {
  explicit FixedToday(const Date& today) { SetToday(today); }
  ~FixedToday() { SetToday(std::nullopt); }
};

TEST(DateTest, NewDateIsToday) {
  // The clock's, read on both sides, so midnight in between cannot fail it.
  const QDate before = QDate::currentDate();
  const Date d;
  const QDate after = QDate::currentDate();
  EXPECT_TRUE(d == FromQDate(before) || d == FromQDate(after)) << d.SQLDate().toStdString();

  const FixedToday fixed(Date(2031, 2, 28));
  EXPECT_EQ(Date(), Date(2031, 2, 28));
  EXPECT_EQ(Date::Now(), Date(2031, 2, 28));
}

// Each part set alone may name no real day (the 31st in a 30-day month, the
// 29th of February in a common year); the end result must still be right.
TEST(DateTest, SettingPartsInOrderGivesTheirDate) {
  struct Case {
    int startYear, startMonth, startDay, y, m, d;
  } cases[] = {
      {2012, 4, 30, 2012, 5, 31},  // from a 30-day month to the 31st
      {2012, 1, 31, 2012, 3, 31},  // via February
      {2012, 2, 29, 2011, 3, 1},   // a leap day left behind
      {2011, 1, 15, 2012, 2, 29}, {2012, 12, 31, 1999, 6, 30},
  };
  for (const Case& c : cases) {
    Date ymd(c.startYear, c.startMonth, c.startDay);
    ymd.SetYear(c.y);
    ymd.SetMonth(c.m);
    ymd.SetDay(c.d);
    Date dmy(c.startYear, c.startMonth, c.startDay);
    dmy.SetDay(c.d);
    dmy.SetMonth(c.m);
    dmy.SetYear(c.y);
    for (const Date& got : {ymd, dmy}) {
      EXPECT_EQ(got.Year(), c.y);
      EXPECT_EQ(got.Month(), c.m);
      EXPECT_EQ(got.Day(), c.d);
      EXPECT_TRUE(got.IsValid());
    }
  }
}

TEST(DateTest, PartsNamingNoDayStillGiveText) {
  Date d(2012, 1, 1);
  d.SetMonth(13);
  d.SetDay(0);
  EXPECT_FALSE(d.IsValid());
  EXPECT_EQ(d.SQLDate(), "2012-13-00");
  EXPECT_FALSE(Date(2011, 2, 29).IsValid());
  EXPECT_TRUE(Date(2000, 2, 29).IsValid());
  EXPECT_FALSE(Date(1900, 2, 29).IsValid());
}

TEST(DateTest, ParseDateAccepts) {
  const FixedToday fixed(Date(2026, 12, 31));
  struct Case {
    String text;
    Date want;
  } cases[] = {
      {"05.03.2012", Date(2012, 3, 5)},
      {"5.3.2012", Date(2012, 3, 5)},
      {"5.03.12", Date(2012, 3, 5)},
      {"29.02.2012", Date(2012, 2, 29)},
      {"31.12.1999", Date(1999, 12, 31)},
      {"01.01.00", Date(2000, 1, 1)},
      {"1.1.0012", Date(12, 1, 1)},
      {"1.1.26", Date(2026, 1, 1)},  // this year's two digits: 20yy
      {"1.1.27", Date(1927, 1, 1)},  // the first ones still ahead: 19yy
  };
  for (const Case& c : cases) {
    Date d(1970, 1, 1);
    EXPECT_TRUE(ParseDate(c.text, d)) << c.text.toStdString();
    EXPECT_EQ(d, c.want) << c.text.toStdString();
  }
}

TEST(DateTest, ParseDateRefusesAndLeavesDateAlone) {
  const char* texts[] = {"",           " ",          "ja",          "ok",         "31.02.2012",
                         "29.02.2011", "32.01.2012", "00.01.2012",  "01.13.2012", "01.00.2012",
                         "1.1.123",    "1.1.20121",  "001.1.2012",  "1.1.",       "1-1-2012",
                         "2012-03-05", " 1.1.2012",  "1.1.2012 ",   "1.1.2012x",  "1.1.0000",
                         "1..2012",    "a.b.cd",     "1.1.12 (ca.)"};
  for (const char* text : texts) {
    Date d(1970, 6, 15);
    EXPECT_FALSE(ParseDate(String::fromUtf8(text), d)) << text;
    EXPECT_EQ(d, Date(1970, 6, 15)) << text;
  }
}

TEST(DateTest, AbbreviatedDateParsesBack) {
  // Every day around the present, a sample of the rest.
  for (QDate q(1, 1, 1); q.year() <= 9999;
       q = q.addDays(q.year() >= 1890 && q.year() <= 2110 ? 1 : 97)) {
    const Date d(q.year(), q.month(), q.day());
    Date back(1970, 1, 1);
    ASSERT_TRUE(ParseDate(d.AbbreviatedDate(), back)) << d.AbbreviatedDate().toStdString();
    ASSERT_EQ(back, d) << d.AbbreviatedDate().toStdString();
  }
}

TEST(DateTest, TwoDigitYearWindow) {
  struct Case {
    int yy, current, want;
  } cases[] = {
      {0, 2025, 2000}, {25, 2025, 2025}, {26, 2025, 1926}, {99, 2025, 1999}, {0, 2000, 2000},
      {1, 2000, 1901}, {99, 2099, 2099}, {5, 2105, 2105},  {6, 2105, 2006},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExpandTwoDigitYear(c.yy, c.current), c.want) << c.yy << " in " << c.current;
}

}  // namespace
}  // namespace fw
