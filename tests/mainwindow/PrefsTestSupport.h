#pragma once
// The preferences file as bytes, for the tests of the options tab and of the
// preferences reader and writer.

#include "support/KlangbuchFixture.h"

#include "framework/Controls.h"
#include "framework/Date.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

namespace prefs_test {

// The header the writer puts in line 1 in the tests' year.
inline QString Header() {
  return QStringLiteral("Klangbuch v1.0, Klangbuch \u00A9 ") +
         QString::number(klangbuch_test::kToday.Year());
}

// The lines of the file with the design values.
inline QStringList DesignLines() {
  return {Header(),
          QString(),
          QStringLiteral("DeleteDoubleClick\tTrue"),
          QStringLiteral("ConfirmDlog\tTrue"),
          QStringLiteral("ShowID\tFalse"),
          QStringLiteral("SortOnOpen\tTrue\tID\tDatum rückw.\tTitel\tInterpret\tRedaktion\t"
                         "Prod.Nummer\tOrt\t1"),
          QStringLiteral("KeepSel\tTrue"),
          QStringLiteral("SysMenuPref\tSonic\tSequoia\tSequoia Msp\tRadar\tanalog\tProtools\t"
                         "Sony U-Matic\t2"),
          QStringLiteral("TonMenuPref\tAMS\tCD\tDAT\tFS\tlive\tPlatte\tBand\t0")};
}

// The design lines with the line of each key in `changed` replaced; each
// entry of `changed` is a whole line, its key the text before the first tab.
inline QStringList DesignLinesWith(const QStringList& changed) {
  QStringList lines = DesignLines();
  for (const QString& line : changed) {
    const QString key = line.section(u'\t', 0, 0);
    for (QString& l : lines)
      if (l.section(u'\t', 0, 0) == key) l = line;
  }
  return lines;
}

// Every line followed by `end`, in UTF-8.
inline QByteArray Bytes(const QStringList& lines, const char* end = "\r") {
  QByteArray out;
  for (const QString& l : lines) out += l.toUtf8() + end;
  return out;
}

inline QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QStringList Entries(const fw::PopupMenu& p) {
  QStringList out;
  for (int i = 0; i < p.ListCount(); ++i) out << p.List(i);
  return out;
}

// A file's bytes shown readably in a failure message.
inline std::string Shown(const QByteArray& bytes) {
  return QString::fromUtf8(bytes).replace(u'\r', QStringLiteral("\\r\n")).toStdString();
}

}  // namespace prefs_test
