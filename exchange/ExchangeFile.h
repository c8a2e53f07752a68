#pragma once
// The exchange format: tab-separated text, one recording per line, the 16
// stored columns of Aufnahmen in table order without ID, no header. A line
// feed inside a value is written as "||" and read back as a line feed.

#include "framework/Database.h"
#include "framework/FolderItem.h"
#include "framework/String.h"

// The fields of a line are the columns of RecordColumns, in their order.

// A stored value as a line holds it. Besides the line feed, a carriage
// return and CRLF become "||" too (else the import would cut the line
// there), and a TAB becomes a blank (else the line would have too many
// fields).
fw::String ExchangeValue(const fw::String& value);

// Writes every row of `rs`, from the current one on, as a line to `file`.
// False when the file cannot be created or not written whole; the file that
// was there before is then left as it was.
bool WriteExchangeFile(fw::RecordSet& rs, const fw::FolderItem& file);

// The new row a line of `count` fields (15 or 16) at `separator` stores:
// "||" read as a line feed, the four dates in the stored form, the flags
// true only for "true", Technik only with 16 fields.
fw::DatabaseRecord ExchangeRecord(const fw::String& line, const fw::String& separator,
                                  fw::Integer count);
