#pragma once
// The version as the About window shows it: "v" major "." minor, and
// "." bug only when the bug number is not 0 (1.0.0 "v1.0", 1.0.5 "v1.0.5").

#include "framework/String.h"

fw::String VersionText(fw::Integer major, fw::Integer minor, fw::Integer bug);
