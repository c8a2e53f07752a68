#pragma once
// A temporary folder with its own "recordings.rsd" holding the real, empty
// table, and a few shortcuts for reading it back.

#include "framework/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <utility>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace fw::test {

extern const char* const kCreateAufnahmen;

// Texts that break spliced SQL or a careless encoding.
extern const std::initializer_list<const char*> kAwkwardTexts;

class RecordingsTest : public ::testing::Test {
 protected:
  void SetUp() override;

  String path(const String& name) const { return dir_.filePath(name); }
  // A second connection to the same file.
  std::unique_ptr<SQLiteDatabase> connectAgain() const;
  // Inserts one row with the given text columns; returns its ID.
  String insert(std::initializer_list<std::pair<const char*, String>> columns);
  // The first column of the first row, "<no row>" when there is none.
  static String scalar(SQLiteDatabase& db, const String& sql);
  String scalar(const String& sql) { return scalar(db_, sql); }
  // The first column of every row, joined by "|".
  String column(const String& sql);

  QTemporaryDir dir_;
  SQLiteDatabase db_;
};

}  // namespace fw::test
