#pragma once
// Small helpers shared by the database plug-in's sources.

#include "framework/String.h"

#include <sqlite3.h>

#include <memory>

namespace fw::db {

struct Finalize {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
// Owns a prepared statement; finalizing it releases its locks.
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

// "name" as an SQL identifier, inner double quotes doubled.
String QuoteIdentifier(const String& name);

// True when [p, end) holds only blanks, semicolons and comments, i.e. no
// second statement follows the one SQLite prepared.
bool OnlyBlanksFollow(const char* p, const char* end);

// A stored text from its UTF-8 bytes. Unlike QString::fromUtf8, a U+FEFF
// at its start is kept: it is part of the value, not a byte-order mark.
String TextFromUtf8(const char* bytes, qsizetype length);

// A column declared BOOLEAN (or BOOL) reads back as "true"/"false".
bool IsBooleanDeclaration(const char* declaredType);

}  // namespace fw::db
