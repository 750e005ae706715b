// The desktop's "open" action: the handler tests put in place, the URLs the real opener refuses,
// and starting a program directly with each argument passed as it is.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cerrno>

#include "winsys/Shell.h"

namespace tavra::test {
namespace {

TEST(Shell, HandlerSeesEveryRequestAndIsRestored) {
  std::vector<std::string> seen;
  {
    ScopedShellOpenHandler outer([&](const std::string& url) {
      seen.push_back("outer " + url);
      return true;
    });
    {
      ScopedShellOpenHandler inner([&](const std::string& url) {
        seen.push_back("inner " + url);
        return false;
      });
      EXPECT_FALSE(shellOpen("mailto:a@example.org"));
    }
    EXPECT_TRUE(shellOpen("https://example.com/"));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"inner mailto:a@example.org", "outer https://example.com/"}));
  EXPECT_FALSE(static_cast<bool>(setShellOpenHandler(nullptr))) << "the real opener is back";
}

TEST(Shell, OpenerRefusesWhatItCouldMistake) {
  // "true" would accept anything; these never reach it.
  for (const std::string& url : {std::string(), std::string("-h"), std::string("--manual"), std::string("a\nb"),
                                  std::string("a\rb"), std::string("mailto:a@example.org\0x", 23)}) {
    EXPECT_FALSE(openWithProgram("true", url)) << url;
  }
  EXPECT_TRUE(openWithProgram("true", "mailto:a@example.org"));
  EXPECT_FALSE(openWithProgram("tavra-no-such-program", "https://example.com/"));
}

int exitStatus(SpawnedChild& child) {
  int status = child.waitStatus.get();
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Shell, ArgumentsReachTheProgramAsTheyAre) {
  // `test A = B` exits 0 when the two strings are equal: a shell would have split and run these.
  const std::string tricky = "https://example.com/?a=1&b=2; exit 3 $(false) 'x' \"y\" *";
  auto same = spawnReaped("test", {tricky, "=", tricky});
  ASSERT_TRUE(same.has_value());
  EXPECT_EQ(exitStatus(*same), 0);
  auto different = spawnReaped("test", {tricky, "=", "other"});
  ASSERT_TRUE(different.has_value());
  EXPECT_EQ(exitStatus(*different), 1);
  EXPECT_FALSE(spawnReaped("tavra-no-such-program", {}).has_value());
  EXPECT_FALSE(spawnReaped("", {}).has_value());
}

TEST(Shell, ChildIsReaped) {
  auto child = spawnReaped("true", {});
  ASSERT_TRUE(child.has_value());
  EXPECT_EQ(exitStatus(*child), 0);
  // The waiting thread collected it: there is nothing left to wait for.
  errno = 0;
  EXPECT_EQ(waitpid(child->pid, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace tavra::test
