#pragma once
// Every change of the visible window is one of these steps: one window hidden, another shown,
// in the order given. The handlers of the windows call them; what a handler does besides to
// the window it opens belongs to that window.
#include <string>

namespace tavra::handover {

void splashDone();         // end of the splash fade-out: hide the splash, then show the main window
void openTesting();        // "тесты": show the testing window, then hide the main window
void returnFromTesting();  // "Вернуться к учебнику" or closing the testing window
void openResult();         // "Посмотреть результат": hide the testing window, then show the result window
void resultDone();         // countdown at "0": hide the result window, then show the main window
void closeResult();        // closing the result window (its countdown already stopped)
void openAppendices();     // an appendix page: show the appendices window (the page is loaded next)
void noAppendices();       // no appendix page: the message, then hide the appendices window
void openAbout();          // "О программе": show the About window, or bring it to the front
void closeMain();          // closing the main window: hide it, then close the splash window
void exitProgram();        // "Выход": close the splash window

// The message of a section without appendices.
inline const std::string kNoAppendicesMessage = "Для данного раздела приложений нет";

}  // namespace tavra::handover
