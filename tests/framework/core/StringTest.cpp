#include "framework/String.h"

#include <gtest/gtest.h>

#include <climits>

namespace fw {
namespace {

// A character beyond the 16-bit range: two UTF-16 units, one character.
const String kClef = String::fromUtf8("\xF0\x9D\x84\x9E");  // U+1D11E

TEST(StringTest, CutsCountCharactersFromOne) {
  const String m = QStringLiteral("Müller");
  struct Case {
    String got, want;
  } cases[] = {
      {Left(m, 2), QStringLiteral("Mü")},
      {Left(m, 0), ""},
      {Left(m, -1), ""},
      {Left(m, 99), m},
      {Right(m, 3), QStringLiteral("ler")},
      {Right(m, 0), ""},
      {Right(m, -2), ""},
      {Right(m, 99), m},
      {Mid(m, 2), QStringLiteral("üller")},
      {Mid(m, 2, 3), QStringLiteral("üll")},
      {Mid(m, 5, 99), QStringLiteral("er")},
      {Mid(m, 7), ""},
      {Mid(m, 99, 2), ""},
      {Mid(m, 0, 2), QStringLiteral("Mü")},
      {Mid(m, 2, 0), ""},
      {Mid(m, 2, -1), ""},
      {Mid(QStringLiteral("a") + kClef + "b", 2, 1), kClef},
      {Left(kClef + "b", 1), kClef},
      {Right(QStringLiteral("a") + kClef, 1), kClef},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
  EXPECT_EQ(Len(m), 6);
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len(kClef + kClef), 2);
}

TEST(StringTest, InStrFindsFirstFromStart) {
  const String s = QStringLiteral("Rock'n'Roll");
  EXPECT_EQ(InStr(s, "'"), 5);
  EXPECT_EQ(InStr(6, s, "'"), 7);
  EXPECT_EQ(InStr(8, s, "'"), 0);
  EXPECT_EQ(InStr(99, s, "R"), 0);
  EXPECT_EQ(InStr(0, s, "R"), 1);
  EXPECT_EQ(InStr(s, "roll"), 0);  // exact case
  EXPECT_EQ(InStr(s, ""), 0);
  EXPECT_EQ(InStr("", "a"), 0);
  EXPECT_EQ(InStr(QStringLiteral("Müller-Lüdenscheid"), "-"), 7);
  EXPECT_EQ(InStr(kClef + "-", "-"), 2);
}

// Join puts back together what the fields cut apart.
TEST(StringTest, FieldsKeepEmptyPieces) {
  struct Case {
    String s, sep;
    int count;
    std::vector<String> pieces;
  } cases[] = {
      {"a\tb\tc", "\t", 3, {"a", "b", "c"}},
      {"a\t\tb", "\t", 3, {"a", "", "b"}},
      {"a\t", "\t", 2, {"a", ""}},
      {"\ta", "\t", 2, {"", "a"}},
      {"", "\t", 1, {""}},
      {"abc", "\t", 1, {"abc"}},
      {"a||b||", "||", 3, {"a", "b", ""}},
      {"aaa", "aa", 2, {"", "a"}},  // pieces do not overlap
      {"abc", "", 1, {"abc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.s.toStdString());
    EXPECT_EQ(CountFields(c.s, c.sep), c.count);
    for (int n = 1; n <= c.count; ++n) EXPECT_EQ(NthField(c.s, c.sep, n), c.pieces[n - 1]);
    EXPECT_EQ(NthField(c.s, c.sep, c.count + 1), "");
    EXPECT_EQ(NthField(c.s, c.sep, 0), "");
    EXPECT_EQ(Fields(c.s, c.sep), c.pieces);
    if (!c.sep.isEmpty()) {
      EXPECT_EQ(Join(c.pieces, c.sep), c.s);
    }
  }
}

TEST(StringTest, ReplaceAllLeftToRight) {
  struct Case {
    String s, find, by, want;
  } cases[] = {
      {"Rock'n'Roll", "'", "''", "Rock''n''Roll"},
      {"'''", "'", "''", "''''''"},
      {"a\nb\n", "\n", "||", "a||b||"},
      {"aaa", "aa", "b", "ba"},
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
      {"CD cd", "cd", "x", "CD x"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceAll(c.s, c.find, c.by), c.want) << c.s.toStdString();
}

TEST(StringTest, ValReadsLeadingInteger) {
  struct Case {
    const char* s;
    int want;
  } cases[] = {
      {"", 0},
      {"42", 42},
      {"  42", 42},
      {"\t7", 7},
      {"-12", -12},
      {"+5", 5},
      {"2012-03-05", 2012},
      {"05", 5},
      {"12.7", 12},
      {"abc", 0},
      {"-", 0},
      {"x12", 0},
      {"- 3", 0},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", INT_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(Val(String::fromUtf8(c.s)), c.want) << c.s;
}

TEST(StringTest, StrUppercaseChr) {
  EXPECT_EQ(Str(true), "True");
  EXPECT_EQ(Str(false), "False");
  EXPECT_EQ(Str(-17), "-17");
  EXPECT_EQ(Str(1LL << 40), "1099511627776");
  EXPECT_EQ(Str(QString("abc").size()), "3");  // qsizetype picks no bool overload
  EXPECT_EQ(Uppercase(QStringLiteral("müller straße")), QStringLiteral("MÜLLER STRASSE"));
  EXPECT_EQ(Chr(9), "\t");
  EXPECT_EQ(Chr(10), "\n");
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(0xFC), QStringLiteral("ü"));
  EXPECT_EQ(Chr(0x1D11E), kClef);
  EXPECT_EQ(Chr(-1), "");
  EXPECT_EQ(Chr(0xD800), "");
  EXPECT_EQ(EndOfLine, "\n");
}

TEST(StringTest, ComparisonIsExact) {
  EXPECT_NE(String("cd"), String("CD"));
  EXPECT_LT(String(""), String("a"));
  EXPECT_LT(String("CD"), String("cd"));
}

}  // namespace
}  // namespace fw
