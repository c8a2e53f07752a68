#include "framework/db/Statement.h"

#include <QStringDecoder>

#include <strings.h>

namespace fw::db {
namespace {

// SQLite's white space (space, tab, LF, VT, FF, CR) and empty statements.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == ';'; }

}  // namespace

String TextFromUtf8(const char* bytes, qsizetype length) {
  // Most texts do not start with one: Qt's fast path for those.
  if (length < 3 || QByteArrayView(bytes, 3) != QByteArrayView("\xEF\xBB\xBF"))
    return String::fromUtf8(bytes, length);
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
  return decoder(QByteArrayView(bytes, length));
}

String QuoteIdentifier(const String& name) {
  String quoted = name;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool OnlyBlanksFollow(const char* p, const char* end) {
  while (p < end) {
    if (IsBlank(*p)) {
      ++p;
    } else if (end - p >= 2 && p[0] == '-' && p[1] == '-') {
      while (p < end && *p != '\n') ++p;
    } else if (end - p >= 2 && p[0] == '/' && p[1] == '*') {
      p += 2;
      while (p < end && !(end - p >= 2 && p[0] == '*' && p[1] == '/')) ++p;
      p = (p < end) ? p + 2 : end;  // an unclosed comment runs to the end
    } else {
      return false;
    }
  }
  return true;
}

bool IsBooleanDeclaration(const char* declaredType) {
  return declaredType &&
         (strcasecmp(declaredType, "boolean") == 0 || strcasecmp(declaredType, "bool") == 0);
}

}  // namespace fw::db
