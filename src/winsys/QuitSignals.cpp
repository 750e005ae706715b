#include "winsys/QuitSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace tavra::QuitSignals {
namespace {

std::atomic<bool> gPending{false};
int gPipe[2] = {-1, -1};

extern "C" void onQuitSignal(int) {
  int saved = errno;
  gPending.store(true);
  if (gPipe[1] >= 0) {
    char byte = 1;
    // A full pipe already wakes the wait; the result does not matter.
    [[maybe_unused]] ssize_t n = ::write(gPipe[1], &byte, 1);
  }
  errno = saved;
}

}  // namespace

void install() {
  if (gPipe[0] >= 0) return;
  if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) gPipe[0] = gPipe[1] = -1;
  struct sigaction action = {};
  action.sa_handler = &onQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

int wakeFd() { return gPipe[0]; }

bool takePending() {
  if (!gPending.exchange(false)) return false;
  char buffer[64];
  if (gPipe[0] >= 0) {
    while (::read(gPipe[0], buffer, sizeof buffer) > 0) {
    }
  }
  return true;
}

}  // namespace tavra::QuitSignals
