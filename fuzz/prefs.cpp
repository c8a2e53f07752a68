// The preferences file, read as the main window's opening reads it and
// written as its closing writes it: whatever a file holds, what the program
// writes is well formed and, read again, writes the same bytes (but for the
// one change the sort option's rule makes).

#include "support/Program.h"

#include <QByteArray>
#include <QFile>

// The one way into the window's private reader and writer.
class MainWindowTestAccess {
 public:
  // The part of a run that touches the file: opening reads it and fills
  // the options tab, closing writes it.
  static QByteArray Run(MainWindow& w) {
    w.ReadPrefs();
    w.FillOptionPopups();
    w.WritePrefs();
    QFile f(fuzz::PrefsPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void Write(MainWindow& w) { w.WritePrefs(); }
};

namespace {

void Store(const QByteArray& bytes) {
  QFile f(fuzz::PrefsPath());
  fuzz::Require(
      f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
      "the input can be stored as the preferences file");
}

QByteArray DesignFile(MainWindow& w) {
  MainWindowTestAccess::Write(w);
  QFile f(fuzz::PrefsPath());
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The one change a second reading makes by rule: a sort by ID (index 0)
// checks ShowID, and its line comes after the ShowID line.
QByteArray AfterTheSortReaction(const QByteArray& file) {
  QByteArray expected = file;
  for (const QByteArray& line : file.split('\r'))
    if (line.startsWith("SortOnOpen\t") && line.endsWith("\t0"))
      expected.replace("\rShowID\tFalse\r", "\rShowID\tTrue\r");
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MainWindow& w = fuzz::OpenMainWindow();
  static const QByteArray design = DesignFile(w);
  // Every key from the design first, so no input sees what the one before
  // left behind.
  Store(design);
  MainWindowTestAccess::Run(w);

  Store(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const QByteArray first = MainWindowTestAccess::Run(w);
  const QByteArray second = MainWindowTestAccess::Run(w);
  const QString shown =
      QString::fromUtf8(first) + QStringLiteral("\n---\n") + QString::fromUtf8(second);
  fuzz::Require(second == AfterTheSortReaction(first),
                "what was written reads back to the same bytes", shown);
  fuzz::Require(first.count('\r') == 9 && first.endsWith('\r') && !first.contains('\n'),
                "nine lines, each ended by a carriage return", shown);
  fuzz::Require(QString::fromUtf8(first).toUtf8() == first, "valid UTF-8", shown);
  return 0;
}
