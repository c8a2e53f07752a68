#pragma once
// A "recordings.rsd" full of made-up but realistic recordings for the
// benchmark: dates over forty years, German titles and names with umlauts,
// optional fields now empty, now filled.

#include "framework/String.h"

// Creates the file at `path` (which must not exist) with `count` recordings.
// Returns false with a reason in `error` when the database refuses.
bool WriteRecordingsFile(const fw::String& path, int count, fw::String& error);
