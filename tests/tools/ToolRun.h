#pragma once
// Runs a tool of build/bin with its output and errors captured, for the tests of the tools
// (arguments are our own paths, quoted by the caller where needed).
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace tavra::test {

struct ToolRun {
  int status = -1;
  std::string output;
};

inline ToolRun runTool(const std::string& tool, const std::string& arguments) {
  const std::string command = std::string(TAVRA_BIN_DIR) + "/" + tool + " " + arguments + " 2>&1";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  while (size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) run.output.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace tavra::test
