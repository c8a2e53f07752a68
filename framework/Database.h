#pragma once
// The database plug-in: one SQLite file through SQLite's C API.
//
// Storage rules (decided here, once):
// - Every value is bound as a parameter; no value is spliced into SQL text.
// - DatabaseRecord::Column(name, "") stores the empty text '' (not NULL);
//   columns not set stay NULL.
// - Booleans are stored as the integers 1/0. A column declared boolean reads
//   back through StringValue as "true"/"false"; BooleanValue is true for a
//   non-zero number and for "true" in any case.
// - StringValue of NULL is ""; integers read without ".0".
// - Error is reset by every successful operation; ErrorCode is the engine's
//   primary result code and ErrorMessage its message, taken at the failure.
// - A record set holds at most 4 GiB of values, each at most 512 MiB; a
//   larger result or edit sets Error with SQLITE_TOOBIG.
// - SQLSelect and SQLExecute run exactly one statement: anything after it but
//   blanks, semicolons and comments sets Error and runs nothing.
// - Outside "begin transaction" every statement commits by itself; a
//   Transaction (below) holds several statements together.
// - The connection has a Unicode-aware upper() (QString::toUpper), so a
//   search for "müller" finds "Müller".

#include "framework/FolderItem.h"
#include "framework/String.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace fw {

class SQLiteDatabase;
class RecordSet;

class DatabaseField {
 public:
  String StringValue() const;
  bool BooleanValue() const;
  // Setting marks the field changed; RecordSet::Update writes it.
  void SetStringValue(const String& v);
  void SetBooleanValue(bool v);
  String Name() const;

 private:
  friend class RecordSet;
  DatabaseField(RecordSet* owner, int column);
  RecordSet* owner_;
  int column_;
};

// The rows of a query, read whole when the query runs; no statement stays
// open, so a record set holds no lock. It must not outlive its connection.
class RecordSet {
 public:
  ~RecordSet();
  RecordSet(const RecordSet&) = delete;
  RecordSet& operator=(const RecordSet&) = delete;
  bool IsEOF() const;
  void MoveNext();
  Integer FieldCount() const;
  // The field of the current row by column name (case-insensitive). An
  // unknown name throws NilObjectException.
  DatabaseField& Field(const String& name);
  // The field by 1-based position; out of range throws NilObjectException.
  DatabaseField& IdxField(Integer index);
  // Edit mode for the current row. At EOF (the row was deleted meanwhile)
  // the connection's Error is set. Only a result whose columns all come from
  // one table and include its rowid (an INTEGER PRIMARY KEY column, or rowid
  // itself) can be edited; SELECT * of a table with such a key can.
  void Edit();
  // Writes the changed fields of the current row with one bound UPDATE by
  // its rowid; Error is set unless exactly one row changed. The row must
  // still hold the values it was read with, so an Update never lands on a
  // row changed meanwhile (or on another row of a self-join).
  void Update();
  void Close();
  // Appends the UTF-8 bytes of the StringValue of every field of the
  // current row and of every one after it to `bytes`, hands each field's
  // place in them to `field` (offset, length, column), row after row, and
  // leaves the set at its end. A list takes its rows so: the texts in one
  // copy, without a string made per field. `bytes` may also hold bytes
  // that no field names.
  void ReadRemainingRows(
      std::string& bytes,
      const std::function<void(size_t offset, size_t length, size_t column)>& field);

 private:
  friend class SQLiteDatabase;
  friend class DatabaseField;
  // One value in 8 bytes; its bytes are in text_: a text's UTF-8, a blob's
  // bytes, a number's 8 bytes. A million rows of seven values would take
  // 112 MB in cells of 16 bytes, kept once by the list's result and once
  // by the connection for the next select.
  struct Cell {
    enum Type : unsigned char { kNull, kInteger, kReal, kText, kBlob };
    static constexpr size_t kMaxLength = (size_t{1} << 29) - 1;
    std::uint32_t offset = 0;
    std::uint32_t lengthAndType = kNull;  // the length above three bits of type
    Type type() const { return Type(lengthAndType & 7); }
    std::uint32_t length() const { return lengthAndType >> 3; }
  };
  static_assert(sizeof(Cell) == 8);
  explicit RecordSet(SQLiteDatabase* db);
  // Gives the rows' storage back to the connection, emptied, for its next
  // select to fill.
  void releaseStorage();
  int fill(sqlite3_stmt* stmt);
  void describe(sqlite3_stmt* stmt);
  // Stores the bytes and makes `cell` of them; false when text_ has no
  // room for them.
  bool storeBytes(Cell& cell, Cell::Type type, const void* bytes, size_t length);
  bool storeNumber(Cell& cell, Cell::Type type, long long bits);
  long long numberBits(const Cell& c) const;
  const Cell& cell(int column) const;
  bool isNonZero(const Cell& c) const;  // a number, as a boolean
  // The bytes StringValue decodes; a number's text is made in scratch.
  std::string_view utf8(const Cell& c, size_t column, std::string& scratch) const;
  bool isEditable();
  int locateRowid() const;
  bool bind(sqlite3_stmt* stmt, int index, const Cell& c);
  bool mayChange();
  // Sets Error instead when the value was not stored.
  void change(int column, const Cell& c, bool stored);

  SQLiteDatabase* db_;
  std::vector<String> names_;
  std::vector<bool> boolean_;    // column declared boolean
  std::vector<String> origins_;  // the table column each one reads, "" if none
  String database_, table_;      // the one table all columns read, for Update
  std::vector<Cell> cells_;      // row after row
  std::string text_;
  std::vector<DatabaseField> fields_;
  std::vector<Cell> pending_;  // the edited values of the current row
  std::vector<bool> changed_;
  size_t columns_ = 0;
  size_t rows_ = 0;
  size_t row_ = 0;
  int rowidColumn_ = -1;
  bool editing_ = false;
};

class DatabaseRecord {
 public:
  void Column(const String& name, const String& value);
  void BooleanColumn(const String& name, bool value);

 private:
  friend class SQLiteDatabase;
  struct Entry {
    String name;
    bool isBoolean;
    String text;
    bool boolean;
  };
  void set(Entry entry);
  std::vector<Entry> entries_;
};

class SQLiteDatabase {
 public:
  SQLiteDatabase();
  ~SQLiteDatabase();
  SQLiteDatabase(const SQLiteDatabase&) = delete;
  SQLiteDatabase& operator=(const SQLiteDatabase&) = delete;

  FolderItem DatabaseFile;

  // Opens the existing file read-write (never creates it) and probes it:
  // a file that is no database gives False with the engine's code.
  bool Connect();
  // Creates a new empty file (fails when it exists) and connects.
  bool CreateDatabaseFile();
  // The rows of a query; nullptr with Error set on failure.
  std::unique_ptr<RecordSet> SQLSelect(const String& sql);
  void SQLExecute(const String& sql);
  void InsertRecord(const String& table, const DatabaseRecord& record);
  // Both do nothing when no transaction is open. Code that opens a
  // transaction itself uses a Transaction rather than calling them.
  void Commit();
  void Rollback();
  void Close();  // harmless when not connected
  // How long a transaction waits in all for other connections' locks, its
  // commit included (a statement outside a transaction is one of its own);
  // once that is spent, a statement that meets a lock fails with
  // SQLITE_BUSY at once. 3000 ms unless set.
  void SetBusyTimeout(Integer milliseconds);

  bool Error() const { return error_; }
  Integer ErrorCode() const { return errorCode_; }
  String ErrorMessage() const { return errorMessage_; }

 private:
  friend class RecordSet;
  friend class Transaction;
  sqlite3_stmt* prepareOne(const String& sql);
  bool prepareInsert(const String& table, const DatabaseRecord& record);
  void run(sqlite3_stmt* stmt);
  // sqlite3_step, counting the waits for locks per transaction (LockWait.cpp).
  int step(sqlite3_stmt* stmt);
  static int waitForLock(void* self, int count);
  void endTransaction(const char* sql);
  void fail(int code, const String& message);
  void failFromEngine(int rc);
  void succeed();
  // Keeps the larger of the two storages, emptied, for the next select: a
  // list refilled again and again then writes its rows into pages it
  // already has, instead of growing fresh ones by doubling each time.
  void keepStorage(std::vector<RecordSet::Cell>& cells, std::string& text);
  sqlite3* db_ = nullptr;
  std::vector<RecordSet::Cell> spareCells_;
  std::string spareText_;
  // The last insert's statement, kept prepared for the next insert of the
  // same columns (an import inserts thousands alike); reset after each use.
  sqlite3_stmt* insertStatement_ = nullptr;
  std::vector<String> insertKey_;  // its table, then its column names
  Integer busyTimeout_ = 3000;
  Integer waited_ = 0;  // by the transaction now running, in milliseconds
  bool error_ = false;
  Integer errorCode_ = 0;
  String errorMessage_;
};

// A transaction for one scope: the constructor runs "begin transaction", and
// the destructor rolls back unless Commit succeeded, so a return or an
// exception never leaves a transaction open.
//
//   fw::Transaction transaction(db);
//   db.SQLExecute(...);
//   if (db.Error()) { ...report...; return; }     // rolled back on return
//   if (!transaction.Commit()) { ...report...; return; }
//
// Failures show in the connection's Error, as with every other call: a failed
// begin leaves Began false (and Commit then commits nothing and returns
// false), a failed commit returns false and keeps the transaction open until
// the destructor rolls it back. That closing rollback leaves the connection's
// Error as the last operation left it, and does nothing when the transaction
// has already been ended (by App.DisplayDatabaseError's rollback, say).
class Transaction {
 public:
  explicit Transaction(SQLiteDatabase& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool Began() const { return began_; }
  bool Commit();

 private:
  SQLiteDatabase& db_;
  bool began_ = false;
  bool committed_ = false;
};

}  // namespace fw
