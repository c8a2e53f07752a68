#pragma once
// Reading an exchange file into the table Aufnahmen.

#include "framework/Database.h"
#include "framework/FolderItem.h"
#include "framework/String.h"

#include <functional>

// Stores every non-empty line of `file` as a new row of Aufnahmen on `db`,
// all of them in one transaction, so the file is stored whole or not at all.
// Returns 0 when the import has ended: every line stored and committed, or
// a failure reported and nothing stored. A database failure (begin, an
// insert, the commit) goes to `reportDatabaseError` while the connection's
// Error still tells it; its argument is true when the import's transaction
// is open and is to be rolled back with the report. A file that cannot be
// read to its end goes to `reportReadError` with the number of the line
// that could not be read whole. Otherwise nothing is stored and the result
// is the 1-based number of the first line that is not valid UTF-8 or whose
// field count at `separator` is neither 15 nor 16, or 1 when the file
// cannot be opened.
fw::Integer ImportExchangeFile(fw::SQLiteDatabase& db, const fw::FolderItem& file,
                               const fw::String& separator,
                               const std::function<void(bool rollback)>& reportDatabaseError,
                               const std::function<void(fw::Integer line)>& reportReadError);
