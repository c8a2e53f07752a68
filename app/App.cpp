#include "app/App.h"

#include "about/AboutWindow.h"
#include "app/MenuBar1.h"
#include "app/RecordColumns.h"
#include "framework/Date.h"
#include "framework/Dialogs.h"
#include "framework/FolderItem.h"
#include "framework/Menu.h"
#include "framework/Runtime.h"

#include <optional>

using namespace fw::literals;
using fw::EndOfLine;
using fw::String;

namespace {

// A text that has exactly the shape `shape` ('d' a digit, anything else
// itself) and names a real day, read from the 1-based positions of its
// year (four digits), month and day (two each). The shape is ASCII, so a
// text that fits it has as many UTF-16 units as characters, and its digits
// are read where they stand: the list fill converts every row.
std::optional<fw::Date> ExactDate(const String& s, fw::StringView shape, fw::Integer yearAt,
                                  fw::Integer monthAt, fw::Integer dayAt) {
  if (s.size() != shape.size()) return std::nullopt;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const bool fits = shape[i] == u'd' ? (s[i] >= u'0' && s[i] <= u'9') : s[i] == shape[i];
    if (!fits) return std::nullopt;
  }
  const auto number = [&s](fw::Integer at, fw::Integer digits) {
    fw::Integer n = 0;
    for (fw::Integer i = at - 1; i < at - 1 + digits; ++i) n = n * 10 + (s[i].unicode() - u'0');
    return n;
  };
  const fw::Date d(number(yearAt, 4), number(monthAt, 2), number(dayAt, 2));
  if (!d.IsValid()) return std::nullopt;
  return d;
}

}  // namespace

String App::CreateTableStatement() {
  String statement = u"create table Aufnahmen ("_s;
  for (const RecordColumn& column : RecordColumns())
    statement += column.name + u" "_s + SqlType(column.kind) + u", "_s;
  return statement + u"ID integer NOT NULL PRIMARY KEY)"_s;
}

App::App() = default;

App& App::SharedInstance() {
  auto* app = dynamic_cast<App*>(fw::Application::Instance());
  if (!app) throw fw::NilObjectException(u"no application object"_s);
  return *app;
}

void App::Event_Open() {
  KlangDB = std::make_unique<fw::SQLiteDatabase>();
  KlangDB->DatabaseFile = fw::GetFolderItem(u"recordings.rsd"_s, 0);
  if (!KlangDB->DatabaseFile.Exists()) {
    fw::MsgBox(u"Die Datenbank 'recordings' existiert nicht,"_s + EndOfLine +
               u"es wird eine neue erstellt."_s + EndOfLine + EndOfLine +
               u"Importieren Sie Ihre Daten über den Menü-Befehl."_s);
    CreateDatabaseFile();
    if (fw::QuitRequested()) return;
    AutoQuit = true;
    return;
  }
  if (!KlangDB->Connect()) {
    DisplayDatabaseError(false);
    fw::Quit(0);
    return;
  }
  AutoQuit = true;
}

void App::CreateDatabaseFile() {
  if (!KlangDB->CreateDatabaseFile()) {
    fw::MsgBox(u"Database Error"_s + EndOfLine + EndOfLine +
               u"Es gab einen Fehler beim Erstellen der Datembank"_s);
    fw::Quit(0);
    return;
  }
  KlangDB->SQLExecute(CreateTableStatement());
}

void App::Event_Close() {
  if (KlangDB) KlangDB->Close();
}

void App::Event_EnableMenuItems() { MenuBar1::Item(u"AppAbout"_s).SetEnabled(true); }

bool App::AppAbout_Action() {
  AboutWindow::SharedInstance().Show();
  return true;
}

void App::DisplayDatabaseError(bool rollback) {
  fw::MsgBox(u"Database Error: "_s + fw::Str(KlangDB->ErrorCode()) + EndOfLine + EndOfLine +
             KlangDB->ErrorMessage() + EndOfLine +
             u"Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query"_s + EndOfLine +
             u"Im Expert Modus"_s);
  if (rollback) KlangDB->Rollback();
}

String App::EscapeSQLData(const String& s) { return fw::ReplaceAll(s, u"'"_s, u"''"_s); }

// Converts between the stored form (YYYY-MM-DD) and the shown form
// (dd.MM.yyyy). Only a text that has exactly the expected shape and names a
// real day is converted; anything else ("1.12.2012", "24.12.2008 (ca.)",
// "05.03.12", "ja") comes back unchanged, so no remark or digit is lost and
// a two-digit year is never read as the year 12.
String App::ConvertDate(const String& s, fw::Integer mode) {
  if (!s.isEmpty() && fw::InStr(s, u"-"_s) > 0 && mode < 2) {
    const std::optional<fw::Date> d = ExactDate(s, u"dddd-dd-dd", 1, 6, 9);
    return d ? d->AbbreviatedDate() : s;
  }
  if (!s.isEmpty() && fw::InStr(s, u"."_s) > 0 && mode != 1) {
    if (const std::optional<fw::Date> d = ExactDate(s, u"dd.dd.dddd", 7, 4, 1)) return d->SQLDate();
  }
  return s;
}
