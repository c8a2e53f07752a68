#pragma once
// The logo beside the credit line, read from the application's resources on
// first use and kept until the program ends.

#include "framework/Picture.h"

const fw::Picture& creator_logo();
