#include "exchange/TextFileType.h"

using namespace fw::literals;

std::unique_ptr<fw::FileType> TextFileType;

void RegisterTextFileType() {
  TextFileType = std::make_unique<fw::FileType>();
  TextFileType->Name = u"text"_s;
  TextFileType->Extensions = u".txt"_s;
  TextFileType->MacType = u"TEXT"_s;
  TextFileType->MacCreator = u""_s;
}
