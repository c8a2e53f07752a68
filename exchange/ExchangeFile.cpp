#include "exchange/ExchangeFile.h"

#include "app/App.h"
#include "app/RecordColumns.h"
#include "framework/Runtime.h"
#include "framework/TextStreams.h"

#include <algorithm>
#include <memory>
#include <vector>

using namespace fw::literals;
using fw::String;

String ExchangeValue(const String& value) {
  // Most values hold none of the three: handed on as they are, uncopied.
  const bool plain = std::none_of(value.begin(), value.end(),
                                  [](auto c) { return c == u'\n' || c == u'\r' || c == u'\t'; });
  if (plain) return value;
  String v = fw::ReplaceAll(value, u"\r\n"_s, u"||"_s);
  v = fw::ReplaceAll(v, fw::Chr(13), u"||"_s);
  v = fw::ReplaceAll(v, fw::Chr(10), u"||"_s);
  return fw::ReplaceAll(v, fw::Chr(9), u" "_s);
}

bool WriteExchangeFile(fw::RecordSet& rs, const fw::FolderItem& file) {
  std::unique_ptr<fw::TextOutputStream> out = fw::TextOutputStream::Create(file);
  if (!out) return false;
  // The fields by name, looked up once: each follows the current row.
  std::vector<fw::DatabaseField*> fields;
  for (const RecordColumn& column : RecordColumns()) fields.push_back(&rs.Field(column.name));
  const String tab = fw::Chr(9);
  String line;
  while (!rs.IsEOF()) {
    line.clear();
    for (fw::DatabaseField* field : fields) {
      if (field != fields.front()) line += tab;
      line += ExchangeValue(field->StringValue());
    }
    out->WriteLine(line);
    rs.MoveNext();
    fw::BackgroundTask();
  }
  return out->Close();
}

fw::DatabaseRecord ExchangeRecord(const String& line, const String& separator, fw::Integer count) {
  const String text = fw::ReplaceAll(line, u"||"_s, fw::Chr(10));
  fw::DatabaseRecord record;
  const std::vector<String> fields = fw::Fields(text, separator);
  const std::array<RecordColumn, 16>& columns = RecordColumns();
  for (fw::Integer i = 0;
       i < count && i < fw::Integer(fields.size()) && i < fw::Integer(columns.size()); ++i) {
    const String& field = fields[i];
    const RecordColumn& column = columns[i];
    switch (column.kind) {
      case RecordColumn::kText: record.Column(column.name, field); break;
      case RecordColumn::kDate: record.Column(column.name, App::ConvertDate(field, 2)); break;
      case RecordColumn::kFlag: record.BooleanColumn(column.name, field == u"true"); break;
    }
  }
  return record;
}
