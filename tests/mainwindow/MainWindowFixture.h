#pragma once
// What the main window's tests start from: the shared program fixture (a
// temporary program folder with its own "recordings.rsd", a temporary
// preferences folder, scripted dialogs, the App opened as at start-up), and
// the one way the tests reach the window's private members.

#include "support/KlangbuchFixture.h"

#include "mainwindow/MainWindow.h"

namespace klangbuch_test {
using MainWindowFixture = KlangbuchFixture;
}  // namespace klangbuch_test

// The window's private state and methods, for the checks that need them.
// Defined once here so every main-window test sees the same class.
class MainWindowTestAccess {
 public:
  static fw::Integer& DefTon(MainWindow& w) { return w.DefTon; }
  static fw::Integer& DefSys(MainWindow& w) { return w.DefSys; }
  static bool& FalseDate(MainWindow& w) { return w.FalseDate; }
  static bool& lastsort(MainWindow& w) { return w.lastsort; }
  static fw::Date& recdate(MainWindow& w) { return w.recdate; }
  static fw::Date& editdate(MainWindow& w) { return w.editdate; }
  static fw::Date& finaldate(MainWindow& w) { return w.finaldate; }
  static fw::Date& bupdate(MainWindow& w) { return w.bupdate; }

  static bool CheckRequiredFields(MainWindow& w, const std::vector<fw::TextField*>& fields,
                                  const std::vector<fw::String>& names) {
    return w.CheckRequiredFields(fields, names);
  }
  static bool ConfirmDelete(MainWindow& w, const fw::String& what) { return w.ConfirmDelete(what); }
  static fw::Integer FindTon(MainWindow& w, const fw::String& s) { return w.FindTon(s); }
  static fw::Integer FindSystem(MainWindow& w, const fw::String& s) { return w.FindSystem(s); }
  static void ReadPrefs(MainWindow& w) { w.ReadPrefs(); }
  static void WritePrefs(MainWindow& w) { w.WritePrefs(); }
  static fw::String PrefsText(const MainWindow& w) { return w.PrefsText(); }
  static void UpdateData(MainWindow& w) { w.UpdateData(); }
};
