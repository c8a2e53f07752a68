#include "app/App.h"

#include "framework/Date.h"
#include "framework/Dialogs.h"
#include "framework/FolderItem.h"
#include "framework/Menu.h"
#include "framework/Runtime.h"

using fw::EndOfLine;
using fw::String;

namespace {

// "dddd" digits only.
bool AllDigits(const String& s) {
  for (QChar c : s) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// The date a text names when it has exactly the shape of the stored form
// "YYYY-MM-DD" and names a real day.
bool ReadStoredDate(const String& s, fw::Date& d) {
  if (s.size() != 10 || s[4] != u'-' || s[7] != u'-') return false;
  const String y = fw::Mid(s, 1, 4), m = fw::Mid(s, 6, 2), day = fw::Mid(s, 9, 2);
  if (!AllDigits(y) || !AllDigits(m) || !AllDigits(day)) return false;
  const fw::Date candidate(fw::Val(y), fw::Val(m), fw::Val(day));
  if (!candidate.IsValid()) return false;
  d = candidate;
  return true;
}

// The same for the dotted form "DD.MM.YYYY".
bool ReadDottedDate(const String& s, fw::Date& d) {
  if (s.size() != 10 || s[2] != u'.' || s[5] != u'.') return false;
  const String day = fw::Left(s, 2), m = fw::Mid(s, 4, 2), y = fw::Mid(s, 7, 4);
  if (!AllDigits(day) || !AllDigits(m) || !AllDigits(y)) return false;
  const fw::Date candidate(fw::Val(y), fw::Val(m), fw::Val(day));
  if (!candidate.IsValid()) return false;
  d = candidate;
  return true;
}

}  // namespace

const char* const App::CreateTableStatement =
    "create table Aufnahmen (Datum date, ProdNr varchar, Titel varchar, Redaktion varchar, "
    "Format varchar, Interpret varchar, Ort varchar, Schnitt date, Fertig date, Backup varchar, "
    "BackupDat date, BelegCD boolean, Bemerkung varchar, System varchar, Surr boolean, "
    "Technik varchar, ID integer NOT NULL PRIMARY KEY)";

App::App() = default;

App& App::SharedInstance() {
  auto* app = dynamic_cast<App*>(fw::Application::Instance());
  if (!app) throw fw::NilObjectException(QStringLiteral("no application object"));
  return *app;
}

void App::Event_Open() {
  KlangDB = std::make_unique<fw::SQLiteDatabase>();
  KlangDB->DatabaseFile = fw::GetFolderItem(QStringLiteral("recordings.rsd"), 0);
  if (!KlangDB->DatabaseFile.Exists()) {
    fw::MsgBox(QStringLiteral("Die Datenbank 'recordings' existiert nicht,") + EndOfLine +
               QStringLiteral("es wird eine neue erstellt.") + EndOfLine + EndOfLine +
               QStringLiteral("Importieren Sie Ihre Daten über den Menü-Befehl."));
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
    fw::MsgBox(QStringLiteral("Database Error") + EndOfLine + EndOfLine +
               QStringLiteral("Es gab einen Fehler beim Erstellen der Datembank"));
    fw::Quit(0);
    return;
  }
  KlangDB->SQLExecute(QString::fromLatin1(CreateTableStatement));
}

void App::Event_Close() {
  if (KlangDB) KlangDB->Close();
}

void App::Event_EnableMenuItems() {
  if (fw::MenuItem* about = MenuBar() ? MenuBar()->FindItem(QStringLiteral("AppAbout")) : nullptr)
    about->SetEnabled(true);
}

bool App::AppAbout_Action() {
  // The About window comes with its own piece of work; the item is served.
  return true;
}

void App::DisplayDatabaseError(bool rollback) {
  fw::MsgBox(QStringLiteral("Database Error: ") + fw::Str(KlangDB->ErrorCode()) + EndOfLine +
             EndOfLine + KlangDB->ErrorMessage() + EndOfLine +
             QStringLiteral("Prüfen Sie bei einer Suchanfrage ggf. die SQL-Query") + EndOfLine +
             QStringLiteral("Im Expert Modus"));
  if (rollback) KlangDB->Rollback();
}

String App::EscapeSQLData(const String& s) {
  return fw::ReplaceAll(s, QStringLiteral("'"), QStringLiteral("''"));
}

// Converts between the stored form (YYYY-MM-DD) and the shown form
// (dd.MM.yyyy). Only a text that has exactly the expected shape and names a
// real day is converted; anything else ("1.12.2012", "24.12.2008 (ca.)",
// "05.03.12", "ja") comes back unchanged, so no remark or digit is lost and
// a two-digit year is never read as the year 12.
String App::ConvertDate(const String& s, fw::Integer mode) {
  // Any day will do as the start: the result never depends on the clock.
  fw::Date d(2000, 1, 1);
  if (!s.isEmpty() && fw::InStr(s, QStringLiteral("-")) > 0 && mode < 2)
    return ReadStoredDate(s, d) ? d.AbbreviatedDate() : s;
  if (!s.isEmpty() && fw::InStr(s, QStringLiteral(".")) > 0 && mode != 1) {
    if (ReadDottedDate(s, d)) return d.SQLDate();
  }
  return s;
}
