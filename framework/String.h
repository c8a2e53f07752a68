#pragma once
// Text services of the platform layer.
//
// String is Qt's QString (UTF-16 inside, UTF-8 at every file and database
// boundary). Positions and counts are characters, counted from 1; nothing
// reading past the end throws, it yields fewer characters or "".
//
// The case rule: texts compare exactly (QString::operator==, operator<), so a
// stored "cd" never equals "CD". Only Uppercase and the database's upper()
// fold case, and both use the same Unicode rule (QString::toUpper).
//
// Texts in the program are written one way: u"..."_s, a String made from the
// literal's UTF-16 at compile time (umlauts need no conversion), in a file
// that says `using namespace fw::literals;`. A single character may stay a
// plain u'x'.

#include <QString>
#include <QStringView>

#include <vector>

namespace fw {

namespace literals {
using namespace Qt::Literals::StringLiterals;
}  // namespace literals

using String = QString;
// A piece of a String, read in place: the record list reads parts of a date
// millions of times in one sort, and must not allocate for each.
using StringView = QStringView;
using Integer = int;

// The platform's line end, used to join the lines of a message. A dynamic
// initialiser: do not read it from another file's static initialisers.
extern const String EndOfLine;  // "\n"

String Left(const String& s, Integer n);
String Right(const String& s, Integer n);
String Mid(const String& s, Integer start);             // from start to the end
String Mid(const String& s, Integer start, Integer n);  // n characters from start
Integer Len(const String& s);
// The same, without copying: the pieces refer to s.
StringView Left(StringView s, Integer n);
StringView Right(StringView s, Integer n);
StringView Mid(StringView s, Integer start, Integer n);
Integer Len(StringView s);
// Position (from 1) of the first `find` in s, 0 when absent or when find is "".
Integer InStr(const String& s, const String& find);
Integer InStr(Integer start, const String& s, const String& find);

// Pieces cut at every sep; empty pieces count ("a\t\tb" has 3 pieces,
// a trailing separator adds an empty one). "" has 1 piece.
Integer CountFields(const String& s, const String& sep);
String NthField(const String& s, const String& sep, Integer n);  // "" beyond the last
// Every piece at once, by the same rule: what CountFields counts and NthField
// gives one by one, in one pass over a long line.
std::vector<String> Fields(const String& s, const String& sep);

// The pieces in order, with sep between each two.
String Join(const std::vector<String>& pieces, const String& sep);

// Every occurrence replaced, left to right; an empty find returns s unchanged.
String ReplaceAll(const String& s, const String& find, const String& by);

// The signed decimal integer that s begins with (leading blanks skipped),
// 0 when there is none; saturates at the Integer range instead of overflowing.
Integer Val(const String& s);
Integer Val(StringView s);

String Str(Integer n);
String Str(long n);  // qsizetype on 64-bit Linux
String Str(long long n);
String Str(bool b);  // "True" / "False"
// Guard against accidental Str("text") picking the bool overload.
String Str(const char*) = delete;

String Uppercase(const String& s);
String Chr(Integer code);

}  // namespace fw
