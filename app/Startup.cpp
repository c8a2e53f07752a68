#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "exchange/TextFileType.h"
#include "mainwindow/MainWindow.h"

#include "framework/Application.h"

#include <exception>

using namespace fw::literals;

void StartApplication() {
  try {
    InitApplication();
    fw::RunFrameworkInitialization(&OnFrameworkInitialized);
    fw::RuntimeRun();
  } catch (const std::exception& e) {
    fw::RuntimeUnhandledException(e);
  }
}

void InitApplication() {
  InitFileTypes();
  CreateAppObject();
  InstallAppMenuHandlers();
}

void InitFileTypes() { RegisterTextFileType(); }

void CreateAppObject() {
  fw::RuntimeSetName(u"Klangbuch"_s);
  fw::RuntimeSetVersion(KLANGBUCH_MAJOR_VERSION, KLANGBUCH_MINOR_VERSION, KLANGBUCH_BUG_VERSION);
  auto* app = new App();  // held by the run time until the end
  app->SetMenuBar(&MenuBar1::SharedInstance());
  fw::RuntimeRegisterAppObject(app);
}

void InstallAppMenuHandlers() {
  App& app = App::SharedInstance();
  app.AddMenuHandler(u"AppAbout"_s, [&app] { return app.AppAbout_Action(); });
}

void OnFrameworkInitialized() { OpenDefaultWindow(); }

void OpenDefaultWindow() { MainWindow::SharedInstance(); }
