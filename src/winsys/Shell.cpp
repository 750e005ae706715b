#include "winsys/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace tavra {
namespace {

ShellOpenHandler& handlerSlot() {
  static ShellOpenHandler handler;
  return handler;
}

bool acceptableUrl(const std::string& url) {
  if (url.empty() || url.front() == '-') return false;
  return url.find_first_of(std::string("\0\r\n", 3)) == std::string::npos;
}

}  // namespace

bool shellOpen(const std::string& url) {
  if (url.empty()) return false;
  if (const ShellOpenHandler& handler = handlerSlot()) return handler(url);
  return openWithProgram("xdg-open", url);
}

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler) {
  ShellOpenHandler previous = std::move(handlerSlot());
  handlerSlot() = std::move(handler);
  return previous;
}

bool openWithProgram(const std::string& program, const std::string& url) {
  if (!acceptableUrl(url)) return false;
  return spawnReaped(program, {url}).has_value();
}

std::optional<SpawnedChild> spawnReaped(const std::string& program, const std::vector<std::string>& args) {
  if (program.empty()) return std::nullopt;
  std::vector<std::string> storage;
  storage.reserve(args.size() + 1);
  storage.push_back(program);
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(storage.size() + 1);
  for (std::string& s : storage) argv.push_back(s.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return std::nullopt;

  std::promise<int> exited;
  SpawnedChild child{pid, exited.get_future()};
  std::thread([pid, exited = std::move(exited)]() mutable {
    int wstatus = 0;
    pid_t r = 0;
    do {
      r = waitpid(pid, &wstatus, 0);
    } while (r < 0 && errno == EINTR);
    exited.set_value(r == pid ? wstatus : -1);
  }).detach();
  return child;
}

}  // namespace tavra
