#pragma once
// A private virtual X display for the SDL backend's tests: an Xvfb server of our own on a free
// display number, with helpers that drive it like a user (xdotool) and read it back (ImageMagick's
// import). Tests skip when the programs are not installed.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavra::test {

// Whether an executable of this name is on PATH.
bool programAvailable(const std::string& name);

// Runs a program directly (no shell) and waits for it; stdout goes to `output` when given;
// `environment` entries ("NAME=value") replace those of ours. Returns the exit status, or -1 when
// it could not be run.
int runProgram(const std::vector<std::string>& argv, std::string* output = nullptr, const std::vector<std::string>& environment = {});
// Runs a program and calls `meanwhile` over and over until it ends (for programs whose effect
// must be watched while they run).
int runProgramWhile(const std::vector<std::string>& argv, const std::function<void()>& meanwhile,
                    const std::vector<std::string>& environment = {});

struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, rows top to bottom
  // 0xRRGGBB of a pixel; 0 outside the picture.
  std::uint32_t at(int x, int y) const;
};

class TestDisplay {
 public:
  // Starts Xvfb on a free display with a 1024 × 768 screen and points DISPLAY at it.
  // Nothing when Xvfb is missing or does not start.
  static std::unique_ptr<TestDisplay> start(std::string* error);
  TestDisplay(pid_t pid, std::string name, std::optional<std::string> previousDisplay);
  TestDisplay(const TestDisplay&) = delete;
  TestDisplay& operator=(const TestDisplay&) = delete;
  ~TestDisplay();

  const std::string& name() const { return name_; }
  // The whole screen as it is now (needs `import`).
  std::optional<Screenshot> capture() const;

 private:
  pid_t pid_ = -1;
  std::string name_;
  std::optional<std::string> previousDisplay_;
};

}  // namespace tavra::test
