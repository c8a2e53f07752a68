// The start-up hands the build's version to the layer, where the About
// window and the preferences header read it.
#include "support/KlangbuchFixture.h"

namespace klangbuch_test {
namespace {

using VersionTest = KlangbuchFixture;

TEST_F(VersionTest, TheApplicationReadsTheVersionOfTheBuild) {
  const App& started = StartApp();
  const QString version = QStringLiteral("%1.%2.%3")
                              .arg(started.MajorVersion())
                              .arg(started.MinorVersion())
                              .arg(started.BugVersion());
  EXPECT_EQ(version, QStringLiteral(KLANGBUCH_BUILD_VERSION));
}

}  // namespace
}  // namespace klangbuch_test
