#pragma once
// What the fault tests expect to see.

#include <QString>

namespace klangbuch_test {

// The database error message for a write the engine refuses because the
// file may not be written, or because it was moved or deleted meanwhile.
inline const QString kReadOnlyDatabaseMessage = QStringLiteral(
    "Database Error: 8\n\nattempt to write a readonly database\n"
    "Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query\nIm Expert Modus");

}  // namespace klangbuch_test
