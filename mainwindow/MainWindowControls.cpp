// The declaration of the main window's 60 controls, in creation order, and
// the binding table of their events.
// Every parent comes before the controls it contains.

#include "mainwindow/MainWindow.h"

using namespace fw::literals;
using fw::ControlClass;
using fw::ControlDecl;

namespace {

// The text of Label1 on the "Optionen" page.
fw::String OptionsExplanation() {
  return fw::Join(
      {
          u"In diesem Tab werden die Optionen eingestellt. Sie werden in eine Pref-Datei "
          u"geschrieben, die im entsprechenden Ordner ist."_s,
          u"Die popup-Menüs werden beim Laden der Datenbank ggf. ergänzt wenn der Eintrag "
          u"nicht vorhanden ist."_s,
      },
      u"\r"_s);
}

// The import field order as the quick guide names it.
fw::String ImportFieldOrder() {
  const std::vector<fw::String> names{
      u"Datum"_s,     u"Prod.Nr."_s, u"Titel"_s,      u"Verlag/Red."_s, u"Tonträger"_s,
      u"Interpret"_s, u"Ort"_s,      u"1. Schnitt"_s, u"fertig"_s,      u"Backup"_s,
      u"Datum"_s,     u"Backup"_s,   u"Beleg-CD"_s,   u"Bemerkungen"_s, u"System"_s,
      u"Surr"_s,      u"Technik"_s,
  };
  return u'"' + fw::Join(names, u" ¬ "_s) + u'"';
}

// The text of TextArea1, the quick guide.
fw::String QuickGuide() {
  return fw::Join(
      {
          u"Doppelklick löscht die Reihen (wenn aktiviert)"_s,
          u"Änderungen werden erst bei \"Update\" in die Datenbank geschrieben. "_s,
          u"Abbrechen der Eingabe erfolgt durch eine neue Auswahl bzw. Suchanfrage."_s,
          u"Ein neuer Datensatz wird immer am Ende eingefügt, vorgeschlagen wird das heutige "
          u"Datum. "_s,
          u"Es müssen mind. die Felder Datum, Titel,, Interpret, Redaktion und Ort ausgefüllt "
          u"sein (zur Not mit Leerzeichen) und die Datumsfelder werden auf ein gültiges Format "
          u"überprüft (TT.MM.YYYY), falls unbekannt dient \"ja\" oder \"ok\" bei \"fertig\" und "
          u"\"Backup\" als Joker."_s,
          u"Sortiert werden kann durch Klick auf die Titel der Spalten, bzw. bei Änderungen der "
          u"Liste je nach Einstellung unter Optionen."_s,
          u""_s,
          u"Standard-Suche (Befehlstaste-F) in den vorgegebenen Feldern, zusätzlich auch nach "
          u"Datum, als Datum wird auch das Jahr, bzw. MM.YYYY akzeptiert."_s,
          u"Löschen einer Suchanfrage durch den Knopf \"Alle\" (Befehlstaste-A)."_s,
          u"Im \"Expert\"-Modus können beliebige SQL-Suchen vorgenommen werden, das Programm "
          u"gibt die Eingabe aber ungeprüft an ein SQL-Select Befehl."_s,
          u""_s,
          u"Die SQLite Datenbank \"recordings\" mit der Tabelle \"Aufnahmen\" muss sich im Ordner "
          u"des Programms befinden (ggf. als Alias). Bei Windows muss sich der Ordner mit den "
          u"dll auch dort befinden, das Programm läuft somit auch vom USB-Stick."_s,
          u""_s,
          u"Die Datensätze können als Textdatei mit Tab getrennten Feldern exportiert werden (es "
          u"werden immer alle Felder, aber nur die angezeigten Datensätze exportiert)."_s,
          u"Beim Importieren werden 16 Felder als Text-Datei mit Tab getrennt erwartet. "
          u"Reihenfolge:"_s,
          ImportFieldOrder(),
          u""_s,
          u"Im Druck gibt es zwei Optionen: Eine Liste der dargestellten Datensätze oder die "
          u"vollständige Information einiger ausgewählter Datensätze. Dabei öffnet sich ein "
          u"neues Fenster mit der gleichen Suchanfrage und Mehrfachauswahl."_s,
          u""_s,
          u"Die Spalten können in der Breite angepasst und sortiert werden."_s,
          u"Die Option \"Lfd Nr anzeigen\" zeigt in der ersten Spalte die Datensatznummer und "
          u"setzt die Spaltenbreite zurück."_s,
          u"Die Option \"Selektion beibehalten\" merkt sich die letzte Auswahl."_s,
          u"Die Vorgaben der Popup-Menüs können für neue Einträge angepasst werden. Beachten "
          u"Sie, dass fehlende Einträge ggf. bei Bedarf aus der Datenbank ergänzt werden. Das "
          u"Zurücksetzen der Optionen kann durch Löschen der Prefs-Datei im Preferences-Ordner "
          u"geschehen."_s,
      },
      u"\r"_s);
}

std::vector<ControlDecl> BuildDeclaration() {
  const fw::String tabs = u"TabView"_s;
  const fw::String list = u"GroupBox1"_s;
  const fw::String presets = u"GroupBox2"_s;
  const fw::String form = u"RecGroupBox"_s;
  const fw::String label = u"FieldLabel"_s;
  constexpr int kEingabe = 1, kOptionen = 2;
  constexpr unsigned kForm = fw::kLRB;  // the whole form moves with the bottom edge
  using enum ControlClass;
  using fw::Align;

  // clang-format off
  return {
      // 1
      {.cls = kTabPanel, .name = tabs, .left = -8, .top = 14, .width = 816, .height = 598,
       .locks = fw::kLTRB, .tabIndex = 0, .tabStop = false,
       .items = {u"Eingabe"_s, u"Optionen"_s}, .listIndex = 0, .fontSize = 11},
      {.cls = kListbox, .name = u"RecList"_s, .left = 20, .top = 62, .width = 760, .height = 226,
       .parent = tabs, .page = kEingabe, .locks = fw::kLTRB, .tabIndex = 2, .tabStop = false,
       .items = {u"ID"_s, u"Datum"_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s,
                 u"Prod.Nr."_s, u"Ort"_s},
       .fontSize = 11, .columnCount = 7, .hasHeading = true,
       .columnWidths = u"0, 75, 180, 180, 100, 100, *"_s, .headingIndex = -1,
       .selectionType = 0, .columnsResizable = true},
      {.cls = kLabel, .name = u"StatSubTotal"_s, .left = 649, .top = 448, .width = 100,
       .height = 16, .parent = tabs, .page = kOptionen, .locks = fw::kLT, .text = u" "_s,
       .fontSize = 11, .alignment = Align::kRight},
      {.cls = kLabel, .name = u"StatTotalTax"_s, .left = 649, .top = 468, .width = 100,
       .height = 16, .parent = tabs, .page = kOptionen, .locks = fw::kLT, .text = u" "_s,
       .fontSize = 11, .alignment = Align::kRight},
      // 5
      {.cls = kLabel, .name = u"StatOrderTotal"_s, .left = 649, .top = 496, .width = 100,
       .height = 16, .parent = tabs, .page = kOptionen, .locks = fw::kLT, .text = u""_s,
       .fontSize = 11, .alignment = Align::kRight},
      {.cls = kLabel, .name = u"Label1"_s, .left = 201, .top = 50, .width = 407, .height = 69,
       .parent = tabs, .page = kOptionen, .locks = fw::kLTR, .text = OptionsExplanation(),
       .multiline = true, .textColor = 0x000060},
      {.cls = kGroupBox, .name = list, .left = 29, .top = 131, .width = 300, .height = 232,
       .parent = tabs, .page = kOptionen, .locks = fw::kLTR, .text = u"Verhalten der Liste"_s},
      {.cls = kCheckBox, .name = u"DeleteDoubleClick"_s, .left = 72, .top = 167, .width = 208,
       .height = 20, .parent = list, .page = kOptionen, .locks = fw::kLT, .tabIndex = 0,
       .text = u"Löschen durch Doppelklick"_s, .checked = true},
      {.cls = kCheckBox, .name = u"ConfirmDlog"_s, .left = 72, .top = 199, .width = 208,
       .height = 20, .parent = list, .page = kOptionen, .locks = fw::kLT, .tabIndex = 1,
       .text = u"Löschen bestätgen?"_s, .checked = true},
      // 10
      {.cls = kCheckBox, .name = u"ShowID"_s, .left = 72, .top = 231, .width = 208,
       .height = 20, .parent = list, .page = kOptionen, .locks = fw::kLT, .tabIndex = 2,
       .text = u"Lfd Nr anzeigen"_s},
      {.cls = kCheckBox, .name = u"SortOnOpen"_s, .left = 72, .top = 263, .width = 208,
       .height = 20, .parent = list, .page = kOptionen, .locks = fw::kLT, .tabIndex = 3,
       .text = u"Liste sortieren nach:"_s, .checked = true},
      {.cls = kPopupMenu, .name = u"SortOption"_s, .left = 94, .top = 295, .width = 135,
       .height = 20, .parent = list, .page = kOptionen, .locks = fw::kLT, .tabIndex = 4,
       .items = {u"ID"_s, u"Datum rückw."_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s,
                 u"Prod.Nummer"_s, u"Ort"_s},
       .listIndex = 1},
      {.cls = kCheckBox, .name = u"KeepSel"_s, .left = 72, .top = 327, .width = 208,
       .height = 20, .parent = list, .page = kOptionen, .locks = fw::kLT, .tabIndex = 5,
       .text = u"Selektion beibehalten"_s, .checked = true},
      {.cls = kGroupBox, .name = presets, .left = 386, .top = 131, .width = 300, .height = 232,
       .parent = tabs, .page = kOptionen, .locks = fw::kLTR, .text = u"Vorgaben"_s},
      // 15
      {.cls = kBevelButton, .name = u"SysMenuDelete"_s, .left = 402, .top = 195, .width = 20,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 0,
       .acceptFocus = false, .text = u"-"_s},
      {.cls = kBevelButton, .name = u"SysMenuAdd"_s, .left = 423, .top = 195, .width = 20,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 1,
       .tabStop = false, .acceptFocus = false, .text = u"+"_s},
      {.cls = kPopupMenu, .name = u"SysMenuPref"_s, .left = 402, .top = 163, .width = 157,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 2},
      {.cls = kTextField, .name = u"SysMenuText"_s, .left = 455, .top = 193, .width = 196,
       .height = 22, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 3},
      {.cls = kPushButton, .name = u"SysMenuDef"_s, .left = 571, .top = 164, .width = 80,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 4,
       .text = u"Vorgabe"_s},
      // 20
      {.cls = kPopupMenu, .name = u"TonMenuPref"_s, .left = 402, .top = 237, .width = 157,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 5},
      {.cls = kPushButton, .name = u"TonMenuDef"_s, .left = 571, .top = 238, .width = 80,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 6,
       .text = u"Vorgabe"_s},
      {.cls = kBevelButton, .name = u"TonMenuDelete"_s, .left = 402, .top = 270, .width = 20,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 7,
       .acceptFocus = false, .text = u"-"_s},
      {.cls = kBevelButton, .name = u"TonMenuAdd"_s, .left = 423, .top = 270, .width = 20,
       .height = 20, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 8,
       .tabStop = false, .acceptFocus = false, .text = u"+"_s},
      {.cls = kTextField, .name = u"TonMenuText"_s, .left = 455, .top = 270, .width = 196,
       .height = 22, .parent = presets, .page = kOptionen, .locks = fw::kLT, .tabIndex = 9},
      // 25
      {.cls = kPushButton, .name = u"SearchBtn"_s, .left = 130, .top = 296, .width = 80,
       .height = 20, .parent = tabs, .page = kEingabe, .locks = fw::kLRB, .tabIndex = 5,
       .tabStop = false, .text = u"Suche ..."_s},
      {.cls = kPushButton, .name = u"DeleteBtn"_s, .left = 521, .top = 296, .width = 74,
       .height = 20, .parent = tabs, .page = kEingabe, .locks = fw::kLRB, .tabIndex = 4,
       .tabStop = false, .text = u"Löschen"_s, .fontSize = 12},
      {.cls = kPushButton, .name = u"NewBtn"_s, .left = 685, .top = 296, .width = 74,
       .height = 20, .parent = tabs, .page = kEingabe, .locks = fw::kLRB, .tabIndex = 3,
       .tabStop = false, .text = u"Neu"_s, .fontSize = 12},
      {.cls = kGroupBox, .name = form, .left = 20, .top = 310, .width = 760, .height = 270,
       .parent = tabs, .page = kEingabe, .locks = fw::kLRB, .text = u" "_s, .enabled = false,
       .fontSize = 12},
      {.cls = kLabel, .name = label, .index = 9, .left = 36, .top = 332, .width = 114,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm,
       .text = u"Prod. Nummer"_s, .fontSize = 12, .alignment = Align::kLeft},
      // 30
      {.cls = kLabel, .name = label, .index = 10, .left = 36, .top = 361, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"Titel:"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kLabel, .name = label, .index = 11, .left = 36, .top = 390, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"Interpret"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kLabel, .name = label, .index = 12, .left = 36, .top = 419, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm,
       .text = u"Verlag / Red."_s, .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kLabel, .name = label, .index = 13, .left = 36, .top = 448, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"Ort"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      // One point smaller than its neighbours: at 12 it is clipped in its width.
      {.cls = kLabel, .name = label, .index = 14, .left = 36, .top = 538, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm,
       .text = u"Bemerkungen"_s, .fontSize = 11, .alignment = Align::kLeft},
      // 35
      {.cls = kLabel, .name = label, .index = 17, .left = 433, .top = 419, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"1. Schnitt"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kLabel, .name = label, .index = 18, .left = 433, .top = 448, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"fertig"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kTextField, .name = u"AufnTitel"_s, .left = 130, .top = 360, .width = 629,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 2,
       .fontSize = 12},
      {.cls = kTextField, .name = u"AufnInterpret"_s, .left = 130, .top = 389, .width = 629,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 3,
       .fontSize = 12},
      {.cls = kTextField, .name = u"AufnRed"_s, .left = 130, .top = 418, .width = 220,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 4,
       .fontSize = 12},
      // 40
      {.cls = kTextField, .name = u"AufnOrt"_s, .left = 130, .top = 447, .width = 220,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 5,
       .fontSize = 12},
      {.cls = kTextField, .name = u"ProdNummer"_s, .left = 162, .top = 331, .width = 188,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 0,
       .fontSize = 12},
      {.cls = kTextField, .name = u"AufnSchnitt"_s, .left = 521, .top = 418, .width = 120,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 6,
       .fontSize = 12},
      {.cls = kTextField, .name = u"AufnFertig"_s, .left = 521, .top = 447, .width = 120,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 7,
       .fontSize = 12},
      {.cls = kLabel, .name = label, .index = 1, .left = 433, .top = 332, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"Datum"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      // 45
      {.cls = kTextField, .name = u"AufnDatum"_s, .left = 521, .top = 331, .width = 120,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 1,
       .fontSize = 12},
      {.cls = kCheckBox, .name = u"AufnSurr"_s, .left = 653, .top = 448, .width = 83,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 20,
       .tabStop = false, .text = u"Surr"_s},
      {.cls = kCheckBox, .name = u"BelegCD"_s, .left = 653, .top = 505, .width = 83,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 21,
       .tabStop = false, .text = u"BelegCD"_s},
      {.cls = kPushButton, .name = u"UpdateBtn"_s, .left = 685, .top = 544, .width = 74,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 22,
       .tabStop = false, .text = u"Update"_s, .defaultButton = true, .fontSize = 12},
      {.cls = kPopupMenu, .name = u"AufnTon"_s, .left = 653, .top = 476, .width = 106,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 9,
       .items = {u"AMS"_s, u"CD"_s, u"DAT"_s, u"FS"_s, u"live"_s, u"Platte"_s, u"Band"_s},
       .listIndex = 0},
      // 50
      {.cls = kTextField, .name = u"AufnBackup"_s, .left = 401, .top = 505, .width = 108,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 9,
       .fontSize = 12},
      {.cls = kTextField, .name = u"BackupDat"_s, .left = 521, .top = 505, .width = 120,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 10,
       .fontSize = 12},
      {.cls = kPopupMenu, .name = u"AufnSystem"_s, .left = 130, .top = 505, .width = 123,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 10,
       .items = {u"Sonic"_s, u"Sequoia"_s, u"Sequoia Msp"_s, u"Radar"_s, u"analog"_s,
                 u"Protools"_s, u"Sony U-Matic"_s},
       .listIndex = 2},
      {.cls = kLabel, .name = label, .index = 2, .left = 312, .top = 506, .width = 85,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm,
       .text = u"HD / Backup:"_s, .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kTextField, .name = u"AufnBemerkung"_s, .left = 130, .top = 534, .width = 511,
       .height = 40, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 11,
       .fontSize = 12},
      // 55
      {.cls = kLabel, .name = label, .index = 3, .left = 36, .top = 477, .width = 82,
       .height = 20, .parent = form, .page = kEingabe, .locks = kForm, .text = u"Technik"_s,
       .fontSize = 12, .alignment = Align::kLeft},
      {.cls = kTextField, .name = u"AufnTechnik"_s, .left = 130, .top = 476, .width = 511,
       .height = 22, .parent = form, .page = kEingabe, .locks = kForm, .tabIndex = 8,
       .fontSize = 12},
      {.cls = kPushButton, .name = u"ClearSearch"_s, .left = 222, .top = 296, .width = 80,
       .height = 20, .parent = tabs, .page = kEingabe, .locks = fw::kLRB, .tabIndex = 6,
       .text = u"Alle"_s, .enabled = false},
      {.cls = kLabel, .name = u"Label3"_s, .left = 39, .top = 375, .width = 100, .height = 20,
       .parent = tabs, .page = kOptionen, .locks = fw::kLT, .text = u"Kurzanleitung:"_s,
       .bold = true},
      {.cls = kTextArea, .name = u"TextArea1"_s, .left = 29, .top = 396, .width = 751,
       .height = 184, .parent = tabs, .page = kOptionen, .locks = fw::kLTRB, .tabIndex = 31,
       .tabStop = false, .text = QuickGuide(), .readOnly = true, .multiline = true},
      // 60
      {.cls = kPushButton, .name = u"CopyBtn"_s, .left = 603, .top = 296, .width = 74,
       .height = 20, .parent = tabs, .page = kEingabe, .locks = fw::kLRB, .tabIndex = 7,
       .tabStop = false, .text = u"Duplikat"_s},
  };
  // clang-format on
}

}  // namespace

const std::vector<ControlDecl>& MainWindow::ControlDeclaration() {
  static const std::vector<ControlDecl> table = BuildDeclaration();
  return table;
}

// The list's SortKey is RecList_CompareRows's comparison, taken once per row.
const std::vector<fw::EventBinding>& MainWindow::EventBindings() {
  using M = MainWindow;
  static const std::vector<fw::EventBinding> table = {
      {u"TabView"_s, {{u"Change"_s, &M::TabView_Change}}},
      {u"RecList"_s,
       {{u"Change"_s, &M::RecList_Change},
        {u"Open"_s, &M::RecList_Open},
        {u"DoubleClick"_s, &M::RecList_DoubleClick},
        {u"CompareRows"_s, &M::RecList_CompareRows},
        {u"SortKey"_s, &M::RecList_SortKey}}},
      {u"ShowID"_s, {{u"Action"_s, &M::ShowID_Action}}},
      {u"SortOnOpen"_s, {{u"Action"_s, &M::SortOnOpen_Action}}},
      {u"SortOption"_s, {{u"Change"_s, &M::SortOption_Change}}},
      {u"SysMenuDelete"_s, {{u"Action"_s, &M::SysMenuDelete_Action}}},
      {u"SysMenuAdd"_s, {{u"Action"_s, &M::SysMenuAdd_Action}}},
      {u"SysMenuDef"_s, {{u"Action"_s, &M::SysMenuDef_Action}}},
      {u"TonMenuDef"_s, {{u"Action"_s, &M::TonMenuDef_Action}}},
      {u"TonMenuDelete"_s, {{u"Action"_s, &M::TonMenuDelete_Action}}},
      {u"TonMenuAdd"_s, {{u"Action"_s, &M::TonMenuAdd_Action}}},
      {u"SearchBtn"_s, {{u"Action"_s, &M::SearchBtn_Action}}},
      {u"DeleteBtn"_s, {{u"Action"_s, &M::DeleteBtn_Action}}},
      {u"NewBtn"_s, {{u"Action"_s, &M::NewBtn_Action}}},
      {u"AufnSchnitt"_s, {{u"LostFocus"_s, &M::AufnSchnitt_LostFocus}}},
      {u"AufnFertig"_s, {{u"LostFocus"_s, &M::AufnFertig_LostFocus}}},
      {u"UpdateBtn"_s, {{u"Action"_s, &M::UpdateBtn_Action}}},
      {u"BackupDat"_s, {{u"LostFocus"_s, &M::BackupDat_LostFocus}}},
      {u"ClearSearch"_s, {{u"Action"_s, &M::ClearSearch_Action}}},
      {u"CopyBtn"_s, {{u"Action"_s, &M::CopyBtn_Action}}},
  };
  return table;
}
