#include "search/SearchWindow.h"

SearchWindow& SearchWindow::SharedInstance() {
  static SearchWindow instance;
  return instance;
}
