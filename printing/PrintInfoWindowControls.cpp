// The declaration of the print selection window's four controls, in
// creation and tab order, and the binding table of their events.

#include "printing/PrintInfoWindow.h"

using namespace fw::literals;
using fw::ControlClass;

const std::vector<fw::ControlDecl>& PrintInfoWindow::ControlDeclaration() {
  // clang-format off
  static const std::vector<fw::ControlDecl> table = {
      {.cls = ControlClass::kListbox, .name = u"RecList2"_s, .left = 20, .top = 20, .width = 760,
       .height = 328, .locks = fw::kLTRB, .tabIndex = 0, .tabStop = false,
       .items = {u"ID"_s, u"Datum"_s, u"Titel"_s, u"Interpret"_s, u"Redaktion"_s,
                 u"Prod.Nr."_s, u"Ort"_s},
       .fontSize = 11, .columnCount = 7, .hasHeading = true,
       .columnWidths = u"0, 75, 180, 180, 100, 100, *"_s, .headingIndex = -1,
       .selectionType = 1, .columnsResizable = true},
      {.cls = ControlClass::kPushButton, .name = u"PrintInfo"_s, .left = 700, .top = 360,
       .width = 80, .height = 20, .locks = fw::kLT, .tabIndex = 1, .text = u"Drucken"_s,
       .defaultButton = true},
      {.cls = ControlClass::kLabel, .name = u"Label1"_s, .left = 114, .top = 352, .width = 470,
       .height = 36, .locks = fw::kLT, .tabIndex = 2,
       .text = u"Selektieren Sie die Datensätze, die als Vollinfo gedruckt werden sollen.\r"
               u"(Die Auswahl wird von der Suche des Hauptfensters übernommen)"_s,
       .multiline = true, .alignment = fw::Align::kCenter},
      {.cls = ControlClass::kPushButton, .name = u"PrintCancel"_s, .left = 596, .top = 360,
       .width = 92, .height = 20, .locks = fw::kLT, .tabIndex = 3, .text = u"Abbrechen"_s,
       .cancelButton = true},
  };
  // clang-format on
  return table;
}

// The list's SortKey is RecList2_CompareRows's comparison, taken once per row.
const std::vector<fw::EventBinding>& PrintInfoWindow::EventBindings() {
  using W = PrintInfoWindow;
  static const std::vector<fw::EventBinding> table = {
      {u"RecList2"_s,
       {{u"Open"_s, &W::RecList2_Open},
        {u"Change"_s, &W::RecList2_Change},
        {u"CompareRows"_s, &W::RecList2_CompareRows},
        {u"SortKey"_s, &W::RecList2_SortKey}}},
      {u"PrintInfo"_s, {{u"Action"_s, &W::PrintInfo_Action}}},
      {u"PrintCancel"_s, {{u"Action"_s, &W::PrintCancel_Action}}},
  };
  return table;
}
