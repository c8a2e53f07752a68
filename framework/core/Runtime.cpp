#include "framework/Runtime.h"

namespace fw {

NilObjectException::NilObjectException(const String& what)
    : std::runtime_error(what.toStdString()) {}

}  // namespace fw
