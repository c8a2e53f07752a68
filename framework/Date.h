#pragma once
// Calendar dates of the platform layer.
//
// Date texts are fixed, whatever the system locale:
//   SQLDate          "yyyy-MM-dd", year always four digits ("0012-03-05")
//   AbbreviatedDate  "dd.MM.yyyy"
//   ShortDate        "dd.MM.yy"
// The record lists sort shown dates by character position, so these shapes
// are a contract, not a matter of taste.
//
// Two-digit years are read as 20YY up to the current year's last two digits
// and as 19YY above them (the same window as the record list's date sort).

#include "framework/String.h"

namespace fw {

class Date {
 public:
  // The current date (a new Date is "now").
  Date();
  Date(Integer year, Integer month, Integer day);
  static Date Now();

  Integer Year() const;
  Integer Month() const;
  Integer Day() const;
  // Setting year, month and day one after another gives the date of the
  // three numbers, also when an intermediate step would name no real day
  // (day 31 while the month still has 30 days): the parts are kept apart and
  // only combined when read.
  void SetYear(Integer y);
  void SetMonth(Integer m);
  void SetDay(Integer d);

  // True when the three parts name a real calendar day.
  bool IsValid() const;

  String SQLDate() const;
  String AbbreviatedDate() const;
  String ShortDate() const;

  bool operator==(const Date& other) const;

 private:
  Integer year_;
  Integer month_;
  Integer day_;
};

// Accepts D.M.YY and D.M.YYYY: day and month of one or two digits, full
// stops, nothing before or after, a real calendar date. `d` is set only on
// success.
bool ParseDate(const String& text, Date& d);

// The year a two-digit year stands for, by the window above, relative to
// `currentYear`.
Integer ExpandTwoDigitYear(Integer yy, Integer currentYear);

}  // namespace fw
