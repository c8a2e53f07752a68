#include "about/CreatorLogo.h"

using namespace fw::literals;

const fw::Picture& creator_logo() {
  static const fw::Picture logo = fw::Picture::OpenFromApp(u"about/CreatorLogo.png"_s);
  return logo;
}
