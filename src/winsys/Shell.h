#pragma once
// The shell's "open" action on a URL or file: xdg-open started directly with the URL as its one
// argument (never through a command interpreter). Tests replace the action with their own.
#include <functional>
#include <string>

namespace tavra {

using ShellOpenHandler = std::function<bool(const std::string& url)>;

// Opens the URL; false when the opener could not be started. An empty URL opens nothing.
bool shellOpen(const std::string& url);
// Replaces the action (an empty handler restores the real one); returns the previous handler.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

}  // namespace tavra
