// The program's one file type, made at start-up.
#include "exchange/TextFileType.h"

#include "app/Startup.h"
#include "framework/FileType.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFileTypeTest, StartUpMakesTheTypeTheOpenDialogOffers) {
  InitFileTypes();
  ASSERT_NE(TextFileType, nullptr);
  EXPECT_EQ(TextFileType->Name, "text");
  EXPECT_EQ(TextFileType->Extensions, ".txt");
  EXPECT_EQ(TextFileType->MacType, "TEXT");
  EXPECT_EQ(TextFileType->MacCreator, "");
  EXPECT_EQ(fw::FileTypeFilter("text"), "text (*.txt *.TXT)");
  InitFileTypes();  // made anew, still one type of the name
  EXPECT_EQ(fw::FileTypeFilter("text"), "text (*.txt *.TXT)");
}

}  // namespace
