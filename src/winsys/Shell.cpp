#include "winsys/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace tavra {
namespace {

std::function<bool(const std::string&)>& handlerSlot() {
  static std::function<bool(const std::string&)> handler;
  return handler;
}

bool acceptable(const std::string& url) {
  if (url.empty() || url.front() == '-') return false;
  for (unsigned char c : url) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

bool spawnOpener(const std::string& url) {
  std::string program = "xdg-open";
  std::string argument = url;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  // The opener exits on its own; reap it so it leaves no zombie behind.
  std::thread([pid] {
    int status = 0;
    waitpid(pid, &status, 0);
  }).detach();
  return true;
}

}  // namespace

bool shellOpen(const std::string& url) {
  if (!acceptable(url)) return false;
  if (handlerSlot()) return handlerSlot()(url);
  return spawnOpener(url);
}

void setShellOpenHandler(std::function<bool(const std::string& url)> handler) { handlerSlot() = std::move(handler); }

}  // namespace tavra
