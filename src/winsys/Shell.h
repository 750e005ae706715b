#pragma once
// The desktop's "open" action on a URL (a web page, a "mailto:" address, a file): the program is
// xdg-open, started directly with the URL as its one argument, never through a shell. The child
// is reaped by a waiting thread, so no zombie stays behind. Tests put their own handler in place.
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace tavra {

// Asks the desktop to open `url`. The answer says whether the opener was started; what it does
// with the URL afterwards is not known here. An empty URL opens nothing.
bool shellOpen(const std::string& url);

using ShellOpenHandler = std::function<bool(const std::string& url)>;
// Replaces what shellOpen does; an empty handler puts the real opener back. Returns the previous
// handler (empty when it was the real opener).
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

// Installs a handler for the lifetime of the object and restores the previous one after.
class ScopedShellOpenHandler {
 public:
  explicit ScopedShellOpenHandler(ShellOpenHandler handler) : previous_(setShellOpenHandler(std::move(handler))) {}
  ~ScopedShellOpenHandler() { setShellOpenHandler(std::move(previous_)); }
  ScopedShellOpenHandler(const ScopedShellOpenHandler&) = delete;
  ScopedShellOpenHandler& operator=(const ScopedShellOpenHandler&) = delete;

 private:
  ShellOpenHandler previous_;
};

// What the real opener does: refuses a URL that xdg-open could not take as a URL (empty, holding
// a NUL or a line break, or starting with "-", which it would read as an option), then starts
// `program` with the URL as its one argument.
bool openWithProgram(const std::string& program, const std::string& url);

// A started child: its process id and, once a thread has waited for it and reaped it, its raw
// wait status (-1 when waiting failed).
struct SpawnedChild {
  int pid = 0;
  std::future<int> waitStatus;
};

// Starts `program` (searched on PATH) with `args` as its arguments, each one argument as given,
// with the program's environment, and reaps it from a waiting thread. Nothing when the program
// could not be started.
std::optional<SpawnedChild> spawnReaped(const std::string& program, const std::vector<std::string>& args);

}  // namespace tavra
