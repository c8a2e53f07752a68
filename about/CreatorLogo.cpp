#include "about/CreatorLogo.h"

using namespace Qt::StringLiterals;

const fw::Picture& creator_logo() {
  static const fw::Picture logo = fw::Picture::OpenFromApp(u"about/CreatorLogo.png"_s);
  return logo;
}
