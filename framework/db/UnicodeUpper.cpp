#include "framework/db/UnicodeUpper.h"

#include "framework/String.h"
#include "framework/db/Statement.h"

#include <sqlite3.h>

namespace fw::db {
namespace {

void Upper(sqlite3_context* context, int, sqlite3_value** args) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
  if (!text) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
      sqlite3_result_null(context);
    } else {
      sqlite3_result_error_nomem(context);
    }
    return;
  }
  const QByteArray upper = Uppercase(TextFromUtf8(text, sqlite3_value_bytes(args[0]))).toUtf8();
  sqlite3_result_text(context, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
}

}  // namespace

int RegisterUnicodeUpper(sqlite3* db) {
  return sqlite3_create_function_v2(db, "upper", 1,
                                    SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                    Upper, nullptr, nullptr, nullptr);
}

}  // namespace fw::db
