// The declaration of the About window's six controls, in creation order,
// and the binding table of their events.

#include "about/AboutWindow.h"

#include "about/CreatorLogo.h"
#include "app/Author.h"

using namespace fw::literals;
using fw::ControlClass;
using fw::ControlDecl;

namespace {

// The notice: "%1" becomes the year when the label opens.
fw::String Notice() { return AuthorName() + u" © %1"_s + u'\r' + AuthorDomain(); }

fw::String Description() {
  return u"Dieses Datenbank-Frontend verwaltet meine Aufnahme-projekte in der Aufnahme-DB "
         u"\"recordings\" im gleichen Ordner. Ist diese nicht vorhanden, wird eine neue "
         u"erstellt."_s +
         u'\r' + u"Eine detaillierte Anleitung finden Sie im Tab \"Optionen\"."_s;
}

std::vector<ControlDecl> BuildDeclaration() {
  using enum ControlClass;
  using fw::Align;
  constexpr unsigned kLB = fw::kLockLeft | fw::kLockBottom;

  // clang-format off
  return {
      {.cls = kLabel, .name = u"StatAppName"_s, .left = 57, .top = 20, .width = 244,
       .height = 16, .tabIndex = 0, .text = u"Klangbuch"_s, .bold = true, .fontSize = 14,
       .alignment = Align::kCenter},
      {.cls = kLabel, .name = u"StatAppVersion"_s, .left = 57, .top = 40, .width = 244,
       .height = 12, .tabIndex = 1, .text = u"v0.0"_s, .fontSize = 10,
       .alignment = Align::kCenter},
      {.cls = kLabel, .name = u"StatAppCopyright"_s, .left = 76, .top = 191, .width = 244,
       .height = 26, .locks = kLB, .tabIndex = 2, .text = Notice(), .multiline = true,
       .fontSize = 10, .alignment = Align::kCenter},
      {.cls = kLabel, .name = u"Label1"_s, .left = 20, .top = 72, .width = 357, .height = 75,
       .tabIndex = 3, .text = Description(), .multiline = true, .alignment = Align::kLeft},
      {.cls = kLabel, .name = u"StatAppCreator"_s, .left = 86, .top = 159, .width = 291,
       .height = 20, .locks = kLB, .tabIndex = 4, .text = u"Erstellt mit Qt (www.qt.io)"_s,
       .bold = true, .fontSize = 10, .alignment = Align::kLeft},
      {.cls = kCanvas, .name = u"CreatorLogo"_s, .left = 20, .top = 153, .width = 64,
       .height = 64, .locks = kLB, .tabIndex = 5, .tabStop = false, .acceptFocus = false,
       .backdrop = creator_logo()},
  };
  // clang-format on
}

}  // namespace

const std::vector<ControlDecl>& AboutWindow::ControlDeclaration() {
  static const std::vector<ControlDecl> table = BuildDeclaration();
  return table;
}

const std::vector<fw::EventBinding>& AboutWindow::EventBindings() {
  using A = AboutWindow;
  static const std::vector<fw::EventBinding> table = {
      {u"StatAppVersion"_s, {{u"Open"_s, &A::StatAppVersion_Open}}},
      {u"StatAppCopyright"_s,
       {{u"Open"_s, &A::StatAppCopyright_Open},
        {u"MouseUp"_s, &A::StatAppCopyright_MouseUp},
        {u"MouseDown"_s, &A::StatAppCopyright_MouseDown},
        {u"MouseExit"_s, &A::StatAppCopyright_MouseExit},
        {u"MouseEnter"_s, &A::StatAppCopyright_MouseEnter}}},
      {u"StatAppCreator"_s,
       {{u"MouseDown"_s, &A::StatAppCreator_MouseDown},
        {u"MouseUp"_s, &A::StatAppCreator_MouseUp},
        {u"MouseEnter"_s, &A::StatAppCreator_MouseEnter},
        {u"MouseExit"_s, &A::StatAppCreator_MouseExit}}},
      {u"CreatorLogo"_s,
       {{u"MouseUp"_s, &A::CreatorLogo_MouseUp},
        {u"MouseDown"_s, &A::CreatorLogo_MouseDown},
        {u"MouseExit"_s, &A::CreatorLogo_MouseExit},
        {u"MouseEnter"_s, &A::CreatorLogo_MouseEnter}}},
  };
  return table;
}
