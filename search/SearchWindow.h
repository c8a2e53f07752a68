#pragma once
// The search window "Suchen": it builds the search condition `filter` from
// its controls (or, with the expert part open, takes the typed SQL text) and
// makes the main window reload its list. It is created hidden by the first
// reader of `filter` and only ever hidden, never closed, so its controls
// and the condition last as long as the program runs.
//
// The class is spread over three files:
//   SearchWindowControls.cpp  the control declaration and the event bindings (data)
//   SearchWindow.cpp          build hooks, the interaction
//   SearchCriteria.cpp        Criteria and BuildSearchString
// The condition itself is built from the criteria in SearchCondition.cpp.

#include "framework/Controls.h"
#include "framework/Date.h"
#include "framework/Window.h"
#include "search/SearchCondition.h"

#include <optional>
#include <vector>

class SearchWindow : public fw::Window {
 public:
  SearchWindow();
  static SearchWindow& SharedInstance() { return fw::Window::SharedInstance<SearchWindow>(); }

  // The declaration of the 15 controls, in creation order.
  static const std::vector<fw::ControlDecl>& ControlDeclaration();

  // The search condition: an SQL condition over Aufnahmen without the word
  // WHERE; "" means all recordings.
  fw::String filter;
  // The date the last successful parse of the date field gave; none before
  // the first.
  std::optional<fw::Date> searchDate;

  // --- build hooks -----------------------------------------------------
  void Layout() override;
  void CreateControls() override;
  // The bindings of the controls' events, which CreateControls applies
  // once every control exists, in binding order.
  static const std::vector<fw::EventBinding>& EventBindings();

  // --- control accessors -----------------------------------------------
  fw::PushButton& EnterSearch() const { return Ctl<fw::PushButton>("EnterSearch"); }
  fw::PopupMenu& SearchBy() const { return Ctl<fw::PopupMenu>("SearchBy"); }
  fw::TextField& SearchFor() const { return Ctl<fw::TextField>("SearchFor"); }
  fw::PopupMenu& SearchOption() const { return Ctl<fw::PopupMenu>("SearchOption"); }
  fw::CheckBox& SearchSurr() const { return Ctl<fw::CheckBox>("SearchSurr"); }
  fw::CheckBox& SearchCD() const { return Ctl<fw::CheckBox>("SearchCD"); }
  fw::DisclosureTriangle& Xpert() const { return Ctl<fw::DisclosureTriangle>("Xpert"); }
  fw::TextField& SearchSQL() const { return Ctl<fw::TextField>("SearchSQL"); }
  fw::CheckBox& SearchUnfinished() const { return Ctl<fw::CheckBox>("SearchUnfinished"); }
  fw::PopupMenu& SearchDateType() const { return Ctl<fw::PopupMenu>("SearchDateType"); }
  fw::TextField& SearchByDate() const { return Ctl<fw::TextField>("SearchByDate"); }

  // --- the 14 control event handlers -----------------------------------
  void EnterSearch_Action(fw::PushButton& me);
  void SearchBy_Change(fw::PopupMenu& me);
  void SearchFor_TextChange(fw::TextField& me);
  void SearchOption_Change(fw::PopupMenu& me);
  void SearchSurr_Action(fw::CheckBox& me);
  void SearchCD_Action(fw::CheckBox& me);
  void Xpert_Action(fw::DisclosureTriangle& me);
  void Label3_MouseUp(fw::Label& me, fw::Integer x, fw::Integer y);
  bool Label3_MouseDown(fw::Label& me, fw::Integer x, fw::Integer y);
  void SearchUnfinished_Action(fw::CheckBox& me);
  void SearchDateType_Change(fw::PopupMenu& me);
  bool DateOperator_MouseDown(fw::Label& me, fw::Integer x, fw::Integer y);
  void DateOperator_MouseUp(fw::Label& me, fw::Integer x, fw::Integer y);
  void SearchByDate_TextChange(fw::TextField& me);

  // --- window events ---------------------------------------------------
  void Event_Activate() override;
  void Event_EnableMenuItems() override;

  // What the controls describe, as they stand.
  SearchCriteria Criteria() const;
  // Replaces `filter` with the condition the controls describe, and keeps
  // the day of a date text that gives one in `searchDate`.
  void BuildSearchString();

 private:
  fw::Label& Label2() const { return Ctl<fw::Label>("Label2"); }
  fw::Label& Label3() const { return Ctl<fw::Label>("Label3"); }
  fw::Label& Label4() const { return Ctl<fw::Label>("Label4"); }
  fw::Label& DateOperator() const { return Ctl<fw::Label>("DateOperator"); }

  // While the expert part is open: the condition rebuilt and shown as SQL.
  void Preview();

  friend class SearchWindowTestAccess;
};
