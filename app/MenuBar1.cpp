#include "app/MenuBar1.h"

#include <memory>

namespace {

struct ItemDecl {
  const char* name;
  const char* caption;
  const char* shortcut;  // nullptr: a separator, whose shortcut is never set
  fw::MenuItem::Kind kind = fw::MenuItem::kNormal;
};

// Both menus as data, in their order; the first row of each is the menu.
const ItemDecl kFileMenu[] = {
    {"FileMenu", "Datei", ""},
    {"FileClose", "Schließen", "Cmd+W"},
    {"UntitledSeparator1", "-", nullptr},
    {"FileImportData", "Importieren", "Cmd+I"},
    {"FileExportData", "Exportieren", "Cmd+E"},
    {"FileSearch", "Suchen...", "Cmd+F"},
    {"UntitledSeparator2", "-", nullptr},
    {"FilePageSetup", "Seite einrichten ...", ""},
    {"FilePrint", "Drucken...", "Cmd+P"},
    {"FilePrintInfo", "Vollinfo...", "Cmd+Shift+P"},
    {"UntitledSeparator0", "-", nullptr},
    {"FileQuit", "Beenden", "Cmd+Q", fw::MenuItem::kQuit},
};

const ItemDecl kEditMenu[] = {
    {"EditMenu", "Bearbeiten", ""},
    {"EditUndo", "Rückgängig", "Cmd+Z"},
    {"UntitledMenu0", "-", nullptr},
    {"EditCut", "Ausschneiden", "Cmd+X"},
    {"EditCopy", "Kopieren", "Cmd+C"},
    {"EditPaste", "Einfügen", "Cmd+V"},
    {"EditClear", "Löschen", ""},
    {"UntitledSeparator", "-", nullptr},
    {"EditSelectAll", "Alle Datensätze", "Cmd+A"},
    {"EditNew", "Neuer Datensatz", "Cmd+N"},
    {"EditDuplicate", "Duplizieren", "Cmd+D"},
    {"AppAbout", "Über Klangbuch", "", fw::MenuItem::kApplication},
};

std::unique_ptr<fw::MenuItem> MakeItem(const ItemDecl& decl) {
  auto item = std::make_unique<fw::MenuItem>(decl.kind);
  item->Name = QString::fromUtf8(decl.name);
  item->AutoEnable = true;
  item->SetText(QString::fromUtf8(decl.caption));
  item->Visible = true;
  if (decl.shortcut) item->KeyboardShortcut = QString::fromUtf8(decl.shortcut);
  return item;
}

template <size_t N>
void BuildMenu(fw::MenuBar& bar, const ItemDecl (&items)[N]) {
  const QString menuName = QString::fromUtf8(items[0].name);
  bar.Append(MakeItem(items[0]));
  for (size_t i = 1; i < N; ++i) bar.FindItem(menuName)->Append(MakeItem(items[i]));
}

}  // namespace

MenuBar1& MenuBar1::SharedInstance() {
  static MenuBar1* instance = new MenuBar1();  // lives until the end of the run
  return *instance;
}

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() { BuildMenu(*this, kFileMenu); }

void MenuBar1::Untitled1() { BuildMenu(*this, kEditMenu); }
