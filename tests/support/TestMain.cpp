// Every test program runs inside one QApplication on the offscreen platform,
// set up by the layer's start-up as the program's is.
#include "framework/Application.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  fw::RuntimeInit(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
