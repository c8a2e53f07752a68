// The declaration of the search window's 15 controls, in creation order, and
// the binding table of their events.
// The expert part (Label4, SearchSQL) lies below the closed height of 112
// and shows only at 150.

#include "search/SearchWindow.h"

using namespace fw::literals;
using fw::ControlClass;
using fw::ControlDecl;

namespace {

std::vector<ControlDecl> BuildDeclaration() {
  using enum ControlClass;
  // clang-format off
  return {
      {.cls = kPushButton, .name = u"EnterSearch"_s, .left = 500, .top = 46, .width = 80,
       .height = 20, .tabIndex = 0, .text = u"Finden"_s, .defaultButton = true},
      {.cls = kPopupMenu, .name = u"SearchBy"_s, .left = 20, .top = 14, .width = 120,
       .height = 20, .tabIndex = 2,
       .items = {u"Prod.Nummer"_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s, u"Ort"_s,
                 u"Backup"_s},
       .listIndex = 0},
      {.cls = kTextField, .name = u"SearchFor"_s, .left = 264, .top = 14, .width = 316,
       .height = 22, .tabIndex = 3, .helpTag = u"Hier Suchtext eingeben"_s},
      {.cls = kPopupMenu, .name = u"SearchOption"_s, .left = 152, .top = 14, .width = 100,
       .height = 20, .tabIndex = 4,
       .items = {u"enthält"_s, u"ist genau"_s, u"beginnt mit"_s, u"endet mit"_s},
       .listIndex = 0},
      {.cls = kCheckBox, .name = u"SearchSurr"_s, .left = 371, .top = 46, .width = 54,
       .height = 20, .tabIndex = 5, .tabStop = false, .text = u"Surr"_s},
      // 5
      {.cls = kLabel, .name = u"Label2"_s, .left = 312, .top = 46, .width = 54, .height = 20,
       .tabIndex = 6, .text = u"und ist:"_s, .alignment = fw::Align::kLeft},
      {.cls = kCheckBox, .name = u"SearchCD"_s, .left = 437, .top = 46, .width = 54,
       .height = 20, .tabIndex = 7, .tabStop = false, .text = u"CD"_s},
      {.cls = kDisclosureTriangle, .name = u"Xpert"_s, .left = 20, .top = 88, .width = 18,
       .height = 18, .tabIndex = 8, .acceptFocus = false},
      {.cls = kLabel, .name = u"Label3"_s, .left = 40, .top = 88, .width = 49, .height = 20,
       .tabIndex = 9, .text = u"Expert"_s,
       .helpTag = u"Schaltet in den Expertenmodus, bei dem die SQL-Query manuell angepasst "
                  u"werden kann."_s},
      {.cls = kLabel, .name = u"Label4"_s, .left = 20, .top = 117, .width = 69, .height = 20,
       .tabIndex = 10, .text = u"SQL Query:"_s},
      // 10
      {.cls = kTextField, .name = u"SearchSQL"_s, .left = 100, .top = 116, .width = 481,
       .height = 22, .tabIndex = 11},
      {.cls = kCheckBox, .name = u"SearchUnfinished"_s, .left = 371, .top = 78, .width = 100,
       .height = 20, .tabIndex = 12, .text = u"nicht fertig"_s},
      {.cls = kPopupMenu, .name = u"SearchDateType"_s, .left = 20, .top = 45, .width = 98,
       .height = 20, .tabIndex = 13,
       .items = {u"Datum"_s, u"Schnitt"_s, u"Fertig"_s, u"BackupDat"_s}, .listIndex = 0},
      {.cls = kLabel, .name = u"DateOperator"_s, .left = 119, .top = 44, .width = 28,
       .height = 20, .tabIndex = 14, .text = u">"_s, .alignment = fw::Align::kCenter,
       .helpTag = u"Mit Klick können auch andere Operatoren ausgewählt werden."_s},
      {.cls = kTextField, .name = u"SearchByDate"_s, .left = 152, .top = 45, .width = 100,
       .height = 22, .tabIndex = 15,
       .helpTag = u"Datumsformat DD.MM.YYYY oder (M).YYYY oder nur YYYY"_s},
  };
  // clang-format on
}

}  // namespace

const std::vector<ControlDecl>& SearchWindow::ControlDeclaration() {
  static const std::vector<ControlDecl> table = BuildDeclaration();
  return table;
}

const std::vector<fw::EventBinding>& SearchWindow::EventBindings() {
  using S = SearchWindow;
  static const std::vector<fw::EventBinding> table = {
      {u"EnterSearch"_s, {{u"Action"_s, &S::EnterSearch_Action}}},
      {u"SearchBy"_s, {{u"Change"_s, &S::SearchBy_Change}}},
      {u"SearchFor"_s, {{u"TextChange"_s, &S::SearchFor_TextChange}}},
      {u"SearchOption"_s, {{u"Change"_s, &S::SearchOption_Change}}},
      {u"SearchSurr"_s, {{u"Action"_s, &S::SearchSurr_Action}}},
      {u"SearchCD"_s, {{u"Action"_s, &S::SearchCD_Action}}},
      {u"Xpert"_s, {{u"Action"_s, &S::Xpert_Action}}},
      {u"Label3"_s, {{u"MouseUp"_s, &S::Label3_MouseUp}, {u"MouseDown"_s, &S::Label3_MouseDown}}},
      {u"SearchUnfinished"_s, {{u"Action"_s, &S::SearchUnfinished_Action}}},
      {u"SearchDateType"_s, {{u"Change"_s, &S::SearchDateType_Change}}},
      {u"DateOperator"_s,
       {{u"MouseDown"_s, &S::DateOperator_MouseDown}, {u"MouseUp"_s, &S::DateOperator_MouseUp}}},
      {u"SearchByDate"_s, {{u"TextChange"_s, &S::SearchByDate_TextChange}}},
  };
  return table;
}
