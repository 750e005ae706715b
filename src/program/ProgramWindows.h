#pragma once
// The six windows of the program, created once at start-up and owned by the application. The
// windows live above this floor: here they are only named, and the hand-over steps and the
// program's state see them as the forms they are.
namespace tavra {

class TForm;
class SplashWindow;
class MainWindow;
class TestingWindow;
class ResultWindow;
class AppendicesWindow;
class AboutWindow;

// The same six windows as framework forms, for what only shows, hides and closes them.
struct ProgramForms {
  TForm* splash = nullptr;
  TForm* main = nullptr;
  TForm* testing = nullptr;
  TForm* result = nullptr;
  TForm* appendices = nullptr;
  TForm* about = nullptr;
};

struct ProgramWindows {
  SplashWindow* splashWindow = nullptr;  // the application's main form
  MainWindow* mainWindow = nullptr;
  TestingWindow* testingWindow = nullptr;
  ResultWindow* resultWindow = nullptr;
  AppendicesWindow* appendicesWindow = nullptr;
  AboutWindow* aboutWindow = nullptr;
  ProgramForms forms;
};

ProgramWindows& programWindows();

// Which of the first four windows is visible tells the program's state.
enum class ProgramState { Starting, Reading, Testing, Result, Ended };
ProgramState programState();

}  // namespace tavra
