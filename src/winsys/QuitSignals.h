#pragma once
// SIGTERM, SIGINT and SIGHUP ask the program to quit as a quit request of the display would. The
// handler only writes a byte into a pipe that the event wait watches, so a signal wakes a sleeping
// loop at once instead of at its next timeout.
namespace tavra::QuitSignals {

// Installs the handlers (once per process).
void install();
// The pipe's read end for the event wait; -1 before install.
int wakeFd();
// Whether a quit signal arrived since the last call; empties the pipe.
bool takePending();

}  // namespace tavra::QuitSignals
