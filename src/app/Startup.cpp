#include "app/Startup.h"

#include "about/AboutWindow.h"
#include "app/SplashWindow.h"
#include "gfx/ProgramIcon.h"
#include "program/ProgramWindows.h"
#include "selftest/ResultWindow.h"
#include "selftest/TestingWindow.h"
#include "skin/controls/ScrollBarSkinning.h"
#include "skin/frames/FramesHandOver.h"
#include "skin/menus/MenuSkinning.h"
#include "viewer/AppendicesWindow.h"
#include "viewer/MainWindow.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// Creates one window and notes it as a form at once, so the program's state sees each window
// from its creation on.
template <typename W>
W& createWindow(TApplication& app, TForm*& form) {
  W& window = app.CreateForm<W>();
  form = &window;
  return window;
}

}  // namespace

void createProgramWindows(TApplication& app) {
  ProgramWindows& w = programWindows();
  w = {};
  installMenuSkinning();
  installFramesHandOver();
  installScrollBarSkinning();
  app.setTitle("Tavra");
  app.setIcon(programIcon());
  w.splashWindow = &createWindow<SplashWindow>(app, w.forms.splash);
  w.mainWindow = &createWindow<MainWindow>(app, w.forms.main);
  w.testingWindow = &createWindow<TestingWindow>(app, w.forms.testing);
  w.resultWindow = &createWindow<ResultWindow>(app, w.forms.result);
  w.appendicesWindow = &createWindow<AppendicesWindow>(app, w.forms.appendices);
  w.aboutWindow = &createWindow<AboutWindow>(app, w.forms.about);
  // The desktop lists the program once, as "Tavra": through the main window, or through the
  // testing or result window while one of them stands in for it; the other windows belong to it.
  WindowSystem& windowSystem = WindowSystem::instance();
  windowSystem.setDesktopIdentity({.name = "tavra", .className = "Tavra", .title = app.Title()});
  windowSystem.setSplashWindow(&w.splashWindow->handle());
  windowSystem.setTaskbarWindows(
      {&w.mainWindow->handle(), &w.testingWindow->handle(), &w.resultWindow->handle()});
}

}  // namespace tavra
