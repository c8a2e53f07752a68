#include "framework/Database.h"

#include "framework/db/Statement.h"
#include "framework/db/UnicodeUpper.h"

#include <QFile>
#include <QScopeGuard>

namespace fw {

using db::Statement;

SQLiteDatabase::SQLiteDatabase() = default;

SQLiteDatabase::~SQLiteDatabase() { Close(); }

bool SQLiteDatabase::Connect() {
  Close();
  const String path = DatabaseFile.NativePath();
  if (path.isEmpty()) {
    fail(SQLITE_CANTOPEN, QStringLiteral("no database file given"));
    return false;
  }
  // Read-write only: a missing file is an error here, never a new file. The
  // connection is used by one thread, so it takes no mutex on every call
  // (a query of 100,000 rows makes millions of them).
  int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_busy_handler(db_, &SQLiteDatabase::waitForLock, this);
  if (rc == SQLITE_OK) rc = db::RegisterUnicodeUpper(db_);
  if (rc == SQLITE_OK) {
    // Opening is lazy; reading the schema is what finds a file that is no
    // database.
    sqlite3_stmt* probe = nullptr;
    rc = sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr);
    Statement guard(probe);
    if (rc == SQLITE_OK) {
      rc = step(probe);
      if (rc == SQLITE_ROW) rc = SQLITE_OK;
    }
  }
  if (rc != SQLITE_OK) {
    failFromEngine(rc);
    Close();
    return false;
  }
  succeed();
  return true;
}

bool SQLiteDatabase::CreateDatabaseFile() {
  Close();
  const String path = DatabaseFile.NativePath();
  QFile file(path);
  // NewOnly: an existing file is never truncated. An empty file is a valid
  // empty database, so Connect can take it from here.
  if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
    fail(SQLITE_CANTOPEN, QStringLiteral("unable to create database file: ") + file.errorString());
    return false;
  }
  file.close();
  if (Connect()) return true;
  file.remove();  // leave no empty file behind to be taken for a database later
  return false;
}

std::unique_ptr<RecordSet> SQLiteDatabase::SQLSelect(const String& sql) {
  Statement stmt(prepareOne(sql));
  if (!stmt) return nullptr;
  std::unique_ptr<RecordSet> rows(new RecordSet(this));
  rows->cells_.swap(spareCells_);
  rows->text_.swap(spareText_);
  const int rc = rows->fill(stmt.get());
  if (rc == SQLITE_TOOBIG) {
    fail(rc, String::fromUtf8(sqlite3_errstr(rc)));
    return nullptr;
  }
  if (rc != SQLITE_DONE) {
    failFromEngine(rc);
    return nullptr;
  }
  succeed();
  return rows;
}

void SQLiteDatabase::keepStorage(std::vector<RecordSet::Cell>& cells, std::string& text) {
  if (cells.capacity() > spareCells_.capacity()) cells.swap(spareCells_);
  if (text.capacity() > spareText_.capacity()) text.swap(spareText_);
  spareCells_.clear();
  spareText_.clear();
  std::vector<RecordSet::Cell>().swap(cells);
  std::string().swap(text);
}

void SQLiteDatabase::SQLExecute(const String& sql) {
  Statement stmt(prepareOne(sql));
  if (stmt) run(stmt.get());
}

// The insert's statement for this table and these columns, kept for the
// inserts after it.
bool SQLiteDatabase::prepareInsert(const String& table, const DatabaseRecord& record) {
  String sql = QStringLiteral("INSERT INTO ") + db::QuoteIdentifier(table);
  if (record.entries_.empty()) {
    sql += QStringLiteral(" DEFAULT VALUES");
  } else {
    String names, places;
    for (const DatabaseRecord::Entry& entry : record.entries_) {
      if (!names.isEmpty()) {
        names += QLatin1Char(',');
        places += QLatin1Char(',');
      }
      names += db::QuoteIdentifier(entry.name);
      places += QLatin1Char('?');
    }
    sql += QStringLiteral(" (") + names + QStringLiteral(") VALUES (") + places + QLatin1Char(')');
  }
  sqlite3_finalize(insertStatement_);
  insertKey_.clear();
  insertStatement_ = prepareOne(sql);
  if (!insertStatement_) return false;
  insertKey_.push_back(table);
  for (const DatabaseRecord::Entry& entry : record.entries_) insertKey_.push_back(entry.name);
  return true;
}

void SQLiteDatabase::InsertRecord(const String& table, const DatabaseRecord& record) {
  const auto sameKey = [&] {
    if (!insertStatement_ || insertKey_.size() != record.entries_.size() + 1) return false;
    if (insertKey_.front() != table) return false;
    for (size_t i = 0; i < record.entries_.size(); ++i)
      if (insertKey_[i + 1] != record.entries_[i].name) return false;
    return true;
  };
  if (!sameKey() && !prepareInsert(table, record)) return;
  sqlite3_stmt* const stmt = insertStatement_;
  // Reset whatever happens, so the kept statement never holds a lock.
  const auto reset = qScopeGuard([stmt] {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
  });
  int index = 0;
  for (const DatabaseRecord::Entry& entry : record.entries_) {
    ++index;
    int rc;
    if (entry.isBoolean) {
      rc = sqlite3_bind_int(stmt, index, entry.boolean ? 1 : 0);
    } else {
      const QByteArray text = entry.text.toUtf8();
      rc = sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) {
      failFromEngine(rc);
      return;
    }
  }
  run(stmt);
}

void SQLiteDatabase::Commit() { endTransaction("COMMIT"); }

void SQLiteDatabase::Rollback() { endTransaction("ROLLBACK"); }

void SQLiteDatabase::Close() {
  std::vector<RecordSet::Cell>().swap(spareCells_);
  std::string().swap(spareText_);
  sqlite3_finalize(insertStatement_);
  insertStatement_ = nullptr;
  insertKey_.clear();
  if (db_) {
    sqlite3_close_v2(db_);
    db_ = nullptr;
  }
}

void SQLiteDatabase::SetBusyTimeout(Integer milliseconds) { busyTimeout_ = milliseconds; }

sqlite3_stmt* SQLiteDatabase::prepareOne(const String& sql) {
  if (!db_) {
    fail(SQLITE_MISUSE, QStringLiteral("not connected to a database"));
    return nullptr;
  }
  const QByteArray text = sql.toUtf8();
  const char* end = text.constData() + text.size();
  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()) + 1, &raw, &tail);
  Statement stmt(raw);
  if (rc != SQLITE_OK) {
    failFromEngine(rc);
    return nullptr;
  }
  if (!stmt) {
    fail(SQLITE_ERROR, QStringLiteral("no SQL statement given"));
    return nullptr;
  }
  // The search passes typed text into a WHERE clause; a second statement
  // after it must never run.
  if (!db::OnlyBlanksFollow(tail, end)) {
    fail(SQLITE_ERROR,
         QStringLiteral("only one SQL statement can be run at a time; nothing was run"));
    return nullptr;
  }
  return stmt.release();
}

void SQLiteDatabase::run(sqlite3_stmt* stmt) {
  int rc;
  while ((rc = step(stmt)) == SQLITE_ROW) {
  }
  if (rc == SQLITE_DONE) {
    succeed();
  } else {
    failFromEngine(rc);
  }
}

void SQLiteDatabase::endTransaction(const char* sql) {
  if (!db_ || sqlite3_get_autocommit(db_)) {
    succeed();  // no transaction open: nothing to end
    return;
  }
  SQLExecute(String::fromLatin1(sql));
}

void SQLiteDatabase::fail(int code, const String& message) {
  error_ = true;
  errorCode_ = code;
  errorMessage_ = message;
}

void SQLiteDatabase::failFromEngine(int rc) {
  fail(rc & 0xff, String::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)));
}

void SQLiteDatabase::succeed() {
  error_ = false;
  errorCode_ = 0;
  errorMessage_.clear();
}

}  // namespace fw
