#pragma once
// The About window: the program's name and version, a short description,
// the author's notice and the credit line with the logo. The notice, the
// credit and the logo are links, opened on the release of a click.
//
//   AboutWindowControls.cpp  the control declaration (data)
//   AboutWindow.cpp          build hooks, event bindings, handlers

#include "framework/Controls.h"
#include "framework/Window.h"

#include <vector>

class AboutWindow : public fw::Window {
 public:
  AboutWindow();
  static AboutWindow& SharedInstance() { return fw::Window::SharedInstance<AboutWindow>(); }

  // The declaration of the six controls, in creation order.
  static const std::vector<fw::ControlDecl>& ControlDeclaration();

  // The pages the links open.
  static fw::String AuthorPage();
  static fw::String CreatorPage();

  // --- build hooks -----------------------------------------------------
  void Layout() override;
  void CreateControls() override;
  // The bindings of the controls' events, which CreateControls applies
  // once every control exists, in binding order.
  static const std::vector<fw::EventBinding>& EventBindings();
  void AddMenuHandlers() override;

  // --- control accessors -----------------------------------------------
  fw::Label& StatAppName() const { return Ctl<fw::Label>("StatAppName"); }
  fw::Label& StatAppVersion() const { return Ctl<fw::Label>("StatAppVersion"); }
  fw::Label& StatAppCopyright() const { return Ctl<fw::Label>("StatAppCopyright"); }
  fw::Label& Label1() const { return Ctl<fw::Label>("Label1"); }
  fw::Label& StatAppCreator() const { return Ctl<fw::Label>("StatAppCreator"); }
  fw::Canvas& CreatorLogo() const { return Ctl<fw::Canvas>("CreatorLogo"); }

  // --- the control event handlers --------------------------------------
  void StatAppVersion_Open(fw::Label& me);
  void StatAppCopyright_Open(fw::Label& me);
  void StatAppCopyright_MouseUp(fw::Label& me, fw::Integer x, fw::Integer y);
  bool StatAppCopyright_MouseDown(fw::Label& me, fw::Integer x, fw::Integer y);
  void StatAppCopyright_MouseExit(fw::Label& me);
  void StatAppCopyright_MouseEnter(fw::Label& me);
  bool StatAppCreator_MouseDown(fw::Label& me, fw::Integer x, fw::Integer y);
  void StatAppCreator_MouseUp(fw::Label& me, fw::Integer x, fw::Integer y);
  void StatAppCreator_MouseEnter(fw::Label& me);
  void StatAppCreator_MouseExit(fw::Label& me);
  void CreatorLogo_MouseUp(fw::Canvas& me, fw::Integer x, fw::Integer y);
  bool CreatorLogo_MouseDown(fw::Canvas& me, fw::Integer x, fw::Integer y);
  void CreatorLogo_MouseExit(fw::Canvas& me);
  void CreatorLogo_MouseEnter(fw::Canvas& me);

  // --- window events and the menu handler --------------------------------
  void Event_EnableMenuItems() override;
  bool FileClose_Action();
};
