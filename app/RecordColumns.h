#pragma once
// The sixteen stored columns of Aufnahmen, in table order, ID (which the
// database assigns) aside: what the table's creation, the exchange format,
// the record form and its save take the columns from. The exchange line
// holds them in this order, field n the column n.

#include "framework/String.h"

#include <array>

struct RecordColumn {
  enum Kind { kText, kDate, kFlag };
  fw::String name;
  Kind kind;
  fw::String control;  // the form control that shows it
};

const std::array<RecordColumn, 16>& RecordColumns();

// Datum, the recording date: stored as recognised in the form, while the
// other dates are stored as typed.
constexpr size_t kRecordingDateColumn = 0;

// The column's type in the table's CREATE TABLE statement.
fw::String SqlType(RecordColumn::Kind kind);
