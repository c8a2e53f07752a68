#include "app/Author.h"

using namespace fw::literals;

fw::String AuthorName() { return u"Klangbuch"_s; }

fw::String AuthorDomain() { return u"klangbuch.example.org"_s; }
