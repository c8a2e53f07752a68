#pragma once
// A temporary program folder with its own "recordings.rsd", a temporary
// preferences folder, scripted dialogs, a fixed today and a running App with
// the main window open: what the main window's tests start from.

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "mainwindow/MainWindow.h"

#include "framework/Application.h"
#include "framework/Database.h"
#include "framework/Date.h"
#include "framework/FolderItem.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/testsupport/TestRuntime.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace klangbuch_test {

// The day every test of the program runs on, whatever the clock says.
inline const fw::Date kToday(2026, 6, 15);

class KlangbuchFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(programDir.isValid() && prefsDir.isValid());
    fw::SetToday(kToday);
    fw::SetApplicationFolder(programDir.path());
    qputenv("XDG_CONFIG_HOME", prefsDir.path().toUtf8());
    fw::ResetRuntimeForTesting();
    CreateDatabase();
  }

  void TearDown() override {
    CloseMainWindow();
    if (app) {
      app->Event_Close();
      fw::RuntimeRegisterAppObject(nullptr);
      delete app;
      app = nullptr;
    }
    fw::ResetRuntimeForTesting();
    fw::SetToday(std::nullopt);
  }

  // Creates "recordings.rsd" with the table; override Seed to add rows.
  void CreateDatabase() {
    fw::SQLiteDatabase db;
    db.DatabaseFile = fw::FolderItem(DatabasePath());
    ASSERT_TRUE(db.CreateDatabaseFile());
    db.SQLExecute(App::CreateTableStatement());
    ASSERT_FALSE(db.Error());
    Seed(db);
    db.Close();
  }
  virtual void Seed(fw::SQLiteDatabase& /*db*/) {}

  // Runs one SQL statement on a connection of its own.
  void Exec(const QString& sql) {
    fw::SQLiteDatabase db;
    db.DatabaseFile = fw::FolderItem(DatabasePath());
    ASSERT_TRUE(db.Connect());
    db.SQLExecute(sql);
    ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    db.Close();
  }

  // The rows of a query on a connection of its own, every value as text.
  std::vector<QStringList> Rows(const QString& sql) {
    fw::SQLiteDatabase db;
    db.DatabaseFile = fw::FolderItem(DatabasePath());
    std::vector<QStringList> rows;
    if (!db.Connect()) {
      ADD_FAILURE() << db.ErrorMessage().toStdString();
      return rows;
    }
    std::unique_ptr<fw::RecordSet> rs = db.SQLSelect(sql);
    if (!rs) {
      ADD_FAILURE() << sql.toStdString() << ": " << db.ErrorMessage().toStdString();
      return rows;
    }
    for (; !rs->IsEOF(); rs->MoveNext()) {
      QStringList row;
      for (int i = 1; i <= rs->FieldCount(); ++i) row << rs->IdxField(i).StringValue();
      rows.push_back(row);
    }
    return rows;
  }

  // The application object, opened as at start-up.
  App& StartApp() {
    CreateAppObject();
    InstallAppMenuHandlers();
    app = &App::SharedInstance();
    app->Event_Open();
    return *app;
  }

  // The main window, built and opened (starts the App first when needed).
  MainWindow& OpenMainWindow() {
    if (!app) StartApp();
    return MainWindow::SharedInstance();
  }

  void CloseMainWindow() {
    if (fw::Window* w = fw::Window::FindOpen(typeid(MainWindow))) w->Close();
  }

  QString DatabasePath() const { return programDir.filePath(QStringLiteral("recordings.rsd")); }
  QString PrefsPath() const { return prefsDir.filePath(QStringLiteral("Klangbuch Prefs")); }

  QTemporaryDir programDir;
  QTemporaryDir prefsDir;
  fw::ScriptedDialogs dialogs;
  App* app = nullptr;
};

}  // namespace klangbuch_test
