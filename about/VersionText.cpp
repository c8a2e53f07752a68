#include "about/VersionText.h"

using namespace fw::literals;

fw::String VersionText(fw::Integer major, fw::Integer minor, fw::Integer bug) {
  fw::String text = u"v"_s + fw::Str(major) + u"."_s + fw::Str(minor);
  if (bug != 0) text += u"."_s + fw::Str(bug);
  return text;
}
