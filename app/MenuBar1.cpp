#include "app/MenuBar1.h"

#include "framework/Runtime.h"

#include <memory>
#include <optional>

using namespace fw::literals;

namespace {

struct ItemDecl {
  fw::String name;
  fw::String caption;
  std::optional<fw::String> shortcut;  // none: a separator, whose shortcut is never set
  fw::MenuItem::Kind kind = fw::MenuItem::kNormal;
};

// Both menus as data, in their order; the first row of each is the menu.
const ItemDecl kFileMenu[] = {
    {u"FileMenu"_s, u"Datei"_s, u""_s},
    {u"FileClose"_s, u"Schließen"_s, u"Cmd+W"_s},
    {u"UntitledSeparator1"_s, u"-"_s, std::nullopt},
    {u"FileImportData"_s, u"Importieren"_s, u"Cmd+I"_s},
    {u"FileExportData"_s, u"Exportieren"_s, u"Cmd+E"_s},
    {u"FileSearch"_s, u"Suchen..."_s, u"Cmd+F"_s},
    {u"UntitledSeparator2"_s, u"-"_s, std::nullopt},
    {u"FilePageSetup"_s, u"Seite einrichten ..."_s, u""_s},
    {u"FilePrint"_s, u"Drucken..."_s, u"Cmd+P"_s},
    {u"FilePrintInfo"_s, u"Vollinfo..."_s, u"Cmd+Shift+P"_s},
    {u"UntitledSeparator0"_s, u"-"_s, std::nullopt},
    {u"FileQuit"_s, u"Beenden"_s, u"Cmd+Q"_s, fw::MenuItem::kQuit},
};

const ItemDecl kEditMenu[] = {
    {u"EditMenu"_s, u"Bearbeiten"_s, u""_s},
    {u"EditUndo"_s, u"Rückgängig"_s, u"Cmd+Z"_s},
    {u"UntitledMenu0"_s, u"-"_s, std::nullopt},
    {u"EditCut"_s, u"Ausschneiden"_s, u"Cmd+X"_s},
    {u"EditCopy"_s, u"Kopieren"_s, u"Cmd+C"_s},
    {u"EditPaste"_s, u"Einfügen"_s, u"Cmd+V"_s},
    {u"EditClear"_s, u"Löschen"_s, u""_s},
    {u"UntitledSeparator"_s, u"-"_s, std::nullopt},
    {u"EditSelectAll"_s, u"Alle Datensätze"_s, u"Cmd+A"_s},
    {u"EditNew"_s, u"Neuer Datensatz"_s, u"Cmd+N"_s},
    {u"EditDuplicate"_s, u"Duplizieren"_s, u"Cmd+D"_s},
    {u"AppAbout"_s, u"Über Klangbuch"_s, u""_s, fw::MenuItem::kApplication},
};

std::unique_ptr<fw::MenuItem> MakeItem(const ItemDecl& decl) {
  auto item = std::make_unique<fw::MenuItem>(decl.kind);
  item->Name = decl.name;
  item->AutoEnable = true;
  item->SetText(decl.caption);
  item->Visible = true;
  if (decl.shortcut) item->KeyboardShortcut = *decl.shortcut;
  return item;
}

template <size_t N>
void BuildMenu(fw::MenuBar& bar, const ItemDecl (&items)[N]) {
  const fw::String& menuName = items[0].name;
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

fw::MenuItem& MenuBar1::Item(const fw::String& name) {
  fw::MenuItem* item = SharedInstance().FindItem(name);
  if (!item) throw fw::NilObjectException(u"no menu item "_s + name);
  return *item;
}
