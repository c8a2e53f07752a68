// Queries and statements: the error flag, one statement per call, and values
// as they are stored and read back.
#include "framework/db/RecordingsFixture.h"

#include "framework/Runtime.h"

namespace fw::test {
namespace {

TEST_F(RecordingsTest, AnErrorIsClearedByTheNextGoodQuery) {
  EXPECT_EQ(db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen WHERE Titl = 'x'")), nullptr);
  EXPECT_TRUE(db_.Error());
  EXPECT_EQ(db_.ErrorCode(), 1);
  EXPECT_EQ(db_.ErrorMessage(), QStringLiteral("no such column: Titl"));

  EXPECT_NE(db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen")), nullptr);
  EXPECT_FALSE(db_.Error());
  EXPECT_EQ(db_.ErrorCode(), 0);
  EXPECT_EQ(db_.ErrorMessage(), String());

  db_.SQLExecute(QStringLiteral("DELETE FROM Nirgends"));
  EXPECT_TRUE(db_.Error());
  db_.SQLExecute(QStringLiteral("DELETE FROM Aufnahmen"));
  EXPECT_FALSE(db_.Error());
}

TEST_F(RecordingsTest, AnEmptyResultIsARecordSetAtEOF) {
  auto rows = db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen"));
  ASSERT_NE(rows, nullptr);
  EXPECT_TRUE(rows->IsEOF());
  EXPECT_EQ(rows->FieldCount(), 17);
  EXPECT_EQ(rows->IdxField(17).Name(), QStringLiteral("ID"));
  EXPECT_EQ(rows->Field(QStringLiteral("titel")).StringValue(), String());
}

TEST_F(RecordingsTest, RowsComeInOrderWithFieldsByNameAnyCaseAndByPosition) {
  insert({{"Titel", QStringLiteral("Eins")}, {"Ort", QStringLiteral("Köln")}});
  insert({{"Titel", QStringLiteral("Zwei")}});
  auto rows = db_.SQLSelect(QStringLiteral("SELECT ID, Titel, Ort FROM Aufnahmen ORDER BY ID"));
  ASSERT_NE(rows, nullptr);
  ASSERT_FALSE(rows->IsEOF());
  EXPECT_EQ(rows->Field(QStringLiteral("TITEL")).StringValue(), QStringLiteral("Eins"));
  EXPECT_EQ(rows->IdxField(3).StringValue(), QStringLiteral("Köln"));
  EXPECT_EQ(rows->IdxField(1).StringValue(), QStringLiteral("1"));
  rows->MoveNext();
  ASSERT_FALSE(rows->IsEOF());
  EXPECT_EQ(rows->Field(QStringLiteral("titel")).StringValue(), QStringLiteral("Zwei"));
  EXPECT_EQ(rows->Field(QStringLiteral("Ort")).StringValue(), String());
  rows->MoveNext();
  EXPECT_TRUE(rows->IsEOF());
  EXPECT_THROW(rows->Field(QStringLiteral("Titelx")), NilObjectException);
  EXPECT_THROW(rows->IdxField(0), NilObjectException);
  EXPECT_THROW(rows->IdxField(4), NilObjectException);
}

struct StatementCase {
  const char* text;
  bool runs;
};

class OneStatementTest : public RecordingsTest,
                         public ::testing::WithParamInterface<StatementCase> {};

// The expert search splices typed text after WHERE: whatever follows the
// first statement must never run.
TEST_P(OneStatementTest, OnlyBlanksSemicolonsAndCommentsMayFollow) {
  insert({{"Titel", QStringLiteral("bleibt")}});
  const String condition = String::fromUtf8(GetParam().text);

  auto rows = db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen WHERE ") + condition);
  EXPECT_EQ(rows != nullptr, GetParam().runs);
  EXPECT_EQ(db_.Error(), !GetParam().runs);
  if (!GetParam().runs) {
    EXPECT_EQ(db_.ErrorMessage(),
              QStringLiteral("only one SQL statement can be run at a time; nothing was run"));
  }
  db_.SQLExecute(QStringLiteral("UPDATE Aufnahmen SET Ort = 'hier' WHERE ") + condition);
  EXPECT_EQ(db_.Error(), !GetParam().runs);

  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen")), QStringLiteral("bleibt"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Ort FROM Aufnahmen")),
            GetParam().runs ? QStringLiteral("hier") : String());
}

INSTANTIATE_TEST_SUITE_P(
    Tails, OneStatementTest,
    ::testing::Values(StatementCase{"1", true}, StatementCase{"1;", true},
                      StatementCase{"1 ; ;\n\t ", true}, StatementCase{"1; -- the end", true},
                      StatementCase{"1 /* a; DELETE FROM Aufnahmen */ ;", true},
                      StatementCase{"1; /* unclosed", true},
                      StatementCase{"1; DELETE FROM Aufnahmen", false},
                      StatementCase{"1;DELETE FROM Aufnahmen;", false},
                      StatementCase{"1; -- note\nDROP TABLE Aufnahmen", false},
                      StatementCase{"1; /* note */ DELETE FROM Aufnahmen", false},
                      StatementCase{"1; x", false}));

TEST_F(RecordingsTest, AwkwardTextsRoundTripThroughInsert) {
  for (const char* text : kAwkwardTexts) {
    const String value = String::fromUtf8(text);
    const String id = insert({{"Titel", value}, {"Bemerkung", value}});
    auto rows = db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen WHERE ID = '") + id +
                              QLatin1Char('\''));
    ASSERT_NE(rows, nullptr);
    ASSERT_FALSE(rows->IsEOF());
    EXPECT_EQ(rows->Field(QStringLiteral("Titel")).StringValue(), value);
    EXPECT_EQ(rows->Field(QStringLiteral("Bemerkung")).StringValue(), value);
  }
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Aufnahmen")),
            String::number(kAwkwardTexts.size()));
}

TEST_F(RecordingsTest, AnEmptyColumnIsStoredAsEmptyTextAndAnUnsetOneAsNull) {
  insert({{"Titel", String()}, {"Ort", QStringLiteral("")}});
  EXPECT_EQ(scalar(QStringLiteral("SELECT typeof(Titel) || typeof(Ort) || typeof(Interpret) "
                                  "FROM Aufnahmen")),
            QStringLiteral("texttextnull"));
  auto rows = db_.SQLSelect(QStringLiteral("SELECT Titel, Interpret FROM Aufnahmen"));
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->IdxField(1).StringValue(), String());
  EXPECT_EQ(rows->IdxField(2).StringValue(), String());
  EXPECT_FALSE(rows->IdxField(2).BooleanValue());
}

TEST_F(RecordingsTest, BooleansRoundTripAndServeAsConditions) {
  const auto insertFlags = [this](bool belegCD, bool surr, const char* title) {
    DatabaseRecord record;
    record.Column(QStringLiteral("Titel"), String::fromUtf8(title));
    record.BooleanColumn(QStringLiteral("BelegCD"), belegCD);
    record.BooleanColumn(QStringLiteral("Surr"), surr);
    db_.InsertRecord(QStringLiteral("Aufnahmen"), record);
    ASSERT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
  };
  insertFlags(true, false, "Stereo");
  insertFlags(false, true, "Surround");
  insert({{"Titel", QStringLiteral("ohne")}});

  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen WHERE Surr")),
            QStringLiteral("Surround"));
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen WHERE BelegCD")),
            QStringLiteral("Stereo"));
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen WHERE NOT Surr")),
            QStringLiteral("Stereo"));
  EXPECT_EQ(column(QStringLiteral("SELECT typeof(Surr) || Surr FROM Aufnahmen WHERE Surr "
                                  "NOTNULL ORDER BY ID")),
            QStringLiteral("integer0|integer1"));
  // A column declared boolean reads as true/false; NULL stays "".
  EXPECT_EQ(column(QStringLiteral("SELECT Surr FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("false|true|"));
  auto rows = db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen ORDER BY ID"));
  ASSERT_NE(rows, nullptr);
  EXPECT_TRUE(rows->Field(QStringLiteral("BelegCD")).BooleanValue());
  EXPECT_FALSE(rows->Field(QStringLiteral("Surr")).BooleanValue());
}

struct ValueCase {
  const char* expression;
  const char* text;
  bool boolean;
};

class ValueTest : public RecordingsTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTest, ReadsAsTextAndAsBoolean) {
  auto rows = db_.SQLSelect(QStringLiteral("SELECT ") + String::fromUtf8(GetParam().expression));
  ASSERT_NE(rows, nullptr) << db_.ErrorMessage().toStdString();
  EXPECT_EQ(rows->IdxField(1).StringValue(), String::fromUtf8(GetParam().text));
  EXPECT_EQ(rows->IdxField(1).BooleanValue(), GetParam().boolean);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueTest,
    ::testing::Values(ValueCase{"NULL", "", false}, ValueCase{"0", "0", false},
                      ValueCase{"1", "1", true}, ValueCase{"-42", "-42", true},
                      ValueCase{"9007199254740993", "9007199254740993", true},
                      ValueCase{"2.5", "2.5", true}, ValueCase{"0.0", "0", false},
                      ValueCase{"'true'", "true", true}, ValueCase{"'TRUE'", "TRUE", true},
                      ValueCase{"'True'", "True", true}, ValueCase{"'false'", "false", false},
                      ValueCase{"'ja'", "ja", false}, ValueCase{"''", "", false},
                      ValueCase{"'7'", "7", true}, ValueCase{"'0'", "0", false},
                      ValueCase{"x'4142'", "AB", false}));

struct UpperCase {
  const char* search;
  const char* finds;
};

class UpperTest : public RecordingsTest, public ::testing::WithParamInterface<UpperCase> {};

TEST_P(UpperTest, UpperFoldsUmlautsLikeUppercase) {
  for (const char* name :
       {"Müller", "MÜLLER", "Mueller", "Ärger", "ärgerlich", "Straße", "Meier"}) {
    insert({{"Interpret", String::fromUtf8(name)}});
  }
  insert({});  // NULL stays NULL through upper()
  EXPECT_EQ(column(QStringLiteral("SELECT Interpret FROM Aufnahmen WHERE upper(Interpret) "
                                  "LIKE upper('%") +
                   String::fromUtf8(GetParam().search) + QStringLiteral("%') ORDER BY ID")),
            String::fromUtf8(GetParam().finds));
}

INSTANTIATE_TEST_SUITE_P(Searches, UpperTest,
                         ::testing::Values(UpperCase{"müller", "Müller|MÜLLER"},
                                           UpperCase{"MÜLLER", "Müller|MÜLLER"},
                                           UpperCase{"ärger", "Ärger|ärgerlich"},
                                           UpperCase{"STRASSE", "Straße"},
                                           UpperCase{"mei", "Meier"}));

TEST_F(RecordingsTest, UpperKeepsNullAndNumbers) {
  EXPECT_EQ(scalar(QStringLiteral("SELECT upper(NULL) IS NULL")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT upper(12)")), QStringLiteral("12"));
}

// Plain ASCII takes a shorter way: only a to z change, the characters
// around them in the code table stay.
TEST_F(RecordingsTest, UpperOfAsciiChangesOnlyTheLetters) {
  EXPECT_EQ(scalar(QStringLiteral("SELECT upper('az AZ 09 @[`{~ mix3D')")),
            QStringLiteral("AZ AZ 09 @[`{~ MIX3D"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT upper('') = ''")), QStringLiteral("1"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT upper('ab') || upper('cü')")), QStringLiteral("ABCÜ"));
}

// Every field as the bytes of its StringValue, from the current row on.
TEST_F(RecordingsTest, RemainingRowsReadAsTheirStringValues) {
  db_.SQLExecute(QStringLiteral("CREATE TABLE Werte (n INTEGER PRIMARY KEY, v, b boolean)"));
  ASSERT_FALSE(db_.Error());
  const char* const values[] = {
      "42, 1",          "-7, 0",      "1.5, 2.5",   "1e300, 0.0",   "NULL, NULL",
      "'Köln', 'true'", "'', 'nein'", "x'4142', 3", "'日本 €', -1",
  };
  for (const char* v : values) {
    db_.SQLExecute(QStringLiteral("INSERT INTO Werte (v, b) VALUES (") + String::fromUtf8(v) +
                   QStringLiteral(")"));
    ASSERT_FALSE(db_.Error()) << v;
  }
  const String sql = QStringLiteral("SELECT n, v, b FROM Werte ORDER BY n");
  std::vector<String> expected;
  auto byField = db_.SQLSelect(sql);
  ASSERT_NE(byField, nullptr);
  byField->MoveNext();  // the handing over starts at the current row
  for (; !byField->IsEOF(); byField->MoveNext()) {
    for (Integer i = 1; i <= 3; ++i) expected.push_back(byField->IdxField(i).StringValue());
  }

  auto rows = db_.SQLSelect(sql);
  ASSERT_NE(rows, nullptr);
  rows->MoveNext();
  std::vector<String> handed;
  std::vector<std::pair<size_t, size_t>> places;
  std::string bytes = "schon da";  // appended to, never overwritten
  rows->ReadRemainingRows(bytes, [&](size_t offset, size_t length, size_t column) {
    EXPECT_EQ(column, places.size() % 3);
    places.emplace_back(offset, length);
  });
  EXPECT_TRUE(bytes.starts_with("schon da"));
  for (const auto& [offset, length] : places) {
    ASSERT_LE(offset + length, bytes.size());
    EXPECT_GE(offset, 8u);
    handed.push_back(String::fromUtf8(bytes.data() + offset, qsizetype(length)));
  }
  EXPECT_EQ(handed, expected);
  ASSERT_EQ(handed.size(), 3 * (std::size(values) - 1));
  EXPECT_EQ(handed[1], QStringLiteral("-7"));
  EXPECT_EQ(handed[2], QStringLiteral("false"));
  EXPECT_EQ(handed[5], QStringLiteral("true"));  // 2.5 in a boolean column
  EXPECT_EQ(handed[10], String());               // NULL
  EXPECT_TRUE(rows->IsEOF());
}

// A text that starts with U+FEFF (a line of an imported file may) keeps it:
// it is a character of the value, not a byte-order mark to drop.
TEST_F(RecordingsTest, ATextStartingWithFeffReadsBackWhole) {
  const String text = QChar(0xFEFF) + QStringLiteral("ä");
  insert({{"Titel", text}});
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen")), text);
  EXPECT_EQ(column(QStringLiteral("SELECT upper(Titel) FROM Aufnahmen")),
            QChar(0xFEFF) + QStringLiteral("Ä"));
}

}  // namespace
}  // namespace fw::test
