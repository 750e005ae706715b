#pragma once
// Modal message boxes centred on the screen with one "OK" button: the plain box captioned with
// the application title, the typed boxes captioned "Information", "Warning", "Error", and the
// system box the error handler uses (window class "#32770").
#include <string>

#include "framework/core/Application.h"

namespace tavra {

enum MessageBoxFlags : unsigned {
  MB_OK = 0x0,
  MB_ICONSTOP = 0x10,
  MB_ICONERROR = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2 };

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The system's box (window class "#32770").
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
// The plain box captioned with the application title.
void ShowMessage(const std::string& text);
// A typed box: caption "Warning", "Error", "Information", "Confirm" or the application title.
int MessageDlg(const std::string& text, TMsgDlgType type);

}  // namespace tavra
