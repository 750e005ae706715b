#include "winsys/Shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace tavra {
namespace {

ShellOpenHandler gHandler;

// Starts the opener in a child that starts it again and ends at once, so the opener is adopted
// by the system and never lingers as our zombie; we only wait for the short-lived child.
bool spawnOpener(const std::string& url) {
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    std::vector<char*> argv{const_cast<char*>("xdg-open"), const_cast<char*>(url.c_str()), nullptr};
    pid_t opener = 0;
    int rc = posix_spawnp(&opener, "xdg-open", nullptr, nullptr, argv.data(), environ);
    _exit(rc == 0 ? 0 : 1);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool shellOpen(const std::string& url) {
  if (url.empty()) return false;
  if (gHandler) return gHandler(url);
  return spawnOpener(url);
}

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
  ShellOpenHandler previous = std::move(gHandler);
  gHandler = std::move(handler);
  return previous;
}

}  // namespace tavra
