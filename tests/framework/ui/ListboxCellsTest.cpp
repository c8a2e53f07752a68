// The cells a list keeps: what goes in comes out, through the program's
// calls and on the screen, however it got there and whatever moved since.
#include "ListboxTestSupport.h"

#include "framework/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fw::test {
namespace {

const String kClef = QString::fromUcs4(U"\U0001D11E");

// Texts a careless byte store would break.
std::vector<String> AwkwardCells() {
  return {QStringLiteral("Müller – Straße, Ärger, Œuvre, €, 日本"),
          String(),
          QStringLiteral(""),
          QStringLiteral("Zeile 1\nZeile 2"),
          kClef + QStringLiteral("a") + kClef,
          QChar(0xFEFF) + QStringLiteral("ä"),
          QStringLiteral("mit ") + QChar(0) + QStringLiteral(" Null"),
          String(100000, u'ß'),
          QStringLiteral(" ")};
}

String Shown(const ShownListbox& f, int row, int column) {
  return f.view()->model()->index(row, column).data().toString();
}

TEST(ListboxCells, KeepTheirTextThroughEveryWayIn) {
  ShownListbox f(3);
  const std::vector<String> texts = AwkwardCells();
  for (const String& t : texts) {
    f.list.AddRow(t);
    f.list.SetCell(f.list.LastIndex(), 1, t);
    f.list.AddRow(std::vector<String>{t, QStringLiteral("x"), t, QStringLiteral("dropped")});
  }
  QApplication::processEvents();
  ASSERT_EQ(f.list.ListCount(), static_cast<Integer>(2 * texts.size()));
  for (size_t i = 0; i < texts.size(); ++i) {
    const int first = static_cast<int>(2 * i);
    const int second = first + 1;
    EXPECT_EQ(f.list.Cell(first, 0), texts[i]) << i;
    EXPECT_EQ(f.list.Cell(first, 1), texts[i]) << i;
    EXPECT_EQ(f.list.Cell(first, 2), String()) << i;
    EXPECT_EQ(f.list.Cell(second, 0), texts[i]) << i;
    EXPECT_EQ(f.list.Cell(second, 2), texts[i]) << i;
    EXPECT_EQ(Shown(f, first, 1), texts[i]) << i;
  }
  EXPECT_EQ(f.list.Cell(0, 3), String());
  EXPECT_EQ(f.list.Cell(-1, 0), String());
  EXPECT_EQ(f.list.Cell(f.list.ListCount(), 0), String());
}

// Read into one string again and again, a cell reads as Cell gives it,
// whatever that string held before.
TEST(ListboxCells, ReadIntoOneStringAsCellGivesThem) {
  ShownListbox f(2);
  const std::vector<String> texts = AwkwardCells();
  for (const String& t : texts) f.list.AddRow(std::vector<String>{t, QStringLiteral("2026-03-05")});
  String text = String(200, u'x');
  for (Integer row = 0; row < f.list.ListCount(); ++row) {
    for (Integer column = 0; column < 2; ++column) {
      f.list.ReadCell(row, column, text);
      EXPECT_EQ(text, f.list.Cell(row, column)) << row << ", " << column;
    }
  }
  for (const auto& [row, column] : {std::pair{-1, 0}, {0, 2}, {f.list.ListCount(), 0}}) {
    f.list.ReadCell(row, column, text);
    EXPECT_TRUE(text.isEmpty()) << row << ", " << column;
  }
}

// Shorter, as long, longer: a changed cell shows its new text and no other
// cell changes, also after a cell was set many times over.
TEST(ListboxCells, SetAgainAndAgainLeaveTheOthersAlone) {
  ShownListbox f(2);
  f.Fill(50);
  QApplication::processEvents();
  const std::vector<String> texts = {QStringLiteral("kurz"), QStringLiteral("länger als vorher"),
                                     QStringLiteral("ä"), String(), String(5000, u'x')};
  for (int round = 0; round < 200; ++round) {
    for (const String& t : texts) f.list.SetCell(7, 1, t);
  }
  f.list.SetCell(7, 1, QStringLiteral("zuletzt"));
  for (int r = 0; r < 50; ++r) {
    EXPECT_EQ(f.list.Cell(r, 0), QStringLiteral("r%1").arg(r));
    if (r != 7) {
      EXPECT_EQ(f.list.Cell(r, 1), QStringLiteral("c1 r%1").arg(r));
    }
  }
  EXPECT_EQ(f.list.Cell(7, 1), QStringLiteral("zuletzt"));
  EXPECT_EQ(Shown(f, 7, 1), QStringLiteral("zuletzt"));
}

TEST(ListboxCells, SurviveRemovedRowsFewerColumnsAndASort) {
  ShownListbox f(3);
  const std::vector<String> texts = AwkwardCells();
  for (size_t i = 0; i < texts.size(); ++i) {
    f.list.AddRow(String::number(i));
    f.list.SetCell(f.list.LastIndex(), 1, texts[i]);
    f.list.SetCell(f.list.LastIndex(), 2, QStringLiteral("weg"));
  }
  f.list.RemoveRow(0);
  f.list.SetColumnCount(2);
  f.list.SetColumnCount(3);
  f.list.SetSortedColumn(0);
  f.list.SetColumnSortDirection(0, -1);
  f.list.Sort();
  ASSERT_EQ(f.list.ListCount(), static_cast<Integer>(texts.size() - 1));
  for (Integer r = 0; r < f.list.ListCount(); ++r) {
    const size_t i = texts.size() - 1 - r;
    EXPECT_EQ(f.list.Cell(r, 0), String::number(i));
    EXPECT_EQ(f.list.Cell(r, 1), texts[i]) << i;
    EXPECT_EQ(f.list.Cell(r, 2), String()) << i;
  }
}

// A record set handed over: from its current row on, each field in the
// next column, as StringValue reads it; the set is at its end after.
TEST(ListboxCells, TakeTheRemainingRowsOfARecordSet) {
  QTemporaryDir dir;
  SQLiteDatabase db;
  db.DatabaseFile = FolderItem(dir.filePath(QStringLiteral("rows.rsd")));
  ASSERT_TRUE(db.CreateDatabaseFile());
  db.SQLExecute(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, a, b boolean, c)"));
  db.SQLExecute(
      QStringLiteral("INSERT INTO t (a, b, c) VALUES ('erste', 1, 'x'), "
                     "('Köln', 0, NULL), (2.5, 1, ''), (NULL, NULL, '日本')"));
  ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();

  ShownListbox f(3);
  f.list.AddRow(QStringLiteral("schon da"));
  auto rs = db.SQLSelect(QStringLiteral("SELECT id, a, b, c FROM t ORDER BY id"));
  ASSERT_NE(rs, nullptr);
  rs->MoveNext();
  f.list.AddRows(*rs);
  EXPECT_TRUE(rs->IsEOF());
  ASSERT_EQ(f.list.ListCount(), 4);
  EXPECT_EQ(f.list.LastIndex(), 3);
  const std::vector<std::vector<String>> expected = {
      {QStringLiteral("schon da"), String(), String()},
      {QStringLiteral("2"), QStringLiteral("Köln"), QStringLiteral("false")},
      {QStringLiteral("3"), QStringLiteral("2.5"), QStringLiteral("true")},
      {QStringLiteral("4"), String(), String()},
  };
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(f.list.Cell(r, c), expected[r][c]) << r << "," << c;
  }
  QApplication::processEvents();
  EXPECT_EQ(Shown(f, 1, 1), QStringLiteral("Köln"));

  // An empty rest adds nothing and leaves LastIndex alone.
  f.list.AddRows(*rs);
  EXPECT_EQ(f.list.ListCount(), 4);
  EXPECT_EQ(f.list.LastIndex(), 3);
  EXPECT_EQ(f.changes, 0);
}

}  // namespace
}  // namespace fw::test
