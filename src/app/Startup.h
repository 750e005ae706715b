#pragma once
// Start-up: the application titled "Tavra" and its six windows created in order, each
// completely before the next; the first, the splash window, becomes the main form.
#include "framework/core/Application.h"

namespace tavra {

void createProgramWindows(TApplication& app);

}  // namespace tavra
