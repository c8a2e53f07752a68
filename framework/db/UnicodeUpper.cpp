#include "framework/db/UnicodeUpper.h"

#include "framework/String.h"
#include "framework/db/Statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>

namespace fw::db {
namespace {

// Most texts are ASCII; their upper case needs no detour through UTF-16 (a
// search by a text field runs this on every row).
bool UpperAscii(sqlite3_context* context, const char* text, int length) {
  const auto* end = text + length;
  if (std::any_of(text, end, [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
    return false;
  std::string upper(text, end);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  sqlite3_result_text(context, upper.data(), length, SQLITE_TRANSIENT);
  return true;
}

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
  const int length = sqlite3_value_bytes(args[0]);
  if (UpperAscii(context, text, length)) return;
  const QByteArray upper = Uppercase(TextFromUtf8(text, length)).toUtf8();
  sqlite3_result_text(context, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
}

}  // namespace

int RegisterUnicodeUpper(sqlite3* db) {
  return sqlite3_create_function_v2(db, "upper", 1,
                                    SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                    Upper, nullptr, nullptr, nullptr);
}

}  // namespace fw::db
