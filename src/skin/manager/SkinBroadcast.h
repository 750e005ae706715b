#pragma once
// The walk by which a manager tells every window and control of the program about a skin
// change: SM_SKINCMD with the command in the high word of wParam and the manager in lParam.
//
//   1. The application's forms, last created first; a form being destroyed or still loading,
//      or one that answers SKC_ISSKINNED (it has a skinning provider, reached in step 2), is
//      skipped. The form's window is sent the message, then its controls get it (below).
//   2. Every form that has a skinning provider, the same way.
//   3. Every visible dialog window taken over by the hook.
//
// Controls of a window, in the order of its child list, stopping at a child being destroyed: a
// windowless child, or one whose window does not exist yet, gets the message directly; a
// windowed child that answers SKC_ISSKINNED is sent it (it passes it on to its own children);
// any other windowed child is descended into by the same rule.
#include <vector>

#include "skin/manager/SkinCommands.h"

namespace tavra {

class TCustomForm;
class TWinControl;
class SkinFormProvider;

void broadcastSkinCommand(SkinCommand command, LParam manager);
void deliverToControls(TWinControl& parent, WParam wParam, LParam lParam);

// The application's forms, last created first, then the forms the hook took over that the
// application does not own (message boxes).
std::vector<TCustomForm*> programForms();
// The form's skinning provider (its answer to SKC_GETPROVIDER), or null.
SkinFormProvider* skinProviderOf(TCustomForm& form);

}  // namespace tavra
