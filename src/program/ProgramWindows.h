#pragma once
// The six windows of the program, created once at start-up and owned by the application.
namespace tavra {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

struct ProgramWindows {
  TForm5* Form5 = nullptr;  // splash window, the application's main form
  TForm1* Form1 = nullptr;  // main window
  TForm2* Form2 = nullptr;  // testing window
  TForm3* Form3 = nullptr;  // result window
  TForm4* Form4 = nullptr;  // appendices window
  TForm6* Form6 = nullptr;  // About window
};

ProgramWindows& programWindows();

// Which of the first four windows is visible tells the program's state.
enum class ProgramState { Starting, Reading, Testing, Result, Ended };
ProgramState programState();

}  // namespace tavra
