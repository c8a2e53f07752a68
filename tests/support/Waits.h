#pragma once
// Waits for the window system to reach a state, as long as a busy machine
// may need; each returns as soon as the state is there.

#include <QTest>
#include <QWidget>

namespace klangbuch_test {

constexpr int kStateDeadlineMs = 60000;

inline bool WaitUntilActive(QWidget* window) {
  return QTest::qWaitForWindowActive(window, kStateDeadlineMs);
}

}  // namespace klangbuch_test
