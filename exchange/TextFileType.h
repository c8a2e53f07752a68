#pragma once
// The program's one file type, "text": what the import's open dialog offers.

#include "framework/FileType.h"

#include <memory>

// Made by RegisterTextFileType at start-up; lives until the program ends.
extern std::unique_ptr<fw::FileType> TextFileType;

void RegisterTextFileType();
