// tavra-shots --list            prints the scenario names
// tavra-shots NAME DIR          runs scenario NAME and writes DIR/NAME-*.png
#include <filesystem>
#include <iostream>
#include <string>

#include "driver/harness/HeadlessDriver.h"
#include "driver/program/Scenarios.h"

int main(int argc, char** argv) {
  using namespace tavra;
  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const Scenario& s : scenarios()) std::cout << s.name << "\t" << s.description << "\n";
    return 0;
  }
  if (argc != 3) {
    std::cerr << "usage: tavra-shots --list | tavra-shots NAME DIR\n";
    return 2;
  }
  std::string name = argv[1];
  std::filesystem::path dir = argv[2];
  for (const Scenario& s : scenarios()) {
    if (s.name != name) continue;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    HeadlessDriver driver;
    int written = 0;
    bool failed = false;
    s.run(driver, [&](const std::string& step) {
      std::filesystem::path file = dir / (name + "-" + step + ".png");
      if (driver.saveScreenshot(file.string())) {
        std::cout << file.string() << "\n";
        ++written;
      } else {
        std::cerr << "tavra-shots: cannot write " << file.string() << "\n";
        failed = true;
      }
    });
    return failed || written == 0 ? 1 : 0;
  }
  std::cerr << "tavra-shots: no scenario \"" << name << "\"; --list shows them\n";
  return 2;
}
