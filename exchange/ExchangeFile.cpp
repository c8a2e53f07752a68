#include "exchange/ExchangeFile.h"

#include "app/App.h"
#include "framework/Runtime.h"
#include "framework/TextStreams.h"

#include <algorithm>
#include <memory>
#include <vector>

using namespace fw::literals;
using fw::String;

const std::array<ExchangeColumn, 16> ExchangeColumns = {{
    {u"Datum", ExchangeColumn::kDate},
    {u"ProdNr", ExchangeColumn::kText},
    {u"Titel", ExchangeColumn::kText},
    {u"Redaktion", ExchangeColumn::kText},
    {u"Format", ExchangeColumn::kText},
    {u"Interpret", ExchangeColumn::kText},
    {u"Ort", ExchangeColumn::kText},
    {u"Schnitt", ExchangeColumn::kDate},
    {u"Fertig", ExchangeColumn::kDate},
    {u"Backup", ExchangeColumn::kText},
    {u"BackupDat", ExchangeColumn::kDate},
    {u"BelegCD", ExchangeColumn::kBoolean},
    {u"Bemerkung", ExchangeColumn::kText},
    {u"System", ExchangeColumn::kText},
    {u"Surr", ExchangeColumn::kBoolean},
    {u"Technik", ExchangeColumn::kText},
}};

namespace {
// The column names as texts, made once instead of once per line.
const std::array<String, 16>& ColumnNames() {
  static const std::array<String, 16> names = [] {
    std::array<String, 16> n;
    for (size_t i = 0; i < n.size(); ++i) n[i] = String::fromUtf16(ExchangeColumns[i].name);
    return n;
  }();
  return names;
}
}  // namespace

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
  for (const String& name : ColumnNames()) fields.push_back(&rs.Field(name));
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
  for (fw::Integer i = 0;
       i < count && i < fw::Integer(fields.size()) && i < fw::Integer(ExchangeColumns.size());
       ++i) {
    const String& field = fields[i];
    const ExchangeColumn& column = ExchangeColumns[i];
    const String& name = ColumnNames()[i];
    switch (column.kind) {
      case ExchangeColumn::kText: record.Column(name, field); break;
      case ExchangeColumn::kDate: record.Column(name, App::ConvertDate(field, 2)); break;
      case ExchangeColumn::kBoolean: record.BooleanColumn(name, field == u"true"); break;
    }
  }
  return record;
}
