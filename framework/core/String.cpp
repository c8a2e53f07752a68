#include "framework/String.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace fw {

const String EndOfLine = QStringLiteral("\n");

namespace {

// Characters are code points: a surrogate pair counts once and is never cut.
bool IsPairAt(StringView s, qsizetype i) {
  return s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate();
}

// UTF-16 offset reached by stepping `chars` characters from offset `from`,
// stopping at the end.
qsizetype Advance(StringView s, qsizetype from, qsizetype chars) {
  qsizetype i = from;
  for (; chars > 0 && i < s.size(); --chars) i += IsPairAt(s, i) ? 2 : 1;
  return i;
}

// Number of characters in the first `offset` UTF-16 units of s.
// Every unit counts but the low half of a pair; a pair reaching past
// `offset` counts once, so offset may fall inside one.
Integer CharsBefore(StringView s, qsizetype offset) {
  Integer n = Integer(offset);
  for (qsizetype i = 1; i < offset; ++i) {
    if (s[i].isLowSurrogate() && s[i - 1].isHighSurrogate()) {
      --n;
      ++i;
    }
  }
  return n;
}

// Offsets [begin, end) of the n-th piece (from 1) cut at sep; false beyond
// the last piece.
bool FieldBounds(const String& s, const String& sep, Integer n, qsizetype& begin, qsizetype& end) {
  if (n < 1) return false;
  begin = 0;
  for (Integer piece = 1;; ++piece) {
    const qsizetype at = sep.isEmpty() ? -1 : s.indexOf(sep, begin);
    end = at < 0 ? s.size() : at;
    if (piece == n) return true;
    if (at < 0) return false;
    begin = at + sep.size();
  }
}

}  // namespace

StringView Left(StringView s, Integer n) { return s.left(Advance(s, 0, n)); }

StringView Right(StringView s, Integer n) {
  const Integer len = Len(s);
  if (n >= len) return s;
  return s.mid(Advance(s, 0, len - qMax(n, 0)));
}

StringView Mid(StringView s, Integer start, Integer n) {
  const qsizetype begin = Advance(s, 0, qMax(start, 1) - 1);
  return s.mid(begin, Advance(s, begin, n) - begin);
}

Integer Len(StringView s) {
  // Most texts hold no surrogate at all: a scan that the compiler can widen.
  const bool plain =
      std::none_of(s.begin(), s.end(), [](QChar c) { return (c.unicode() & 0xF800) == 0xD800; });
  return plain ? Integer(s.size()) : CharsBefore(s, s.size());
}

String Left(const String& s, Integer n) { return Left(StringView(s), n).toString(); }
String Right(const String& s, Integer n) { return Right(StringView(s), n).toString(); }
String Mid(const String& s, Integer start) { return s.mid(Advance(s, 0, qMax(start, 1) - 1)); }
String Mid(const String& s, Integer start, Integer n) {
  return Mid(StringView(s), start, n).toString();
}
Integer Len(const String& s) { return Len(StringView(s)); }

Integer InStr(const String& s, const String& find) { return InStr(1, s, find); }

Integer InStr(Integer start, const String& s, const String& find) {
  if (find.isEmpty()) return 0;
  const qsizetype from = Advance(s, 0, qMax(start, 1) - 1);
  const qsizetype at = s.indexOf(find, from, Qt::CaseSensitive);
  return at < 0 ? 0 : CharsBefore(s, at) + 1;
}

Integer CountFields(const String& s, const String& sep) {
  if (sep.isEmpty()) return 1;
  Integer pieces = 1;
  for (qsizetype at = s.indexOf(sep); at >= 0; at = s.indexOf(sep, at + sep.size())) ++pieces;
  return pieces;
}

String NthField(const String& s, const String& sep, Integer n) {
  qsizetype begin, end;
  if (!FieldBounds(s, sep, n, begin, end)) return String();
  return s.mid(begin, end - begin);
}

std::vector<String> Fields(const String& s, const String& sep) {
  // Qt splits at every character for an empty separator; here it is one field.
  if (sep.isEmpty()) return {s};
  const QStringList pieces = s.split(sep);
  return {pieces.begin(), pieces.end()};
}

String Join(const std::vector<String>& pieces, const String& sep) {
  String joined;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += sep;
    joined += pieces[i];
  }
  return joined;
}

String ReplaceAll(const String& s, const String& find, const String& by) {
  if (find.isEmpty()) return s;
  return String(s).replace(find, by, Qt::CaseSensitive);
}

Integer Val(const String& s) { return Val(StringView(s)); }

Integer Val(StringView s) {
  qsizetype i = 0;
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
  // Accumulate as a negative number: its range is one larger.
  constexpr long long kMin = std::numeric_limits<Integer>::min();
  constexpr long long kMax = std::numeric_limits<Integer>::max();
  long long value = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    value = value * 10 - (s[i].unicode() - u'0');
    if (value < kMin) value = kMin;  // keep reading digits, stay saturated
  }
  if (negative) return static_cast<Integer>(value);
  return static_cast<Integer>(qMin(-value, kMax));
}

String Str(Integer n) { return String::number(n); }
String Str(long n) { return String::number(n); }
String Str(long long n) { return String::number(n); }
String Str(bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); }

String Uppercase(const String& s) { return s.toUpper(); }

String Chr(Integer code) {
  if (code < 0 || code > 0x10FFFF || QChar::isSurrogate(static_cast<char32_t>(code)))
    return String();
  const char32_t c = static_cast<char32_t>(code);
  return String::fromUcs4(&c, 1);
}

}  // namespace fw
