#include "framework/Picture.h"

#include <QImage>

namespace fw {

struct Picture::Impl {
  QImage image;
};

Picture::Picture() {
  static const auto nil = std::make_shared<const Impl>();
  d = nil;
}

Picture Picture::OpenFromApp(const String& name) {
  Picture picture;
  QImage image(QStringLiteral(":/") + name);
  if (!image.isNull()) picture.d = std::make_shared<const Impl>(Impl{std::move(image)});
  return picture;
}

bool Picture::IsNil() const { return d->image.isNull(); }
Integer Picture::Width() const { return d->image.width(); }
Integer Picture::Height() const { return d->image.height(); }
const QImage& Picture::image() const { return d->image; }

}  // namespace fw
