#pragma once
// Pictures: an image read once and shared by every copy of its Picture, so a
// picture handed to several controls is held only once.

#include "framework/String.h"

#include <memory>

class QImage;

namespace fw {

class Picture {
 public:
  Picture();  // nil: draws nothing, 0 x 0

  // The picture stored among the application's resources under `name`
  // (e.g. "about/CreatorLogo.png"); nil when there is none or it cannot be
  // read.
  static Picture OpenFromApp(const String& name);

  bool IsNil() const;
  Integer Width() const;
  Integer Height() const;

  const QImage& image() const;  // layer-internal

 private:
  struct Impl;
  std::shared_ptr<const Impl> d;
};

}  // namespace fw
