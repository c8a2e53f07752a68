#include "app/App.h"

#include <gtest/gtest.h>

namespace {

struct ConvertCase {
  const char* text;
  int mode;
  const char* expected;
};

// Mode 1 shows stored dates, mode 2 is the import's; only an exact
// "YYYY-MM-DD" (mode below 2) or "DD.MM.YYYY" (mode other than 1) naming a
// real day is converted, every other text comes back as it is.
const ConvertCase kConvertCases[] = {
    {"", 0, ""},
    {"", 1, ""},
    {"", 2, ""},
    {"ja", 1, "ja"},
    {"ok", 2, "ok"},
    {"2012-03-05", 1, "05.03.2012"},
    {"2012-03-05", 0, "05.03.2012"},
    {"2012-03-05", 2, "2012-03-05"},
    {"0012-03-05", 1, "05.03.0012"},
    {"05.03.2012", 2, "2012-03-05"},
    {"05.03.2012", 1, "05.03.2012"},
    {"05.03.2012", 0, "2012-03-05"},
    {"31.12.1999", 3, "1999-12-31"},
    // Texts that merely contain a hyphen or a full stop are not dates.
    {"1.12.2012", 2, "1.12.2012"},
    {"24.12.2008 (ca.)", 2, "24.12.2008 (ca.)"},
    {"05.03.12", 2, "05.03.12"},
    {"2012-3-5", 1, "2012-3-5"},
    {"Take 1-3", 1, "Take 1-3"},
    {"2012-02-30", 1, "2012-02-30"},
    {"31.02.2012", 2, "31.02.2012"},
    {"2012-13-01", 1, "2012-13-01"},
    // A text with both signs is read as a stored date below mode 2.
    {"2012-03-05.", 0, "2012-03-05."},
    {"05.03.2012-", 2, "05.03.2012-"},
};

TEST(ConvertDate, ConvertsExactDatesOnly) {
  for (const ConvertCase& c : kConvertCases) {
    EXPECT_EQ(App::ConvertDate(QString::fromUtf8(c.text), c.mode), QString::fromUtf8(c.expected))
        << "text '" << c.text << "' mode " << c.mode;
  }
}

TEST(ConvertDate, ShownDateGoesBackToTheStoredForm) {
  for (const char* stored : {"2000-01-01", "1999-12-31", "2024-02-29", "2026-12-10"}) {
    const QString shown = App::ConvertDate(QString::fromUtf8(stored), 1);
    EXPECT_EQ(App::ConvertDate(shown, 2), QString::fromUtf8(stored));
  }
}

TEST(EscapeSQLData, DoublesEverySingleQuote) {
  const std::pair<const char*, const char*> cases[] = {{"", ""},
                                                       {"abc", "abc"},
                                                       {"Rock'n'Roll", "Rock''n''Roll"},
                                                       {"'''", "''''''"},
                                                       {"\"quoted\"", "\"quoted\""}};
  for (const auto& [in, out] : cases)
    EXPECT_EQ(App::EscapeSQLData(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

}  // namespace
