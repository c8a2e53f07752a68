#include "app/RecordColumns.h"

using namespace fw::literals;

const std::array<RecordColumn, 16>& RecordColumns() {
  using enum RecordColumn::Kind;
  static const std::array<RecordColumn, 16> columns = {{
      {u"Datum"_s, kDate, u"AufnDatum"_s},
      {u"ProdNr"_s, kText, u"ProdNummer"_s},
      {u"Titel"_s, kText, u"AufnTitel"_s},
      {u"Redaktion"_s, kText, u"AufnRed"_s},
      {u"Format"_s, kText, u"AufnTon"_s},
      {u"Interpret"_s, kText, u"AufnInterpret"_s},
      {u"Ort"_s, kText, u"AufnOrt"_s},
      {u"Schnitt"_s, kDate, u"AufnSchnitt"_s},
      {u"Fertig"_s, kDate, u"AufnFertig"_s},
      {u"Backup"_s, kText, u"AufnBackup"_s},
      {u"BackupDat"_s, kDate, u"BackupDat"_s},
      {u"BelegCD"_s, kFlag, u"BelegCD"_s},
      {u"Bemerkung"_s, kText, u"AufnBemerkung"_s},
      {u"System"_s, kText, u"AufnSystem"_s},
      {u"Surr"_s, kFlag, u"AufnSurr"_s},
      {u"Technik"_s, kText, u"AufnTechnik"_s},
  }};
  return columns;
}

fw::String SqlType(RecordColumn::Kind kind) {
  switch (kind) {
    case RecordColumn::kText: return u"varchar"_s;
    case RecordColumn::kDate: return u"date"_s;
    case RecordColumn::kFlag: return u"boolean"_s;
  }
  return fw::String();
}
