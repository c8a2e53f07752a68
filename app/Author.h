#pragma once
// Who made the program: the preferences header and the About window name
// the same author.

#include "framework/String.h"

fw::String AuthorName();
fw::String AuthorDomain();  // the author's web site, without "https://"
