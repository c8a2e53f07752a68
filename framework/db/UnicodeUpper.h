#pragma once

struct sqlite3;

namespace fw::db {

// Replaces SQLite's ASCII-only upper() on the connection by one with the
// same Unicode rule as fw::Uppercase, so upper('müller') = 'MÜLLER'.
// Returns SQLite's result code.
int RegisterUnicodeUpper(sqlite3* db);

}  // namespace fw::db
