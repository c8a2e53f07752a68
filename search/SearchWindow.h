#pragma once
// The search condition, an SQL condition over Aufnahmen without the word
// WHERE; "" means all recordings. The search window that builds it is not
// there yet, so for now the condition is only ever reset.

#include "framework/String.h"

class SearchWindow {
 public:
  static SearchWindow& SharedInstance();
  fw::String filter;
};
