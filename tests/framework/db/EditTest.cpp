// Editing the current row of a result and writing it back.
#include "framework/db/RecordingsFixture.h"

namespace fw::test {
namespace {

class EditTest : public RecordingsTest {
 protected:
  void SetUp() override {
    RecordingsTest::SetUp();
    for (const char* title : {"A", "B", "C"}) insert({{"Titel", String::fromUtf8(title)}});
  }
  // The form's way of reading one record for a save.
  std::unique_ptr<RecordSet> record(const char* id) {
    return db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen WHERE ID = '") +
                         String::fromUtf8(id) + QLatin1Char('\''));
  }
};

TEST_F(EditTest, UpdateChangesOnlyItsRow) {
  auto rows = record("2");
  ASSERT_NE(rows, nullptr);
  rows->Edit();
  ASSERT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
  rows->Field(QStringLiteral("Titel")).SetStringValue(QStringLiteral("B2"));
  rows->Field(QStringLiteral("Ort")).SetStringValue(String());
  rows->Field(QStringLiteral("Surr")).SetBooleanValue(true);
  rows->Update();
  ASSERT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();

  EXPECT_EQ(column(QStringLiteral("SELECT ID || Titel || ifnull(Ort, '-') || ifnull(Surr, '-') "
                                  "FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("1A--|2B21|3C--"));
  // The record set shows what it wrote, and can be edited again.
  EXPECT_EQ(rows->Field(QStringLiteral("Surr")).StringValue(), QStringLiteral("true"));
  rows->Edit();
  rows->Field(QStringLiteral("Surr")).SetBooleanValue(false);
  rows->Update();
  EXPECT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
  EXPECT_EQ(scalar(QStringLiteral("SELECT Surr FROM Aufnahmen WHERE ID = 2")),
            QStringLiteral("false"));
}

TEST_F(EditTest, AwkwardTextsRoundTripThroughUpdate) {
  for (const char* text : kAwkwardTexts) {
    const String value = String::fromUtf8(text);
    auto rows = record("1");
    ASSERT_NE(rows, nullptr);
    rows->Edit();
    rows->Field(QStringLiteral("Bemerkung")).SetStringValue(value);
    rows->Update();
    ASSERT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT Bemerkung FROM Aufnahmen WHERE ID = 1")), value);
  }
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("A|B|C"));
}

TEST_F(EditTest, ARowDeletedBeforeTheQueryCannotBeEdited) {
  db_.SQLExecute(QStringLiteral("DELETE FROM Aufnahmen WHERE ID = 2"));
  auto rows = record("2");
  ASSERT_NE(rows, nullptr);
  ASSERT_TRUE(rows->IsEOF());
  rows->Edit();
  EXPECT_TRUE(db_.Error());
  EXPECT_EQ(db_.ErrorMessage(), QStringLiteral("there is no current record to edit"));
}

TEST_F(EditTest, ARowThatVanishedOrChangedAfterTheQueryIsReported) {
  for (const char* meanwhile : {"DELETE FROM Aufnahmen WHERE ID = 2",
                                "UPDATE Aufnahmen SET Ort = 'anderswo' WHERE ID = 2"}) {
    db_.SQLExecute(QStringLiteral("INSERT OR REPLACE INTO Aufnahmen (ID, Titel) VALUES (2, 'B')"));
    auto rows = record("2");
    ASSERT_NE(rows, nullptr);
    rows->Edit();
    ASSERT_FALSE(db_.Error());
    db_.SQLExecute(String::fromUtf8(meanwhile));
    rows->Field(QStringLiteral("Titel")).SetStringValue(QStringLiteral("neu"));
    rows->Update();
    EXPECT_TRUE(db_.Error()) << meanwhile;
    EXPECT_EQ(db_.ErrorMessage(),
              QStringLiteral("the record to update no longer exists or was changed meanwhile"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM Aufnahmen WHERE Titel = 'neu'")),
              QStringLiteral("0"));
  }
}

TEST_F(EditTest, SettingAFieldNeedsEdit) {
  auto rows = record("1");
  ASSERT_NE(rows, nullptr);
  rows->Field(QStringLiteral("Titel")).SetStringValue(QStringLiteral("nein"));
  EXPECT_TRUE(db_.Error());
  rows->Update();
  EXPECT_TRUE(db_.Error());
  EXPECT_EQ(rows->Field(QStringLiteral("Titel")).StringValue(), QStringLiteral("A"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT Titel FROM Aufnahmen WHERE ID = 1")),
            QStringLiteral("A"));
}

TEST_F(EditTest, MovingOnDropsUnsavedChanges) {
  auto rows = db_.SQLSelect(QStringLiteral("SELECT * FROM Aufnahmen ORDER BY ID"));
  ASSERT_NE(rows, nullptr);
  rows->Edit();
  rows->Field(QStringLiteral("Titel")).SetStringValue(QStringLiteral("verworfen"));
  rows->MoveNext();
  EXPECT_EQ(rows->Field(QStringLiteral("Titel")).StringValue(), QStringLiteral("B"));
  rows->Update();
  EXPECT_TRUE(db_.Error());
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("A|B|C"));
}

struct EditableCase {
  const char* sql;
  bool editable;
};

class EditableTest : public EditTest, public ::testing::WithParamInterface<EditableCase> {};

// Update needs to know the one row it writes: the table's rowid must be
// among the columns, and every column must come from that table.
TEST_P(EditableTest, OnlyAResultWithItsRowidCanBeEdited) {
  auto rows = db_.SQLSelect(String::fromUtf8(GetParam().sql));
  ASSERT_NE(rows, nullptr) << db_.ErrorMessage().toStdString();
  rows->Edit();
  EXPECT_EQ(db_.Error(), !GetParam().editable) << db_.ErrorMessage().toStdString();
  if (!GetParam().editable) return;
  rows->Field(QStringLiteral("Titel")).SetStringValue(QStringLiteral("neu"));
  rows->Update();
  EXPECT_FALSE(db_.Error()) << db_.ErrorMessage().toStdString();
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("neu|B|C"));
}

INSTANTIATE_TEST_SUITE_P(
    Results, EditableTest,
    ::testing::Values(EditableCase{"SELECT * FROM Aufnahmen WHERE ID = '1'", true},
                      EditableCase{"SELECT Titel, ID AS Nummer FROM Aufnahmen WHERE ID = 1", true},
                      EditableCase{"SELECT rowid, Titel FROM Aufnahmen WHERE ID = 1", true},
                      EditableCase{"SELECT Titel FROM Aufnahmen WHERE ID = 1", false},
                      EditableCase{"SELECT ID, upper(Titel) AS Titel FROM Aufnahmen", false},
                      EditableCase{"SELECT 1 AS Titel", false}));

// Both columns name the same table, but not the same row.
TEST_F(EditTest, ASelfJoinNeverUpdatesTheWrongRow) {
  auto rows = db_.SQLSelect(QStringLiteral(
      "SELECT a.ID, b.Titel FROM Aufnahmen a, Aufnahmen b WHERE a.ID = 1 AND b.ID = 3"));
  ASSERT_NE(rows, nullptr);
  rows->Edit();
  rows->Field(QStringLiteral("Titel")).SetStringValue(QStringLiteral("falsch"));
  rows->Update();
  EXPECT_TRUE(db_.Error());
  EXPECT_EQ(column(QStringLiteral("SELECT Titel FROM Aufnahmen ORDER BY ID")),
            QStringLiteral("A|B|C"));
}

}  // namespace
}  // namespace fw::test
