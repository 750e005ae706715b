#include "winsys/Shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <vector>

extern char** environ;

namespace tavra {
namespace {

ShellOpenHandler gHandler;

// Starts the opener and reaps it from a detached thread when it ends, so it never lingers.
bool spawnOpener(const std::string& url) {
  std::vector<char*> argv{const_cast<char*>("xdg-open"), const_cast<char*>(url.c_str()), nullptr};
  pid_t opener = 0;
  if (posix_spawnp(&opener, "xdg-open", nullptr, nullptr, argv.data(), environ) != 0) return false;
  std::thread([opener] {
    int status = 0;
    while (waitpid(opener, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return true;
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
