#pragma once
// The desktop's own wording of the standard window commands (its system menu), in the
// language the desktop speaks to the student; a menu shows '&' before the accelerator letter.
#include <optional>
#include <string_view>

#include "winsys/Messages.h"

namespace tavra {

// The caption of SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE or SC_CLOSE; none for
// any other command.
std::optional<std::string_view> systemCommandCaption(WParam command);

}  // namespace tavra
