#include "app/Startup.h"

#include "program/ProgramWindows.h"
#include "app/Unit5.h"
#include "selftest/Unit2.h"
#include "selftest/Unit3.h"
#include "skin/paint/FramesHandOver.h"
#include "skin/paint/MenuSkinning.h"
#include "skin/paint/ScrollBarSkinning.h"
#include "viewer/Unit1.h"
#include "viewer/Unit4.h"
#include "about/Unit6.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

ProgramWindows gWindows;

}  // namespace

ProgramWindows& programWindows() { return gWindows; }

ProgramState programState() {
  const ProgramWindows& w = gWindows;
  if (!TApplication::exists() || Application().Terminated()) return ProgramState::Ended;
  if (w.Form5 && w.Form5->visible()) return ProgramState::Starting;
  if (w.Form1 && w.Form1->visible()) return ProgramState::Reading;
  if (w.Form2 && w.Form2->visible()) return ProgramState::Testing;
  if (w.Form3 && w.Form3->visible()) return ProgramState::Result;
  return ProgramState::Ended;
}

void createProgramWindows(TApplication& app) {
  gWindows = {};
  installMenuSkinning();
  installFramesHandOver();
  installScrollBarSkinning();
  app.setTitle("Tavra");
  gWindows.Form5 = &app.CreateForm<TForm5>();
  gWindows.Form1 = &app.CreateForm<TForm1>();
  gWindows.Form2 = &app.CreateForm<TForm2>();
  gWindows.Form3 = &app.CreateForm<TForm3>();
  gWindows.Form4 = &app.CreateForm<TForm4>();
  gWindows.Form6 = &app.CreateForm<TForm6>();
  // The desktop lists the program once, as "Tavra": through the main window, or through the
  // testing or result window while one of them stands in for it; the other windows belong to it.
  WindowSystem& windowSystem = WindowSystem::instance();
  windowSystem.setDesktopIdentity({.name = "tavra", .className = "Tavra", .title = app.Title()});
  windowSystem.setSplashWindow(&gWindows.Form5->handle());
  windowSystem.setTaskbarWindows({&gWindows.Form1->handle(), &gWindows.Form2->handle(), &gWindows.Form3->handle()});
}

}  // namespace tavra
