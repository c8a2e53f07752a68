#pragma once
// File types: what the open dialog offers, by type name.

#include "framework/String.h"

namespace fw {

// A kind of file, known to the open dialog by its Name while the object
// lives.
class FileType {
 public:
  FileType();
  ~FileType();
  FileType(const FileType&) = delete;
  FileType& operator=(const FileType&) = delete;

  String Name;
  String Extensions;  // ".txt"; several separated by ";"
  String MacType;     // kept as given; no meaning on this platform
  String MacCreator;  // kept as given; no meaning on this platform
};

// The open dialog's filter for file type names separated by ";", e.g.
// "text (*.txt *.TXT)". Names here are case-sensitive, so each extension is
// offered in lower and upper case. Names no living FileType carries are
// left out; with none left the filter is "" (every file).
String FileTypeFilter(const String& names);

}  // namespace fw
