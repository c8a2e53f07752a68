#pragma once
// The application object: the recordings database, the page setup and the
// routines every window shares.

#include "framework/Application.h"
#include "framework/Database.h"
#include "framework/FolderItem.h"
#include "framework/Printing.h"
#include "framework/String.h"

#include <memory>

class App : public fw::Application {
 public:
  App();

  // The registered application object.
  static App& SharedInstance();

  // The one statement that makes the table Aufnahmen in a new file.
  static fw::String CreateTableStatement();

  std::unique_ptr<fw::SQLiteDatabase> KlangDB;
  std::unique_ptr<fw::PrinterSetup> p;

  void Event_Close() override;
  void Event_Open() override;
  void Event_EnableMenuItems() override;
  bool AppAbout_Action();

  void DisplayDatabaseError(bool rollback);
  // Reads an exchange file into Aufnahmen (exchange/ImportCommand.cpp).
  fw::Integer ImportData(const fw::FolderItem& file, const fw::String& separator);
  static fw::String EscapeSQLData(const fw::String& s);
  static fw::String ConvertDate(const fw::String& s, fw::Integer mode);

 private:
  void CreateDatabaseFile();
};
