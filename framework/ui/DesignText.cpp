#include "framework/ui/DesignText.h"

namespace fw::ui {

String ShownText(const String& text) {
  String shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(u'\r', u'\n');
  return shown;
}

String LiteralCaption(const String& text) {
  String shown = ShownText(text);
  shown.replace(u'&', QStringLiteral("&&"));
  return shown;
}

}  // namespace fw::ui
