#pragma once
// Page setup shared by the printouts. The dialogs that use it and the page
// surface come with the printouts.

#include "framework/String.h"

#include <memory>

namespace fw {

class PrinterSetup {
 public:
  PrinterSetup();
  ~PrinterSetup();

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace fw
