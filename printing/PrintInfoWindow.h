#pragma once
// The print selection window "Vollinfo Drucken": the recordings of the main
// window's list, for a multiple selection whose full information is printed.
//
// The class is spread over three files:
//   PrintInfoWindowControls.cpp  the control declaration (data)
//   PrintInfoWindow.cpp          build hooks, list, activation, menus
//   FullInfoPrintout.cpp         the printout of the selected recordings

#include "framework/Controls.h"
#include "framework/Listbox.h"
#include "framework/Menu.h"
#include "framework/Window.h"

#include <optional>
#include <vector>

class PrintInfoWindow : public fw::Window {
 public:
  static PrintInfoWindow& SharedInstance() { return fw::Window::SharedInstance<PrintInfoWindow>(); }

  // The declaration of the four controls, in creation order.
  static const std::vector<fw::ControlDecl>& ControlDeclaration();

  // --- build hooks -----------------------------------------------------
  void Layout() override;
  void CreateControls() override;
  // The bindings of the controls' events, which CreateControls applies
  // once every control exists, in binding order.
  static const std::vector<fw::EventBinding>& EventBindings();
  void AddMenuHandlers() override;

  // --- control accessors -----------------------------------------------
  fw::Listbox& RecList2() const { return Ctl<fw::Listbox>("RecList2"); }
  fw::PushButton& PrintInfo() const { return Ctl<fw::PushButton>("PrintInfo"); }
  fw::Label& Label1() const { return Ctl<fw::Label>("Label1"); }
  fw::PushButton& PrintCancel() const { return Ctl<fw::PushButton>("PrintCancel"); }

  // --- control event handlers ------------------------------------------
  bool RecList2_CompareRows(fw::Listbox& me, fw::Integer row1, fw::Integer row2, fw::Integer column,
                            fw::Integer& result);
  // Both the main list's: RecList_CompareRows and RecList_SortKey.
  std::optional<long long> RecList2_SortKey(const fw::Listbox& me, fw::Integer row,
                                            fw::Integer column) const;
  void RecList2_Change(fw::Listbox& me);
  void RecList2_Open(fw::Listbox& me);
  void PrintInfo_Action(fw::PushButton& me);
  void PrintCancel_Action(fw::PushButton& me);

  // --- window events ---------------------------------------------------
  void Event_Activate() override;
  void Event_EnableMenuItems() override;

  // --- menu handlers ---------------------------------------------------
  bool FileClose_Action();
  bool FilePageSetup_Action();
  bool FilePrint_Action();
};
