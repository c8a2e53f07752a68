#include "framework/Date.h"

#include "framework/core/Today.h"

#include <QDate>
#include <QRegularExpression>

namespace fw {

namespace {

// n with at least `width` digits; a sign (never produced by the program)
// goes in front of the padding so the text stays total.
String Padded(Integer n, int width) {
  const String digits = String::number(qAbs(static_cast<long long>(n))).rightJustified(width, u'0');
  return n < 0 ? u'-' + digits : digits;
}

// Appends n with at least `width` digits. The common case (a part that
// fits its width) writes the digits straight into the text: the record list
// formats one date per row.
void AppendPadded(String& out, Integer n, int width) {
  int limit = 1;
  for (int i = 0; i < width; ++i) limit *= 10;
  if (n < 0 || n >= limit) {
    out += Padded(n, width);
    return;
  }
  for (int divisor = limit / 10; divisor > 0; divisor /= 10)
    out += QChar(u'0' + (n / divisor) % 10);
}

String Joined(Integer a, int widthA, QChar sep, Integer b, int widthB, Integer c, int widthC) {
  String out;
  out.reserve(widthA + widthB + widthC + 2);
  AppendPadded(out, a, widthA);
  out += sep;
  AppendPadded(out, b, widthB);
  out += sep;
  AppendPadded(out, c, widthC);
  return out;
}

}  // namespace

Date::Date() : Date(Now()) {}

Date::Date(Integer year, Integer month, Integer day) : year_(year), month_(month), day_(day) {}

std::optional<Date>& core::TodayOverride() {
  static std::optional<Date> today;
  return today;
}

Date Date::Now() {
  if (const std::optional<Date>& fixed = core::TodayOverride()) return *fixed;
  const QDate today = QDate::currentDate();
  return Date(today.year(), today.month(), today.day());
}

Integer Date::Year() const { return year_; }
Integer Date::Month() const { return month_; }
Integer Date::Day() const { return day_; }
void Date::SetYear(Integer y) { year_ = y; }
void Date::SetMonth(Integer m) { month_ = m; }
void Date::SetDay(Integer d) { day_ = d; }

bool Date::IsValid() const { return QDate::isValid(year_, month_, day_); }

// The texts show the parts as stored, so a date that names no real day
// still gives a text instead of failing.
String Date::SQLDate() const { return Joined(year_, 4, u'-', month_, 2, day_, 2); }

String Date::AbbreviatedDate() const { return Joined(day_, 2, u'.', month_, 2, year_, 4); }

String Date::ShortDate() const { return Joined(day_, 2, u'.', month_, 2, qAbs(year_ % 100), 2); }

bool Date::operator==(const Date& other) const {
  return year_ == other.year_ && month_ == other.month_ && day_ == other.day_;
}

bool ParseDate(const String& text, Date& d) {
  // ASCII digits only: \d would also take other scripts' digits.
  static const QRegularExpression shape(
      QStringLiteral("\\A([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{2}|[0-9]{4})\\z"));
  const QRegularExpressionMatch m = shape.match(text);
  if (!m.hasMatch()) return false;
  const String yearText = m.captured(3);
  Integer year = yearText.toInt();
  if (yearText.size() == 2) year = ExpandTwoDigitYear(year, Date::Now().Year());
  const Date parsed(year, m.captured(2).toInt(), m.captured(1).toInt());
  if (!parsed.IsValid()) return false;
  d = parsed;
  return true;
}

// 20YY up to the current year's last two digits, 19YY above them; written
// against the current century so it keeps working after 2099.
Integer ExpandTwoDigitYear(Integer yy, Integer currentYear) {
  const Integer century = currentYear - currentYear % 100;
  return yy <= currentYear % 100 ? century + yy : century - 100 + yy;
}

}  // namespace fw
