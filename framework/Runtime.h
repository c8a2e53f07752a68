#pragma once
// Run-time support shared by every part of the layer.

#include "framework/String.h"

#include <stdexcept>

namespace fw {

// Using a missing object (the framework's Nil-object exception). Escapes to
// the layer's dispatch, which hands it to the unhandled-exception handling.
class NilObjectException : public std::runtime_error {
 public:
  explicit NilObjectException(const String& what);
};

// The point every long loop passes once per iteration. Deliberately a
// no-op: no user event may run in the middle of a fill, an import or a
// printout.
inline void BackgroundTask() {}

}  // namespace fw
