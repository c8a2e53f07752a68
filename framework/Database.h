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
// - SQLSelect and SQLExecute run exactly one statement: anything after it but
//   blanks, semicolons and comments sets Error and runs nothing.
// - Outside "begin transaction" every statement commits by itself.
// - The connection has a Unicode-aware upper() (QString::toUpper), so a
//   search for "müller" finds "Müller".

#include "framework/FolderItem.h"
#include "framework/String.h"

#include <map>
#include <memory>
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

class RecordSet {
 public:
  ~RecordSet();
  bool IsEOF() const;
  void MoveNext();
  Integer FieldCount() const;
  // The field of the current row by column name (case-insensitive). An
  // unknown name throws NilObjectException.
  DatabaseField& Field(const String& name);
  // The field by 1-based position; out of range throws NilObjectException.
  DatabaseField& IdxField(Integer index);
  // Edit mode for the current row. At EOF (the row was deleted meanwhile)
  // the connection's Error is set.
  void Edit();
  // Writes the changed fields of the current row with one bound UPDATE by
  // its rowid; Error is set unless exactly one row changed.
  void Update();
  void Close();

 private:
  friend class SQLiteDatabase;
  friend class DatabaseField;
  RecordSet(SQLiteDatabase* db, String table);
  struct Value {
    enum Type { kNull, kInteger, kReal, kText, kBlob } type = kNull;
    long long integer = 0;
    double real = 0;
    String text;
  };
  SQLiteDatabase* db_;
  String table_;  // the table a SELECT * ... reads, for Update
  std::vector<String> names_;
  std::vector<bool> boolean_;  // column declared boolean
  std::vector<std::vector<Value>> rows_;
  std::vector<long long> rowids_;
  std::vector<std::unique_ptr<DatabaseField>> fields_;
  std::map<int, Value> edits_;
  size_t row_ = 0;
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
  // Both do nothing when no transaction is open.
  void Commit();
  void Rollback();
  void Close();  // harmless when not connected

  bool Error() const { return error_; }
  Integer ErrorCode() const { return errorCode_; }
  String ErrorMessage() const { return errorMessage_; }

 private:
  friend class RecordSet;
  bool open(int flags);
  void fail(int code, const String& message);
  void failFromEngine();
  void succeed();
  sqlite3* db_ = nullptr;
  bool error_ = false;
  Integer errorCode_ = 0;
  String errorMessage_;
};

}  // namespace fw
