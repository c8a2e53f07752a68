#pragma once
// Text input and output streams of the platform layer. Texts are UTF-8.
//
// Line ends: ReadLine ends a line at CR, LF or CRLF, each counted once; an
// unterminated last line is still read; a UTF-8 BOM at the start is skipped.
// The file is read in pieces, never whole. WriteLine ends its line with
// EndOfLine ("\n"); Write writes exactly what it is given, so a caller that
// needs CR line ends writes them itself.

#include "framework/FolderItem.h"
#include "framework/String.h"

#include <QByteArray>
#include <memory>

class QFile;
class QSaveFile;

namespace fw {

class TextInputStream {
 public:
  // nullptr when the file cannot be opened (missing, a folder, unreadable).
  static std::unique_ptr<TextInputStream> Open(const FolderItem& f);
  ~TextInputStream();

  String ReadLine();  // the next line without its line end; "" at the end
  // False when the line ReadLine returned last was not valid UTF-8 (the
  // decoder put U+FFFD where its bad bytes were).
  bool LastLineIsValid() const { return lastLineValid_; }
  // True once reading the file failed (a failing disk, a folder that went
  // away): no more lines come, and those read are not the whole file. The
  // line read when it happened may be cut short.
  bool ReadFailed() const { return readFailed_; }
  bool IsEOF();             // true once every line has been read, or reading failed
  String Encoding() const;  // "UTF-8"
  void Close();

 private:
  explicit TextInputStream(std::unique_ptr<QFile> file);
  bool fill();  // appends the next piece of the file; false at its end or on failure
  std::unique_ptr<QFile> file_;
  QByteArray buffer_;
  qsizetype pos_ = 0;
  bool lastLineValid_ = true;
  bool readFailed_ = false;
};

// Writes to a temporary file beside the target and renames it over the
// target on Close, so a failed or interrupted write never leaves a
// truncated file where a good one was.
class TextOutputStream {
 public:
  // nullptr when the file cannot be created (its folder is missing or
  // read-only, the target is a folder, ...).
  static std::unique_ptr<TextOutputStream> Create(const FolderItem& f);
  ~TextOutputStream();  // without Close: the target stays untouched

  void Write(const String& text);
  void WriteLine(const String& text);
  // True when every byte reached the target; false leaves the old file.
  bool Close();

 private:
  explicit TextOutputStream(std::unique_ptr<QSaveFile> file);
  void flush();  // writes what is gathered, checking that all of it went
  std::unique_ptr<QSaveFile> file_;
  QByteArray pending_;
  bool failed_ = false;
};

}  // namespace fw
