#pragma once
// Test windows built from a small declaration table, an event log and a
// fixture that starts every test from a clean run time with scripted
// dialogs.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Menu.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/Window.h"
#include "framework/testsupport/TestRuntime.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <vector>

namespace ui_test {

// Everything the test windows and the test application report, in order.
inline QStringList& Log() {
  static QStringList log;
  return log;
}

// What the next test window is built from.
struct WindowScript {
  fw::WindowDesign design;
  fw::MenuBar* menuBar = nullptr;
  std::vector<fw::ControlDecl> controls;
  std::function<void(fw::Window&, fw::Control&)> bind;
  std::function<void(fw::Window&)> menuHandlers;
  std::function<void(fw::Window&)> enableMenuItems;
  std::function<void(fw::Window&)> activate;
};

inline WindowScript& Script() {
  static WindowScript script;
  return script;
}

class TestWindow : public fw::Window {
 public:
  explicit TestWindow(QString tag) : tag_(std::move(tag)) {}
  ~TestWindow() override { ++Destroyed(); }

  void Layout() override {
    Note(QStringLiteral("Layout"));
    if (Script().menuBar) SetMenuBar(Script().menuBar);
    SetDesign(Script().design);
  }
  void CreateControls() override {
    Note(QStringLiteral("CreateControls"));
    CreateControlsFrom(Script().controls);
    // Each control's events, in declaration order, once all exist.
    for (const fw::ControlDecl& decl : Script().controls) {
      fw::Control& c = *ControlByNameIndex(decl.name, decl.index);
      Note(QStringLiteral("Bind ") + c.Name());
      if (Script().bind) Script().bind(*this, c);
    }
  }
  void AddMenuHandlers() override {
    Note(QStringLiteral("AddMenuHandlers"));
    if (Script().menuHandlers) Script().menuHandlers(*this);
  }
  void Event_Open() override { Note(QStringLiteral("Open")); }
  void Event_Close() override { Note(QStringLiteral("Close")); }
  void Event_Activate() override {
    Note(QStringLiteral("Activate"));
    if (Script().activate) Script().activate(*this);
  }
  void Event_EnableMenuItems() override {
    Note(QStringLiteral("EnableMenuItems"));
    if (Script().enableMenuItems) Script().enableMenuItems(*this);
  }

  void Note(const QString& what) { Log() << tag_ + QStringLiteral(": ") + what; }

  static int& Destroyed() {
    static int count = 0;
    return count;
  }

 private:
  QString tag_;
};

// Two window classes, so two shared instances can be open at once.
class WindowA : public TestWindow {
 public:
  WindowA() : TestWindow(QStringLiteral("A")) {}
};
class WindowB : public TestWindow {
 public:
  WindowB() : TestWindow(QStringLiteral("B")) {}
};

class TestApp : public fw::Application {
 public:
  void Event_Open() override {
    Log() << QStringLiteral("App: Open");
    if (onOpen) onOpen();
  }
  void Event_Close() override { Log() << QStringLiteral("App: Close"); }
  void Event_EnableMenuItems() override { Log() << QStringLiteral("App: EnableMenuItems"); }
  std::function<void()> onOpen;
};

// Runs what the event loop has waiting (posted events, deferred deletes).
inline void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline QStringList Entries(const QString& prefix) {
  QStringList out;
  for (const QString& entry : Log())
    if (entry.startsWith(prefix)) out << entry;
  return out;
}

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::ResetRuntimeForTesting();
    Script() = WindowScript{};
    Log().clear();
  }
  void TearDown() override {
    fw::ResetRuntimeForTesting();
    fw::RuntimeRegisterAppObject(nullptr);
    Script() = WindowScript{};
  }

  fw::ScriptedDialogs dialogs;
};

}  // namespace ui_test
