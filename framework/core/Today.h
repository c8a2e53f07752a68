#pragma once
// What the clock says, for the layer's own parts.

#include "framework/Date.h"

#include <optional>

namespace fw::core {

// When set, the date Date::Now gives, and so the year two-digit years are
// read against. Unset in the program; the test support sets it, so that no
// test depends on the day it runs.
std::optional<Date>& TodayOverride();

}  // namespace fw::core
