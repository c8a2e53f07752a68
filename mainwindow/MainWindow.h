#pragma once
// The main window "Aufnahmen": the record list, the record form and the
// options, on the two pages of one tab panel.
//
// The class is spread over several files, one per concern:
//   MainWindowControls.cpp  the control declaration and the event bindings (data)
//   MainWindow.cpp          build hooks, window events, menus
//   RecordList.cpp          list query, fill, sort, column widths
//   RecordForm.cpp          loading, clearing, new and duplicate
//   RecordSave.cpp          date checks, validation, insert and update
//   RecordDelete.cpp        deletion
//   OptionsTab.cpp          tab switch and the preset lists
//   Prefs.cpp               the preferences file
//   exchange/ImportCommand.cpp, exchange/ExportCommand.cpp
//                           "Importieren" and "Exportieren"

#include "framework/Controls.h"
#include "framework/Date.h"
#include "framework/Listbox.h"
#include "framework/Menu.h"
#include "framework/Window.h"

#include <optional>
#include <vector>

namespace fw {
class RecordSet;
}

class MainWindow : public fw::Window {
 public:
  MainWindow();
  static MainWindow& SharedInstance() { return fw::Window::SharedInstance<MainWindow>(); }

  // The declaration of the 60 controls, in creation order.
  static const std::vector<fw::ControlDecl>& ControlDeclaration();

  // --- properties read by other windows --------------------------------
  fw::Date today;  // taken once by Event_Open
  fw::String sql;  // the last list query

  // --- build hooks -----------------------------------------------------
  void Layout() override;
  void CreateControls() override;
  // The bindings of the controls' events, which CreateControls applies
  // once every control exists, in binding order.
  static const std::vector<fw::EventBinding>& EventBindings();
  void AddMenuHandlers() override;

  // --- control accessors -----------------------------------------------
  fw::TabPanel& TabView() const { return Ctl<fw::TabPanel>("TabView"); }
  fw::Listbox& RecList() const { return Ctl<fw::Listbox>("RecList"); }
  fw::Label& StatSubTotal() const { return Ctl<fw::Label>("StatSubTotal"); }
  fw::Label& StatTotalTax() const { return Ctl<fw::Label>("StatTotalTax"); }
  fw::Label& StatOrderTotal() const { return Ctl<fw::Label>("StatOrderTotal"); }
  fw::Label& Label1() const { return Ctl<fw::Label>("Label1"); }
  fw::GroupBox& GroupBox1() const { return Ctl<fw::GroupBox>("GroupBox1"); }
  fw::CheckBox& DeleteDoubleClick() const { return Ctl<fw::CheckBox>("DeleteDoubleClick"); }
  fw::CheckBox& ConfirmDlog() const { return Ctl<fw::CheckBox>("ConfirmDlog"); }
  fw::CheckBox& ShowID() const { return Ctl<fw::CheckBox>("ShowID"); }
  fw::CheckBox& SortOnOpen() const { return Ctl<fw::CheckBox>("SortOnOpen"); }
  fw::PopupMenu& SortOption() const { return Ctl<fw::PopupMenu>("SortOption"); }
  fw::CheckBox& KeepSel() const { return Ctl<fw::CheckBox>("KeepSel"); }
  fw::GroupBox& GroupBox2() const { return Ctl<fw::GroupBox>("GroupBox2"); }
  fw::BevelButton& SysMenuDelete() const { return Ctl<fw::BevelButton>("SysMenuDelete"); }
  fw::BevelButton& SysMenuAdd() const { return Ctl<fw::BevelButton>("SysMenuAdd"); }
  fw::PopupMenu& SysMenuPref() const { return Ctl<fw::PopupMenu>("SysMenuPref"); }
  fw::TextField& SysMenuText() const { return Ctl<fw::TextField>("SysMenuText"); }
  fw::PushButton& SysMenuDef() const { return Ctl<fw::PushButton>("SysMenuDef"); }
  fw::PopupMenu& TonMenuPref() const { return Ctl<fw::PopupMenu>("TonMenuPref"); }
  fw::PushButton& TonMenuDef() const { return Ctl<fw::PushButton>("TonMenuDef"); }
  fw::BevelButton& TonMenuDelete() const { return Ctl<fw::BevelButton>("TonMenuDelete"); }
  fw::BevelButton& TonMenuAdd() const { return Ctl<fw::BevelButton>("TonMenuAdd"); }
  fw::TextField& TonMenuText() const { return Ctl<fw::TextField>("TonMenuText"); }
  fw::PushButton& SearchBtn() const { return Ctl<fw::PushButton>("SearchBtn"); }
  fw::PushButton& DeleteBtn() const { return Ctl<fw::PushButton>("DeleteBtn"); }
  fw::PushButton& NewBtn() const { return Ctl<fw::PushButton>("NewBtn"); }
  fw::GroupBox& RecGroupBox() const { return Ctl<fw::GroupBox>("RecGroupBox"); }
  // The member of the label array FieldLabel with that index.
  fw::Label& FieldLabelAt(fw::Integer index) const { return Ctl<fw::Label>("FieldLabel", index); }
  fw::TextField& AufnTitel() const { return Ctl<fw::TextField>("AufnTitel"); }
  fw::TextField& AufnInterpret() const { return Ctl<fw::TextField>("AufnInterpret"); }
  fw::TextField& AufnRed() const { return Ctl<fw::TextField>("AufnRed"); }
  fw::TextField& AufnOrt() const { return Ctl<fw::TextField>("AufnOrt"); }
  fw::TextField& ProdNummer() const { return Ctl<fw::TextField>("ProdNummer"); }
  fw::TextField& AufnSchnitt() const { return Ctl<fw::TextField>("AufnSchnitt"); }
  fw::TextField& AufnFertig() const { return Ctl<fw::TextField>("AufnFertig"); }
  fw::TextField& AufnDatum() const { return Ctl<fw::TextField>("AufnDatum"); }
  fw::CheckBox& AufnSurr() const { return Ctl<fw::CheckBox>("AufnSurr"); }
  fw::CheckBox& BelegCD() const { return Ctl<fw::CheckBox>("BelegCD"); }
  fw::PushButton& UpdateBtn() const { return Ctl<fw::PushButton>("UpdateBtn"); }
  fw::PopupMenu& AufnTon() const { return Ctl<fw::PopupMenu>("AufnTon"); }
  fw::TextField& AufnBackup() const { return Ctl<fw::TextField>("AufnBackup"); }
  fw::TextField& BackupDat() const { return Ctl<fw::TextField>("BackupDat"); }
  fw::PopupMenu& AufnSystem() const { return Ctl<fw::PopupMenu>("AufnSystem"); }
  fw::TextField& AufnBemerkung() const { return Ctl<fw::TextField>("AufnBemerkung"); }
  fw::TextField& AufnTechnik() const { return Ctl<fw::TextField>("AufnTechnik"); }
  fw::PushButton& ClearSearch() const { return Ctl<fw::PushButton>("ClearSearch"); }
  fw::Label& Label3() const { return Ctl<fw::Label>("Label3"); }
  fw::TextArea& TextArea1() const { return Ctl<fw::TextArea>("TextArea1"); }
  fw::PushButton& CopyBtn() const { return Ctl<fw::PushButton>("CopyBtn"); }

  // --- the 23 control event handlers -----------------------------------
  void TabView_Change(fw::TabPanel& me);
  void RecList_Change(fw::Listbox& me);
  void RecList_Open(fw::Listbox& me);
  void RecList_DoubleClick(fw::Listbox& me);
  bool RecList_CompareRows(fw::Listbox& me, fw::Integer row1, fw::Integer row2, fw::Integer column,
                           fw::Integer& result);
  // What RecList_CompareRows compares, handed to the list as its SortKey, so
  // every sort takes it once per row: the ID's number, the date's DateAsInt,
  // none for the text columns.
  std::optional<long long> RecList_SortKey(const fw::Listbox& me, fw::Integer row,
                                           fw::Integer column) const;
  void ShowID_Action(fw::CheckBox& me);
  void SortOnOpen_Action(fw::CheckBox& me);
  void SortOption_Change(fw::PopupMenu& me);
  void SysMenuDelete_Action(fw::BevelButton& me);
  void SysMenuAdd_Action(fw::BevelButton& me);
  void SysMenuDef_Action(fw::PushButton& me);
  void TonMenuDef_Action(fw::PushButton& me);
  void TonMenuDelete_Action(fw::BevelButton& me);
  void TonMenuAdd_Action(fw::BevelButton& me);
  void SearchBtn_Action(fw::PushButton& me);
  void DeleteBtn_Action(fw::PushButton& me);
  void NewBtn_Action(fw::PushButton& me);
  void AufnSchnitt_LostFocus(fw::TextField& me);
  void AufnFertig_LostFocus(fw::TextField& me);
  void UpdateBtn_Action(fw::PushButton& me);
  void BackupDat_LostFocus(fw::TextField& me);
  void ClearSearch_Action(fw::PushButton& me);
  void CopyBtn_Action(fw::PushButton& me);

  // --- window events ---------------------------------------------------
  void Event_Close() override;
  void Event_Open() override;
  void Event_EnableMenuItems() override;
  void Event_Activate() override;

  // --- the ten menu handlers -------------------------------------------
  bool FileImportData_Action();
  bool FileExportData_Action();
  bool FilePrint_Action();
  bool FileClose_Action();
  bool FileSearch_Action();
  bool FilePrintInfo_Action();
  bool FilePageSetup_Action();
  bool EditSelectAll_Action();
  bool EditNew_Action();
  bool EditDuplicate_Action();

  // --- public methods ---------------------------------------------------
  void UpdateRecList();
  void PopulateListBox(fw::Listbox& list, fw::RecordSet& rs);
  // What both record lists show when their query gave no record set.
  static void ShowEmptyListMessage();
  void ClearFields(bool all);
  fw::Integer DateAsInt(const fw::String& s) const;

  // The option sort of the record list, applied to `list`.
  void ApplyOptionSort(fw::Listbox& list);

 private:
  bool CheckRequiredFields(const std::vector<fw::TextField*>& fields,
                           const std::vector<fw::String>& names);
  bool ConfirmDelete(const fw::String& what);
  fw::Integer FindTon(const fw::String& s);
  fw::Integer FindSystem(const fw::String& s);
  void ReadPrefs();
  void WritePrefs();
  void UpdateData();
  // Selects the row the form last followed again (none when it followed
  // none), without loading it.
  void PutSelectionBack(fw::Listbox& me);

  // The options tab's preset lists (OptionsTab.cpp): the option pop-ups
  // refilled from the form's with the defaults selected, and the way back,
  // keeping what the form had selected.
  void FillOptionPopups();
  void RefillFormPopup(fw::PopupMenu& form, const fw::PopupMenu& options,
                       fw::Integer (MainWindow::*find)(const fw::String&));
  // One line of the preferences file taking effect (Prefs.cpp).
  void ApplyPrefsLine(const fw::String& line);
  fw::String PrefsText() const;

  fw::Integer DefTon = 0;
  fw::Integer DefSys = 2;
  // The preferences file opened but could not be read to its end: nothing
  // of it was applied, and the close does not replace it.
  bool prefsFileUnread = false;
  bool FalseDate = false;
  bool lastsort = false;
  // The ID of the list row whose record the form took over last, none
  // after the list's selection became empty; kept by RecList_Change.
  std::optional<fw::String> followedID;
  bool puttingSelectionBack = false;
  // The cell RecList_SortKey reads, one string for every row of a sort.
  mutable fw::String sortKeyCell;
  fw::Date recdate;
  fw::Date editdate;
  fw::Date finaldate;
  fw::Date bupdate;

  friend class MainWindowTestAccess;
};
