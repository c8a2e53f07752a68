// One exchange file through the import into an emptied catalogue: either
// nothing is stored and the refused line is the first one that is not UTF-8
// or not of 15 or 16 fields, or every non-empty line is one new row whose
// texts are the line's, after the import's own conversions ("||" to a line
// feed, a dotted date of a real day to YYYY-MM-DD, the flags true only for
// "true") and the one the table's column types make (a number-looking text
// in a date column is kept as that number).
//
// What the file should give is worked out here from its bytes, apart from
// the reader: its own line ends, UTF-8 check and field cutting.

#include "support/Program.h"

#include "app/App.h"
#include "app/RecordColumns.h"
#include "exchange/Import.h"

#include "framework/Database.h"
#include "framework/FolderItem.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QStringList>

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using fuzz::Require;

bool IsDate(size_t column) { return RecordColumns()[column].kind == RecordColumn::kDate; }
bool IsFlag(size_t column) { return RecordColumns()[column].kind == RecordColumn::kFlag; }

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF);
// nullopt when the bytes are not.
std::optional<QString> DecodeUtf8(const QByteArray& bytes) {
  QString text;
  for (qsizetype i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t code = 0, least = 0;
    if (lead < 0x80) {
      length = 1, code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07, least = 0x10000;
    } else {
      return std::nullopt;
    }
    if (i + length > bytes.size()) return std::nullopt;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
    // By hand: the UCS-4 decoder would drop a U+FEFF at its start.
    if (QChar::requiresSurrogates(code)) {
      text += QChar(QChar::highSurrogate(code));
      text += QChar(QChar::lowSurrogate(code));
    } else {
      text += QChar(char16_t(code));
    }
    i += length;
  }
  return text;
}

// The lines of the file as the exchange format reads them: a UTF-8
// byte-order mark at the start skipped, LF, CR and CRLF each one line end.
std::vector<QByteArray> Lines(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  std::vector<QByteArray> lines;
  QByteArray line;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\n' && c != '\r') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.isEmpty()) lines.push_back(line);
  return lines;
}

// A dotted date DD.MM.YYYY of a real day, in the stored form; any other
// text as it is.
QString StoredDate(const QString& field) {
  static const QString shape = QStringLiteral("00.00.0000");
  if (field.size() != shape.size()) return field;
  for (qsizetype i = 0; i < field.size(); ++i) {
    const bool digit = field[i] >= u'0' && field[i] <= u'9';
    if (shape[i] == u'0' ? !digit : field[i] != u'.') return field;
  }
  const int day = field.mid(0, 2).toInt(), month = field.mid(3, 2).toInt(),
            year = field.mid(6, 4).toInt();
  if (!QDate(year, month, day).isValid()) return field;
  return QString::asprintf("%04d-%02d-%02d", year, month, day);
}

using Row = std::array<QString, 16>;

struct Expected {
  int refusedLine = 0;  // 0: every line stored
  std::vector<Row> rows;
};

Expected FromFile(const QByteArray& bytes) {
  Expected expected;
  int number = 0;
  for (const QByteArray& bytesOfLine : Lines(bytes)) {
    ++number;
    if (bytesOfLine.isEmpty()) continue;
    const std::optional<QString> line = DecodeUtf8(bytesOfLine);
    const QStringList fields = line ? line->split(u'\t') : QStringList();
    if (fields.size() != 15 && fields.size() != 16) {
      expected.refusedLine = number;
      expected.rows.clear();
      return expected;
    }
    Row row;
    for (qsizetype i = 0; i < fields.size(); ++i) {
      const QString field = QString(fields[i]).replace(QStringLiteral("||"), QStringLiteral("\n"));
      const auto column = size_t(i);
      row[column] = IsDate(column)   ? StoredDate(field)
                    : IsFlag(column) ? QString::fromLatin1(field == u"true" ? "true" : "false")
                                     : field;
    }
    expected.rows.push_back(row);
  }
  return expected;
}

// A date column may hold a number where the text looked like one: then it
// must be the number the text said.
bool SameNumber(const QString& stored, const QString& text) {
  bool storedOk = false, textOk = false;
  const double a = stored.toDouble(&storedOk), b = text.trimmed().toDouble(&textOk);
  return storedOk && textOk && std::fabs(a - b) <= 1e-13 * std::fmax(std::fabs(a), std::fabs(b));
}

// The row readable: every character but printable ASCII as \u{...}.
QString Shown(const Row& row) {
  QString shown;
  for (const QString& value : row) {
    if (!shown.isEmpty()) shown += u" | ";
    for (const char32_t c : value.toUcs4())
      shown += c >= 0x20 && c < 0x7F ? QString(QChar(char16_t(c)))
                                     : QStringLiteral("\\u{%1}").arg(uint(c), 0, 16);
  }
  return shown;
}

void CheckStored(fw::SQLiteDatabase& db, const Expected& expected, const QString& file) {
  QString sql = QStringLiteral("SELECT *");
  for (const RecordColumn& column : RecordColumns())
    sql += QStringLiteral(", typeof(%1) AS t%1").arg(column.name);
  std::unique_ptr<fw::RecordSet> rs =
      db.SQLSelect(sql + QStringLiteral(" FROM Aufnahmen ORDER BY ID"));
  Require(rs != nullptr, "the stored rows can be read", db.ErrorMessage());
  size_t n = 0;
  for (; !rs->IsEOF(); rs->MoveNext(), ++n) {
    Require(n < expected.rows.size(), "no more rows than the file's lines", file);
    const Row& want = expected.rows[n];
    Row got;
    for (size_t c = 0; c < RecordColumns().size(); ++c) {
      const QString& name = RecordColumns()[c].name;
      got[c] = rs->Field(name).StringValue();
      const QString type = rs->Field(QStringLiteral("t") + name).StringValue();
      const bool asNumber =
          IsDate(c) && (type == u"integer" || type == u"real") && SameNumber(got[c], want[c]);
      Require(got[c] == want[c] || asNumber, "each stored text is the line's",
              QStringLiteral("row %1, %2\nstored:   %3\nexpected: %4\nfile: %5")
                  .arg(n + 1)
                  .arg(name, Shown(got), Shown(want), file));
    }
  }
  Require(n == expected.rows.size(), "one row per non-empty line", file);
}

QString Escaped(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toPercentEncoding(" \t|.-:"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::OpenMainWindow();
  fw::SQLiteDatabase& db = *App::SharedInstance().KlangDB;
  db.SQLExecute(QStringLiteral("DELETE FROM Aufnahmen"));
  Require(!db.Error(), "the catalogue can be emptied", db.ErrorMessage());

  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const fw::FolderItem file(fuzz::ScratchPath(QStringLiteral("Aufnahmen.txt")));
  QFile out(file.NativePath());
  Require(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size(),
          "the input can be stored as a file");
  out.close();

  const fw::Integer result = ImportExchangeFile(
      db, file, QStringLiteral("\t"),
      [&db](bool) { Require(false, "no database error on an empty catalogue", db.ErrorMessage()); },
      [](fw::Integer line) {
        Require(false, "no read error on a stored file", QStringLiteral("line %1").arg(line));
      });
  const Expected expected = FromFile(bytes);
  Require(result == expected.refusedLine, "the refused line is the first bad one",
          QStringLiteral("result %1, expected %2, file: %3")
              .arg(result)
              .arg(expected.refusedLine)
              .arg(Escaped(bytes)));
  CheckStored(db, expected, Escaped(bytes));
  return 0;
}
