// SearchCondition without a window: for each set of criteria, the exact
// condition and the recordings it keeps in a catalogue of six chosen so that
// every kind of term keeps a different set.

#include "SearchFixture.h"

#include "search/SearchCondition.h"

#include <QChar>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

using klangbuch_test::SearchFixture;

namespace {

class SearchConditionFixture : public SearchFixture {
 protected:
  // The IDs the condition keeps, ascending, as the list's query reads them.
  std::vector<int> Kept(const QString& condition) {
    QString sql = QStringLiteral("SELECT ID FROM Aufnahmen");
    if (!condition.isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
    std::vector<int> ids;
    for (const QStringList& row : Rows(sql)) ids.push_back(row[0].toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
  }
};

struct Case {
  const char* name;
  SearchFixture::Controls in;
  const char* condition;
  std::vector<int> ids;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const std::vector<int> kAll = {1, 2, 3, 4, 5, 6};

// clang-format off
const Case kCases[] = {
    // The text term: upper-cased, then quotes doubled; the column wrapped in upper().
    {"contains", {.text = "nacht"}, "upper(Titel) LIKE '%NACHT%'", {1, 2, 3}},
    {"contains, capitals", {.text = "NACHT"}, "upper(Titel) LIKE '%NACHT%'", {1, 2, 3}},
    {"equals", {.text = "Nacht", .option = "ist genau"}, "upper(Titel) = 'NACHT'", {3}},
    {"begins with", {.text = "nacht", .option = "beginnt mit"}, "upper(Titel) LIKE 'NACHT%'", {1, 3}},
    {"ends with", {.text = "nacht", .option = "endet mit"}, "upper(Titel) LIKE '%NACHT'", {3}},
    {"quote in ProdNr", {.text = "ab'12", .by = "Prod.Nummer", .option = "ist genau"},
     "upper(ProdNr) = 'AB''12'", {1}},
    {"quote in Interpret", {.text = "O'Neil", .by = "Interpret", .option = "ist genau"},
     "upper(Interpret) = 'O''NEIL'", {5}},
    {"Redaktion", {.text = "wdr", .by = "Redaktion", .option = "ist genau"},
     "upper(Redaktion) = 'WDR'", {1, 3}},
    {"Ort", {.text = "studio", .by = "Ort", .option = "beginnt mit"}, "upper(Ort) LIKE 'STUDIO%'",
     {1, 3, 6}},
    {"Backup", {.text = "hd", .by = "Backup"}, "upper(Backup) LIKE '%HD%'", {1, 3}},
    // % and _ stay wildcards.
    {"underscore", {.text = "p_1", .by = "Prod.Nummer"}, "upper(ProdNr) LIKE '%P_1%'", {3, 4, 5}},
    {"percent", {.text = "%", .by = "Prod.Nummer", .option = "endet mit"},
     "upper(ProdNr) LIKE '%%'", kAll},
    // A text of blanks is not empty.
    {"a blank", {.text = " "}, "upper(Titel) LIKE '% %'", {1, 4, 6}},
    // Umlauts: the platform's and the engine's upper() fold alike.
    {"umlaut, equals", {.text = "müller", .by = "Interpret", .option = "ist genau"},
     "upper(Interpret) = 'MÜLLER'", {3}},
    {"umlaut, begins with", {.text = "ärger", .option = "beginnt mit"},
     "upper(Titel) LIKE 'ÄRGER%'", {4}},

    // The date term, padded by length; each operator.
    {"year, >=", {.date = "2010", .op = ">="}, "Datum >= '2010-01-01'", {2, 3, 4, 5}},
    {"year, >", {.date = "2010", .op = ">"}, "Datum > '2010-01-01'", {3, 4, 5}},
    {"year, =", {.date = "2010", .op = "="}, "Datum = '2010-01-01'", {2}},
    {"year, <", {.date = "2010", .op = "<"}, "Datum < '2010-01-01' AND NOT Datum LIKE ''", {1}},
    {"year, <=", {.date = "2010", .op = "<="}, "Datum <= '2010-01-01' AND NOT Datum LIKE ''",
     {1, 2}},
    {"M.YYYY", {.date = "3.2011", .op = "="}, "Datum = '2011-03-01'", {3}},
    {"MM.YYYY", {.date = "12.2009", .op = "="}, "Datum = '2009-12-01'", {1}},
    {"DD.MM.YYYY", {.date = "15.06.2012", .op = "="}, "Datum = '2012-06-15'", {4}},
    // Stored texts compare as texts: "ja" and "ok" after every date, a
    // date stored as typed by its first digit.
    {"Fertig after a year", {.date = "2011", .dateType = "Fertig", .op = ">"},
     "Fertig > '2011-01-01'", {1, 3, 4}},
    {"Schnitt up to a day", {.date = "15.06.2012", .dateType = "Schnitt", .op = "<="},
     "Schnitt <= '2012-06-15' AND NOT Schnitt LIKE ''", {1, 4}},
    {"BackupDat", {.date = "2010", .dateType = "BackupDat", .op = ">="},
     "BackupDat >= '2010-01-01'", {2, 4}},
    // Texts the padding does not turn into a date: no term, no message.
    {"three characters", {.date = "201", .op = "="}, "", kAll},
    {"five, a blank kept", {.date = "2010 ", .op = "="}, "", kAll},
    {"D.M.YYYY", {.date = "1.1.2010", .op = "="}, "", kAll},
    {"DD.MM.YY", {.date = "01.01.10", .op = "="}, "", kAll},
    {"nine", {.date = "1.12.2010", .op = "="}, "", kAll},
    {"eleven", {.date = "15.06.2012 ", .op = "="}, "", kAll},
    {"no such day", {.date = "32.01.2012", .op = "="}, "", kAll},
    {"no such month", {.date = "13.2009", .op = "="}, "", kAll},
    {"refused date, text kept", {.text = "stille", .date = "1.1.2010"},
     "upper(Titel) LIKE '%STILLE%'", {5}},

    // The flag terms, alone with their blank, after a term with AND.
    {"Surr", {.surr = true}, " Surr", {1, 3, 5, 6}},
    {"CD", {.cd = true}, " Format LIKE 'CD'", {1, 3, 4, 6}},
    {"nicht fertig", {.unfinished = true}, " Fertig LIKE ''", {2, 6}},
    {"Surr, nicht fertig", {.surr = true, .unfinished = true}, " Surr AND Fertig LIKE ''", {6}},
    {"all three", {.surr = true, .cd = true, .unfinished = true},
     " Surr AND Format LIKE 'CD' AND Fertig LIKE ''", {6}},
    {"text and Surr", {.text = "stille", .surr = true}, "upper(Titel) LIKE '%STILLE%' AND Surr", {5}},
    {"date and nicht fertig", {.date = "2010", .op = ">=", .unfinished = true},
     "Datum >= '2010-01-01' AND Fertig LIKE ''", {2}},

    // All three kinds, in their order.
    {"text and date", {.text = "chor", .by = "Interpret", .option = "endet mit", .date = "12.2009",
                       .op = "="},
     "upper(Interpret) LIKE '%CHOR' AND Datum = '2009-12-01'", {1}},
    {"text, date before, CD", {.text = "studio", .by = "Ort", .option = "beginnt mit",
                               .date = "3.2011", .dateType = "Fertig", .op = "<", .cd = true},
     "upper(Ort) LIKE 'STUDIO%' AND Fertig < '2011-03-01' AND NOT Fertig LIKE '' AND "
     "Format LIKE 'CD'", {1}},
    {"date up to, Surr", {.date = "15.06.2012", .dateType = "Schnitt", .op = "<=", .surr = true},
     "Schnitt <= '2012-06-15' AND NOT Schnitt LIKE '' AND Surr", {1}},
    {"nothing set", {}, "", kAll},

    // Only the program can leave a pop-up without an entry or the operator
    // label with another text: no term instead of broken SQL.
    {"no such operator", {.text = "stille", .date = "2010", .op = "<>"},
     "upper(Titel) LIKE '%STILLE%'", {5}},
    {"no column, no date column", {.text = "stille", .by = "", .date = "2010", .dateType = "",
                                   .surr = true}, " Surr", {1, 3, 5, 6}},
    {"no match", {.text = "stille", .option = "", .surr = true}, " Surr", {1, 3, 5, 6}},
};
// clang-format on

class SearchConditionOf : public SearchConditionFixture,
                          public ::testing::WithParamInterface<Case> {};

TEST_P(SearchConditionOf, TheCriteriaKeepTheseRecordings) {
  const Case& c = GetParam();
  const QString condition = SearchCondition(CriteriaOf(c.in));
  EXPECT_EQ(condition, QString::fromUtf8(c.condition));
  EXPECT_EQ(Kept(condition), c.ids);
}

INSTANTIATE_TEST_SUITE_P(Criteria, SearchConditionOf, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return std::to_string(info.index) + "_" + name;
                         });

// A U+0000 in the search text (pasted, say) would cut the statement short
// for the engine.
TEST_F(SearchConditionFixture, AZeroCharacterInTheTextIsSearchedForAsOne) {
  SearchCriteria c = CriteriaOf({.by = "Interpret", .option = "ist genau"});
  c.text = QStringLiteral("o'") + QChar(0) + QStringLiteral("x");
  const QString condition = SearchCondition(c);
  EXPECT_EQ(condition, QStringLiteral("upper(Interpret) = 'O''' || char(0) || 'X'"));
  EXPECT_EQ(Kept(condition), std::vector<int>());
  Exec("UPDATE Aufnahmen SET Interpret = 'o''' || char(0) || 'x' WHERE ID = 2");
  EXPECT_EQ(Kept(condition), std::vector<int>{2});
}

TEST(SearchDate, ReadsAYearAMonthOrADayAndNothingElse) {
  EXPECT_EQ(SearchDate("2011"), fw::Date(2011, 1, 1));
  EXPECT_EQ(SearchDate("3.2011"), fw::Date(2011, 3, 1));
  EXPECT_EQ(SearchDate("12.2011"), fw::Date(2011, 12, 1));
  EXPECT_EQ(SearchDate("15.06.2012"), fw::Date(2012, 6, 15));
  for (const char* text : {"", "2011 ", "13.2011", "1.1.2010", "32.01.2012", "ja"})
    EXPECT_FALSE(SearchDate(QString::fromUtf8(text)).has_value()) << text;
}

}  // namespace
