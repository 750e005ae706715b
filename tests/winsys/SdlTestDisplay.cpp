#include "winsys/SdlTestDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

extern char** environ;

namespace tavra::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

std::vector<char*> cArgs(const std::vector<std::string>& argv) {
  std::vector<char*> out;
  for (const std::string& a : argv) out.push_back(const_cast<char*>(a.c_str()));
  out.push_back(nullptr);
  return out;
}

// Our environment with `overrides` ("NAME=value") in place of the variables they name.
std::vector<std::string> environmentWith(const std::vector<std::string>& overrides) {
  std::vector<std::string> out;
  for (char** e = environ; *e; ++e) {
    std::string entry = *e;
    std::string name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const std::string& o : overrides) replaced = replaced || o.substr(0, o.find('=')) == name;
    if (!replaced) out.push_back(entry);
  }
  out.insert(out.end(), overrides.begin(), overrides.end());
  return out;
}

// Spawns a program with stdin from /dev/null, stdout to `stdoutFd` (or /dev/null) and stderr to
// /dev/null; `closeFd` is closed in the child.
pid_t spawn(const std::vector<std::string>& argv, int stdoutFd, int closeFd, const std::vector<std::string>& environment = {}) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  if (stdoutFd >= 0) posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
  else posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (closeFd >= 0) posix_spawn_file_actions_addclose(&actions, closeFd);
  pid_t pid = -1;
  std::vector<char*> args = cArgs(argv);
  std::vector<std::string> env = environmentWith(environment);
  std::vector<char*> envArgs = cArgs(env);
  int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envArgs.data());
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

int waitExit(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool programAvailable(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0) return true;
  }
  return false;
}

int runProgram(const std::vector<std::string>& argv, std::string* output, const std::vector<std::string>& environment) {
  if (!output) {
    pid_t pid = spawn(argv, -1, -1, environment);
    return pid < 0 ? -1 : waitExit(pid);
  }
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return -1;
  pid_t pid = spawn(argv, fds[1], fds[0], environment);
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return -1;
  }
  output->clear();
  char buffer[65536];
  ssize_t n;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) output->append(buffer, static_cast<size_t>(n));
  close(fds[0]);
  return waitExit(pid);
}

int runProgramWhile(const std::vector<std::string>& argv, const std::function<void()>& meanwhile, const std::vector<std::string>& environment) {
  pid_t pid = spawn(argv, -1, -1, environment);
  if (pid < 0) return -1;
  int status = 0;
  pid_t done = 0;
  while ((done = waitpid(pid, &status, WNOHANG)) == 0) meanwhile();
  return done == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::uint32_t Screenshot::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const std::uint8_t* p = rgb.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
  return (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
}

std::unique_ptr<TestDisplay> TestDisplay::start(std::string* error) {
  if (!programAvailable("Xvfb")) {
    *error = "Xvfb is not installed";
    return nullptr;
  }
  // Xvfb picks a free display number itself and writes it to the descriptor we give it. Without
  // -noreset the server resets whenever its last client leaves (between two tests), and a test
  // that connects during the reset finds no display.
  int fds[2];
  if (pipe(fds) != 0) {
    *error = "pipe failed";
    return nullptr;
  }
  fcntl(fds[0], F_SETFD, FD_CLOEXEC);
  pid_t pid = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}, -1, fds[0]);
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    *error = "Xvfb could not be started";
    return nullptr;
  }
  std::string number;
  pollfd pfd{fds[0], POLLIN, 0};
  while (number.find('\n') == std::string::npos && poll(&pfd, 1, kStartTimeoutMs) == 1) {
    char c[16];
    ssize_t n = read(fds[0], c, sizeof c);
    if (n <= 0) break;
    number.append(c, static_cast<size_t>(n));
  }
  close(fds[0]);
  if (number.find('\n') == std::string::npos) {
    kill(pid, SIGTERM);
    waitExit(pid);
    *error = "Xvfb did not report its display";
    return nullptr;
  }
  std::optional<std::string> previous;
  if (const char* d = std::getenv("DISPLAY")) previous = d;
  std::string name = ":" + number.substr(0, number.find('\n'));
  setenv("DISPLAY", name.c_str(), 1);
  return std::make_unique<TestDisplay>(pid, name, previous);
}

TestDisplay::TestDisplay(pid_t pid, std::string name, std::optional<std::string> previousDisplay)
    : pid_(pid), name_(std::move(name)), previousDisplay_(std::move(previousDisplay)) {}

TestDisplay::~TestDisplay() {
  if (pid_ < 0) return;
  kill(pid_, SIGTERM);
  waitExit(pid_);
  if (previousDisplay_) setenv("DISPLAY", previousDisplay_->c_str(), 1);
  else unsetenv("DISPLAY");
}

std::optional<Screenshot> TestDisplay::capture() const {
  std::string ppm;
  if (runProgram({"import", "-display", name_, "-silent", "-window", "root", "-depth", "8", "ppm:-"}, &ppm) != 0) return std::nullopt;
  // Binary PPM: "P6", width, height, maximum value, one whitespace byte, then the pixels.
  std::istringstream header(ppm);
  std::string magic;
  int width = 0;
  int height = 0;
  int maxValue = 0;
  header >> magic >> width >> height >> maxValue;
  if (!header || magic != "P6" || maxValue != 255 || width <= 0 || height <= 0) return std::nullopt;
  size_t start = static_cast<size_t>(header.tellg()) + 1;
  size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
  if (ppm.size() < start + bytes) return std::nullopt;
  Screenshot shot;
  shot.width = width;
  shot.height = height;
  shot.rgb.assign(ppm.begin() + static_cast<std::ptrdiff_t>(start), ppm.begin() + static_cast<std::ptrdiff_t>(start + bytes));
  return shot;
}

}  // namespace tavra::test
