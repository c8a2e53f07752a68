#pragma once
// The application object and the run time that drives the event loop.
//
// Start-up, in this order (over Qt):
//   RuntimeInit                 makes the QApplication, with Qt's own texts
//                               (dialogs, standard buttons) in German
//   RuntimeSetName              the program's name
//   RuntimeSetVersion           the program's version numbers, from its build
//   RuntimeRegisterAppObject    the one Application object
//   RunFrameworkInitialization  raises Event_Open, then, unless a quit was
//                               asked for, calls the default-window callback
//   RuntimeRun                  runs the loop (returns at once after a Quit)
//   RuntimeExit                 raises Event_Close exactly once and returns
//                               the code given to Quit: the exit status
//
// Quit(code) is a request, honoured also before the loop starts. Qt's own
// quit-on-last-window is off; AutoQuit is the layer's rule: when the last
// window closes and AutoQuit is true, the application quits with 0.
//
// An exception that escapes a handler never unwinds through Qt's loop: the
// layer catches it where it dispatches the event and hands it to
// RuntimeUnhandledException, which shows a message and quits with 1.

#include "framework/String.h"

#include <exception>
#include <functional>
#include <map>

namespace fw {

class MenuBar;

class Application {
 public:
  Application();
  virtual ~Application();

  static Application* Instance();  // the registered object, or nullptr

  fw::MenuBar* MenuBar() const { return menuBar_; }
  void SetMenuBar(fw::MenuBar* bar) { menuBar_ = bar; }

  bool AutoQuit = false;

  // The version the program handed to RuntimeSetVersion (0.0.0 before).
  Integer MajorVersion() const;
  Integer MinorVersion() const;
  Integer BugVersion() const;

  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}

  // Binds a menu item, by name, to an application-level handler.
  void AddMenuHandler(const String& itemName, std::function<bool()> handler);
  // The handler bound under that name, or nullptr.
  const std::function<bool()>* MenuHandler(const String& itemName) const;

 private:
  fw::MenuBar* menuBar_ = nullptr;
  std::map<String, std::function<bool()>> handlers_;
};

void RuntimeInit(int& argc, char** argv);
// The window system's title for a window whose title is empty (a message
// box, a window designed without a title); a designed title is shown as it
// stands. Where the preferences live does not depend on it.
void RuntimeSetName(const String& name);
void RuntimeSetVersion(Integer major, Integer minor, Integer bug);
void RuntimeRegisterAppObject(Application* app);
void RunFrameworkInitialization(const std::function<void()>& onInitialized);
void RuntimeRun();
Integer RuntimeExit();
void RuntimeUnhandledException(const std::exception& e);

// Ends the application with `code` after the running handler.
void Quit(Integer code = 0);
bool QuitRequested();

// Runs one event handler: an exception that escapes it goes to
// RuntimeUnhandledException. Every entry from the window system into
// program code passes here; window-system events that arrive while a
// handler runs (activation, close) wait until the outermost one returns.
// A value the program sets raises its control's event inline instead, so an
// exception there travels back to the program's caller.
void Dispatch(const std::function<void()>& handler);

}  // namespace fw
